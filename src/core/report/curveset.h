#pragma once

#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/stringtable.h"
#include "core/report/graph.h"

namespace kelvora {

// A text of a report item in both languages.
struct ReportText {
  std::string cz;
  std::string en;
};

struct GraphCurve {
  ReportText legend;
  Colour colour = 0;
  bool level = false;
  bool outsideRange = false;
};

// Sets up a graph whose titles and legends carry names and values rather than fixed texts
// (section names, a currency, a marked value), and lays it out around them.
void SetUpGraph(CGraph& graph, float xMm, float yMm, float plotWidthMm, float plotHeightMm,
                const ReportText& title, const ReportText& yAxis, const ReportText& xAxis,
                std::span<const GraphCurve> curves, const GraphFormats& formats, bool markers);

// A number as running text in `language` writes it: with a decimal comma in Czech.
std::string NumberText(std::string_view format, float value, Language language);

// The legend of a marked value: a table text with the value written into it in each language.
ReportText ValueLegend(int textId, std::string_view format, float value);

// An axis step of 1, 2 or 5 times a power of ten that cuts `span` into at most `parts`.
float RoundStep(float span, int parts);

// An axis from a step below `low` to a step above `high`, so that no point lies on its ends.
struct AxisRange {
  float low;
  float high;
};
AxisRange AxisAround(float low, float high, float step);

// A tick label format with as many decimals as the step needs.
std::string TickFormat(float step);

// An axis over round numbers: from the last whole step at or below the lowest value (or,
// asked to keep it clear, below it) to the first whole step above the highest, so that no
// value runs along the frame. Steps are 1, 2 or 5 times a power of ten.
struct RoundAxis {
  float low = 0.0f;
  float high = 1.0f;
  float step = 1.0f;
  // The tick label: decimals only where the step has them.
  std::string format = "%.0f";
};

// At most `parts` steps from `low` to `high`; never finer than 0.1.
RoundAxis RoundAxisOver(float low, float high, int parts, bool clearBelow);

// The values a graph is about, which its axis must span: every graph sets its range from
// them, widens it where it would be too narrow to read, and takes a further value (a level,
// the bare object) only when it lies near enough not to squeeze them.
struct ValueRange {
  float low = std::numeric_limits<float>::infinity();
  float high = -std::numeric_limits<float>::infinity();

  void Take(float v);
  bool Empty() const { return !(low <= high); }
  // At least `least` wide, around the middle.
  ValueRange AtLeast(float least) const;
  // Inside, or beyond an end by at most `share` of the span.
  bool Near(float v, float share) const;
  RoundAxis Axis(int parts, bool clearBelow) const;
};

// A level lies near enough to be drawn within this share of the span beyond the values.
constexpr float kLevelReach = 0.2f;
// A level that is always drawn, however far it lies.
constexpr float kAlwaysInRange = std::numeric_limits<float>::infinity();

// "… (outside the range)": a legend that names a value the graph does not reach.
ReportText OutsideRange(const ReportText& legend);

// What a graph keeps from result to result: its texts, its plot size and how it copies.
struct GraphLook {
  std::span<const int> texts;  // title, y-axis title, x-axis title
  float plotWidthMm = 125.0f;
  float plotHeightMm = 70.0f;
  const char* xCopyFormat = "%.1f";
  const char* yCopyFormat = "%.1f";
  // Only points from here on set the y range; those before it may run out of the plot.
  float yRangeFromX = -std::numeric_limits<float>::infinity();
  // Where set, the first curve's value at this x stands above the lowest fifth of the plot:
  // the y range starts from ever nearer this x until it does.
  std::optional<float> keptAboveLowestFifthAtX = std::nullopt;
};

// The curves of a graph built anew for each result: the module's own values, and marks,
// each a curve of its own whose legend gives its value: a vertical line across the plot
// at an x value, or a level across it at a y value.
class CurveSet {
 public:
  void Add(int legend, Colour colour, std::vector<float> xs, std::vector<float> ys);
  // `legend` is a text with one %s, the value as `numberFormat` gives it.
  void AddVertical(int legend, Colour colour, float x, const char* numberFormat);
  // Drawn when it lies within `reach` of the values' span, else only named in the legend.
  void AddLevel(int legend, Colour colour, float y, const char* numberFormat, float reach = kAlwaysInRange);
  // A legend entry only: a value the graph names without plotting it.
  void AddNote(ReportText legend, Colour colour);

  // Sets `graph` up with these curves over round axes that hold every value and the levels
  // near them, the x axis from its lowest value, the y axis clear of them; without markers,
  // at its present position.
  void Into(CGraph& graph, const GraphLook& look, int xParts, int yParts) const;

 private:
  struct Curve {
    int legend = 0;
    Colour colour = 0;
    std::vector<float> xs;
    std::vector<float> ys;
    // Marks only: the value in the legend; a mark at an x value runs vertically.
    const char* numberFormat = nullptr;
    bool vertical = false;
    float reach = kAlwaysInRange;
    ReportText note;  // a legend-only entry when set
  };
  Curve& AddMark(int legend, Colour colour, const char* numberFormat);
  // The y axis over the values from `fromX` on and the levels near them; `values` for telling
  // which levels those are.
  struct YRange {
    RoundAxis axis;
    ValueRange values;
    bool Shows(const Curve& level) const { return values.Empty() || values.Near(level.ys[0], level.reach); }
  };
  YRange YAxis(float fromX, int parts) const;
  std::vector<Curve> curves;
};

}  // namespace kelvora
