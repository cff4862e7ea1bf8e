#include "core/framework/textencoding.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

TEST(TextEncoding, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(TextEncoding, CzechLettersMapToTheirCodePoints) {
  EXPECT_EQ(Cp1250ToUtf8("\x8A\x9E\xC8\xE8\xD8\xF8\xD9\xF9\xB0\x80"), "ŠžČčŘřŮů°€");
  EXPECT_EQ(Utf8ToCp1250("Přílišné ťukání"), "P\xF8\xED\x6Ci\x9An\xE9 \x9Duk\xE1n\xED");
}

TEST(TextEncoding, WhatTheCodePageLacksBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1250("α→x😀"), "??x?");
  EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");             // cut sequence
  EXPECT_EQ(Utf8ToCp1250("\x80z"), "?z");             // stray continuation byte
  EXPECT_EQ(Utf16ToUtf8ViaCp1250(u"Ž\xD83D"), "Ž?");  // lone surrogate
}

}  // namespace
}  // namespace kelvora
