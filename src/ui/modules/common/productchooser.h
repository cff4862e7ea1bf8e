#pragma once

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvora {

class CEgendefDatabase;
class CEgendefIsoProdukt;
class CIsoProdukt;
class CItemDlg;
class CListItem;
class CSortListCtrl;

// What the insulation dialogs edit of a layer.
struct InsulationChoice {
  std::int32_t source = 0;  // 0 standard product, 1 user product
  std::int32_t thicknessGiven = 1;
  float standardThickness = 50.0f;  // mm
  float userThickness = 50.0f;      // mm
  CIsoProdukt* standardProduct = nullptr;
  CEgendefIsoProdukt* userProduct = nullptr;
};

// The product of an insulation layer, from the standard or the user database, and its
// thickness when the calculation takes one. Offered are the standard products given and
// the user products applicable to `objectKind`; "Upravit produkt..." edits the user
// database and offers its products anew.
class ProductChooser : public QWidget {
  Q_OBJECT

 public:
  ProductChooser(const InsulationChoice& layer, std::vector<CIsoProdukt*> standardProducts,
                 CEgendefDatabase& userDatabase, int objectKind, CItemDlg& dialog);

  const InsulationChoice& Choice() const { return choice; }
  // The chosen side's product must be chosen and, when the thickness is given, the number
  // in its box lie within the product's limits; else the dialog tells why and the focus
  // goes to the fault.
  bool Take();

 signals:
  void ProductChanged();

 private:
  // Offers the user products applicable to the object kind, the one of that name chosen.
  void FillUserProducts(const std::string& selectedName);
  void StandardProductChosen(CListItem* record);
  void UserProductChosen(int index);
  void EditUserProducts();
  void ApplyRules();
  bool TakeProduct(const CIsoProdukt* product, QWidget& list, QComboBox& box, float& thickness);

  InsulationChoice choice;
  std::vector<CEgendefIsoProdukt*> userProducts;
  CEgendefDatabase& userDatabase;
  int objectKind;
  CItemDlg& dialog;

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
