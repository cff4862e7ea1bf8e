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
// truncated like every position of the report.
std::int32_t Along(std::int32_t length, float value, float low, float span) {
  return static_cast<std::int32_t>(static_cast<float>(length) * (value - low) / span);
}

// An empty or reversed range would put every position at infinity; one step keeps the
// graph drawable.
float Widened(float low, float high, float step) {
  return high > low ? high : low + (step > 0.0f ? step : 1.0f);
}

// Places either graph from its position and plot size in mm and the texts it shows in the
// current language: the rectangle, the plot and the origin at the plot's bottom left.
// `linesBelow` counts the text lines the item reaches below the plot.
template <class Graph>
void LayOutFrame(Graph& g, const PageModel& page, std::string_view title, std::string_view yTitle,
                 std::string_view xTitle, std::span<const std::string> legends, std::int32_t linesBelow) {
  g.rect.left = page.MmToUnitsX(g.x);
  g.rect.top = page.MmToUnitsY(g.y);
  g.plotWidth = page.MmToUnitsX(g.plotWidthMm);
  g.plotHeight = page.MmToUnitsY(g.plotHeightMm);
  std::int32_t titleWidth = 0;
  std::int32_t yTitleWidth = 0;
  std::int32_t xTitleWidth = 0;
  TextMetrics metrics;
  if (DrawingSurface* surface = page.Measuring()) {
    surface->SelectFont(page.Font(FontTemplate::Bold));
    titleWidth = surface->MeasureText(title).width;
    surface->SelectFont(page.Font(FontTemplate::Normal));
    metrics = surface->FontMetrics();
    yTitleWidth = surface->MeasureText(yTitle).width;
    xTitleWidth = surface->MeasureText(xTitle).width;
    for (const std::string& legend : legends) {
      titleWidth = std::max(titleWidth, surface->MeasureText(legend).width + metrics.averageCharWidth);
    }
  }
  g.avgCharWidth = metrics.averageCharWidth;
  g.lineHeight = metrics.lineHeight;
  // The title and the y-axis title take a line each; half a line more keeps the label of a
  // tick at the top of the plot clear of the y-axis title.
  g.origin = {yTitleWidth, g.plotHeight + 2 * g.lineHeight + g.lineHeight / 2};
  g.rect.right = g.rect.left + std::max(yTitleWidth + g.plotWidth + xTitleWidth, titleWidth);
  g.rect.bottom = g.rect.top + g.origin.y + linesBelow * g.lineHeight;
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

// The top of the x-axis labels below the axis: far enough down that the label of the lowest
// y tick, centred on the axis, never meets them.
std::int32_t XLabelTop(const PageModel& page, std::int32_t axis, std::int32_t lineHeight) {
  return axis + std::max(page.MmToUnitsY(1.0f), lineHeight / 2 + 1);
}

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

  // The x-axis title stands at the end of the axis, above it, where no tick label reaches.
  surface.DrawText({o.x + f.plotWidth, o.y - f.lineHeight}, f.xTitle);
  surface.SetTextAlign(TextAlign::RightTop);
  surface.DrawText({o.x, r.top + f.lineHeight}, f.yTitle);
  surface.DrawLine({o.x, o.y}, {o.x, plotTop}, axisPen, kReportTextColour);
  surface.DrawLine({o.x, o.y}, {o.x + f.plotWidth, o.y}, axisPen, kReportTextColour);

  for (std::size_t i = 0; i < f.yTickPositions.size(); ++i) {
    const std::int32_t ty = r.top + f.yTickPositions[i];
    surface.DrawLine({o.x - mmX, ty}, {o.x + mmX, ty}, axisPen, kReportTextColour);
    if (!f.yTickLabels[i].empty()) surface.DrawText({o.x - 2 * mmX, ty - f.lineHeight / 2}, f.yTickLabels[i]);
  }
  surface.SetTextAlign(TextAlign::LeftTop);
  const std::int32_t labelTop = XLabelTop(page, o.y, f.lineHeight);
  for (std::size_t i = 0; i < f.xTickPositions.size(); ++i) {
    const std::int32_t tx = r.left + f.xTickPositions[i];
    surface.DrawLine({tx, o.y - mmY}, {tx, o.y + mmY}, axisPen, kReportTextColour);
    const std::string& label = f.xTickLabels[i];
    if (!label.empty()) surface.DrawText({tx - surface.MeasureText(label).width / 2, labelTop}, label);
  }
}

void DrawMarker(DrawingSurface& surface, const PageModel& page, LayoutPoint at, Colour colour) {
  const std::int32_t mmX = page.MmToUnitsX(1.0f);
  const std::int32_t mmY = page.MmToUnitsY(1.0f);
  surface.FillRect({at.x - mmX, at.y - mmY, at.x + mmX, at.y + mmY}, colour);
}

// A polyline in the curve's colour through points relative to `corner`, with a square at
// every point when asked.
void DrawCurve(DrawingSurface& surface, const PageModel& page, LayoutPoint corner,
               std::span<const LayoutPoint> points, Colour colour, bool markers) {
  const std::int32_t pen = page.MmToUnitsX(1.0f) / 2;
  for (std::size_t i = 1; i < points.size(); ++i) {
    surface.DrawLine({corner.x + points[i - 1].x, corner.y + points[i - 1].y},
                     {corner.x + points[i].x, corner.y + points[i].y}, pen, colour);
  }
  if (!markers) return;
  for (const LayoutPoint& p : points) DrawMarker(surface, page, {corner.x + p.x, corner.y + p.y}, colour);
}

