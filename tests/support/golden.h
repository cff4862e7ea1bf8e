#pragma once

// Frozen report texts under tests/core/golden.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/testpaths.h"

namespace kelvora::testing {

// KELVORA_GOLDEN_DIR names the folder relative to the source tree.
inline std::filesystem::path GoldenDir() { return SourceDir() / KELVORA_GOLDEN_DIR; }

inline std::string ReadGolden(const std::string& name) {
  std::ifstream in(GoldenDir() / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Compares with the frozen text; KELVORA_UPDATE_GOLDEN=1 writes it afresh for review.
inline void ExpectGolden(const std::string& name, const std::string& actual) {
  if (std::getenv("KELVORA_UPDATE_GOLDEN")) {
    std::ofstream(GoldenDir() / name, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, ReadGolden(name)) << name;
}

}  // namespace kelvora::testing
