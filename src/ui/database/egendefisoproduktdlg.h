#pragma once

#include "ui/database/productdlgbase.h"

class QLineEdit;

namespace kelvora {

class LambdaPointsPanel;

// A product the user defines by measured conductivity points; its coefficients are those
// of the curve through the points.
class CEgendefIsoProduktDlg : public CProductDlgBase {
  Q_OBJECT

 public:
  explicit CEgendefIsoProduktDlg(CEgendefIsoProdukt& product, QWidget* parent = nullptr);
  void accept() override;

 private:
  CEgendefIsoProdukt& product;
  QLineEdit* name;
  QLineEdit* minThickness;
  QLineEdit* maxThickness;
  QLineEdit* maxTemperature;
  LambdaPointsPanel* points;
};

}  // namespace kelvora
