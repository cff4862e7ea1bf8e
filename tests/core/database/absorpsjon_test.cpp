#include "core/database/absorpsjon.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

TEST(AbsorberThickness, StartsWithTheTypicalLiningOfFiftyMillimetres) {
  const CAbsorpsjonTykkelse t;
  EXPECT_EQ(t.name, "50.0");
  EXPECT_EQ(t.thickness, 50.0f);
  const float expected[kOctaveBands] = {0.25f, 0.65f, 1, 1, 1, 1};
  for (int band = 0; band < kOctaveBands; ++band) EXPECT_EQ(t.Alpha(band), expected[band]) << band;
}

TEST(AbsorberThickness, DataDiffersOnThicknessOrAnyBand) {
  CAbsorpsjonTykkelse a;
  auto b = CloneItem(a);
  EXPECT_FALSE(a.DataDiffers(*b));
  b->alpha4000 = 0.9f;
  EXPECT_TRUE(a.DataDiffers(*b));
  b = CloneItem(a);
  b->SetThickness(50.04f);
  EXPECT_TRUE(a.DataDiffers(*b));
  // Both name themselves "50.0", so one absorber cannot hold both.
  EXPECT_EQ(b->name, a.name);
  EXPECT_TRUE(a.IsEqual(*b));
}

TEST(Absorber, EqualWhenTheThicknessListsAre) {
  CAbsorpsjon a(AbsorberKind::RectangularDuct), b(AbsorberKind::CircularDuct);
  a.InsertThickness(std::make_unique<CAbsorpsjonTykkelse>());
  b.InsertThickness(std::make_unique<CAbsorpsjonTykkelse>());
  EXPECT_TRUE(a.IsEqual(b));
  auto thicker = std::make_unique<CAbsorpsjonTykkelse>();
  thicker->SetThickness(100);
  EXPECT_EQ(b.InsertThickness(std::move(thicker)), 1u);
  EXPECT_FALSE(a.IsEqual(b));
  EXPECT_EQ(a.surfaceColour, 0x00008080u);
}

}  // namespace
}  // namespace kelvora
