#pragma once

#include <QWidget>
#include <array>

#include "core/database/isoprodukt.h"

class QCheckBox;
class QLineEdit;

namespace kelvora {

class CCurveButton;
class CItemDlg;

// Measured conductivity points with the curve through them. Every change of a field is
// read at once; a value that cannot be read or lies outside its range is ignored and the
// previous one kept, so the curve always rests on valid points.
class LambdaPointsPanel : public QWidget {
  Q_OBJECT

 public:
  LambdaPointsPanel(const std::array<float, 4>& temperatures, const std::array<float, 4>& lambdas,
                    bool threePoints, QWidget* parent);

  const std::array<float, 4>& Temperatures() const { return temperatures; }
  const std::array<float, 4>& Lambdas() const { return lambdas; }
  bool ThreePoints() const;
  // The coefficients the curve display computed last.
  LambdaPolynomial Coefficients() const;

  // The OK checks: every field in use readable and in range, and a curve through the
  // points. A failure has told the user.
  bool Check() const;

 signals:
  void CurveChanged();

 private:
  void Refresh();

  std::array<float, 4> temperatures;
  std::array<float, 4> lambdas;
  std::array<QLineEdit*, 4> temperatureFields{};
  std::array<QLineEdit*, 4> lambdaFields{};
  QCheckBox* threePointsBox = nullptr;
  CCurveButton* curve = nullptr;
};

}  // namespace kelvora
