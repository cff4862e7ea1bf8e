#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/framework/itemdlg.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvora {

class CEgendefDatabase;
class CEgendefIsoProdukt;
class CIsoProdukt;
class CListItem;
class CSortListCtrl;

// What the insulation dialog edits of a layer.
struct InsulationChoice {
  std::int32_t source = 0;  // 0 standard product, 1 user product
  std::int32_t thicknessGiven = 1;
  float standardThickness = 50.0f;  // mm
  float userThickness = 50.0f;      // mm
  CIsoProdukt* standardProduct = nullptr;
  CEgendefIsoProdukt* userProduct = nullptr;
};

// The product of one insulation layer, from the standard or the user database, and its
// thickness when the calculation takes one. Offered are the standard products given and
// the user products applicable to `objectKind`; "Upravit produkt..." edits the user
// database and offers its products anew.
class CIsolasjonDlg : public CItemDlg {
  Q_OBJECT

 public:
  CIsolasjonDlg(const InsulationChoice& layer, std::vector<CIsoProdukt*> standardProducts,
                CEgendefDatabase& userDatabase, int objectKind, QWidget* parent = nullptr);

  // The choice OK confirmed. A product the dialog did not offer is not chosen.
  const InsulationChoice& Choice() const { return choice; }
  void accept() override;

 private:
  // Offers the user products applicable to the object kind, the one of that name chosen.
  void FillUserProducts(const std::string& selectedName);
  void StandardProductChosen(CListItem* record);
  void UserProductChosen(int index);
  void EditUserProducts();
  void ApplyRules();
  // The side's product must be chosen (else the focus goes to `list`) and, when the
  // thickness is given, the number in `box` within the product's limits becomes `thickness`.
  bool TakeProduct(const CIsoProdukt* product, QWidget& list, QComboBox& box, float& thickness);

  InsulationChoice choice;
  std::vector<CEgendefIsoProdukt*> userProducts;
  CEgendefDatabase& userDatabase;
  int objectKind;

  QRadioButton* standardSource;
  QRadioButton* userSource;
  QGroupBox* standardGroup;
  QGroupBox* userGroup;
  CSortListCtrl* productList;
  QLabel* standardThicknessLabel;
  QComboBox* standardThicknessBox;
  QComboBox* userProductBox;
  QLabel* userThicknessLabel;
  QComboBox* userThicknessBox;
  QPushButton* editUserProducts;
};

}  // namespace kelvora
