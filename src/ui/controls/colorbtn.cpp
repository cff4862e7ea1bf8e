#include "ui/controls/colorbtn.h"

#include <QColorDialog>
#include <QPainter>

#include "ui/controls/controlpictures.h"

namespace kelvora {

CColorBtn::CColorBtn(QWidget* parent) : QAbstractButton(parent) {
  // It draws no focus, and the button beside it opens the same choice: no silent tab stop.
  setFocusPolicy(Qt::NoFocus);
  const QImage frame = LoadControlPicture("ColorBtn");
  if (!frame.isNull()) setFixedSize(frame.size());
}

void CColorBtn::Setup(Colour value) { SetColour(value); }

void CColorBtn::SetColour(Colour value) {
  colour = value;
  update();
}

QImage CColorBtn::Drawn() const {
  QImage image = LoadControlPicture("ColorBtn");
  if (image.isNull()) {
    image = QImage(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  QPainter painter(&image);
  painter.fillRect(image.rect().adjusted(1, 1, -1, -1), ToQColor(colour));
  return image;
}

void CColorBtn::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Drawn());
}

ColourChooser& ColourDialog() {
  static ColourChooser chooser = [](Colour initial, QWidget* parent) -> std::optional<Colour> {
    const QColor chosen =
        QColorDialog::getColor(ToQColor(initial), parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
  };
  return chooser;
}

}  // namespace kelvora
