#pragma once

#include <array>
#include <memory>

#include "core/database/database.h"
#include "core/modules/run/runinputcheck.h"
#include "core/modules/run/segment.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/listeditor.h"

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

// One section of a run: name, layers, sizes, surroundings, surfaces, flow and equipment.
// Works on a copy; on OK the caller takes it back with TakeInputs. Its name may not repeat
// one of the other sections of the run (the names taken when the dialog is made).
class CSegmentDlg : public CItemDlg {
  Q_OBJECT

 public:
  CSegmentDlg(const CSegment& section, CDataBase& database, CKlima* climate, QWidget* parent = nullptr);
  ~CSegmentDlg() override;

  const CSegment& Inputs() const { return working; }
  void TakeInputs(CSegment& section);
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void ShowValues();

  void Changed();
  void ApplyRules();
  void FillSurfaces();
  void BareToggled();
  void SurfaceChosen();
  void FacingChosen();
  void EditLayer(CIsolasjon& layer);
  void LengthTyped(const QString& text);
  void FlowUnitChosen(int unit);
  DbList SurfaceList() const;

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(SectionInput input) const;

  CSegment working;
  CDataBase& database;
  CKlima* climate;

  QLineEdit* name;
  QCheckBox* bare;
  std::array<QPushButton*, 2> layerButton{};
  std::array<SummaryBox*, 2> layerSummary{};
  QCheckBox* secondLayerOn;
  QCheckBox* equipmentOn;
  QListWidget* equipment;
  std::array<QPushButton*, 3> equipmentButtons{};
  QCheckBox* suspensionsOn;
  QLineEdit* height;
  QLineEdit* width;
  QLineEdit* diameter;
  QLineEdit* length;
  QButtonGroup* orientation;
  QLineEdit* ambientTemperature;
  SurroundingsBox* surroundings;
  QButtonGroup* environment;
  QLineEdit* windSpeed;
  QLineEdit* outerCoefficient;
  QCheckBox* innerCoefficientOn;
  QLineEdit* innerCoefficient;
  QButtonGroup* emissivityMode;
  QComboBox* surface;
  QLineEdit* userEmissivity;
  QCheckBox* facingOn;
  QComboBox* facing;
  QButtonGroup* flowUnit;
  QLabel* flowLabel;
  QLineEdit* flow;
  QLabel* heightLabel;
  QLabel* widthLabel;
  QLabel* diameterLabel;
  std::unique_ptr<ListEditor<CTilleggsutstyr>> equipmentEditor;
};

}  // namespace kelvora
