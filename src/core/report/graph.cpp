#include "core/report/graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/report/clipboard.h"
#include "core/report/pagemodel.h"

namespace kelvora {

namespace {

constexpr Colour kAttenuationColour = Rgb(0, 0, 255);

std::string Load(int id, Language language) {
  return id ? std::string(LoadResourceString(id, language)) : std::string();
}

template <class T>
T At(std::span<const T> list, std::size_t i) {
  return i < list.size() ? list[i] : T{};
}

// Where a value lies along an axis of `length` units that spans `span` from `low`;
// truncated like every position of the report. A value far outside stays far outside,
// short of overflowing.
std::int32_t Along(std::int32_t length, float value, float low, float span) {
  const float at = static_cast<float>(length) * (value - low) / span;
  constexpr float kFar = 1e6f;
  return static_cast<std::int32_t>(std::isfinite(at) ? std::clamp(at, -kFar, kFar) : 0.0f);
}

// An empty or reversed range would put every position at infinity; one step keeps the
// graph drawable.
float Widened(float low, float high, float step) {
  return high > low ? high : low + (step > 0.0f ? step : 1.0f);
}

// The top of the x-axis labels below the axis: far enough down that the label of the lowest
// y tick, centred on the axis, never meets them.
std::int32_t XLabelTop(const PageModel& page, std::int32_t axis, std::int32_t lineHeight) {
  return axis + std::max(page.MmToUnitsY(1.0f), lineHeight / 2 + 1);
}

// Below the x-axis labels the x-axis title takes a line; the legend follows half a line lower,
// clear of both.
std::int32_t LegendTop(const PageModel& page, std::int32_t axis, std::int32_t lineHeight) {
  return XLabelTop(page, axis, lineHeight) + 2 * lineHeight + lineHeight / 2;
}

// A legend entry: the curve's sample line, a gap, then its text.
constexpr float kLegendSampleMm = 4.0f;
constexpr float kLegendGapMm = 2.0f;

// Places either graph from its position and plot size in mm and the texts it shows in the
// current language: the rectangle, the plot and the origin at the plot's bottom left. Left of
// the plot there is room for the widest of `yLabels`; the item ends below the last legend.
template <class Graph>
void LayOutFrame(Graph& g, const PageModel& page, std::string_view title, std::string_view yTitle,
                 std::string_view xTitle, std::span<const std::string> legends,
                 std::span<const std::string> yLabels) {
  g.rect.left = page.MmToUnitsX(g.x);
  g.rect.top = page.MmToUnitsY(g.y);
  g.plotWidth = page.MmToUnitsX(g.plotWidthMm);
  g.plotHeight = page.MmToUnitsY(g.plotHeightMm);
  std::int32_t width = 0;
  std::int32_t labelWidth = 0;
  std::int32_t xTitleWidth = 0;
  std::int32_t legendWidth = 0;
  TextMetrics metrics;
  if (DrawingSurface* surface = page.Measuring()) {
    surface->SelectFont(page.Font(FontTemplate::Bold));
    width = surface->MeasureText(title).width;
    surface->SelectFont(page.Font(FontTemplate::Normal));
    metrics = surface->FontMetrics();
    width = std::max(width, surface->MeasureText(yTitle).width);
    xTitleWidth = surface->MeasureText(xTitle).width;
    for (const std::string& label : yLabels)
      labelWidth = std::max(labelWidth, surface->MeasureText(label).width);
    for (const std::string& legend : legends)
      legendWidth = std::max(legendWidth, surface->MeasureText(legend).width);
  }
  g.avgCharWidth = metrics.averageCharWidth;
  g.lineHeight = metrics.lineHeight;
  // The title and the y-axis title take a line each; half a line more keeps the label of a
  // tick at the top of the plot clear of the y-axis title. The y labels end 2 mm left of the axis.
  const std::int32_t labelRoom = labelWidth > 0 ? labelWidth + page.MmToUnitsX(3.0f) : 0;
  g.origin = {labelRoom, g.plotHeight + 2 * g.lineHeight + g.lineHeight / 2};
  const std::int32_t legendRight =
      legendWidth > 0 ? g.origin.x + page.MmToUnitsX(kLegendSampleMm + kLegendGapMm) + legendWidth : 0;
  // The label of the last x tick reaches past the plot by about half its width.
  const std::int32_t plotRight = g.origin.x + g.plotWidth + 3 * g.avgCharWidth;
  const std::int32_t xTitleRight = g.origin.x + (g.plotWidth + xTitleWidth) / 2;
  g.rect.right = g.rect.left + std::max({width, plotRight, xTitleRight, legendRight});
  g.rect.bottom = g.rect.top + LegendTop(page, g.origin.y, g.lineHeight) +
                  static_cast<std::int32_t>(legends.size()) * g.lineHeight;
}

// The frame both graphs draw: title, grid, axes along the left and the bottom of the plot
// with their titles, tick marks and labels.
struct Frame {
  std::string_view title;
  std::string_view yTitle;
  std::string_view xTitle;
  const std::vector<std::string>& xTickLabels;
  const std::vector<std::string>& yTickLabels;
  const std::vector<std::uint16_t>& yTickPositions;
  const std::vector<std::uint16_t>& xTickPositions;
  LayoutPoint origin;
  std::int32_t plotWidth;
  std::int32_t plotHeight;
  std::int32_t lineHeight;
};

void DrawFrame(DrawingSurface& surface, const PageModel& page, const LayoutRect& r, const Frame& f) {
  const std::int32_t mmX = page.MmToUnitsX(1.0f);
  const std::int32_t mmY = page.MmToUnitsY(1.0f);
  const std::int32_t axisPen = mmX / 2;
  // As fine as on screen, on paper too: a pen of one printer pixel would run the dots together.
  const std::int32_t gridPen = page.MmToUnitsX(kScreenMmPerUnit);
  const LayoutPoint o{r.left + f.origin.x, r.top + f.origin.y};
  const std::int32_t plotTop = o.y - f.plotHeight;

  surface.SetTextColour(kReportTextColour);
  surface.SetTextAlign(TextAlign::LeftTop);
  surface.SelectFont(page.Font(FontTemplate::Bold));
  surface.DrawText({r.left + (r.Width() - surface.MeasureText(f.title).width) / 2, r.top}, f.title);
  surface.SelectFont(page.Font(FontTemplate::Normal));

  for (std::uint16_t position : f.yTickPositions) {
    const std::int32_t ty = r.top + position;
    surface.DrawDottedLine({o.x, ty}, {o.x + f.plotWidth, ty}, gridPen, kReportTextColour);
  }
  for (std::uint16_t position : f.xTickPositions) {
    const std::int32_t tx = r.left + position;
    surface.DrawDottedLine({tx, o.y}, {tx, plotTop}, gridPen, kReportTextColour);
  }

  // The y-axis title stands above the plot, over the tick labels; the x-axis title is centred
  // below the plot, under the tick labels.
  surface.DrawText({r.left, r.top + f.lineHeight}, f.yTitle);
  const std::int32_t labelTop = XLabelTop(page, o.y, f.lineHeight);
  surface.DrawText({o.x + (f.plotWidth - surface.MeasureText(f.xTitle).width) / 2, labelTop + f.lineHeight},
                   f.xTitle);
  surface.SetTextAlign(TextAlign::RightTop);
  surface.DrawLine({o.x, o.y}, {o.x, plotTop}, axisPen, kReportTextColour);
  surface.DrawLine({o.x, o.y}, {o.x + f.plotWidth, o.y}, axisPen, kReportTextColour);

  for (std::size_t i = 0; i < f.yTickPositions.size(); ++i) {
    const std::int32_t ty = r.top + f.yTickPositions[i];
    surface.DrawLine({o.x - mmX, ty}, {o.x + mmX, ty}, axisPen, kReportTextColour);
    if (!f.yTickLabels[i].empty()) surface.DrawText({o.x - 2 * mmX, ty - f.lineHeight / 2}, f.yTickLabels[i]);
  }
  surface.SetTextAlign(TextAlign::LeftTop);
  for (std::size_t i = 0; i < f.xTickPositions.size(); ++i) {
    const std::int32_t tx = r.left + f.xTickPositions[i];
    surface.DrawLine({tx, o.y - mmY}, {tx, o.y + mmY}, axisPen, kReportTextColour);
    const std::string& label = f.xTickLabels[i];
    if (!label.empty()) surface.DrawText({tx - surface.MeasureText(label).width / 2, labelTop}, label);
  }
}

// Curves that share points stay apart by the shape of their markers: a filled square, a
// diamond, a triangle, a cross, in turn.
constexpr int kNoMarker = -1;

void DrawMarker(DrawingSurface& surface, const PageModel& page, LayoutPoint at, Colour colour, int shape) {
  const std::int32_t mx = page.MmToUnitsX(1.0f);
  const std::int32_t my = page.MmToUnitsY(1.0f);
  const std::int32_t pen = page.MmToUnitsX(0.3f);
  const auto line = [&](LayoutPoint a, LayoutPoint b) { surface.DrawLine(a, b, pen, colour); };
  switch (shape % 4) {
    case 0:
      surface.FillRect({at.x - mx, at.y - my, at.x + mx, at.y + my}, colour);
      break;
    case 1: {
      const std::int32_t dx = mx * 3 / 2;
      const std::int32_t dy = my * 3 / 2;
      line({at.x - dx, at.y}, {at.x, at.y - dy});
      line({at.x, at.y - dy}, {at.x + dx, at.y});
      line({at.x + dx, at.y}, {at.x, at.y + dy});
      line({at.x, at.y + dy}, {at.x - dx, at.y});
      break;
    }
    case 2: {
      const std::int32_t dx = mx * 3 / 2;
      const std::int32_t dy = my * 3 / 2;
      line({at.x - dx, at.y + my}, {at.x + dx, at.y + my});
      line({at.x + dx, at.y + my}, {at.x, at.y - dy});
      line({at.x, at.y - dy}, {at.x - dx, at.y + my});
      break;
    }
    default:
      line({at.x - mx, at.y - my}, {at.x + mx, at.y + my});
      line({at.x - mx, at.y + my}, {at.x + mx, at.y - my});
      break;
  }
}

// The part of the segment from `a` to `b` inside `box` (Liang–Barsky), if any.
std::optional<std::pair<LayoutPoint, LayoutPoint>> Clipped(LayoutPoint a, LayoutPoint b,
                                                           const LayoutRect& box) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double enter = 0.0;
  double leave = 1.0;
  const auto edge = [&](double p, double q) {
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter <= leave;
  };
  if (!edge(-dx, a.x - box.left) || !edge(dx, box.right - a.x) || !edge(-dy, a.y - box.top) ||
      !edge(dy, box.bottom - a.y))
    return std::nullopt;
  const auto at = [&](double t) {
    return LayoutPoint{static_cast<std::int32_t>(std::lround(a.x + t * dx)),
                       static_cast<std::int32_t>(std::lround(a.y + t * dy))};
  };
  return std::pair{enter > 0.0 ? at(enter) : a, leave < 1.0 ? at(leave) : b};
}

bool Inside(LayoutPoint p, const LayoutRect& box) {
  return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

// A polyline in the curve's colour, cut at the edges of the plot, with a marker at every
// point inside it when asked.
void DrawCurve(DrawingSurface& surface, const PageModel& page, const LayoutRect& plot,
               std::span<const LayoutPoint> points, Colour colour, int marker) {
  const std::int32_t pen = page.MmToUnitsX(1.0f) / 2;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (const auto part = Clipped(points[i - 1], points[i], plot)) {
      surface.DrawLine(part->first, part->second, pen, colour);
    }
  }
  if (marker == kNoMarker) return;
  for (const LayoutPoint& p : points) {
    if (Inside(p, plot)) DrawMarker(surface, page, p, colour, marker);
  }
}

// `at` is the middle of the entry's line, on the left.
void DrawLegendEntry(DrawingSurface& surface, const PageModel& page, LayoutPoint at, std::int32_t lineHeight,
                     Colour colour, int marker, std::string_view text) {
  const std::int32_t sample = page.MmToUnitsX(kLegendSampleMm);
  surface.DrawLine(at, {at.x + sample, at.y}, page.MmToUnitsX(1.0f) / 2, colour);
  if (marker != kNoMarker) DrawMarker(surface, page, {at.x + sample / 2, at.y}, colour, marker);
  surface.SetTextAlign(TextAlign::LeftTop);
  surface.DrawText({at.x + sample + page.MmToUnitsX(kLegendGapMm), at.y - lineHeight / 2}, text);
}

std::string CopyRow(std::string_view title, std::span<const float> values, std::string_view format) {
  std::string row(title);
  for (float v : values) {
    row += '\t';
    row += FormatC(format, {v});
  }
  row += '\n';
  return row;
}

}  // namespace

