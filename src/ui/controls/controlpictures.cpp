#include "ui/controls/controlpictures.h"

#include "ui/framework/qtpicturesource.h"

namespace kelvora {

namespace {

const PictureSource*& Override() {
  static const PictureSource* source = nullptr;
  return source;
}

// The four neighbours only, as a surface fill spreads: regions that touch at a corner
// stay apart.
void FloodFill(QImage& image, QPoint seed, QRgb target, QRgb fill) {
  std::vector<QPoint> pending{seed};
  while (!pending.empty()) {
    const QPoint p = pending.back();
    pending.pop_back();
    if (!image.rect().contains(p) || image.pixel(p) != target) continue;
    image.setPixel(p, fill);
    pending.push_back({p.x() + 1, p.y()});
    pending.push_back({p.x() - 1, p.y()});
    pending.push_back({p.x(), p.y() + 1});
    pending.push_back({p.x(), p.y() - 1});
  }
}

}  // namespace

const PictureSource& ControlPictures() {
  static const QtPictureSource program;
  return Override() ? *Override() : program;
}

void SetControlPictures(const PictureSource* source) { Override() = source; }

QImage LoadControlPicture(std::string_view name) {
  const RasterPicture picture = ControlPictures().Load(name);
  if (picture.IsEmpty()) return {};
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::size_t at =
          static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x);
      if (at < picture.pixels.size()) image.setPixel(x, y, ToQColor(picture.pixels[at]).rgb());
    }
  }
  return image;
}

void FillRegion(QImage& image, const std::vector<QPoint>& seeds, Colour colour) {
  if (seeds.empty() || seeds.front() == QPoint(-1, -1) || !image.rect().contains(seeds.front())) return;
  const QRgb target = image.pixel(seeds.front());
  const QRgb fill = ToQColor(colour).rgb();
  if (target == fill) return;
  for (const QPoint& seed : seeds) {
    if (seed == QPoint(-1, -1)) break;
    FloodFill(image, seed, target, fill);
  }
}

}  // namespace kelvora
