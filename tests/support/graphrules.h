#pragma once

// What every module graph must show, whatever its values: its curves inside the plot, and
// the values it is drawn for filling enough of the height to be read.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/report/graph.h"
#include "core/report/pagemodel.h"
#include "support/recordingsurface.h"

namespace kelvora::testing {

// Every line and marker drawn in a curve's colour above the legend lies within the plot,
// up to a marker's half width at its edges.
inline void ExpectDrawnInsideThePlot(const CGraph& graph, const PageModel& page) {
  RecordingSurface surface;
  // Drawing changes nothing a test reads; it is not const only for the selection mark.
  const_cast<CGraph&>(graph).Draw(surface, graph.rect);
  const LayoutPoint o{graph.origin.x, graph.origin.y};
  const std::int32_t slack = page.MmToUnitsX(1.6f);
  const auto inside = [&](int x, int y) {
    return x >= o.x - slack && x <= o.x + graph.plotWidth + slack && y >= o.y - graph.plotHeight - slack &&
           y <= o.y + slack;
  };
  const std::int32_t legendTop = o.y + graph.lineHeight;
  for (const std::string& call : surface.calls) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, pen = 0;
    char colour[8] = {};
    const bool line =
        std::sscanf(call.c_str(), "line %d,%d %d,%d %d #%6s", &x1, &y1, &x2, &y2, &pen, colour) == 6;
    const bool fill =
        !line && std::sscanf(call.c_str(), "fill %d,%d-%d,%d #%6s", &x1, &y1, &x2, &y2, colour) == 5;
    if ((!line && !fill) || std::string(colour) == "000000" || std::string(colour) == "ffffc0") continue;
    if (std::min(y1, y2) > legendTop) continue;  // a legend sample
    EXPECT_TRUE(inside(x1, y1) && inside(x2, y2)) << graph.name << ": " << call;
  }
}

// The share of the y axis that the values from `low` to `high` take.
inline float HeightShare(const CGraph& graph, float low, float high) {
  return (high - low) / (graph.yMax - graph.yMin);
}

// The y extent of the curves with points of more than one x value: the module's own values,
// not the marks across the plot.
inline std::pair<float, float> ValueExtent(const CGraph& graph, int firstCurve, int endCurve) {
  float low = 1e30f;
  float high = -1e30f;
  for (int i = firstCurve; i < endCurve; ++i) {
    const CKurve& c = graph.Curve(i);
    for (float v : c.yValues) {
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  return {low, high};
}

// The run: the medium temperatures of all sections fill at least half the height.
inline void ExpectRunGraphShowsTheMedium(const CGraph& graph, const PageModel& page) {
  int sections = graph.curveCount;
  while (sections > 0 && graph.Curve(sections - 1).level) --sections;
  const auto [low, high] = ValueExtent(graph, 0, sections);
  // A drop narrower than the least span shows over that span.
  EXPECT_GE(HeightShare(graph, low, std::max(high, low + 1.0f)), 0.5f) << graph.yMin << " .. " << graph.yMax;
  ExpectDrawnInsideThePlot(graph, page);
}

// Economics: the three cost curves of the alternatives fill at least half the height.
inline void ExpectEconomicsGraphShowsTheAlternatives(const CGraph& graph, const PageModel& page) {
  const auto [low, high] = ValueExtent(graph, 0, 3);
  EXPECT_GE(HeightShare(graph, low, high), 0.5f) << graph.yMin << " .. " << graph.yMax;
  ExpectDrawnInsideThePlot(graph, page);
}

// Heat loss and surface temperature: the value at the marked thickness stands in the upper
// four fifths of the plot, for a hot object's falling curves and a cold one's rising ones.
inline void ExpectThicknessGraphShowsTheResult(const CGraph& graph, const PageModel& page) {
  const CKurve& curve = graph.Curve(0);
  const float marked = graph.Curve(1).xValues.front();
  const auto at = std::find(curve.xValues.begin(), curve.xValues.end(), marked);
  ASSERT_NE(at, curve.xValues.end()) << "the curve has a point at the marked thickness";
  const float value = curve.yValues[static_cast<std::size_t>(at - curve.xValues.begin())];
  const float share = HeightShare(graph, graph.yMin, value);
  EXPECT_GE(share, 0.2f) << graph.name << ": " << value << " in " << graph.yMin << " .. " << graph.yMax;
  EXPECT_LE(share, 1.0f) << graph.name << ": " << value << " in " << graph.yMin << " .. " << graph.yMax;
  ExpectDrawnInsideThePlot(graph, page);
}

}  // namespace kelvora::testing
