#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <string_view>
#include <vector>

#include "core/report/drawingsurface.h"

namespace kelvora {

class PictureSource;

// The pictures the controls draw: the program's own unless a test gives others.
const PictureSource& ControlPictures();
void SetControlPictures(const PictureSource* source);

// A picture as an image to draw on; a null image when the program has no such picture.
QImage LoadControlPicture(std::string_view name);

inline QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}
inline Colour FromQColor(const QColor& colour) {
  return Rgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
             static_cast<std::uint8_t>(colour.blue()));
}

// Paints one colour region: around every seed, the connected area of the colour found at
// the first seed. A point (-1, -1) ends the list, as the pictures' seed tables are written.
void FillRegion(QImage& image, const std::vector<QPoint>& seeds, Colour colour);

}  // namespace kelvora
