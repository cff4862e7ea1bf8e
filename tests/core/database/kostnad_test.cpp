#include "core/database/kostnad.h"

#include <gtest/gtest.h>

#include "support/fakeplatform.h"
#include "support/tempdir.h"

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

}  // namespace
}  // namespace kelvora
