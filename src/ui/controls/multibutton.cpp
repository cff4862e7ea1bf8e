#include "ui/controls/multibutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/controlpictures.h"

namespace kelvora {

CPictureSelector::CPictureSelector(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void CPictureSelector::SetupCommon(std::vector<RegionSeeds> pictureSeeds, std::array<Colour, 3> regionColours,
                                   bool grey) {
  seeds = std::move(pictureSeeds);
  colours = regionColours;
  greyed = grey;
  changed = false;
  const QImage first = LoadControlPicture(PictureName(0));
  if (!first.isNull()) setFixedSize(first.size());
  update();
}

void CPictureSelector::SetLook(std::array<Colour, 3> regionColours, bool grey) {
  colours = regionColours;
  greyed = grey;
  update();
}

std::string CPictureSelector::PictureName(int picture) const {
  return text().toStdString() + (greyed ? "x" : "") + std::to_string(picture);
}

QImage CPictureSelector::Drawn(bool focused) const {
  const int index = PictureIndex();
  QImage image = LoadControlPicture(PictureName(index));
  if (image.isNull()) return image;
  if (!greyed && index >= 0 && static_cast<std::size_t>(index) < seeds.size()) {
    for (std::size_t region = 0; region < 3; ++region) {
      FillRegion(image, seeds[static_cast<std::size_t>(index)][region], colours[region]);
    }
  }
  if (focused) {
    const QRect inverted = FocusRect().intersected(image.rect());
    for (int y = inverted.top(); y <= inverted.bottom(); ++y) {
      for (int x = inverted.left(); x <= inverted.right(); ++x)
        image.setPixel(x, y, image.pixel(x, y) ^ 0xFFFFFFu);
    }
  }
  return image;
}

void CPictureSelector::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Drawn(hasFocus()));
}

void CPictureSelector::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && ClickAt(event->position().toPoint())) update();
  QAbstractButton::mousePressEvent(event);
}

void CPictureSelector::keyPressEvent(QKeyEvent* event) {
  int delta = 0;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
      delta = 1;
      break;
    case Qt::Key_Left:
    case Qt::Key_Down:
      delta = -1;
      break;
    default:
      QAbstractButton::keyPressEvent(event);
      return;
  }
  Step(delta);
  update();
  emit clicked(false);
}

void CPictureSelector::focusInEvent(QFocusEvent* event) {
  QAbstractButton::focusInEvent(event);
  update();
}

void CPictureSelector::focusOutEvent(QFocusEvent* event) {
  QAbstractButton::focusOutEvent(event);
  update();
}

namespace {

int Wrapped(int value, int count) { return count > 0 ? ((value % count) + count) % count : 0; }

std::array<Colour, 3> Three(Colour a, Colour b, Colour c) { return {a, b, c}; }

}  // namespace

CMultiButton::CMultiButton(QWidget* parent) : CPictureSelector(parent) {}

void CMultiButton::Setup(std::vector<QRect> rects, std::vector<RegionSeeds> seeds,
                         std::array<Colour, 3> colours, int choice, bool greyed) {
  if (rects.size() > kMaxChoices) rects.resize(kMaxChoices);
  hitRects = std::move(rects);
  current = choice >= 0 && choice < Count() ? choice : 0;
  SetupCommon(std::move(seeds), colours, greyed);
}

void CMultiButton::SetState(int choice, Colour colour1, Colour colour2, Colour colour3, bool greyed) {
  if (choice >= 0 && choice < Count()) current = choice;
  SetLook(Three(colour1, colour2, colour3), greyed);
}

QRect CMultiButton::FocusRect() const {
  return current < Count() ? hitRects[static_cast<std::size_t>(current)] : QRect();
}

bool CMultiButton::ClickAt(QPoint at) {
  for (int i = 0; i < Count(); ++i) {
    if (!hitRects[static_cast<std::size_t>(i)].contains(at)) continue;
    if (i != current) MarkChanged();
    current = i;
    return true;
  }
  return false;
}

void CMultiButton::Step(int delta) { current = Wrapped(current + delta, Count()); }

CMultiButton2::CMultiButton2(QWidget* parent) : CPictureSelector(parent) {}

void CMultiButton2::Setup(std::vector<QRect> rects, QRect horizontal, QRect vertical,
                          std::vector<RegionSeeds> seeds, std::array<Colour, 3> colours, int kindChoice,
                          bool greyed, int orientationChoice) {
  kindRects = std::move(rects);
  orientationRects = {horizontal, vertical};
  kind = kindChoice >= 0 && kindChoice < Count() ? kindChoice : 0;
  orientation = orientationChoice == 1 ? 1 : 0;
  SetupCommon(std::move(seeds), colours, greyed);
}

void CMultiButton2::SetState(int kindChoice, int orientationChoice, Colour colour1, Colour colour2,
                             Colour colour3, bool greyed) {
  if (kindChoice >= 0 && kindChoice < Count()) kind = kindChoice;
  if (orientationChoice == 0 || orientationChoice == 1) orientation = orientationChoice;
  SetLook(Three(colour1, colour2, colour3), greyed);
}

QRect CMultiButton2::FocusRect() const {
  return kind < Count() ? kindRects[static_cast<std::size_t>(kind)] : QRect();
}

bool CMultiButton2::ClickAt(QPoint at) {
  for (int i = 0; i < Count(); ++i) {
    if (!kindRects[static_cast<std::size_t>(i)].contains(at)) continue;
    if (i != kind) MarkChanged();
    kind = i;
    return true;
  }
  for (int i = 0; i < 2; ++i) {
    if (!orientationRects[static_cast<std::size_t>(i)].contains(at)) continue;
    if (i != orientation) MarkChanged();
    orientation = i;
    return true;
  }
  return false;
}

void CMultiButton2::Step(int delta) { kind = Wrapped(kind + delta, Count()); }

}  // namespace kelvora
