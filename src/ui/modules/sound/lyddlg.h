#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/modules/sound/lydmodul.h"
#include "core/modules/sound/soundinputcheck.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/recordcombo.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kelvora {

class CDataBase;
class CMultiButton;

// The duct type and sizes and the lining of a duct whose sound attenuation is wanted: a
// database absorber at one of its thicknesses, or the user's own coefficients. Works on a
// copy of the module's inputs; on OK the caller takes them with TakeInputs.
class CLydDlg : public CItemDlg {
  Q_OBJECT

 public:
  // Absorbers come from the rectangular and circular absorber lists of `database`.
  CLydDlg(const CLydModul& module, CDataBase& database, QWidget* parent = nullptr);
  ~CLydDlg() override;

  const CLydModul& Inputs() const { return working; }
  void TakeInputs(CLydModul& module) const;
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void ShowValues();
  void FillAbsorbers();
  void FillThicknesses();

  // The picture and the enabled states after a choice.
  void ShowState();
  void ApplyRules();
  void ShowPicture();
  void DuctTypeChosen();
  void AbsorberChosen();
  void ThicknessChosen();
  void LiningModeChosen();

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(SoundInput input) const;

  CLydModul working;
  CDataBase& database;

  CMultiButton* picture;
  QLabel* diameterLabel;
  QLabel* heightLabel;
  QLabel* widthLabel;
  QLineEdit* diameter;
  QLineEdit* height;
  QLineEdit* width;
  QButtonGroup* liningMode;
  QGroupBox* databaseGroup;
  QComboBox* absorber;
  QComboBox* thickness;
  QGroupBox* ownGroup;
  QLineEdit* ownName;
  QLineEdit* ownThickness;
  std::array<QLineEdit*, kOctaveBands> alpha{};
  std::unique_ptr<RecordCombo<CAbsorpsjonTykkelse>> thicknesses;
};

}  // namespace kelvora
