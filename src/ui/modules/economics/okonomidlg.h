#pragma once

#include <memory>
#include <vector>

#include "core/modules/economics/economicsinputcheck.h"
#include "core/modules/economics/okonomimodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/listeditor.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora {

class CDataBase;
class CKlima;
class CMultiButton2;
class SurroundingsBox;

// The object, its surroundings, the cost figures and the list of insulation alternatives of
// the economics module. The currency and whether costs are per square metre are shared
// with the alternative and price dialogs while it is open.
class COkonomiDlg : public CItemDlg {
  Q_OBJECT

 public:
  COkonomiDlg(const COkonomiModul& module, CKlima* climate, QWidget* parent = nullptr);
  ~COkonomiDlg() override;

  const COkonomiModul& Inputs() const { return working; }
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ShowValues();
  void ConnectControls();
  void Changed();
  void ApplyRules();
  void ShowPicture();
  void PictureClicked();
  void CurrencyEdited(const QString& text);
  void FlowUnitChosen(int unit);
  // New and Copy stop at the largest number of alternatives.
  bool Room() const;
  void ShareUnit();

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(EconomicsInput input) const;

  COkonomiModul working;
  CKlima* climate;
  std::unique_ptr<ListEditor<COkoIsolasjon>> editor;
  QString shownCurrency;

  CMultiButton2* picture;
  QLineEdit* diameter;
  QLineEdit* height;
  QLineEdit* width;
  QLabel* diameterLabel;
  QLabel* heightLabel;
  QLabel* widthLabel;
  QLineEdit* bareEmissivity;
  QLineEdit* mediumTemperature;
  QWidget* flowGroup;
  QButtonGroup* flowUnit;
  QLabel* flowLabel;
  QLineEdit* flow;
  QListWidget* alternatives;
  QPushButton* alternativeButtons[4];
  QLineEdit* ambientTemperature;
  SurroundingsBox* surroundings;
  QLineEdit* currency;
  QLineEdit* energyPrice;
  QLineEdit* operatingHours;
  QLineEdit* lifeSpan;
  QLineEdit* energyInflation;
  QLineEdit* interestRate;
};

}  // namespace kelvora
