#include "core/database/mantling.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

std::unique_ptr<CTilleggslengde> Range(float minMm, float maxMm, float metres) {
  auto range = std::make_unique<CTilleggslengde>();
  range->minDiameter = minMm;
  range->maxDiameter = maxMm;
  range->addedLength = metres;
  range->UpdateName();
  return range;
}

TEST(AddedLength, TakesTheRangeOrFallsBackOnTheEnds) {
  CTillegg2 valve;
  EXPECT_EQ(valve.AddedLengthFor(30), 0.0f);  // no ranges yet
  valve.lengths.push_back(Range(10, 50, 1.0f));
  valve.lengths.push_back(Range(51, 100, 2.5f));
  const std::pair<float, float> cases[] = {{30, 1.0f}, {50, 1.0f},  {50.5f, 2.5f},
                                           {5, 1.0f},  {200, 2.5f}, {51, 2.5f}};
  for (const auto& [diameter, metres] : cases) EXPECT_EQ(valve.AddedLengthFor(diameter), metres) << diameter;
}

TEST(AddedLength, RangesAreNamedByTheirDiameters) {
  EXPECT_EQ(CTilleggslengde().name, "10 - 50 mm");
  EXPECT_EQ(Range(15, 40, 1)->name, "15 - 40 mm");
  EXPECT_EQ(Range(14.6f, 40.4f, 1)->name, "15 - 40 mm");
  // Lists show what the range adds as well; the stored name stays as it was.
  EXPECT_EQ(Range(15, 40, 1.25f)->DisplayName(), "15 - 40 mm: 1.25 m");
}

TEST(AddedLength, ListKeepsAscendingLengths) {
  CTillegg2 flange;
  flange.InsertLength(Range(51, 100, 2.5f));
  EXPECT_EQ(flange.InsertLength(Range(10, 50, 1.0f)), 0u);
  EXPECT_EQ(flange.InsertLength(Range(101, 200, 4.0f)), 2u);
}

TEST(RecordEquality, ComparesDataNotNames) {
  CMantling a(MantlingKind::OuterFinish), b(MantlingKind::InnerFacing);
  b.name = "Hliník";
  b.colour = 0x00FFFFFF;
  EXPECT_TRUE(a.IsEqual(b));
  b.emissivity = 0.1f;
  EXPECT_FALSE(a.IsEqual(b));

  CVeske water, glycol;
  glycol.name = "Glykol";
  EXPECT_TRUE(water.IsEqual(glycol));
  glycol.freezingPoint = -15;
  EXPECT_FALSE(water.IsEqual(glycol));
  EXPECT_FALSE(water.IsEqual(a));

  CTillegg2 valve1, valve2;
  valve1.lengths.push_back(Range(10, 50, 1));
  valve2.lengths.push_back(Range(10, 50, 1));
  EXPECT_TRUE(valve1.IsEqual(valve2));
  valve2.lengths[0]->addedLength = 1.5f;
  EXPECT_FALSE(valve1.IsEqual(valve2));
  auto copy = CloneItem(valve1);
  valve1.lengths[0]->addedLength = 3;
  EXPECT_EQ(copy->lengths[0]->addedLength, 1.0f);
}

}  // namespace
}  // namespace kelvora
