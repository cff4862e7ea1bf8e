#include "ui/framework/qtpicturesource.h"

#include <QImage>
#include <QString>
#include <algorithm>

namespace kelvora {

RasterPicture QtPictureSource::Load(std::string_view name) const {
  RasterPicture picture;
  picture.name = std::string(name);
  const QString upper = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper();
  // Picture names are letters and digits; anything else must not reach into other resources.
  const bool plainName = !upper.isEmpty() && std::all_of(upper.begin(), upper.end(), [](QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
  });
  if (!plainName) return picture;
  const QImage image(QStringLiteral(":/pictures/%1.bmp").arg(upper));
  if (image.isNull()) return picture;
  picture.width = image.width();
  picture.height = image.height();
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb rgb = image.pixel(x, y);
      picture.pixels.push_back(Rgb(static_cast<std::uint8_t>(qRed(rgb)),
                                   static_cast<std::uint8_t>(qGreen(rgb)),
                                   static_cast<std::uint8_t>(qBlue(rgb))));
    }
  }
  return picture;
}

}  // namespace kelvora
