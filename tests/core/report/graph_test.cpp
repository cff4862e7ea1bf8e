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
// "Kelvora®"; one red curve "Útlum hluku v potrubí" / "Sound attenuation in ducts".
constexpr int kTexts[] = {ids::kTitleTank, ids::kCurrency, ids::kAppTitle};
constexpr int kCurves[] = {ids::kTitleSound, 0};
constexpr Colour kColours[] = {Rgb(0, 0, 255)};
const GraphFormats kFormats{"%.0f", "%.0f", "%.1f", "%.1f"};

bool Has(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

void ExpectTextsApart(const std::vector<testing::TextBox>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t k = i + 1; k < texts.size(); ++k) {
      EXPECT_FALSE(texts[i].Meets(texts[k]))
          << "\"" << texts[i].text << "\" meets \"" << texts[k].text << "\"";
    }
  }
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
  // Left of the plot, room for the widest y label ("1", 5 wide) and 3 mm (12 units); right of
  // it, three characters of the last x label. Above the plot, two and a half lines; below it,
  // the x labels 6 units down, a line of them, the x-axis title, half a line, the legend.
  EXPECT_EQ(graph.origin.x, 17);
  EXPECT_EQ(graph.origin.y, 301);
  EXPECT_EQ(graph.rect, (LayoutRect{79, 433, 79 + 17 + 492 + 15, 433 + 301 + 6 + 25 + 10}));
  graph.SetPosition(30, 120);
  EXPECT_EQ(graph.rect.left, 118);
  EXPECT_EQ(graph.origin.x, 17) << "positions inside stay relative";
}

TEST_F(GraphTest, ALegendWiderThanThePlotWidensTheItem) {
  graph.Setup(20, 110, 10, 70, kTexts, kTexts, kCurves, kCurves, kColours, kFormats, false);
  // "Útlum hluku v potrubí" is 21 characters, after the 6 mm (24 units) of its sample and gap.
  EXPECT_EQ(graph.rect.right - graph.rect.left, 17 + 24 + 21 * 5);
}

struct TickCase {
  const char* name;
  GraphRanges ranges;
  float xStep, yStep;
  int xEvery, yEvery;
  std::vector<std::string> xLabels, yLabels;
};

