#include "core/report/curveset.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kFinestStep = 0.1f;
// The marked result stands above this share of the plot's height.
constexpr float kLowestShare = 0.2f;

}  // namespace

void ValueRange::Take(float v) {
  if (!std::isfinite(v)) return;
  low = std::min(low, v);
  high = std::max(high, v);
}

ValueRange ValueRange::AtLeast(float least) const {
  if (Empty() || high - low >= least) return *this;
  const float middle = (low + high) / 2.0f;
  return {middle - least / 2.0f, middle + least / 2.0f};
}

bool ValueRange::Near(float v, float share) const {
  if (Empty() || !std::isfinite(v)) return false;
  const float margin = share * (high - low);
  return v >= low - margin && v <= high + margin;
}

RoundAxis ValueRange::Axis(int parts, bool clearBelow) const {
  return Empty() ? RoundAxis{} : RoundAxisOver(low, high, parts, clearBelow);
}

ReportText OutsideRange(const ReportText& legend) {
  return {FormatC(Cz(ids::kGraphOutsideRange), {legend.cz}),
          FormatC(En(ids::kGraphOutsideRange), {legend.en})};
}

RoundAxis RoundAxisOver(float low, float high, int parts, bool clearBelow) {
  const float wanted = (high - low) / static_cast<float>(std::max(parts, 1));
  const float step =
      wanted > kFinestStep && std::isfinite(wanted) ? RoundStep(high - low, parts) : kFinestStep;
  const AxisRange around = AxisAround(low, high, step);
  return {clearBelow ? around.low : std::floor(low / step) * step, around.high, step, TickFormat(step)};
}

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
    curve.level = curves[i].level;
    curve.outsideRange = curves[i].outsideRange;
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

void CurveSet::Add(int legend, Colour colour, std::vector<float> xs, std::vector<float> ys) {
  Curve& c = curves.emplace_back();
  c.legend = legend;
  c.colour = colour;
  c.xs = std::move(xs);
  c.ys = std::move(ys);
}

CurveSet::Curve& CurveSet::AddMark(int legend, Colour colour, const char* numberFormat) {
  Curve& c = curves.emplace_back();
  c.legend = legend;
  c.colour = colour;
  c.numberFormat = numberFormat;
  return c;
}

void CurveSet::AddVertical(int legend, Colour colour, float x, const char* numberFormat) {
  Curve& c = AddMark(legend, colour, numberFormat);
  c.xs = {x};
  c.vertical = true;
}

void CurveSet::AddLevel(int legend, Colour colour, float y, const char* numberFormat, float reach) {
  Curve& c = AddMark(legend, colour, numberFormat);
  c.ys = {y};
  c.reach = reach;
}

void CurveSet::AddNote(ReportText legend, Colour colour) {
  Curve& c = curves.emplace_back();
  c.colour = colour;
  c.note = std::move(legend);
}

CurveSet::YRange CurveSet::YAxis(float fromX, int parts) const {
  YRange range;
  for (const Curve& c : curves) {
    if (c.numberFormat) continue;
    for (std::size_t k = 0; k < c.ys.size() && k < c.xs.size(); ++k) {
      if (c.xs[k] >= fromX) range.values.Take(c.ys[k]);
    }
  }
  ValueRange extent = range.values;
  for (const Curve& c : curves) {
    if (c.numberFormat && !c.vertical && range.Shows(c)) extent.Take(c.ys[0]);
  }
  range.axis = extent.Axis(parts, true);
  return range;
}

// The first curve's value at `x`, where it has a point there.
std::optional<float> ValueAt(const std::vector<float>& xs, const std::vector<float>& ys, float x) {
  const auto at = std::find(xs.begin(), xs.end(), x);
  if (at == xs.end() || static_cast<std::size_t>(at - xs.begin()) >= ys.size()) return std::nullopt;
  return ys[static_cast<std::size_t>(at - xs.begin())];
}

void CurveSet::Into(CGraph& graph, const GraphLook& look, int xParts, int yParts) const {
  ValueRange xExtent;
  for (const Curve& c : curves) {
    for (float v : c.xs) xExtent.Take(v);
  }
  const RoundAxis x = xExtent.Axis(xParts, false);
  YRange range = YAxis(look.yRangeFromX, yParts);
  const std::optional<float> kept =
      look.keptAboveLowestFifthAtX && !curves.empty()
          ? ValueAt(curves.front().xs, curves.front().ys, *look.keptAboveLowestFifthAtX)
          : std::nullopt;
  if (kept) {
    // From a quarter of the way to the kept point up to the point itself, whose value then
    // bounds the range.
    for (const float share : {0.5f, 0.75f, 1.0f}) {
      if ((*kept - range.axis.low) >= kLowestShare * (range.axis.high - range.axis.low)) break;
      range = YAxis(look.yRangeFromX + share * (*look.keptAboveLowestFifthAtX - look.yRangeFromX), yParts);
    }
  }
  const RoundAxis& y = range.axis;

  std::vector<GraphCurve> named;
  std::vector<std::vector<float>> xs;
  std::vector<std::vector<float>> ys;
  std::vector<int> counts;
  for (const Curve& c : curves) {
    if (!c.note.cz.empty()) {
      named.push_back({c.note, c.colour});
      xs.emplace_back();
      ys.emplace_back();
    } else if (!c.numberFormat) {
      named.push_back({{Cz(c.legend), En(c.legend)}, c.colour});
      xs.push_back(c.xs);
      ys.push_back(c.ys);
    } else if (c.vertical) {
      named.push_back({ValueLegend(c.legend, c.numberFormat, c.xs[0]), c.colour});
      xs.push_back({c.xs[0], c.xs[0]});
      ys.push_back({y.low, y.high});
    } else {
      const ReportText legend = ValueLegend(c.legend, c.numberFormat, c.ys[0]);
      const bool shown = range.Shows(c);
      named.push_back({shown ? legend : OutsideRange(legend), c.colour, true, !shown});
      xs.push_back({x.low, x.high});
      ys.push_back({c.ys[0], c.ys[0]});
    }
    counts.push_back(static_cast<int>(xs.back().size()));
  }
  const auto text = [&](std::size_t k) { return ReportText{Cz(look.texts[k]), En(look.texts[k])}; };
  SetUpGraph(graph, graph.x, graph.y, look.plotWidthMm, look.plotHeightMm, text(0), text(1), text(2), named,
             GraphFormats{x.format, y.format, look.xCopyFormat, look.yCopyFormat}, false);
  graph.SetScale(x.step, y.step, 1, 1);
  graph.SetData({x.low, y.low, x.high, y.high}, counts, xs, ys);
  // The legends named after Setup measured them.
  graph.SetPosition(graph.x, graph.y);
}

}  // namespace kelvora
