#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/drawingsurface.h"

namespace kelvora {

enum class SurfaceKind { Screen, Printer };

// The report's drawing surface on a QPainter. Layout units are the painter's logical
// coordinates: on screen the view sets a transform that maps them to device pixels; on a
// printer or a PDF one unit is one device pixel, as the page model expects while printing.
class QPainterSurface : public DrawingSurface {
 public:
  // The painter must be active. A printer surface takes its printable area from the
  // painter's device (a QPrinter or a QPdfWriter) once, here.
  explicit QPainterSurface(QPainter& painter, SurfaceKind kind = SurfaceKind::Screen);

  void SelectFont(const FontSpec& font) override;
  void SetTextColour(Colour colour) override;
  void SetTextAlign(TextAlign align) override;
  void DrawText(LayoutPoint at, std::string_view text) override;
  TextExtent MeasureText(std::string_view text) override;
  TextMetrics FontMetrics() override;
  std::int32_t DrawWrappedText(const LayoutRect& rect, std::string_view text) override;
  std::int32_t WrappedTextHeight(const LayoutRect& rect, std::string_view text) override;
  void DrawLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) override;
  void DrawDottedLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) override;
  void FillRect(const LayoutRect& rect, Colour colour) override;
  void DrawPicture(const RasterPicture& picture, const LayoutRect& rect) override;
  bool IsPrinter() const override { return kind == SurfaceKind::Printer; }
  PrintableArea Printable() const override { return printable; }

  // The font the last SelectFont made, for tests and for callers that draw beside the items.
  const QFont& CurrentFont() const { return font; }

 private:
  std::vector<QString> WrapLines(std::int32_t width, const QString& text) const;
  std::int32_t LineHeight() const;
  QString ResolvedFamily(const std::string& face);

  QPainter& painter;
  SurfaceKind kind;
  PrintableArea printable;
  QFont font;
  QColor textColour = Qt::black;
  TextAlign align = TextAlign::LeftTop;
  std::string resolvedFace;
  QString resolvedFamily;
};

// The printable area of a paged device (printer, PDF writer) as a printer reports it:
// whole millimetres and device pixels.
PrintableArea PrintableAreaOf(const QPaintDevice& device);

namespace detail {
// Kept apart so that it exists before the surface that paints on it.
struct MeasuringCanvas {
  MeasuringCanvas();
  QImage canvas;
  QPainter canvasPainter;
};
}  // namespace detail

// Measures text for screen layout without a window: a 100 dpi canvas, so one layout unit
// is one pixel is 0.254 mm. Needs a QGuiApplication.
class ScreenMeasuringSurface : private detail::MeasuringCanvas, public QPainterSurface {
 public:
  ScreenMeasuringSurface();
};

}  // namespace kelvora
