#pragma once

#include <vector>

#include "core/modules/condensation/condensationinputcheck.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "ui/framework/itemdlg.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class SummaryBox;
class CDataBase;
class CKlima;
class CMultiButton2;
class SurroundingsBox;

// The duct, its length, the humid air it carries, the surroundings, the insulation product
// and the outer surface of internal condensation. Works on a copy of the module's inputs;
// on OK the caller takes them with TakeInputs.
class CInnvendigKondensDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Surfaces come from `database`, the climate button picks a location of `climate`.
  CInnvendigKondensDlg(const CInnvendigKondensModul& module, CDataBase& database, CKlima* climate,
                       QWidget* parent = nullptr);
  ~CInnvendigKondensDlg() override;

  const CInnvendigKondensModul& Inputs() const { return working; }
  void TakeInputs(CInnvendigKondensModul& module) const;
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
  void PictureClicked();
  void SurfaceChosen();
  void EditLayer();
  void FlowUnitChosen(int unit);

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(CondensationInput input) const;

  CInnvendigKondensModul working;
  CDataBase& database;
  CKlima* climate;
  // The product was chosen since the duct shape last changed.
  bool layerEdited = false;

  CMultiButton2* picture;
  QLineEdit* diameter;
  QLineEdit* height;
  QLineEdit* width;
  QLineEdit* length;
  QLabel* diameterLabel;
  QLabel* heightLabel;
  QLabel* widthLabel;
  QPushButton* layerButton;
  SummaryBox* layerSummary;
  QLineEdit* ambientTemperature;
  SurroundingsBox* surroundings;
  QButtonGroup* environment;
  QCheckBox* innerCoefficientOn;
  QLineEdit* innerCoefficient;
  QLabel* innerCoefficientLabel;
  QButtonGroup* flowUnit;
  QLabel* flowLabel;
  QLineEdit* flow;
  QLineEdit* inletTemperature;
  QLineEdit* humidity;
  QButtonGroup* emissivityMode;
  QComboBox* surface;
  QLabel* emissivityLabel;
  QLineEdit* userEmissivity;
  QCheckBox* suspensionsOn;
};

}  // namespace kelvora