// The tank graph runs its x axis to 1.125 times its end time and picks both steps; the
// last four rows are the end times where its x step changes (20 and 2540 h). Every axis ends
// on its last labelled tick, at or above the maximum asked for, so that the grid ends there.
TEST_F(GraphTest, FixedStepsTickFromTheMinimumToTheLabelledTickAtOrAboveTheMaximum) {
  const std::vector<TickCase> cases = {
      {"default tank",
       {0, 40, 562.5f, 52},
       50,
       2,
       1,
       1,
       {"0", "50", "100", "150", "200", "250", "300", "350", "400", "450", "500", "550", "600"},
       {"40", "42", "44", "46", "48", "50", "52"}},
      {"a tick at the maximum",
       {0, 0, 100, 10},
       10,
       5,
       1,
       1,
       {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"},
       {"0", "5", "10"}},
      {"every second label from the first",
       {0, 0, 60, 1},
       10,
       1,
       2,
       1,
       {"0", "", "20", "", "40", "", "60"},
       {"0", "1"}},
      {"19.9 h",
       {0, 0, 19.9f * 1.125f, 1},
       1,
       1,
       1,
       1,
       {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
        "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23"},
       {"0", "1"}},
      {"20 h",
       {0, 0, 20 * 1.125f, 1},
       2,
       1,
       1,
       1,
       {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20", "22", "24"},
       {"0", "1"}},
      {"2539 h",
       {0, 0, 2539 * 1.125f, 1},
       200,
       1,
       1,
       1,
       {"0", "200", "400", "600", "800", "1000", "1200", "1400", "1600", "1800", "2000", "2200", "2400",
        "2600", "2800", "3000"},
       {"0", "1"}},
      {"2540 h",
       {0, 0, 2540 * 1.125f, 1},
       500,
       1,
       1,
       1,
       {"0", "500", "1000", "1500", "2000", "2500", "3000"},
       {"0", "1"}},
      // 100 ticks 4.9 units apart could not hold their labels: every fourth is kept.
      {"labels that would meet",
       {0, 0, 100, 1},
       1,
       1,
       1,
       1,
       {"0",  "4",  "8",  "12", "16", "20", "24", "28", "32", "36", "40", "44", "48",
        "52", "56", "60", "64", "68", "72", "76", "80", "84", "88", "92", "96", "100"},
       {"0", "1"}},
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
  // The axes end on their ticks at 600 h and 52 °C: 492 * 50 / 600 = 41 units a step, 276 / 6
  // = 46; the plot starts 22 units in, after the widest label ("54") and 3 mm.
  EXPECT_EQ(graph.xTickPositions,
            (std::vector<std::uint16_t>{22, 63, 104, 145, 186, 227, 268, 309, 350, 391, 432, 473, 514}));
  EXPECT_EQ(graph.yTickPositions, (std::vector<std::uint16_t>{301, 255, 209, 163, 117, 71, 25}));
  EXPECT_EQ(graph.Curve(0).xPixels, (std::vector<std::int32_t>{22, 432}));
  EXPECT_EQ(graph.Curve(0).yPixels, (std::vector<std::int32_t>{71, 278}));
}

TEST_F(GraphTest, AutomaticStepsFollowThePlotSize) {
  Fill({0, 0, 160, 26}, {0}, {0});
  // Both ends carry a tick.
  EXPECT_EQ(graph.yTickCount, 276 / 20 + 1);
  EXPECT_EQ(graph.xTickCount, 492 / 30 + 1);
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
  EXPECT_EQ(graph.xTickCount, 2);
  EXPECT_EQ(graph.Curve(0).xPixels, (std::vector<std::int32_t>{17}));
  EXPECT_EQ(graph.Curve(0).yPixels, (std::vector<std::int32_t>{301}));
}

struct FrameCase {
  const char* name;
  GraphRanges ranges;
  float xStep, yStep;
};

// Wherever 0 lies, the time axis runs along the bottom of the plot and the y axis up its
// left side; every tick has its label; no two texts of the graph meet. The ranges are the
// tank graph's for a hot tank, a tank cooling through 0 °C and a freezer.
TEST_F(GraphTest, AxesFrameThePlotAndEveryTickIsLabelledWithoutOverlap) {
  const std::vector<FrameCase> cases = {
      {"above 0", {0, 74, 54, 82}, 5, 2},
      {"through 0", {0, -2, 200, 10}, 20, 2},
      {"below 0", {0, -30, 500, -10}, 50, 5},
      {"through 0, automatic steps", {-100, -10, 400, 30}, 0, 0},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(c.name);
    graph.Setup(20, 110, 125, 70, kTexts, kTexts, kCurves, kCurves, kColours, kFormats, true);
    if (c.xStep > 0) graph.SetScale(c.xStep, c.yStep, 1, 1);
    Fill(c.ranges, {c.ranges.xMin, c.ranges.xMax}, {c.ranges.yMax, c.ranges.yMin});
    const auto calls = Drawn();
    const LayoutPoint o{graph.rect.left + graph.origin.x, graph.rect.top + graph.origin.y};
    const std::string pen = " 2 #000000";
    EXPECT_TRUE(Has(calls, "line " + RecordingSurface::Point(o) + " " +
                               RecordingSurface::Point({o.x + graph.plotWidth, o.y}) + pen))
        << "the x axis at the bottom";
    EXPECT_TRUE(Has(calls, "line " + RecordingSurface::Point(o) + " " +
                               RecordingSurface::Point({o.x, o.y - graph.plotHeight}) + pen))
        << "the y axis at the left";
    ASSERT_FALSE(graph.yTickLabels.empty());
    ASSERT_FALSE(graph.xTickLabels.empty());
    for (const auto* labels : {&graph.xTickLabels, &graph.yTickLabels}) {
      EXPECT_TRUE(
          std::none_of(labels->begin(), labels->end(), [](const std::string& l) { return l.empty(); }));
    }
    const std::vector<testing::TextBox> texts = testing::TextBoxes(calls);
    for (const std::string& label : graph.yTickLabels) {
      EXPECT_TRUE(
          std::any_of(texts.begin(), texts.end(), [&](const testing::TextBox& t) { return t.text == label; }))
          << "y label " << label << " drawn";
    }
    ExpectTextsApart(texts);
    for (const std::string& label : graph.xTickLabels) {
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                              [&](const testing::TextBox& t) { return t.text == label && t.rect.top > o.y; }))
          << "x label " << label << " below the plot";
    }
  }
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
  // 500 h of an axis that ends on its tick at 600 h.
  EXPECT_EQ(graph.Curve(0).xPixels[1], graph.origin.x + 1041);
  EXPECT_EQ(graph.yTickPositions.front(), graph.origin.y);
  page.EndPrinting();
  graph.EndPrinting();

  EXPECT_EQ(graph.rect, screenRect);
  EXPECT_EQ(graph.Curve(0).xPixels, screenPixels);
  EXPECT_EQ(graph.yTickPositions, screenTicks);
}

TEST_F(GraphTest, CopiesItsCurvesInTheReportLanguage) {
  Fill({0, 0, 20, 40}, {0, 10, 12.3f}, {5, 35.5f, 20});
  RecordingClipboard clipboard;
  graph.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text,
            "Teplota v nádrži\n"
            "Útlum hluku v potrubí\n"
            "Kelvora®\t0.0\t10.0\t12.3\n"
            "Kč\t5.0\t35.5\t20.0\n");
  page.SetEnglish(true);
  graph.Update();
  graph.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text,
            "Temperature in tanks\n"
            "Sound attenuation in ducts\n"
            "Kelvora®\t0.0\t10.0\t12.3\n"
            "Kč\t5.0\t35.5\t20.0\n");
  const auto calls = Drawn();
  EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const std::string& call) {
    return call.ends_with(" Temperature in tanks");
  })) << "while it draws in English";
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

