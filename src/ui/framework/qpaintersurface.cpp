#include "ui/framework/qpaintersurface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPen>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const LayoutRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// Integer units for everything a layout adds up: rounding up keeps text inside the room
// measured for it.
std::int32_t Units(qreal length) { return static_cast<std::int32_t>(std::ceil(length - 1e-6)); }

// One dot a hundredth of an inch.
constexpr int kDotsPerMetreAt100Dpi = 3937;
constexpr int kPaperSmoothing = 3;  // device pixels per picture pixel, at most

}  // namespace

PrintableArea PrintableAreaOf(const QPaintDevice& device) {
  return {device.widthMM(), device.heightMM(), device.width(), device.height()};
}

QPainterSurface::QPainterSurface(QPainter& painter, SurfaceKind kind) : painter(painter), kind(kind) {
  if (kind == SurfaceKind::Printer && painter.device()) printable = PrintableAreaOf(*painter.device());
  painter.setBackgroundMode(Qt::TransparentMode);
  SelectFont(FontSpec{});
}

// The reports are laid out in Arial. Where it is not installed, fontconfig would pick
// whatever the machine prefers; its metric twin keeps line breaks and table widths the same
// on every machine.
QString QPainterSurface::ResolvedFamily(const std::string& face) {
  if (face == resolvedFace && !resolvedFamily.isEmpty()) return resolvedFamily;
  QString family = ToQString(face);
  const QString twin = QStringLiteral("Liberation Sans");
  if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 &&
      !QFontInfo(QFont(family)).exactMatch() && QFontDatabase::hasFamily(twin)) {
    family = twin;
  }
  resolvedFace = face;
  resolvedFamily = family;
  return family;
}

void QPainterSurface::SelectFont(const FontSpec& wanted) {
  QFont chosen(ResolvedFamily(wanted.face));
  chosen.setPixelSize(std::max(1, wanted.height));
  chosen.setWeight(wanted.weight >= kFontWeightBold ? QFont::Bold : QFont::Normal);
  chosen.setItalic(wanted.italic);
  chosen.setUnderline(wanted.underline);
  chosen.setStrikeOut(wanted.strikeOut);
  // Advances only: the column widths of the reports were chosen for text measured so.
  chosen.setKerning(false);
  if (wanted.width > 0) {
    const qreal natural = QFontMetricsF(chosen, painter.device()).averageCharWidth();
    if (natural > 0) chosen.setStretch(std::clamp(qRound(100.0 * wanted.width / natural), 1, 4000));
  }
  font = chosen;
  painter.setFont(font);
}

void QPainterSurface::SetTextColour(Colour colour) { textColour = ToQColor(colour); }

void QPainterSurface::SetTextAlign(TextAlign alignment) { align = alignment; }

void QPainterSurface::DrawText(LayoutPoint at, std::string_view text) {
  const QString line = ToQString(text);
  const QFontMetricsF metrics(font, painter.device());
  qreal x = at.x;
  if (align == TextAlign::RightTop) x -= metrics.horizontalAdvance(line);
  painter.setPen(textColour);
  painter.setFont(font);
  painter.drawText(QPointF(x, at.y + metrics.ascent()), line);
}

TextExtent QPainterSurface::MeasureText(std::string_view text) {
  const QFontMetricsF metrics(font, painter.device());
  return {Units(metrics.horizontalAdvance(ToQString(text))), LineHeight()};
}

TextMetrics QPainterSurface::FontMetrics() {
  const QFontMetricsF metrics(font, painter.device());
  return {Units(metrics.averageCharWidth()), Units(metrics.lineSpacing())};
}

std::int32_t QPainterSurface::LineHeight() const {
  return Units(QFontMetricsF(font, painter.device()).height());
}

// Greedy breaking at spaces, the space at a break dropped; line ends always break; a word
// wider than the line stands alone on its line rather than being cut.
std::vector<QString> QPainterSurface::WrapLines(std::int32_t width, const QString& text) const {
  const QFontMetricsF metrics(font, painter.device());
  std::vector<QString> lines;
  QString normalised = text;
  normalised.remove(QLatin1Char('\r'));
  for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && Units(metrics.horizontalAdvance(candidate)) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

std::int32_t QPainterSurface::DrawWrappedText(const LayoutRect& rect, std::string_view text) {
  const std::vector<QString> lines = WrapLines(rect.Width(), ToQString(text));
  const std::int32_t lineHeight = LineHeight();
  const qreal ascent = QFontMetricsF(font, painter.device()).ascent();
  painter.setPen(textColour);
  painter.setFont(font);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const qreal top = rect.top + static_cast<qreal>(i) * lineHeight;
    painter.drawText(QPointF(rect.left, top + ascent), lines[i]);
  }
  return static_cast<std::int32_t>(lines.size()) * lineHeight;
}

std::int32_t QPainterSurface::WrappedTextHeight(const LayoutRect& rect, std::string_view text) {
  return static_cast<std::int32_t>(WrapLines(rect.Width(), ToQString(text)).size()) * LineHeight();
}

void QPainterSurface::DrawLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) {
  // Width 0 is the thinnest line the device can draw, whatever the scale.
  QPen pen(ToQColor(colour), std::max(0, penWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QPainterSurface::DrawDottedLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) {
  QPen pen(ToQColor(colour), std::max(0, penWidth), Qt::DotLine, Qt::FlatCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QPainterSurface::FillRect(const LayoutRect& rect, Colour colour) {
  painter.fillRect(ToQRect(rect), ToQColor(colour));
}

void QPainterSurface::DrawPicture(const RasterPicture& picture, const LayoutRect& rect) {
  if (picture.IsEmpty()) return;
  const auto count = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  if (picture.pixels.size() < count) return;
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const Colour* source = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = source[x];
      row[x] = qRgb(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                    static_cast<int>((c >> 16) & 0xFFu));
    }
  }
  // On paper a unit is a device pixel: smoothing here makes the result the same in every PDF
  // viewer. A few times the picture's own size is smooth enough; the full 600 dpi would only
  // make export slow and files large. Lossless keeps PDF writers from compressing the
  // colours away.
  const QRect target = ToQRect(rect);
  if (IsPrinter() && target.width() > 0 && target.height() > 0) {
    const QSize smooth = target.size().boundedTo(image.size() * kPaperSmoothing);
    image = image.scaled(smooth, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.drawImage(target, image);
  painter.restore();
}

detail::MeasuringCanvas::MeasuringCanvas() : canvas(1, 1, QImage::Format_RGB32) {
  canvas.setDotsPerMeterX(kDotsPerMetreAt100Dpi);
  canvas.setDotsPerMeterY(kDotsPerMetreAt100Dpi);
  canvas.fill(Qt::white);
  canvasPainter.begin(&canvas);
}

ScreenMeasuringSurface::ScreenMeasuringSurface() : QPainterSurface(canvasPainter, SurfaceKind::Screen) {}

}  // namespace kelvora