CKurve::CKurve(std::string czech, std::string english, Colour curveColour) : colour(curveColour) {
  name = std::move(czech);
  secondName = std::move(english);
}

const CKurve& CGraph::Curve(int index) const {
  return static_cast<const CKurve&>(*children.at(static_cast<std::size_t>(index)));
}

void CGraph::Setup(float xMm, float yMm, float widthMm, float heightMm, std::span<const int> textIdsCz,
                   std::span<const int> textIdsEn, std::span<const int> curveIdsCz,
                   std::span<const int> curveIdsEn, std::span<const Colour> curveColours,
                   const GraphFormats& formats, bool markers) {
  x = xMm;
  y = yMm;
  plotWidthMm = widthMm;
  plotHeightMm = heightMm;
  name = Load(At(textIdsCz, 0), Language::Czech);
  yAxisTitleCz = Load(At(textIdsCz, 1), Language::Czech);
  xAxisTitleCz = Load(At(textIdsCz, 2), Language::Czech);
  secondName = Load(At(textIdsEn, 0), Language::English);
  yAxisTitleEn = Load(At(textIdsEn, 1), Language::English);
  xAxisTitleEn = Load(At(textIdsEn, 2), Language::English);
  xTickFormat = formats.xTick;
  yTickFormat = formats.yTick;
  xCopyFormat = formats.xCopy;
  yCopyFormat = formats.yCopy;
  children.clear();
  for (std::size_t i = 0; i < curveIdsCz.size() && curveIdsCz[i] != 0; ++i) {
    children.push_back(std::make_unique<CKurve>(Load(curveIdsCz[i], Language::Czech),
                                                Load(At(curveIdsEn, i), Language::English),
                                                At(curveColours, i)));
  }
  curveCount = static_cast<std::int32_t>(children.size());
  showMarkers = markers ? 1 : 0;
  fixedSteps = 0;
  xLabelEvery = 1;
  yLabelEvery = 1;
  Layout();
}

