#include "core/modules/common/graphsetup.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/framework/cformat.h"

namespace kelvora {

void SetUpGraph(CGraph& graph, float xMm, float yMm, float plotWidthMm, float plotHeightMm,
                const ReportText& title, const ReportText& yAxis, const ReportText& xAxis,
                std::span<const GraphCurve> curves, const GraphFormats& formats, bool markers) {
  // Setup makes one curve per string-table id; any id will do, as every text is replaced.
  std::vector<int> curveIds(curves.size(), ids::kAppTitle);
  curveIds.push_back(0);
  std::vector<Colour> colours;
  for (const GraphCurve& curve : curves) colours.push_back(curve.colour);
  graph.Setup(xMm, yMm, plotWidthMm, plotHeightMm, {}, {}, curveIds, curveIds, colours, formats, markers);
  graph.name = title.cz;
  graph.secondName = title.en;
  graph.yAxisTitleCz = yAxis.cz;
  graph.yAxisTitleEn = yAxis.en;
  graph.xAxisTitleCz = xAxis.cz;
  graph.xAxisTitleEn = xAxis.en;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    auto& curve = static_cast<CKurve&>(*graph.children[i]);
    curve.name = curves[i].legend.cz;
    curve.secondName = curves[i].legend.en;
  }
  graph.Update();
}

std::string NumberText(std::string_view format, float value, Language language) {
  std::string shown = FormatC(format, {value});
  if (language == Language::Czech) std::replace(shown.begin(), shown.end(), '.', ',');
  return shown;
}

ReportText ValueLegend(int textId, std::string_view format, float value) {
  const auto in = [&](Language language) {
    return FormatC(LoadResourceString(textId, language), {NumberText(format, value, language)});
  };
  return {in(Language::Czech), in(Language::English)};
}

float RoundStep(float span, int parts) {
  const float least = span / static_cast<float>(std::max(parts, 1));
  if (!(least > 0.0f) || !std::isfinite(least)) return 1.0f;
  const float decade = std::pow(10.0f, std::floor(std::log10(least)));
  for (const float factor : {1.0f, 2.0f, 5.0f}) {
    if (factor * decade >= least) return factor * decade;
  }
  return 10.0f * decade;
}

AxisRange AxisAround(float low, float high, float step) {
  // A value on a tick counts as on it, however the division rounds.
  constexpr float kOnTick = 1e-3f;
  return {(std::ceil(low / step - kOnTick) - 1.0f) * step, (std::floor(high / step + kOnTick) + 1.0f) * step};
}

std::string TickFormat(float step) {
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-4f)), 0, 3);
  return FormatC("%%.%df", {decimals});
}

}  // namespace kelvora
