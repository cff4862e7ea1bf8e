#pragma once

#include <vector>

#include "core/modules/condensation/condensationinputcheck.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
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

// The object, its sizes, the air around it, the medium, the insulation product and the
// surfaces of external condensation. Works on a copy of the module's inputs; on OK the
// caller takes them with TakeInputs.
class CUtvendigKondensDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Surfaces come from `database`, the climate button picks a location of `climate`.
  CUtvendigKondensDlg(const CUtvendigKondensModul& module, CDataBase& database, CKlima* climate,
                      QWidget* parent = nullptr);
  ~CUtvendigKondensDlg() override;

  const CUtvendigKondensModul& Inputs() const { return working; }
  void TakeInputs(CUtvendigKondensModul& module) const;
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void ShowValues();
  void FillSurfaces();

  // Takes the state of the radios and check boxes, then re-applies the rules.
  void Changed();
  void ApplyRules();
  void ShowPicture();
  void PictureClicked();
  void ChangeKind(int kind);
  void SurfaceChosen();
  void FacingChosen();
  void EditLayer();

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(CondensationInput input) const;

  CUtvendigKondensModul working;
  CDataBase& database;
  CKlima* climate;
  // The product was chosen since the kind last changed.
  bool layerEdited = false;

  CMultiButton2* picture;
  QLineEdit* diameter;
  QLineEdit* height;
  QLineEdit* width;
  QLabel* diameterLabel;
  QLabel* heightLabel;
  QLabel* widthLabel;
  QPushButton* layerButton;
  SummaryBox* layerSummary;
  QLineEdit* ambientTemperature;
  QLineEdit* humidity;
  SurroundingsBox* surroundings;
  QButtonGroup* environment;
  QLineEdit* mediumTemperature;
  QCheckBox* facingOn;
  QComboBox* facing;
  QButtonGroup* emissivityMode;
  QComboBox* surface;
  QLineEdit* userEmissivity;
};

}  // namespace kelvora