void CGraph::SetScale(float xStepValue, float yStepValue, int xEvery, int yEvery) {
  xStep = xStepValue;
  yStep = yStepValue;
  xLabelEvery = xEvery;
  yLabelEvery = yEvery;
  fixedSteps = 1;
}

void CGraph::SetData(const GraphRanges& ranges, std::span<const int> counts,
                     std::span<const std::vector<float>> xArrays,
                     std::span<const std::vector<float>> yArrays) {
  for (int i = 0; i < curveCount; ++i) {
    auto& curve = static_cast<CKurve&>(*children[static_cast<std::size_t>(i)]);
    const auto index = static_cast<std::size_t>(i);
    const std::vector<float> none;
    const std::vector<float>& xs = index < xArrays.size() ? xArrays[index] : none;
    const std::vector<float>& ys = index < yArrays.size() ? yArrays[index] : none;
    const std::size_t n =
        std::min({static_cast<std::size_t>(std::max(At(counts, index), 0)), xs.size(), ys.size()});
    curve.xValues.assign(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(n));
    curve.yValues.assign(ys.begin(), ys.begin() + static_cast<std::ptrdiff_t>(n));
    curve.pointCount = static_cast<std::int32_t>(n);
  }
  requested = ranges;
  // The room for the y labels follows the range.
  Layout();
  Scale();
}

