#include "core/report/graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/framework/stringtable.h"
#include "core/report/pagemodel.h"
#include "support/golden.h"
#include "support/recordingsurface.h"

namespace kelvora {
namespace {

using testing::RecordingClipboard;
using testing::RecordingSurface;

// Title "Teplota v nádrži" / "Temperature in tanks", y-axis title "Kč", x-axis title
// "Kelvora®"; one red curve "Útlum hluku v potrubí" / "Sound attenuation".
constexpr int kTexts[] = {ids::kTitleTank, ids::kCurrency, ids::kAppTitle};
constexpr int kCurves[] = {ids::kTitleSound, 0};
constexpr Colour kColours[] = {Rgb(0, 0, 255)};
const GraphFormats kFormats{"%.0f", "%.0f", "%.1f", "%.1f"};

bool Has(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// Fixed metrics: a character 5 units wide, a line 10 tall. The graph sits where the tank
// module places its own: 125 x 70 mm at (20, 110), so the plot is 492 x 276 units.
class GraphTest : public ::testing::Test {
 protected:
  GraphTest() {
    page.SetScreenSurface(&measure);
    graph.Setup(20, 110, 125, 70, kTexts, kTexts, kCurves, kCurves, kColours, kFormats, false);
  }

  void Fill(GraphRanges ranges, std::vector<float> xs, std::vector<float> ys) {
    const std::vector<std::vector<float>> xArrays{std::move(xs)};
    const std::vector<std::vector<float>> yArrays{std::move(ys)};
    const int counts[] = {static_cast<int>(xArrays[0].size())};
    graph.SetData(ranges, counts, xArrays, yArrays);
  }

  std::vector<std::string> Drawn() {
    RecordingSurface surface;
    graph.Draw(surface, {0, 0, 100000, 100000});
    return surface.calls;
  }

  PageModel page;
  RecordingSurface measure;
  CGraph graph{page};
};

TEST_F(GraphTest, LaysOutAroundTheMeasuredTexts) {
  EXPECT_EQ(graph.plotWidth, 492);
  EXPECT_EQ(graph.plotHeight, 276);
  EXPECT_EQ(graph.avgCharWidth, 5);
  EXPECT_EQ(graph.lineHeight, 10);
  EXPECT_EQ(graph.curveCount, 1);
  // The y-axis title "Kč" is 10 wide; the x-axis title "Kelvora®" 40.
  EXPECT_EQ(graph.origin.x, 10);
  EXPECT_EQ(graph.origin.y, 296);
  EXPECT_EQ(graph.rect, (LayoutRect{79, 433, 79 + 10 + 492 + 40, 433 + 276 + 5 * 10}));
  graph.SetPosition(30, 120);
  EXPECT_EQ(graph.rect.left, 118);
  EXPECT_EQ(graph.origin.x, 10) << "positions inside stay relative";
}

TEST_F(GraphTest, ALegendWiderThanThePlotWidensTheItem) {
  graph.Setup(20, 110, 10, 70, kTexts, kTexts, kCurves, kCurves, kColours, kFormats, false);
  // "Útlum hluku v potrubí" is 21 characters; the legend adds one more.
  EXPECT_EQ(graph.rect.right - graph.rect.left, 22 * 5);
}

struct TickCase {
  const char* name;
  GraphRanges ranges;
  float xStep, yStep;
  int xEvery, yEvery;
  std::vector<std::string> xLabels, yLabels;
};

// The tank graph runs its x axis to 1.125 times its end time and picks both steps; the
// last four rows are the end times where its x step changes (20 and 2540 h).
TEST_F(GraphTest, FixedStepsTickFromTheMinimumAndStopBeforeTheMaximum) {
  const std::vector<TickCase> cases = {
      {"default tank",
       {0, 40, 562.5f, 52},
       50,
       2,
       1,
       1,
       {"", "50", "100", "150", "200", "250", "300", "350", "400", "450", "500"},
       {"", "42", "44", "46", "48", "50"}},
      {"no tick at the maximum",
       {0, 0, 100, 10},
       10,
       5,
       1,
       1,
       {"", "10", "20", "30", "40", "50", "60", "70", "80", "90"},
       {"", "5"}},
      {"every second label from the third", {0, 0, 60, 1}, 10, 1, 2, 1, {"", "", "20", "", "40", ""}, {""}},
      {"19.9 h",
       {0, 0, 19.9f * 1.125f, 1},
       1,
       1,
       1,
       1,
       {"",   "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
        "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21"},
       {""}},
      {"20 h",
       {0, 0, 20 * 1.125f, 1},
       2,
       1,
       1,
       1,
       {"", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"},
       {""}},
      {"2539 h",
       {0, 0, 2539 * 1.125f, 1},
       200,
       1,
       1,
       1,
       {"", "200", "400", "600", "800", "1000", "1200", "1400", "1600", "1800", "2000", "2200", "2400",
        "2600"},
       {""}},
      {"2540 h", {0, 0, 2540 * 1.125f, 1}, 500, 1, 1, 1, {"", "500", "1000", "1500", "2000"}, {""}},
      {"a step of 0", {0, 0, 100, 10}, 0, 0, 1, 1, {}, {}},
  };
  for (const TickCase& c : cases) {
    SCOPED_TRACE(c.name);
    graph.SetScale(c.xStep, c.yStep, c.xEvery, c.yEvery);
    Fill(c.ranges, {c.ranges.xMin, c.ranges.xMax}, {c.ranges.yMin, c.ranges.yMax});
    EXPECT_EQ(graph.xTickLabels, c.xLabels);
    EXPECT_EQ(graph.yTickLabels, c.yLabels);
    EXPECT_EQ(graph.xTickCount, static_cast<int>(c.xLabels.size()));
  }
}

TEST_F(GraphTest, TankTicksAndPointsLieOnThePlot) {
  graph.SetScale(50, 2, 1, 1);
  Fill({0, 40, 562.5f, 52}, {0, 500}, {50, 41});
  // 492 * 50 / 562.5 = 43.7 units a step; 276 / 6 = 46 units a step.
  EXPECT_EQ(graph.xTickPositions,
            (std::vector<std::uint16_t>{10, 53, 97, 141, 184, 228, 272, 316, 359, 403, 447}));
  EXPECT_EQ(graph.yTickPositions, (std::vector<std::uint16_t>{296, 250, 204, 158, 112, 66}));
  EXPECT_EQ(graph.Curve(0).xPixels, (std::vector<std::uint16_t>{10, 447}));
  EXPECT_EQ(graph.Curve(0).yPixels, (std::vector<std::uint16_t>{66, 273}));
  EXPECT_FALSE(graph.zeroInRange);
}

TEST_F(GraphTest, AutomaticStepsFollowThePlotSize) {
  Fill({0, 0, 160, 26}, {0}, {0});
  EXPECT_EQ(graph.yTickCount, 276 / 20);
  EXPECT_EQ(graph.xTickCount, 492 / 30);
  EXPECT_FLOAT_EQ(graph.yStep, 2.0f);
  EXPECT_FLOAT_EQ(graph.xStep, 10.0f);
}

TEST(GraphWithoutMeasuring, HasNoAutomaticTicks) {
  PageModel page;
  CGraph graph{page};
  graph.Setup(20, 110, 125, 70, kTexts, kTexts, kCurves, kCurves, kColours, kFormats, false);
  const std::vector<std::vector<float>> values{{0, 1}};
  const int counts[] = {2};
  graph.SetData({0, 0, 10, 10}, counts, values, values);
  EXPECT_EQ(graph.xTickCount, 0);
  EXPECT_EQ(graph.yTickCount, 0);
  EXPECT_TRUE(graph.xTickLabels.empty());
}

TEST_F(GraphTest, AnEmptyRangeWidensByOneStep) {
  graph.SetScale(5, 2, 1, 1);
  Fill({10, 3, 10, 3}, {10}, {3});
  EXPECT_FLOAT_EQ(graph.xMax, 15.0f);
  EXPECT_FLOAT_EQ(graph.yMax, 5.0f);
  EXPECT_EQ(graph.xTickCount, 1);
  EXPECT_EQ(graph.Curve(0).xPixels, (std::vector<std::uint16_t>{10}));
  EXPECT_EQ(graph.Curve(0).yPixels, (std::vector<std::uint16_t>{296}));
}

TEST_F(GraphTest, ARangeThroughZeroDrawsTheXAxisAtZero) {
  graph.SetScale(100, 10, 1, 1);
  Fill({0, -10, 500, 30}, {0, 500}, {-10, 30});
  EXPECT_TRUE(graph.zeroInRange);
  EXPECT_EQ(graph.zero.x, 10);
  EXPECT_EQ(graph.zero.y, 296 - 69) << "a quarter of the plot above its bottom";
  const auto calls = Drawn();
  // The axis pen is half a millimetre (2 units); a tick mark reaches a millimetre (4) each way.
  EXPECT_TRUE(Has(calls, "line 89,660 581,660 2 #000000"));
  EXPECT_FALSE(Has(calls, "line 85,660 93,660 2 #000000")) << "no mark on the axis itself";
  EXPECT_TRUE(Has(calls, "line 85,591 93,591 2 #000000"));
  EXPECT_TRUE(Has(calls, "text 81,586 10"));
  EXPECT_FALSE(Has(calls, "text 81,655 0"));
  // The x ticks are marked on the axis at zero.
  EXPECT_TRUE(Has(calls, "line 187,656 187,664 2 #000000"));
}

TEST_F(GraphTest, AMinimumOfZeroSkipsTheFirstYTickAndLeavesTheXAxisOut) {
  graph.SetScale(100, 10, 1, 1);
  Fill({0, 0, 500, 30}, {0, 500}, {0, 30});
  const auto calls = Drawn();
  EXPECT_TRUE(graph.zeroInRange);
  EXPECT_FALSE(Has(calls, "line 85,729 93,729 2 #000000"));
  EXPECT_TRUE(Has(calls, "line 85,637 93,637 2 #000000"));
  graph.SetScale(100, 10, 1, 1);
  Fill({0, 10, 500, 30}, {0, 500}, {10, 30});
  EXPECT_FALSE(graph.zeroInRange);
  EXPECT_FALSE(Has(Drawn(), "line 89,867 581,867 2 #000000")) << "no x axis where 0 would lie";
}

TEST_F(GraphTest, DrawingCalls) {
  graph.Setup(10, 10, 30, 20, kTexts, kTexts, kCurves, kCurves, kColours, kFormats, true);
  graph.SetScale(5, 10, 1, 2);
  Fill({0, 0, 20, 40}, {0, 10, 20}, {5, 35, 20});
  graph.selected = 1;
  RecordingSurface screen;
  graph.Draw(screen, {20, 30, 1000, 1000});
  std::string text;
  for (const std::string& call : screen.calls) text += call + "\n";
  testing::ExpectGolden("graph_drawing.txt", text);
}

TEST_F(GraphTest, PrintingLaysOutInPrinterPixelsAndComesBack) {
  graph.SetScale(50, 2, 1, 1);
  Fill({0, 40, 562.5f, 52}, {0, 500}, {50, 41});
  const LayoutRect screenRect = graph.rect;
  const auto screenPixels = graph.Curve(0).xPixels;
  const auto screenTicks = graph.yTickPositions;

  // 0.1 mm a pixel; the fonts grow to 25 pixels, a character to 12.
  RecordingSurface printer{true, {200, 280, 2000, 2800}};
  page.BeginPrinting(printer);
  graph.BeginPrinting(printer);
  EXPECT_EQ(graph.plotWidth, 1250);
  EXPECT_EQ(graph.plotHeight, 700);
  EXPECT_EQ(graph.lineHeight, 25);
  EXPECT_EQ(graph.Curve(0).xPixels[1], graph.origin.x + 1111);
  EXPECT_EQ(graph.yTickPositions.front(), graph.origin.y);
  page.EndPrinting();
  graph.EndPrinting();

  EXPECT_EQ(graph.rect, screenRect);
  EXPECT_EQ(graph.Curve(0).xPixels, screenPixels);
  EXPECT_EQ(graph.yTickPositions, screenTicks);
}

TEST_F(GraphTest, CopiesItsCurvesInCzechWhateverTheLanguage) {
  Fill({0, 0, 20, 40}, {0, 10, 12.3f}, {5, 35.5f, 20});
  page.SetEnglish(true);
  graph.Update();
  RecordingClipboard clipboard;
  graph.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text,
            "Teplota v nádrži\n"
            "Útlum hluku v potrubí\n"
            "Kelvora®\t0.0\t10.0\t12.3\n"
            "Kč\t5.0\t35.5\t20.0\n");
  EXPECT_TRUE(Has(Drawn(), "text 300,433 Temperature in tanks")) << "while it draws in English";
}

struct SoundCase {
  float maximum;
  float step;
  std::vector<std::string> labels;
};

// A 120 x 60 mm plot (472 x 236 units) with the fixed metrics.
class SoundGraphTest : public ::testing::Test {
 protected:
  SoundGraphTest() {
    page.SetScreenSurface(&measure);
    graph.Setup(20, 110, 120, 60);
  }

  PageModel page;
  RecordingSurface measure;
  CSoundGraph graph{page};
};

TEST_F(SoundGraphTest, StepsGrowPastTenAndTwentyDecibels) {
  const std::vector<SoundCase> cases = {
      {20.0f, 2, {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}},
      {20.5f, 5, {"0", "5", "10", "15", "20"}},
      {10.0f, 1, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
      {10.5f, 2, {"0", "2", "4", "6", "8", "10"}},
      {-3.0f, 1, {"0", "1"}},  // no positive value: the axis runs to 1
  };
  for (const SoundCase& c : cases) {
    SCOPED_TRACE(c.maximum);
    const std::array<float, 6> values{0, c.maximum / 2, c.maximum, 0, 0, 0};
    graph.SetValues(values);
    EXPECT_FLOAT_EQ(graph.yStep, c.step);
    EXPECT_EQ(graph.yTickLabels, c.labels);
    EXPECT_EQ(graph.yTickPositions.front(), graph.origin.y);
  }
  EXPECT_FLOAT_EQ(graph.maximum, 0.0f);
  EXPECT_EQ(graph.pointHeights[1], graph.origin.y + 354);
}

TEST_F(SoundGraphTest, DrawsTheBandsAndCopiesTheValues) {
  const std::array<float, 6> values{1.3f, 2, 4, 8, 6, 3};
  graph.SetValues(values);
  EXPECT_EQ(graph.xTickLabels, (std::vector<std::string>{"", "125", "250", "500", "1000", "2000", "4000"}));
  EXPECT_EQ(graph.rect.bottom - graph.rect.top, graph.plotHeight + 5 * 10);
  // The 8 dB/m of 1000 Hz reach the top of the plot.
  EXPECT_EQ(graph.pointHeights[3], graph.origin.y - graph.plotHeight);

  RecordingSurface screen;
  graph.Draw(screen, {0, 0, 100000, 100000});
  const LayoutPoint top{graph.rect.left + graph.xTickPositions[4], graph.rect.top + graph.pointHeights[3]};
  EXPECT_TRUE(Has(screen.calls, "fill " + std::to_string(top.x - 4) + "," + std::to_string(top.y - 4) + "-" +
                                    std::to_string(top.x + 4) + "," + std::to_string(top.y + 4) +
                                    " #0000ff"));
  EXPECT_TRUE(std::any_of(screen.calls.begin(), screen.calls.end(), [](const std::string& call) {
    return call.ends_with(" Útlum hluku jako funkce frekvence");
  }));

  RecordingClipboard clipboard;
  graph.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text,
            "Útlum hluku\n"
            " [Hz]\t125\t250\t500\t1000\t2000\t4000\n"
            "[dB/m] \t1.3\t2.0\t4.0\t8.0\t6.0\t3.0");
}

}  // namespace
}  // namespace kelvora