// The axis reaches a step past the largest value.
TEST_F(SoundGraphTest, StepsGrowPastTenAndTwentyDecibels) {
  const std::vector<SoundCase> cases = {
      {20.0f, 2, {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20", "22"}},
      {20.5f, 5, {"0", "5", "10", "15", "20", "25"}},
      {10.0f, 1, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}},
      {10.5f, 2, {"0", "2", "4", "6", "8", "10", "12"}},
      // 201 steps of 5 would put the labels 1.2 units apart; a line is 10.
      {1000.0f,
       80,
       {"0", "80", "160", "240", "320", "400", "480", "560", "640", "720", "800", "880", "960", "1040"}},
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
  EXPECT_EQ(graph.xTickLabels, (std::vector<std::string>{"125", "250", "500", "1000", "2000", "4000"}));
  // Two and a half lines above the plot; below it the labels 6 units down, their line, the
  // axis title, half a line and the legend.
  EXPECT_EQ(graph.rect.bottom - graph.rect.top, graph.plotHeight + 25 + 6 + 25 + 10);
  // The 8 dB/m of 1000 Hz stay off the top of the plot, which is at 9.
  EXPECT_EQ(graph.pointHeights[3], graph.origin.y - graph.plotHeight * 8 / 9);

  RecordingSurface screen;
  graph.Draw(screen, {0, 0, 100000, 100000});
  const LayoutPoint top{graph.rect.left + graph.xTickPositions[3], graph.rect.top + graph.pointHeights[3]};
  EXPECT_TRUE(Has(screen.calls, "fill " + std::to_string(top.x - 4) + "," + std::to_string(top.y - 4) + "-" +
                                    std::to_string(top.x + 4) + "," + std::to_string(top.y + 4) +
                                    " #0000ff"));
  EXPECT_TRUE(std::any_of(screen.calls.begin(), screen.calls.end(), [](const std::string& call) {
    return call.ends_with(" Útlum hluku jako funkce frekvence");
  }));
  ExpectTextsApart(testing::TextBoxes(screen.calls));

  RecordingClipboard clipboard;
  graph.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.text,
            "Útlum hluku\n"
            "Frekvence [Hz]\t125\t250\t500\t1000\t2000\t4000\n"
            "Útlum [dB/m]\t1.3\t2.0\t4.0\t8.0\t6.0\t3.0");
}

}  // namespace
}  // namespace kelvora