void CGraph::Scale() {
  xMin = requested.xMin;
  yMin = requested.yMin;
  xMax = Widened(requested.xMin, requested.xMax, fixedSteps ? xStep : 0.0f);
  yMax = Widened(requested.yMin, requested.yMax, fixedSteps ? yStep : 0.0f);
  ComputeTicks();
  ComputePixels();
}

void CGraph::SetPosition(float xMm, float yMm) {
  x = xMm;
  y = yMm;
  Layout();
}

void CGraph::Layout() {
  const PageModel& page = Page();
  const bool english = page.English();
  std::vector<std::string> legends;
  for (int i = 0; i < curveCount; ++i) legends.push_back(english ? Curve(i).secondName : Curve(i).name);
  // The widest label lies at an end of the axis, which may grow by a step to end on a tick;
  // taken from the range asked for, so that every layout measures the same labels.
  const float step = fixedSteps ? yStep * static_cast<float>(std::max(yLabelEvery, 1)) : 0.0f;
  const float top = Widened(requested.yMin, requested.yMax, step) + step;
  const std::string yLabels[] = {FormatC(yTickFormat, {requested.yMin}), FormatC(yTickFormat, {top})};
  LayOutFrame(*this, page, english ? secondName : name, english ? yAxisTitleEn : yAxisTitleCz,
              english ? xAxisTitleEn : xAxisTitleCz, legends, yLabels);
}

