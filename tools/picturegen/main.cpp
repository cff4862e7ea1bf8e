// kelvora_picturegen [--bits 4|8] <in.svg> <out.bmp>
// kelvora_picturegen --png SIZE <in.svg> <out.png>
//
// Renders one SVG at its own width and height and writes it as a palette BMP. Pictures of
// 4 bits are drawn without antialiasing and snapped to the 16 standard colours, so that
// the colours the report header and the picture buttons substitute stay exact and every
// region is one solid colour a flood fill can find. Pictures of 8 bits (banner, title)
// are never recoloured and are drawn smooth over a 256-colour palette. A PNG (the program's
// icon at one of its sizes) is drawn smooth, square and with its transparency.
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

std::vector<QRgb> StandardPalette() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
          qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The 16 standard colours first, then a 6 x 6 x 6 colour cube and a ramp of greys.
std::vector<QRgb> WidePalette() {
  std::vector<QRgb> palette = StandardPalette();
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) palette.push_back(qRgb(r * 51, g * 51, b * 51));
    }
  }
  for (int i = 1; palette.size() < 256; ++i) palette.push_back(qRgb(i * 10, i * 10, i * 10));
  return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb colour) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour);
    const int dg = qGreen(palette[i]) - qGreen(colour);
    const int db = qBlue(palette[i]) - qBlue(colour);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

// The SVG renderer switches antialiasing on by itself; this engine passes every drawing
// call to a painter on the target image but never lets that hint through.
class AliasedEngine : public QPaintEngine {
 public:
  explicit AliasedEngine(QImage* target) : QPaintEngine(AllFeatures), target_(target) {}

  bool begin(QPaintDevice*) override {
    painter_.begin(target_);
    painter_.setRenderHints(
        QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing, false);
    return true;
  }
  bool end() override { return painter_.end(); }
  Type type() const override { return User; }

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform) painter_.setTransform(state.transform());
    if (dirty & DirtyPen) painter_.setPen(state.pen());
    if (dirty & DirtyBrush) painter_.setBrush(state.brush());
    if (dirty & DirtyBrushOrigin) painter_.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyBackground) painter_.setBackground(state.backgroundBrush());
    if (dirty & DirtyBackgroundMode) painter_.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyFont) painter_.setFont(state.font());
    if (dirty & DirtyClipPath) painter_.setClipPath(state.clipPath(), state.clipOperation());
    if (dirty & DirtyClipRegion) painter_.setClipRegion(state.clipRegion(), state.clipOperation());
    if (dirty & DirtyClipEnabled) painter_.setClipping(state.isClipEnabled());
    if (dirty & DirtyOpacity) painter_.setOpacity(state.opacity());
    if (dirty & DirtyCompositionMode) painter_.setCompositionMode(state.compositionMode());
  }

  void drawPath(const QPainterPath& path) override { painter_.drawPath(path); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (mode == PolylineMode) {
      painter_.drawPolyline(points, count);
    } else {
      painter_.drawPolygon(points, count, mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    }
  }
  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    painter_.drawPixmap(rect, pixmap, source);
  }
  void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override {
    painter_.drawImage(rect, image, source, flags);
  }

 private:
  QImage* target_;
  QPainter painter_;
};

class AliasedDevice : public QPaintDevice {
 public:
  explicit AliasedDevice(QImage* target) : target_(target), engine_(target) {}
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return target_->width();
      case PdmHeight:
        return target_->height();
      case PdmWidthMM:
        return target_->widthMM();
      case PdmHeightMM:
        return target_->heightMM();
      case PdmNumColors:
        return 0;
      case PdmDepth:
        return 32;
      case PdmDpiX:
      case PdmPhysicalDpiX:
        return target_->logicalDpiX();
      case PdmDpiY:
      case PdmPhysicalDpiY:
        return target_->logicalDpiY();
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
  }

 private:
  QImage* target_;
  mutable AliasedEngine engine_;
};

void Put16(std::vector<char>& out, std::uint32_t value) {
  for (int i = 0; i < 2; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void Put32(std::vector<char>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A bottom-up BMP with a BITMAPINFOHEADER and a palette of 2^bits entries.
std::vector<char> EncodeBmp(const std::vector<int>& indices, int width, int height, int bits,
                            const std::vector<QRgb>& palette) {
  const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
  const std::uint32_t paletteBytes = (1u << bits) * 4;
  const std::uint32_t offset = 14 + 40 + paletteBytes;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
  std::vector<char> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 3780);  // 96 dpi
  Put32(out, 3780);
  Put32(out, 1u << bits);
  Put32(out, 0);
  for (std::uint32_t i = 0; i < (1u << bits); ++i) {
    const QRgb colour = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
    out.push_back(static_cast<char>(qBlue(colour)));
    out.push_back(static_cast<char>(qGreen(colour)));
    out.push_back(static_cast<char>(qRed(colour)));
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<unsigned char> row(rowBytes, 0);
    for (int x = 0; x < width; ++x) {
      const int index = indices[static_cast<std::size_t>(y) * width + x];
      if (bits == 8) {
        row[x] = static_cast<unsigned char>(index);
      } else {
        row[x / 2] |= static_cast<unsigned char>(x % 2 == 0 ? index << 4 : index);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

int WritePng(QSvgRenderer& renderer, int size, const QString& output) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  if (!image.save(output, "PNG")) {
    std::fprintf(stderr, "kelvora_picturegen: cannot write %s\n", qPrintable(output));
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  int bits = 4;
  bool png = false;
  int pngSize = 0;
  if (args.size() == 4 && args[0] == QStringLiteral("--bits")) {
    bits = args[1].toInt();
    args = args.mid(2);
  } else if (args.size() == 4 && args[0] == QStringLiteral("--png")) {
    png = true;
    pngSize = args[1].toInt();
    args = args.mid(2);
  }
  if (args.size() != 2 || (bits != 4 && bits != 8) || (png && (pngSize < 1 || pngSize > 1024))) {
    std::fprintf(stderr,
                 "usage: kelvora_picturegen [--bits 4|8] <in.svg> <out.bmp>\n"
                 "       kelvora_picturegen --png SIZE <in.svg> <out.png>\n");
    return 2;
  }
  QSvgRenderer renderer(args[0]);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "kelvora_picturegen: cannot read %s\n", qPrintable(args[0]));
    return 1;
  }
  if (png) return WritePng(renderer, pngSize, args[1]);
  const QSize size = renderer.defaultSize();
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (bits == 8) {
    QPainter painter(&image);
    renderer.render(&painter);
  } else {
    AliasedDevice device(&image);
    QPainter painter(&device);
    renderer.render(&painter);
  }

  const std::vector<QRgb> palette = bits == 8 ? WidePalette() : StandardPalette();
  std::vector<int> indices(static_cast<std::size_t>(size.width()) * size.height());
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      indices[static_cast<std::size_t>(y) * size.width() + x] = Nearest(palette, image.pixel(x, y));
    }
  }
  const std::vector<char> bmp = EncodeBmp(indices, size.width(), size.height(), bits, palette);
  std::ofstream file(args[1].toStdString(), std::ios::binary);
  file.write(bmp.data(), static_cast<std::streamsize>(bmp.size()));
  if (!file) {
    std::fprintf(stderr, "kelvora_picturegen: cannot write %s\n", qPrintable(args[1]));
    return 1;
  }
  return 0;
}
