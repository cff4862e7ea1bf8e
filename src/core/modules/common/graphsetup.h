#pragma once

#include <span>
#include <string>
#include <string_view>

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

}  // namespace kelvora
