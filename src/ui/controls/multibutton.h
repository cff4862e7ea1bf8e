#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <string>
#include <vector>

#include "core/report/drawingsurface.h"

namespace kelvora {

// The seed points of one picture's three colour regions, in picture pixels.
using RegionSeeds = std::array<std::vector<QPoint>, 3>;

// A picture on which the user chooses by clicking into hot-spot rectangles (picture
// pixels). The button's text is the picture-name prefix: picture i is prefix + i, its grey
// form prefix + "x" + i. Clicks and arrow keys notify as a click of the button does; the
// dialog then reads the choice.
class CPictureSelector : public QAbstractButton {
  Q_OBJECT

 public:
  bool Greyed() const { return greyed; }
  const std::array<Colour, 3>& Colours() const { return colours; }
  // Whether a click has changed the choice since the last ClearChanged().
  bool Changed() const { return changed; }
  void ClearChanged() { changed = false; }

  std::string PictureName(int picture) const;
  // What the control shows: the picture with its regions painted, or the grey picture;
  // with the focus the current choice's rectangle inverted.
  QImage Drawn(bool focused) const;

 protected:
  explicit CPictureSelector(QWidget* parent);

  void SetupCommon(std::vector<RegionSeeds> seeds, std::array<Colour, 3> colours, bool greyed);
  void SetLook(std::array<Colour, 3> colours, bool greyed);
  void MarkChanged() { changed = true; }

  virtual int PictureIndex() const = 0;
  virtual QRect FocusRect() const = 0;
  // A click at `at` (picture pixels); true when it chose something.
  virtual bool ClickAt(QPoint at) = 0;
  virtual void Step(int delta) = 0;

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::vector<RegionSeeds> seeds;
  std::array<Colour, 3> colours{};
  bool greyed = false;
  bool changed = false;
};

// A choice among up to ten pictures.
class CMultiButton : public CPictureSelector {
  Q_OBJECT

 public:
  static constexpr int kMaxChoices = 10;

  explicit CMultiButton(QWidget* parent = nullptr);

  // One hit rectangle and one set of seeds per choice; the control takes the size of
  // picture 0.
  void Setup(std::vector<QRect> hitRects, std::vector<RegionSeeds> seeds, std::array<Colour, 3> colours,
             int current, bool greyed);
  // A choice outside the pictures is ignored; the look is taken all the same.
  void SetState(int current, Colour colour1, Colour colour2, Colour colour3, bool greyed);
  int Current() const { return current; }
  int Count() const { return static_cast<int>(hitRects.size()); }

 protected:
  int PictureIndex() const override { return current; }
  QRect FocusRect() const override;
  bool ClickAt(QPoint at) override;
  void Step(int delta) override;

 private:
  std::vector<QRect> hitRects;
  int current = 0;
};

// N kinds in two orientations: picture orientation · N + kind.
class CMultiButton2 : public CPictureSelector {
  Q_OBJECT

 public:
  explicit CMultiButton2(QWidget* parent = nullptr);

  // Seeds per picture (2N of them); a click in `horizontal` or `vertical` sets the
  // orientation to 0 or 1.
  void Setup(std::vector<QRect> kindRects, QRect horizontal, QRect vertical, std::vector<RegionSeeds> seeds,
             std::array<Colour, 3> colours, int kind, bool greyed, int orientation);
  // A kind outside 0 … N-1 or an orientation other than 0 or 1 is ignored.
  void SetState(int kind, int orientation, Colour colour1, Colour colour2, Colour colour3, bool greyed);
  int Kind() const { return kind; }
  int Orientation() const { return orientation; }
  int Count() const { return static_cast<int>(kindRects.size()); }

 protected:
  int PictureIndex() const override { return orientation * Count() + kind; }
  QRect FocusRect() const override;
  bool ClickAt(QPoint at) override;
  void Step(int delta) override;

 private:
  std::vector<QRect> kindRects;
  std::array<QRect, 2> orientationRects;
  int kind = 0;
  int orientation = 0;
};

}  // namespace kelvora
