#pragma once

#include <array>

#include "core/database/isoprodukt.h"
#include "ui/framework/itemdlg.h"

class QLineEdit;

namespace kelvora {

class LambdaPointsPanel;

// Turns measured conductivity points into the four coefficients of the polynomial.
class CKoeffBeregningDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Starts with typical measured points.
  explicit CKoeffBeregningDlg(QWidget* parent = nullptr);
  // Starts with four points on the given curve, spread from 0 °C to the service limit.
  CKoeffBeregningDlg(const LambdaPolynomial& curve, float maxTemperature, QWidget* parent = nullptr);

  void accept() override;
  // The coefficients of the points as they stand (after OK: as confirmed).
  LambdaPolynomial Coefficients() const;

 private:
  void Build(const std::array<float, 4>& temperatures, const std::array<float, 4>& lambdas);
  void ShowCoefficients();

  LambdaPointsPanel* points = nullptr;
  std::array<QLineEdit*, 4> coefficientFields{};  // third degree first
};

}  // namespace kelvora
