#include "core/framework/stringtable.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

TEST(StringTable, LookupsFindEveryEntry) {
  for (const auto& entry : StringTable()) {
    EXPECT_EQ(LoadResourceString(entry.id, Language::Czech), entry.czech);
    EXPECT_FALSE(entry.czech.empty()) << entry.id;
  }
}

TEST(StringTable, EnglishFallsBackToTheCzechTextWhereTheyAgree) {
  EXPECT_EQ(LoadResourceString(ids::kAppTitle, Language::English), "Kelvora®");
  EXPECT_EQ(LoadResourceString(ids::kCurrency, Language::English), "Kč");
  EXPECT_EQ(LoadResourceString(123456, Language::Czech), "");
}

}  // namespace
}  // namespace kelvora