void CGraph::ComputePixels() {
  const float xSpan = xMax - xMin;
  const float ySpan = yMax - yMin;
  for (int i = 0; i < curveCount; ++i) {
    auto& curve = static_cast<CKurve&>(*children[static_cast<std::size_t>(i)]);
    curve.xPixels.clear();
    curve.yPixels.clear();
    for (int p = 0; p < curve.pointCount; ++p) {
      const auto k = static_cast<std::size_t>(p);
      curve.xPixels.push_back(origin.x + Along(plotWidth, curve.xValues[k], xMin, xSpan));
      curve.yPixels.push_back(origin.y - Along(plotHeight, curve.yValues[k], yMin, ySpan));
    }
  }
}

namespace {

struct AxisTicks {
  std::int32_t count = 0;
  float step = 0.0f;
  std::vector<std::uint16_t> positions;
  std::vector<std::string> labels;
};

struct Axis {
  float low;
  float high;  // with fixed steps, moved up to the last labelled tick
  float step;
  bool fixed;
  std::int32_t automaticCount;
  std::int32_t length;
  std::int32_t start;
  int sign;  // turns the distance along the axis into a position: the y axis grows upwards
  int labelEvery;
  const std::string& format;
};

// A value on a tick counts as on it, however the division rounds.
constexpr float kOnTick = 1e-3f;

// Ticks evenly spaced from `low` to `high`, both ends included, the first one labelled.
// Without a usable step there are no ticks.
AxisTicks Ticks(const Axis& a) {
  AxisTicks t;
  const float span = a.high - a.low;
  if (a.fixed) {
    // Positions are 16-bit: more ticks than that could never be told apart.
    const float steps = a.step > 0.0f ? std::floor(span / a.step + kOnTick) : 0.0f;
    t.count = steps > 0.0f && steps < 65535.0f ? static_cast<std::int32_t>(steps) + 1 : 0;
    t.step = a.step;
  } else {
    t.count = a.automaticCount > 0 ? a.automaticCount + 1 : 0;
    t.step = a.automaticCount > 0 ? span / static_cast<float>(a.automaticCount) : 0.0f;
  }
  const int every = std::max(a.labelEvery, 1);
  float v = a.low;
  for (std::int32_t i = 0; i < t.count; ++i) {
    if (i > 0) v += t.step;
    t.positions.push_back(static_cast<std::uint16_t>(a.start + a.sign * Along(a.length, v, a.low, span)));
    t.labels.push_back(i % every == 0 ? FormatC(a.format, {v}) : std::string());
  }
  return t;
}

// Whether every two neighbouring labels lie at least `room(one, other)` apart.
template <class Room>
bool LabelsApart(const AxisTicks& t, Room room) {
  std::optional<std::size_t> previous;
  for (std::size_t i = 0; i < t.labels.size(); ++i) {
    if (t.labels[i].empty()) continue;
    if (previous &&
        std::abs(t.positions[i] - t.positions[*previous]) < room(t.labels[*previous], t.labels[i]))
      return false;
    previous = i;
  }
  return true;
}

// The ticks of the axis, twice as far apart as often as it takes for no two labels to meet.
// With fixed steps the axis ends on a labelled tick, so that the grid ends where its labels
// do: `high` moves up to it.
template <class Room>
AxisTicks LegibleTicks(Axis& axis, Room room) {
  const float wanted = axis.high;
  for (;;) {
    if (axis.fixed && axis.step > 0.0f) {
      const float unit = axis.step * static_cast<float>(std::max(axis.labelEvery, 1));
      const float units = std::ceil((wanted - axis.low) / unit - kOnTick);
      if (std::isfinite(units) && units >= 1.0f) axis.high = axis.low + units * unit;
    }
    AxisTicks t = Ticks(axis);
    if (t.count <= 2 || LabelsApart(t, room)) return t;
    axis.step *= 2.0f;
    axis.automaticCount /= 2;
  }
}

}  // namespace

