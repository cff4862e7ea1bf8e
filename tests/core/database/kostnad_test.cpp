#include "core/database/kostnad.h"

#include <gtest/gtest.h>

#include "support/fakeplatform.h"
#include "support/tempdir.h"
#include "support/testpaths.h"

namespace kelvora {
namespace {

TEST(Costs, AnEmptyFileIsAnEmptyListWithoutMessage) {
  testing::TempDir dir;
  testing::RecordingMessages messages;
  ASSERT_TRUE(WriteFileReplacing(dir / "kelvora.cst", std::string(2, '\0')));
  CKostnad costs(dir / "kelvora.cst");
  costs.Load(messages);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(costs.presets.empty());
  EXPECT_EQ(costs.Chosen(), nullptr);
}

TEST(Costs, PresetsAreEqualByPriceAndKeepTheirLabel) {
  ItemList<CIsoKostnad> a, b;
  a.push_back(std::make_unique<CIsoKostnad>());
  b.push_back(std::make_unique<CIsoKostnad>());
  a[0]->name = "Levná";
  b[0]->name = "Drahá";
  EXPECT_TRUE(ListsEqual(a, b));
  b[0]->price = 101;
  EXPECT_FALSE(ListsEqual(a, b));

  a[0]->UpdateLabel("Kč", "m");
  EXPECT_EQ(a[0]->label, "Levná\t100.0 Kč/m");
}

TEST(Costs, SaveAndLoadTheFile) {
  testing::TempDir dir;
  testing::RecordingMessages messages;
  CKostnad costs(dir / "kelvora.cst");
  costs.presets.push_back(std::make_unique<CIsoKostnad>());
  costs.presets[0]->name = "Pouzdra";
  costs.presets[0]->price = 350.5f;
  costs.presets[0]->UpdateLabel("EUR", "m2");
  ASSERT_TRUE(costs.Save(messages));
  CKostnad back(dir / "kelvora.cst");
  back.Load(messages);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(back.presets.size(), 1u);
  EXPECT_EQ(back.presets[0]->label, "Pouzdra\t350.5 EUR/m2");
  EXPECT_EQ(back.presets[0]->price, 350.5f);
}

// The shipped presets as the build compiled them from data/costs.json.
ItemList<CIsoKostnad> ShippedPresets() {
  CKostnad costs(testing::BinDir() / "kelvora.cst");
  testing::RecordingMessages messages;
  costs.Load(messages);
  EXPECT_TRUE(messages.shown.empty());
  return std::move(costs.presets);
}

TEST(Costs, ShippedPresetsShowTheirEnglishNameInEnglishAndUserPresetsShowAsTyped) {
  const ItemList<CIsoKostnad> shipped = ShippedPresets();
  ASSERT_FALSE(shipped.empty());
  for (const auto& preset : shipped) {
    SCOPED_TRACE(preset->name);
    EXPECT_EQ(preset->ShownName(Language::Czech), preset->name);
    EXPECT_NE(preset->ShownName(Language::English), preset->name);
    EXPECT_FALSE(preset->ShownName(Language::English).empty());
  }
  EXPECT_EQ(shipped[0]->name, "Pouzdra 30 mm, DN 25, bez oplechování");
  EXPECT_EQ(shipped[0]->ShownName(Language::English), "Pipe sections 30 mm, DN 25, no cladding");

  CIsoKostnad mine;
  mine.name = "Pouzdra 30 mm, DN 25";  // a shipped name's start is not a shipped name
  EXPECT_EQ(mine.ShownName(Language::English), mine.name);
  EXPECT_EQ(mine.ShownName(Language::Czech), mine.name);
}

TEST(Costs, TheShippedFileSavesToItsOwnBytes) {
  testing::TempDir dir;
  testing::RecordingMessages messages;
  CKostnad copy(dir / "kelvora.cst");
  copy.presets = ShippedPresets();
  ASSERT_TRUE(copy.Save(messages));
  EXPECT_EQ(testing::FileBytes(dir / "kelvora.cst"), testing::FileBytes(testing::BinDir() / "kelvora.cst"));
}

TEST(Costs, PricesShowEveryDigitTheyHoldAndNoMore) {
  const std::pair<float, const char*> cases[] = {
      {1350.0f, "1350"},       {12.5f, "12.5"},       {345.5f, "345.5"}, {0.1f, "0.1"},
      {99999.99f, "99999.99"}, {100000.0f, "100000"}, {0.0f, "0"}};
  for (const auto& [price, shown] : cases) EXPECT_EQ(PriceText(price), shown) << price;
}

TEST(Costs, TheUnitIsTakenFromALabelOfTheFormUpdateLabelWrites) {
  struct Case {
    const char* label;
    const char* unit;
  };
  const Case cases[] = {
      {"Pouzdra\t1350.0 Kč/m", "Kč/m"},
      {"Pouzdra\t12.5 EUR/m2", "EUR/m2"},
      {"Pouzdra\t-3.0 $/m", "$/m"},
      {"", ""},
      {"Pouzdra", ""},
      {"Pouzdra 1350.0 Kč/m", ""},
      {"Desky\t1350.0 Kč/m", ""},
      {"Pouzdra\tlevná Kč/m", ""},
      {"Pouzdra\t1350.0", ""},
  };
  CIsoKostnad preset;
  preset.name = "Pouzdra";
  for (const Case& c : cases) {
    preset.label = c.label;
    EXPECT_EQ(preset.LabelUnit(), c.unit) << c.label;
  }
}

}  // namespace
}  // namespace kelvora
