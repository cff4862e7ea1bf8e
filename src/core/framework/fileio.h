#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// The whole content of a file, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a
// failed write leaves the previous file as it was. False when anything failed.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

// Where a reference-data file named in the settings is read and written: a relative name
// is taken in the working directory; when it is not there but beside the program (as
// after an installation started from a desktop menu), that copy is used.
std::filesystem::path LocateDataFile(const std::filesystem::path& name,
                                     const std::filesystem::path& programDir);

}  // namespace kelvora
