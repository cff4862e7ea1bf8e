#pragma once

#include <array>
#include <memory>

#include "core/modules/run/kanaltempmodul.h"
#include "core/modules/run/runinputcheck.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/listeditor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace kelvora {

class SummaryBox;
class CDataBase;
class CMultiButton;

// The medium, the inlet temperature, the energy and dew-point options and the sections of a
// pipe or duct run. Works on a copy of the module's inputs and sections; on OK the caller
// takes them with TakeInputs.
class CKanalTempDlg : public CItemDlg {
  Q_OBJECT

 public:
  CKanalTempDlg(const CKanalTempModul& module, CDataBase& database, QWidget* parent = nullptr);
  ~CKanalTempDlg() override;

  // The inputs as edited; isAir holds the kind the picture shows.
  const CKanalTempModul& Inputs() const { return working; }
  // Hands the edited inputs and sections over to `module`.
  void TakeInputs(CKanalTempModul& module);
  void accept() override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void ShowValues();

  void Changed();
  void ApplyRules();
  // The selected section's summary and picture; the picture of the kind without one.
  void ShowSelected();
  void ShowPicture(const CSegment* section);
  void PictureClicked();
  void LiquidChosen();
  void NewSection();
  void CopySection();
  bool RoomForSection() const;

  std::vector<NumberField> NumberFields();
  QWidget* ControlOf(RunInput input) const;

  CKanalTempModul working;
  CDataBase& database;
  int pictureKind = 0;

  CMultiButton* picture;
  QButtonGroup* liquidMode;
  QComboBox* liquid;
  QLineEdit* density;
  QLineEdit* heatCapacity;
  QLineEdit* freezingPoint;
  QLineEdit* inletTemperature;
  QListWidget* sectionList;
  std::array<QPushButton*, 4> sectionButtons{};
  SummaryBox* summary;
  QCheckBox* energyOn;
  QLineEdit* operatingHours;
  QLineEdit* energyPrice;
  QLineEdit* currency;
  QCheckBox* dewPointOn;
  QLineEdit* humidity;
  QScrollBar* humidityBar;
  QLabel* densityLabel;
  QLabel* heatCapacityLabel;
  QLabel* freezingPointLabel;
  QLabel* hoursLabel;
  QLabel* priceLabel;
  QLabel* currencyLabel;
  QLabel* humidityLabel;
  std::unique_ptr<ListEditor<CSegment>> sections;
};

}  // namespace kelvora
