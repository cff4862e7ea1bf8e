#pragma once

#include <vector>

#include "core/modules/frost/frostinputcheck.h"
#include "core/modules/frost/frostmodul.h"
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
class CMultiButton;
class SurroundingsBox;

// The pipe, its insulation and surface, the surroundings and the water of a frost
// calculation. Works on a copy of the module's inputs; on OK the caller takes them with
// TakeInputs.
class CFrostDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Surfaces come from `database`, the climate button picks a location of `climate`.
  CFrostDlg(const CFrostModul& module, CDataBase& database, CKlima* climate, QWidget* parent = nullptr);
  ~CFrostDlg() override;

  const CFrostModul& Inputs() const { return working; }
  void TakeInputs(CFrostModul& module) const;
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
  void SurfaceChosen();
  void EditLayer();

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(FrostInput input) const;

  CFrostModul working;
  CDataBase& database;
  CKlima* climate;

  CMultiButton* picture;
  QLineEdit* pipeDiameter;
  QLineEdit* wallThickness;
  QPushButton* layerButton;
  SummaryBox* layerSummary;
  QLineEdit* ambientTemperature;
  SurroundingsBox* surroundings;
  QLineEdit* startTemperature;
  QLineEdit* percentageFrozen;
  QButtonGroup* emissivityMode;
  QComboBox* surface;
  QLineEdit* emissivity;
};

}  // namespace kelvora
