#pragma once

#include <array>
#include <vector>

#include "core/modules/heatloss/inputcheck.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "ui/framework/itemdlg.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora {

class SummaryBox;
class CDataBase;
class CKlima;
class SurroundingsBox;
class CMultiButton2;

// The inputs of a heat-loss calculation. The dialog works on a copy of the module's inputs
// (layers and equipment entries included); on OK the caller takes them from Inputs().
class CVarmetapDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Surfaces come from `database`, the climate button picks a location of `climate`.
  CVarmetapDlg(const CVarmeTapModul& module, CDataBase& database, CKlima* climate, QWidget* parent = nullptr);
  ~CVarmetapDlg() override;

  const CVarmeTapModul& Inputs() const { return working; }
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void ShowValues();

  // Takes the state of the radios and check boxes, then re-applies the rules.
  void Changed();
  void ApplyRules();
  void ShowPicture();
  void FillSurfaces();
  void ShowEquipment();

  void PictureClicked();
  void ChangeKind(int kind);
  void EditLayer(int layer);
  void SurfaceChosen();
  void InnerSurfaceChosen();
  void FlowUnitChosen(int unit);
  void NewEquipment();
  void EditEquipment();
  void DeleteEquipment();

  // Every number field with the value it shows and reads.
  std::vector<NumberField> NumberFields();
  // Reads the fields; the checks of the core judge the values.
  bool ExchangeNumbers();
  QWidget* ControlOf(HeatLossInput input) const;

  CVarmeTapModul working;
  CDataBase& database;
  CKlima* climate;
  bool layerEdited = false;

  QButtonGroup* calculationType;
  CMultiButton2* picture;
  QLineEdit* mediumTemperature;
  QLineEdit* ambientTemperature;
  QLineEdit* diameter;
  QLineEdit* height;
  QLineEdit* width;
  QLineEdit* length;
  QLineEdit* area;
  QLineEdit* bareEmissivity;
  std::array<QCheckBox*, 3> layerOn{};  // the first layer is always on
  std::array<QPushButton*, 3> layerButton{};
  std::array<SummaryBox*, 3> layerSummary{};
  SurroundingsBox* surroundings;
  QButtonGroup* environment;
  QLineEdit* windSpeed;
  QLineEdit* userCoefficient;
  QButtonGroup* surfaceMode;
  QComboBox* surface;
  QLineEdit* userEmissivity;
  QCheckBox* innerSurfaceOn;
  QComboBox* innerSurface;
  QLineEdit* surfaceTemperature;
  QButtonGroup* heatLossUnit;
  QLineEdit* maxPerMetre;
  QLineEdit* maxPerSquareMetre;
  QCheckBox* energyOn;
  QLineEdit* operatingHours;
  QLineEdit* energyPrice;
  QLineEdit* currency;
  QLineEdit* co2Factor;
  QButtonGroup* flowUnit;
  QLabel* flowLabel;
  QLineEdit* flowValue;
  QCheckBox* equipmentOn;
  QListWidget* equipment;
  std::array<QPushButton*, 3> equipmentButtons{};
  QCheckBox* hangersOn;
  // Labels that go grey with their fields.
  QLabel* diameterLabel;
  QLabel* heightLabel;
  QLabel* widthLabel;
  QLabel* lengthLabel;
  QLabel* areaLabel;
  QLabel* surfaceTemperatureLabel;
  QLabel* hoursLabel;
  QLabel* priceLabel;
  QLabel* currencyLabel;
  QLabel* co2Label;
  QWidget* innerGroup;
  QWidget* ductGroup;
};

}  // namespace kelvora
