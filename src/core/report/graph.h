#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/framework/item.h"
#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"

namespace kelvora {

// One curve of a graph: the Czech legend text in `name`, the English in `secondName`.
// Pixels are relative to the graph's top-left corner and follow every relayout.
class CKurve : public CListItem {
 public:
  CKurve(std::string czech, std::string english, Colour colour);

  // May lie outside the plot, where drawing cuts the curve off.
  std::vector<std::int32_t> xPixels;
  std::vector<std::int32_t> yPixels;
  std::vector<float> xValues;
  std::vector<float> yValues;
  Colour colour = 0;
  std::int32_t pointCount = 0;
  // A level across the plot, and whether the range leaves it out (it is then not drawn).
  bool level = false;
  bool outsideRange = false;
};

// The tick labels and the copied values of a graph, as printf formats.
struct GraphFormats {
  std::string xTick;
  std::string yTick;
  std::string xCopy;
  std::string yCopy;
};

// Ranges of both axes, in the order the modules hand them over.
struct GraphRanges {
  float xMin = 0.0f;
  float yMin = 0.0f;
  float xMax = 0.0f;
  float yMax = 0.0f;
};

// A line diagram: curves over linear axes with a dotted grid and a legend. The title is
// `name` (Czech) and `secondName` (English).
class CGraph : public CGraphicsItem {
 public:
  explicit CGraph(const PageModel& page) : CGraphicsItem(page) {}

  // textIds: diagram title, y-axis title, x-axis title. The curve arrays run in step and
  // end with a 0 Czech id; each entry makes a curve. Steps are derived from the plot size
  // until SetScale fixes them.
  void Setup(float xMm, float yMm, float plotWidthMm, float plotHeightMm, std::span<const int> textIdsCz,
             std::span<const int> textIdsEn, std::span<const int> curveIdsCz, std::span<const int> curveIdsEn,
             std::span<const Colour> curveColours, const GraphFormats& formats, bool markers);
  // Takes effect at the next SetData. A label counter of 1 labels every tick, 2 every
  // second from the first. Where labels would meet, the ticks lie a multiple of the step
  // apart.
  void SetScale(float xStepValue, float yStepValue, int xEvery, int yEvery);
  // Curve i (in list order) takes counts[i] points of xArrays[i] and yArrays[i].
  void SetData(const GraphRanges& ranges, std::span<const int> counts,
               std::span<const std::vector<float>> xArrays, std::span<const std::vector<float>> yArrays);
  void SetPosition(float xMm, float yMm);

  void CopyToClipboard(Clipboard& clipboard) override;
  // The language may have changed: the layout measures the shown texts.
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  // The plain text the copy command puts on the clipboard; always Czech.
  std::string CopyText() const;
  const CKurve& Curve(int index) const;

  std::vector<std::string> xTickLabels;
  std::vector<std::string> yTickLabels;
  std::vector<std::uint16_t> yTickPositions;
  std::vector<std::uint16_t> xTickPositions;
  std::string yAxisTitleCz;
  std::string xAxisTitleCz;
  std::string xTickFormat;
  std::string yTickFormat;
  std::string xCopyFormat;
  std::string yCopyFormat;
  std::string yAxisTitleEn;
  std::string xAxisTitleEn;
  LayoutPoint origin;
  // A unit range until the first SetData, so that a graph laid out before it has data
  // never divides by an empty range.
  float xMin = 0.0f;
  float xMax = 1.0f;
  float yMin = 0.0f;
  float yMax = 1.0f;
  std::int32_t xTickCount = 0;
  std::int32_t yTickCount = 0;
  std::int32_t plotWidth = 0;
  std::int32_t plotHeight = 0;
  std::int32_t avgCharWidth = 0;
  std::int32_t lineHeight = 0;
  std::int32_t curveCount = 0;
  std::int32_t showMarkers = 0;
  float y = 0.0f;
  float x = 0.0f;
  float plotWidthMm = 0.0f;
  float plotHeightMm = 0.0f;
  std::int32_t fixedSteps = 0;
  float xStep = 0.0f;
  float yStep = 0.0f;
  std::int32_t xLabelEvery = 1;
  std::int32_t yLabelEvery = 1;
  // The ranges as SetData was given them; the axes end at the labelled ticks at or above.
  GraphRanges requested;

 private:
  void Layout();
  // The axes over the requested ranges for the present layout, then the curves on them.
  void Scale();
  void ComputePixels();
  void ComputeTicks();
};

// The fixed diagram of sound attenuation over the six octave bands 125 ... 4000 Hz.
class CSoundGraph : public CGraphicsItem {
 public:
  static constexpr std::size_t kBands = 6;
  static constexpr std::array<float, kBands> kBandFrequencies{125, 250, 500, 1000, 2000, 4000};
  static constexpr const char* kTitleCz = "Útlum hluku";
  static constexpr const char* kTitleEn = "Sound attenuation";
  static constexpr const char* kYAxisTitleCz = "Útlum [dB/m]";
  static constexpr const char* kYAxisTitleEn = "Attenuation [dB/m]";
  static constexpr const char* kXAxisTitleCz = "Frekvence [Hz]";
  static constexpr const char* kXAxisTitleEn = "Frequency [Hz]";
  static constexpr const char* kLegendCz = "Útlum hluku jako funkce frekvence";
  static constexpr const char* kLegendEn = "Sound attenuation as a function of frequency";

  explicit CSoundGraph(const PageModel& page) : CGraphicsItem(page) {}

  void Setup(float xMm, float yMm, float plotWidthMm, float plotHeightMm);
  // dB/m for 125 ... 4000 Hz.
  void SetValues(std::span<const float, kBands> attenuation);
  void SetPosition(float xMm, float yMm);

  void CopyToClipboard(Clipboard& clipboard) override;
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  std::string CopyText() const;

  std::vector<std::string> xTickLabels;
  std::vector<std::string> yTickLabels;
  std::vector<std::uint16_t> yTickPositions;
  std::vector<std::uint16_t> xTickPositions;
  LayoutPoint origin;
  std::int32_t plotWidth = 0;
  std::int32_t plotHeight = 0;
  std::int32_t avgCharWidth = 0;
  std::int32_t lineHeight = 0;
  float y = 0.0f;
  float x = 0.0f;
  float plotWidthMm = 0.0f;
  float plotHeightMm = 0.0f;
  float yStep = 0.0f;
  std::int32_t yTickCount = 0;
  std::array<float, kBands> values{};
  float maximum = 0.0f;
  std::array<std::uint16_t, kBands> pointHeights{};

 private:
  void Layout();
  void ComputeScale();
};

}  // namespace kelvora