void CGraph::ComputeTicks() {
  const std::int32_t yAutomatic = lineHeight > 0 ? plotHeight / (2 * lineHeight) : 0;
  const std::int32_t xAutomatic = avgCharWidth > 0 ? plotWidth / (6 * avgCharWidth) : 0;
  const bool fixed = fixedSteps != 0;
  DrawingSurface* surface = Page().Measuring();
  if (surface) surface->SelectFont(Page().Font(FontTemplate::Normal));
  const auto width = [surface](const std::string& label) {
    return surface ? surface->MeasureText(label).width : 0;
  };
  Axis yAxis{yMin, yMax, yStep, fixed, yAutomatic, plotHeight, origin.y, -1, yLabelEvery, yTickFormat};
  AxisTicks yTicks =
      LegibleTicks(yAxis, [this](const std::string&, const std::string&) { return lineHeight; });
  Axis xAxis{xMin, xMax, xStep, fixed, xAutomatic, plotWidth, origin.x, 1, xLabelEvery, xTickFormat};
  AxisTicks xTicks = LegibleTicks(xAxis, [&](const std::string& one, const std::string& other) {
    return (width(one) + width(other)) / 2 + avgCharWidth;
  });
  yMax = yAxis.high;
  xMax = xAxis.high;
  // Fixed steps stay as the module asked for them, so that a wider layout (another language,
  // the printer) can go back to them.
  if (!fixed) {
    yStep = yTicks.step;
    xStep = xTicks.step;
  }
  yTickCount = yTicks.count;
  yTickPositions = std::move(yTicks.positions);
  yTickLabels = std::move(yTicks.labels);
  xTickCount = xTicks.count;
  xTickPositions = std::move(xTicks.positions);
  xTickLabels = std::move(xTicks.labels);
}

void CGraph::Update() {
  Layout();
  Scale();
}

