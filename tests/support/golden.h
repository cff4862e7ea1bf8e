#pragma once

// Frozen report texts under tests/core/golden.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvora::testing {

inline std::string ReadGolden(const std::string& name) {
  std::ifstream in(std::string(KELVORA_GOLDEN_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Compares with the frozen text; KELVORA_UPDATE_GOLDEN=1 writes it afresh for review.
inline void ExpectGolden(const std::string& name, const std::string& actual) {
  if (std::getenv("KELVORA_UPDATE_GOLDEN")) {
    std::ofstream(std::string(KELVORA_GOLDEN_DIR) + "/" + name, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, ReadGolden(name)) << name;
}

}  // namespace kelvora::testing
