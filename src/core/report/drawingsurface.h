#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/fonts.h"
#include "core/report/units.h"

namespace kelvora {

// A colour as 0x00BBGGRR, the form the document files and the module pictures use.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

inline constexpr Colour kReportTextColour = Rgb(0, 0, 0);
inline constexpr Colour kSelectionColour = Rgb(255, 255, 192);

// Where a drawn string hangs from its point: by its top-left corner, or by its top-right
// corner so that columns of numbers end flush.
enum class TextAlign { LeftTop, RightTop };

struct TextExtent {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const TextExtent&) const = default;
};

// Of the selected font: the average character width and the height of a line (character
// height plus the external leading).
struct TextMetrics {
  std::int32_t averageCharWidth = 0;
  std::int32_t lineHeight = 0;
  bool operator==(const TextMetrics&) const = default;
};

// A picture in memory, row by row from the top, one 0x00BBGGRR value per pixel. Empty
// when its resource is missing; surfaces then draw nothing.
struct RasterPicture {
  std::string name;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Colour> pixels;

  bool IsEmpty() const { return width <= 0 || height <= 0 || pixels.empty(); }
};

// The printable area of a printing surface: millimetres as the printer reports them
// (whole numbers) and the same area in pixels.
struct PrintableArea {
  std::int32_t widthMm = 0;
  std::int32_t heightMm = 0;
  std::int32_t widthPx = 0;
  std::int32_t heightPx = 0;
};

// What report items draw and measure on: the screen, a printer or a PDF in the program,
// a recording fake in tests. All coordinates are layout units relative to the visible
// area; text is drawn with a transparent background.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual void SelectFont(const FontSpec& font) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetTextAlign(TextAlign align) = 0;
  virtual void DrawText(LayoutPoint at, std::string_view text) = 0;
  virtual TextExtent MeasureText(std::string_view text) = 0;
  virtual TextMetrics FontMetrics() = 0;
  // Breaks the text at spaces and line ends to fit the rectangle's width; returns the
  // height the lines take. WrappedTextHeight computes the same height without drawing.
  virtual std::int32_t DrawWrappedText(const LayoutRect& rect, std::string_view text) = 0;
  virtual std::int32_t WrappedTextHeight(const LayoutRect& rect, std::string_view text) = 0;
  virtual void DrawLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) = 0;
  // The graphs' grid: dots that let the curves stand out.
  virtual void DrawDottedLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) = 0;
  virtual void FillRect(const LayoutRect& rect, Colour colour) = 0;
  // Smooth stretching that keeps the colours: the module pictures carry substituted
  // colours that must survive scaling.
  virtual void DrawPicture(const RasterPicture& picture, const LayoutRect& rect) = 0;
  virtual bool IsPrinter() const = 0;
  // Meaningful on printing surfaces only.
  virtual PrintableArea Printable() const = 0;
};

}  // namespace kelvora