void CGraph::BeginPrinting(DrawingSurface&) { Update(); }

void CGraph::EndPrinting() { Update(); }

void CGraph::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  if (!rect.Intersects(visible)) return;
  DrawSelectionHighlight(surface, visible);
  const PageModel& page = Page();
  const bool english = page.English();
  const LayoutRect r = rect.ShiftedBack({visible.left, visible.top});
  DrawFrame(surface, page, r,
            {english ? secondName : name, english ? yAxisTitleEn : yAxisTitleCz,
             english ? xAxisTitleEn : xAxisTitleCz, xTickLabels, yTickLabels, yTickPositions, xTickPositions,
             origin, plotWidth, plotHeight, lineHeight});
  const LayoutRect plot{r.left + origin.x, r.top + origin.y - plotHeight, r.left + origin.x + plotWidth,
                        r.top + origin.y};
  LayoutPoint entry{plot.left, r.top + LegendTop(page, origin.y, lineHeight) + lineHeight / 2};
  for (int i = 0; i < curveCount; ++i) {
    const CKurve& curve = Curve(i);
    std::vector<LayoutPoint> points;
    for (std::size_t p = 0; p < curve.xPixels.size(); ++p)
      points.push_back({r.left + curve.xPixels[p], r.top + curve.yPixels[p]});
    const int marker = showMarkers != 0 ? i : kNoMarker;
    // A level the range leaves out is named in the legend only, even where a margin reaches it.
    if (!curve.outsideRange) DrawCurve(surface, page, plot, points, curve.colour, marker);
    DrawLegendEntry(surface, page, entry, lineHeight, curve.colour, marker,
                    english ? curve.secondName : curve.name);
    entry.y += lineHeight;
  }
}

void CGraph::CopyToClipboard(Clipboard& clipboard) { clipboard.SetText(CopyText()); }

std::string CGraph::CopyText() const {
  const bool english = Page().English();
  std::string out = (english ? secondName : name) + "\n";
  for (int i = 0; i < curveCount; ++i) {
    const CKurve& curve = Curve(i);
    out += (english ? curve.secondName : curve.name) + "\n";
    // A legend entry without points (the bare object's value) names its value only.
    if (curve.pointCount == 0) continue;
    out += CopyRow(english ? xAxisTitleEn : xAxisTitleCz, curve.xValues, xCopyFormat);
    out += CopyRow(english ? yAxisTitleEn : yAxisTitleCz, curve.yValues, yCopyFormat);
  }
  return out;
}

void CSoundGraph::Setup(float xMm, float yMm, float widthMm, float heightMm) {
  x = xMm;
  y = yMm;
  plotWidthMm = widthMm;
  plotHeightMm = heightMm;
  values.fill(0.0f);
  maximum = 0.0f;
  Update();
}

void CSoundGraph::SetValues(std::span<const float, kBands> attenuation) {
  std::copy(attenuation.begin(), attenuation.end(), values.begin());
  maximum = 0.0f;
  for (float v : values) maximum = std::max(maximum, v);
  ComputeScale();
}

void CSoundGraph::SetPosition(float xMm, float yMm) {
  x = xMm;
  y = yMm;
  Layout();
}

void CSoundGraph::Layout() {
  const PageModel& page = Page();
  const bool english = page.English();
  const std::string legends[] = {english ? kLegendEn : kLegendCz};
  // Labels of whole decibels: the top one lies at most a step or two above the largest value.
  const std::string yLabels[] = {FormatC("%.0f", {2.0f * maximum + 10.0f})};
  LayOutFrame(*this, page, english ? kTitleEn : kTitleCz, english ? kYAxisTitleEn : kYAxisTitleCz,
              english ? kXAxisTitleEn : kXAxisTitleCz, legends, yLabels);
}

