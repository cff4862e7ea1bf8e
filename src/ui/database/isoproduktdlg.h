#pragma once

#include <array>

#include "ui/database/productdlgbase.h"

class QComboBox;
class QLineEdit;

namespace kelvora {

// A product of the standard database, with its conductivity coefficients typed in or
// calculated from points.
class CIsoProduktDlg : public CProductDlgBase {
  Q_OBJECT

 public:
  explicit CIsoProduktDlg(CIsoProdukt& product, QWidget* parent = nullptr);
  void accept() override;

 private:
  struct Numbers {
    float maxTemperature, coefficient3, coefficient2, coefficient1, coefficient0, minThickness, maxThickness;
  };
  // The number fields in their order, each read and range-checked; stops at the first fault.
  bool ReadFields(Numbers& numbers) const;
  void CalculateCoefficients();

  CIsoProdukt& product;
  QLineEdit* name;
  QLineEdit* secondName;
  QLineEdit* producer;
  QComboBox* type;
  QLineEdit* maxTemperature;
  std::array<QLineEdit*, 4> coefficients{};  // third degree first
  QLineEdit* minThickness;
  QLineEdit* maxThickness;
};

}  // namespace kelvora
