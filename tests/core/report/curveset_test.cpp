#include "core/report/curveset.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

// Steps from runs of a few metres to costs in the tens of thousands, and the axes and tick
// labels they make.
TEST(GraphScale, StepsAxesAndLabelsFollowTheSpan) {
  const struct {
    float low, high;
    int parts;
    float step;
    AxisRange axis;
    const char* label;
  } cases[] = {
      {0, 83, 8, 20, {-20, 100}, "%.0f"},
      {0, 38, 8, 5, {-5, 40}, "%.0f"},
      {38.5f, 40, 6, 0.5f, {38, 40.5f}, "%.1f"},
      {0, 90, 6, 20, {-20, 100}, "%.0f"},
      {0, 20973.37f, 6, 5000, {-5000, 25000}, "%.0f"},
      {59.9f, 60, 6, 0.02f, {59.88f, 60.02f}, "%.2f"},
      {0, 0, 6, 1, {-1, 1}, "%.0f"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.high);
    const float step = RoundStep(c.high - c.low, c.parts);
    EXPECT_FLOAT_EQ(step, c.step);
    const AxisRange axis = AxisAround(c.low, c.high, step);
    EXPECT_NEAR(axis.low, c.axis.low, 1e-3f);
    EXPECT_NEAR(axis.high, c.axis.high, 1e-3f);
    EXPECT_EQ(TickFormat(step), c.label);
  }
}

TEST(GraphScale, CzechWritesADecimalComma) {
  EXPECT_EQ(NumberText("%.1f", -2.5f, Language::Czech), "-2,5");
  EXPECT_EQ(NumberText("%.1f", -2.5f, Language::English), "-2.5");
  const ReportText legend = ValueLegend(ids::kRunGraphFreezingPoint, "%.1f", -2.5f);
  EXPECT_EQ(legend.cz, "Bod tuhnutí média -2,5 °C");
  EXPECT_EQ(legend.en, "Freezing point of the medium -2.5 °C");
}

}  // namespace
}  // namespace kelvora
