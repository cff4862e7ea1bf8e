#pragma once

#include "ui/framework/itemdlg.h"

class QLineEdit;

namespace kelvora {

class CIsoTykkelse;

// One standard thickness of a product. Its name is the thickness ("%.1f"), so a thickness
// the product already has is refused as a name already taken.
class CIsoTykkelseDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CIsoTykkelseDlg(CIsoTykkelse& thickness, QWidget* parent = nullptr);
  void accept() override;

 private:
  CIsoTykkelse& thickness;
  QLineEdit* field;
};

}  // namespace kelvora
