#pragma once

#include <vector>

#include "ui/framework/itemdlg.h"
#include "ui/modules/common/productchooser.h"

namespace kelvora {

// The product of one insulation layer and its thickness when the calculation takes one.
class CIsolasjonDlg : public CItemDlg {
  Q_OBJECT

 public:
  CIsolasjonDlg(const InsulationChoice& layer, std::vector<CIsoProdukt*> standardProducts,
                CEgendefDatabase& userDatabase, int objectKind, QWidget* parent = nullptr);

  // The choice OK confirmed. A product the dialog did not offer is not chosen.
  const InsulationChoice& Choice() const { return chooser->Choice(); }
  void accept() override;

 private:
  ProductChooser* chooser;
};

}  // namespace kelvora
