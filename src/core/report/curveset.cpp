#include "core/report/curveset.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

constexpr float kFinestStep = 0.1f;

// A legend that names a value: the reader's decimal comma in Czech.
std::string Legend(int id, float value, const char* numberFormat, Language language) {
  std::string number = FormatC(numberFormat, {value});
  if (language == Language::Czech) std::replace(number.begin(), number.end(), '.', ',');
  return FormatC(LoadResourceString(id, language), {number});
}

struct Extent {
  float low = std::numeric_limits<float>::infinity();
  float high = -std::numeric_limits<float>::infinity();

  void Take(float v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  RoundAxis Axis(int parts, bool clearBelow) const {
    return low <= high ? RoundAxisOver(low, high, parts, clearBelow) : RoundAxis{};
  }
};

}  // namespace

RoundAxis RoundAxisOver(float low, float high, int parts, bool clearBelow) {
  const float wanted = (high - low) / static_cast<float>(std::max(parts, 1));
  float step = kFinestStep;
  if (wanted > kFinestStep && std::isfinite(wanted)) {
    const float decade = std::pow(10.0f, std::floor(std::log10(wanted)));
    step = 10.0f * decade;
    for (const float factor : {1.0f, 2.0f, 5.0f}) {
      if (factor * decade >= wanted) {
        step = factor * decade;
        break;
      }
    }
  }
  const float bottom = clearBelow ? std::ceil(low / step) - 1.0f : std::floor(low / step);
  return {bottom * step, (std::floor(high / step) + 1.0f) * step, step, step < 1.0f ? "%.1f" : "%.0f"};
}

void CurveSet::Add(int legend, Colour colour, std::vector<float> xs, std::vector<float> ys) {
  curves.push_back({legend, colour, std::move(xs), std::move(ys)});
}

void CurveSet::AddVertical(int legend, Colour colour, float x, const char* numberFormat) {
  curves.push_back({legend, colour, {x}, {}, numberFormat, true});
}

void CurveSet::AddLevel(int legend, Colour colour, float y, const char* numberFormat) {
  curves.push_back({legend, colour, {}, {y}, numberFormat, false});
}

void CurveSet::Into(CGraph& graph, const GraphLook& look, int xParts, int yParts) const {
  Extent xExtent;
  Extent yExtent;
  for (const Curve& c : curves) {
    for (float v : c.xs) xExtent.Take(v);
    for (float v : c.ys) yExtent.Take(v);
  }
  const RoundAxis x = xExtent.Axis(xParts, false);
  const RoundAxis y = yExtent.Axis(yParts, true);

  std::vector<int> legends;
  std::vector<Colour> colours;
  std::vector<std::vector<float>> xs;
  std::vector<std::vector<float>> ys;
  std::vector<int> counts;
  for (const Curve& c : curves) {
    legends.push_back(c.legend);
    colours.push_back(c.colour);
    if (!c.numberFormat) {
      xs.push_back(c.xs);
      ys.push_back(c.ys);
    } else if (c.vertical) {
      xs.push_back({c.xs[0], c.xs[0]});
      ys.push_back({y.low, y.high});
    } else {
      xs.push_back({x.low, x.high});
      ys.push_back({c.ys[0], c.ys[0]});
    }
    counts.push_back(static_cast<int>(xs.back().size()));
  }
  legends.push_back(0);

  graph.Setup(graph.x, graph.y, look.plotWidthMm, look.plotHeightMm, look.texts, look.texts, legends, legends,
              colours, GraphFormats{x.format, y.format, look.xCopyFormat, look.yCopyFormat}, false);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const Curve& c = curves[i];
    if (!c.numberFormat) continue;
    const float value = c.vertical ? c.xs[0] : c.ys[0];
    auto& curve = static_cast<CKurve&>(*graph.children[i]);
    curve.name = Legend(c.legend, value, c.numberFormat, Language::Czech);
    curve.secondName = Legend(c.legend, value, c.numberFormat, Language::English);
  }
  graph.SetScale(x.step, y.step, 1, 1);
  graph.SetData({x.low, y.low, x.high, y.high}, counts, xs, ys);
  // The legends named after Setup measured them.
  graph.SetPosition(graph.x, graph.y);
}

}  // namespace kelvora