void CSoundGraph::ComputeScale() {
  // The axis reaches a step past the largest value, so that no point sits on its top line;
  // the step doubles until the labels fit one above the other. Without any positive value
  // it runs to 1 dB/m.
  const bool positive = maximum > 0.0f && std::isfinite(maximum);
  const float largest = positive ? maximum : 1.0f;
  yStep = largest > 20.0f ? 5.0f : largest > 10.0f ? 2.0f : 1.0f;
  const auto stepsToTop = [&] { return positive ? std::floor(largest / yStep) + 1.0f : 1.0f; };
  float steps = stepsToTop();
  while (steps > 1.0f &&
         steps * static_cast<float>(std::max(lineHeight, 1)) > static_cast<float>(plotHeight)) {
    yStep *= 2.0f;
    steps = stepsToTop();
  }
  const float top = steps * yStep;
  yTickCount = static_cast<std::int32_t>(steps) + 1;
  yTickPositions.clear();
  yTickLabels.clear();
  for (std::int32_t i = 0; i < yTickCount; ++i) {
    const float value = static_cast<float>(i) * yStep;
    yTickPositions.push_back(static_cast<std::uint16_t>(origin.y - Along(plotHeight, value, 0.0f, top)));
    yTickLabels.push_back(FormatC("%.0f", {value}));
  }
  for (std::size_t i = 0; i < kBands; ++i) {
    pointHeights[i] = static_cast<std::uint16_t>(origin.y - Along(plotHeight, values[i], 0.0f, top));
  }
  // One tick a band; the origin is no band.
  xTickPositions.clear();
  xTickLabels.clear();
  for (std::size_t i = 1; i <= kBands; ++i) {
    xTickPositions.push_back(
        static_cast<std::uint16_t>(origin.x + static_cast<std::int32_t>(i) * (plotWidth / 6)));
    xTickLabels.push_back(FormatC("%.0f", {kBandFrequencies[i - 1]}));
  }
}

void CSoundGraph::Update() {
  Layout();
  ComputeScale();
}

void CSoundGraph::BeginPrinting(DrawingSurface&) { Update(); }

void CSoundGraph::EndPrinting() { Update(); }

void CSoundGraph::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  if (!rect.Intersects(visible)) return;
  DrawSelectionHighlight(surface, visible);
  const PageModel& page = Page();
  const bool english = page.English();
  const LayoutRect r = rect.ShiftedBack({visible.left, visible.top});
  DrawFrame(surface, page, r,
            {english ? kTitleEn : kTitleCz, english ? kYAxisTitleEn : kYAxisTitleCz,
             english ? kXAxisTitleEn : kXAxisTitleCz, xTickLabels, yTickLabels, yTickPositions,
             xTickPositions, origin, plotWidth, plotHeight, lineHeight});
  const LayoutRect plot{r.left + origin.x, r.top + origin.y - plotHeight, r.left + origin.x + plotWidth,
                        r.top + origin.y};
  std::vector<LayoutPoint> points;
  for (std::size_t i = 0; i < kBands; ++i) {
    points.push_back({r.left + xTickPositions[i], r.top + pointHeights[i]});
  }
  DrawCurve(surface, page, plot, points, kAttenuationColour, 0);
  DrawLegendEntry(surface, page, {plot.left, r.top + LegendTop(page, origin.y, lineHeight) + lineHeight / 2},
                  lineHeight, kAttenuationColour, 0, english ? kLegendEn : kLegendCz);
}

void CSoundGraph::CopyToClipboard(Clipboard& clipboard) { clipboard.SetText(CopyText()); }

std::string CSoundGraph::CopyText() const {
  const bool english = Page().English();
  std::string out = std::string(english ? kTitleEn : kTitleCz) + "\n";
  out += CopyRow(english ? kXAxisTitleEn : kXAxisTitleCz, kBandFrequencies, "%.0f");
  out += CopyRow(english ? kYAxisTitleEn : kYAxisTitleCz, values, "%.1f");
  out.pop_back();  // the values close the text without a line end
  return out;
}

}  // namespace kelvora
