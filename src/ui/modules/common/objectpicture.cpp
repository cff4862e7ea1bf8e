#include "ui/modules/common/objectpicture.h"

#include <QImage>
#include <QRect>

#include <vector>

#include "core/physics/physics.h"
#include "ui/controls/controlpictures.h"
#include "ui/controls/multibutton.h"

namespace kelvora {

namespace {

constexpr int kKinds = 6;
// The colours the pictures paint the parts in that take the user's colours.
constexpr QRgb kJacket = 0xFFFFFF00;      // yellow: outer jacket, or the inner facing
constexpr QRgb kInsulation = 0xFF808000;  // olive
constexpr QRgb kFinish = 0xFF0000FF;      // blue: the duct or wall outside an inner lining

bool InsulatedInside(int kind) { return IsInsulatedInside(static_cast<ObjectKind>(kind)); }

// One seed in every connected area of `colour`.
std::vector<QPoint> AreasOf(const QImage& image, QRgb colour) {
  std::vector<QPoint> seeds;
  std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()), false);
  const auto index = [&](QPoint p) { return static_cast<std::size_t>(p.y() * image.width() + p.x()); };
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QPoint start(x, y);
      if (seen[index(start)] || image.pixel(start) != colour) continue;
      seeds.push_back(start);
      std::vector<QPoint> pending{start};
      seen[index(start)] = true;
      while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        for (const QPoint next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
          if (!image.rect().contains(next) || seen[index(next)] || image.pixel(next) != colour) continue;
          seen[index(next)] = true;
          pending.push_back(next);
        }
      }
    }
  }
  return seeds;
}

std::vector<QRect> KindCells() {
  // Six equal cells with gaps of 2 between x 4 and 188, as the pictures draw them.
  std::vector<QRect> cells;
  for (int i = 0; i < kKinds; ++i) {
    const int left = 4 + i * 31;
    cells.emplace_back(QPoint(left, 4), QPoint(left + 28, 25));
  }
  return cells;
}

}  // namespace

RegionSeeds ObjectPictureSeeds(const QImage& picture, bool insulatedInside) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  if (insulatedInside) return {AreasOf(image, kFinish), AreasOf(image, kJacket), AreasOf(image, kInsulation)};
  return {AreasOf(image, kJacket), {}, AreasOf(image, kInsulation)};
}

void SetupObjectPicture(CMultiButton2& button, int kind, int orientation) {
  button.setText(QStringLiteral("Materialtype"));
  std::vector<RegionSeeds> seeds;
  for (int picture = 0; picture < 2 * kKinds; ++picture)
    seeds.push_back(ObjectPictureSeeds(LoadControlPicture(button.PictureName(picture)),
                                       InsulatedInside(picture % kKinds)));
  button.Setup(KindCells(), QRect(QPoint(164, 32), QPoint(187, 59)), QRect(QPoint(164, 64), QPoint(187, 91)),
               std::move(seeds), {}, kind, true, orientation);
}

void ShowObjectPicture(CMultiButton2& button, int kind, int orientation, const ObjectColours& colours,
                       bool greyed) {
  button.SetState(kind, orientation, colours.outer, colours.inner, colours.insulation, greyed);
}

}  // namespace kelvora
