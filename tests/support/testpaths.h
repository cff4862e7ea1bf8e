#pragma once

#include <filesystem>

namespace kelvora::testing {

// Where tests find the source tree and what the build made. Only testpaths.cpp knows this
// clone's paths, so that the compiler cache serves every other file to any clone.
std::filesystem::path SourceDir();
// The programs and the compiled reference data.
std::filesystem::path BinDir();

}  // namespace kelvora::testing
