#pragma once

#include <vector>

#include "core/modules/tank/tankinputcheck.h"
#include "core/modules/tank/tanktempmodul.h"
#include "ui/framework/itemdlg.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class SummaryBox;
class CDataBase;
class CKlima;
class SurroundingsBox;
class CMultiButton;

// The shape, sizes, surroundings, insulation, surface, liquid and temperatures of a tank.
// Works on a copy of the module's inputs; on OK the caller takes them with TakeInputs.
class CTankTempDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Surfaces and liquids come from `database`, the climate button picks a location of `climate`.
  CTankTempDlg(const CTankTempModul& module, CDataBase& database, CKlima* climate, QWidget* parent = nullptr);
  ~CTankTempDlg() override;

  const CTankTempModul& Inputs() const { return working; }
  void TakeInputs(CTankTempModul& module) const;
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void ShowValues();

  // Takes the state of the radios, then re-applies the rules.
  void Changed();
  void ApplyRules();
  void ShowPicture();
  void ShapeChosen();
  void SurfaceChosen();
  void LiquidChosen();
  void EditLayer();

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(TankInput input) const;

  CTankTempModul working;
  CDataBase& database;
  CKlima* climate;

  CMultiButton* picture;
  QLineEdit* diameter;
  QLineEdit* length;
  QLineEdit* width;
  QLineEdit* height;
  QLineEdit* depth;
  QLabel* diameterLabel;
  QLabel* lengthLabel;
  QLabel* widthLabel;
  QLabel* heightLabel;
  QLabel* depthLabel;
  QLineEdit* ambientTemperature;
  SurroundingsBox* surroundings;
  QButtonGroup* environment;
  QLineEdit* windSpeed;
  QLineEdit* outerCoefficient;
  QPushButton* layerButton;
  SummaryBox* layerSummary;
  QButtonGroup* liquidMode;
  QComboBox* liquid;
  QLabel* densityLabel;
  QLabel* heatCapacityLabel;
  QLabel* freezingPointLabel;
  QLineEdit* density;
  QLineEdit* heatCapacity;
  QLineEdit* freezingPoint;
  QLineEdit* startTemperature;
  QButtonGroup* mode;
  QLineEdit* storageTime;
  QLineEdit* endTemperature;
  QButtonGroup* emissivityMode;
  QComboBox* surface;
  QLineEdit* userEmissivity;
};

}  // namespace kelvora
