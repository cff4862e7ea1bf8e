#pragma once

#include <QAbstractButton>
#include <QImage>
#include <functional>
#include <optional>

#include "core/report/drawingsurface.h"

namespace kelvora {

// A colour swatch: the frame picture "ColorBtn" filled inside with the colour.
class CColorBtn : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CColorBtn(QWidget* parent = nullptr);

  void Setup(Colour colour);
  void SetColour(Colour colour);
  Colour GetColour() const { return colour; }
  QImage Drawn() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Colour colour = 0;
};

// The colour-choice dialog, preset with `initial`: the chosen colour, or nothing when the
// user cancels. Tests put an answer here so nothing waits for a user.
using ColourChooser = std::function<std::optional<Colour>(Colour initial, QWidget* parent)>;
ColourChooser& ColourDialog();

}  // namespace kelvora
