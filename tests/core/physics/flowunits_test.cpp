#include "core/physics/flowunits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvora {
namespace {

TEST(FlowUnits, TheAreaCountsTheFreeCrossSection) {
  EXPECT_FLOAT_EQ(FlowConversionArea(ObjectKind::CircularDuct, 200, 0, 0, 30), 3.14159265f * 0.01f);
  EXPECT_FLOAT_EQ(FlowConversionArea(ObjectKind::RectDuctInternal, 0, 500, 300, 50), 0.4f * 0.2f);
  EXPECT_FLOAT_EQ(FlowConversionArea(ObjectKind::RectDuctExternal, 0, 500, 300, 50), 0.15f);
}

struct ConversionRow {
  int from;
  int to;
  float value;
  float expected;
};

TEST(FlowUnits, ConvertsBetweenEveryPairOfUnits) {
  constexpr float a = 0.5f;
  const ConversionRow rows[] = {
      {0, 1, 36.0f, 10.0f},  {1, 0, 10.0f, 36.0f}, {0, 2, 1800.0f, 1.0f},
      {2, 0, 1.0f, 1800.0f}, {1, 2, 500.0f, 1.0f}, {2, 1, 1.0f, 500.0f},
  };
  for (const auto& row : rows) {
    EXPECT_FLOAT_EQ(ConvertFlow(row.value, row.from, row.to, a), row.expected) << row.from << "->" << row.to;
  }
}

TEST(FlowUnits, AVelocityOverNoCrossSectionIsKept) {
  EXPECT_EQ(ConvertFlow(12.0f, 0, 2, 0.0f), 12.0f);
  EXPECT_EQ(ConvertFlow(12.0f, 2, 1, -0.1f), 12.0f);
  EXPECT_FLOAT_EQ(ConvertFlow(36.0f, 0, 1, 0.0f), 10.0f);
}

TEST(FlowUnits, ARoundTripThroughTheShownTextReturnsTheValue) {
  const float start = 1234.0f;
  const float shown = std::stof(ShowFlowValue(ConvertFlow(start, 0, 1, 1.0f)));
  EXPECT_NEAR(ConvertFlow(shown, 1, 0, 1.0f), start, 0.5f);
}

TEST(FlowUnits, SmallerValuesShowMoreDecimals) {
  const std::pair<float, const char*> rows[] = {
      {1234.6f, "1235"}, {123.46f, "123.5"}, {12.346f, "12.35"},   {1.2346f, "1.235"},
      {0.5f, "0.5000"},  {0.05f, "0.05000"}, {0.005f, "0.005000"}, {1000.0f, "1000.0"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(ShowFlowValue(value), text) << value;
}

}  // namespace
}  // namespace kelvora