void DrawLegendEntry(DrawingSurface& surface, const PageModel& page, LayoutPoint at, Colour colour,
                     bool markers, std::string_view text) {
  const std::int32_t mmX = page.MmToUnitsX(1.0f);
  surface.DrawLine(at, {at.x + 4 * mmX, at.y}, mmX / 2, colour);
  if (markers) DrawMarker(surface, page, {at.x + 2 * mmX, at.y}, colour);
  surface.SetTextAlign(TextAlign::LeftTop);
  surface.DrawText({at.x + 4 * mmX, at.y - page.MmToUnitsY(1.0f)}, text);
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
  xMin = ranges.xMin;
  yMin = ranges.yMin;
  xMax = Widened(ranges.xMin, ranges.xMax, fixedSteps ? xStep : 0.0f);
  yMax = Widened(ranges.yMin, ranges.yMax, fixedSteps ? yStep : 0.0f);
  ComputePixels();
  ComputeTicks();
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
  LayOutFrame(*this, page, english ? secondName : name, english ? yAxisTitleEn : yAxisTitleCz,
              english ? xAxisTitleEn : xAxisTitleCz, legends, curveCount + 2);
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
      curve.xPixels.push_back(
          static_cast<std::uint16_t>(origin.x + Along(plotWidth, curve.xValues[k], xMin, xSpan)));
      curve.yPixels.push_back(
          static_cast<std::uint16_t>(origin.y - Along(plotHeight, curve.yValues[k], yMin, ySpan)));
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
  float high;
  float step;
  bool fixed;
  std::int32_t automaticCount;
  std::int32_t length;
  std::int32_t start;
  int sign;  // turns the distance along the axis into a position: the y axis grows upwards
  int labelEvery;
  const std::string& format;
};

// Ticks evenly spaced from `low`, the first one labelled. Without a usable step there are
// no ticks.
AxisTicks Ticks(const Axis& a) {
  AxisTicks t;
  const float span = a.high - a.low;
  if (a.fixed) {
    // Positions are 16-bit: more ticks than that could never be told apart.
    const float count = a.step > 0.0f ? span / a.step : 0.0f;
    t.count = count > 0.0f && count < 65536.0f ? static_cast<std::int32_t>(count) : 0;
    t.step = a.step;
  } else {
    t.count = a.automaticCount;
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
template <class Room>
AxisTicks LegibleTicks(Axis axis, Room room) {
  for (;;) {
    AxisTicks t = Ticks(axis);
    if (t.count <= 1 || LabelsApart(t, room)) return t;
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
  AxisTicks yTicks = LegibleTicks(
      Axis{yMin, yMax, yStep, fixed, yAutomatic, plotHeight, origin.y, -1, yLabelEvery, yTickFormat},
      [this](const std::string&, const std::string&) { return lineHeight; });
  AxisTicks xTicks = LegibleTicks(
      Axis{xMin, xMax, xStep, fixed, xAutomatic, plotWidth, origin.x, 1, xLabelEvery, xTickFormat},
      [&](const std::string& one, const std::string& other) {
        return (width(one) + width(other)) / 2 + avgCharWidth;
      });
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
  ComputePixels();
  ComputeTicks();
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
  LayoutPoint entry{r.left + origin.x, r.top + origin.y + 2 * lineHeight};
  for (int i = 0; i < curveCount; ++i) {
    const CKurve& curve = Curve(i);
    std::vector<LayoutPoint> points;
    for (std::size_t p = 0; p < curve.xPixels.size(); ++p)
      points.push_back({curve.xPixels[p], curve.yPixels[p]});
    DrawCurve(surface, page, {r.left, r.top}, points, curve.colour, showMarkers != 0);
    DrawLegendEntry(surface, page, entry, curve.colour, showMarkers != 0,
                    english ? curve.secondName : curve.name);
    entry.y += lineHeight;
  }
}

void CGraph::CopyToClipboard(Clipboard& clipboard) { clipboard.SetText(CopyText()); }

std::string CGraph::CopyText() const {
  std::string out = name + "\n";
  for (int i = 0; i < curveCount; ++i) {
    const CKurve& curve = Curve(i);
    out += curve.name + "\n";
    out += CopyRow(xAxisTitleCz, curve.xValues, xCopyFormat);
    out += CopyRow(yAxisTitleCz, curve.yValues, yCopyFormat);
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
  LayOutFrame(*this, page, page.English() ? kTitleEn : kTitleCz, kYAxisTitle, kXAxisTitle, {}, 3);
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
            {english ? kTitleEn : kTitleCz, kYAxisTitle, kXAxisTitle, xTickLabels, yTickLabels,
             yTickPositions, xTickPositions, origin, plotWidth, plotHeight, lineHeight});
  std::vector<LayoutPoint> points;
  for (std::size_t i = 0; i < kBands; ++i) points.push_back({xTickPositions[i], pointHeights[i]});
  DrawCurve(surface, page, {r.left, r.top}, points, kAttenuationColour, true);
  DrawLegendEntry(surface, page, {r.left + origin.x, r.top + origin.y + 2 * lineHeight}, kAttenuationColour,
                  true, english ? kLegendEn : kLegendCz);
}

void CSoundGraph::CopyToClipboard(Clipboard& clipboard) { clipboard.SetText(CopyText()); }

std::string CSoundGraph::CopyText() const {
  std::string out = std::string(kTitleCz) + "\n";
  out += CopyRow(kXAxisTitle, kBandFrequencies, "%.0f");
  out += CopyRow(kYAxisTitle, values, "%.1f");
  out.pop_back();  // the values close the text without a line end
  return out;
}

}  // namespace kelvora
