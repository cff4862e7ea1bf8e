#include "ui/modules/heatloss/varmetapdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/heatloss/inputcheck.h"
#include "core/physics/flowunits.h"
#include "ui/controls/multibutton.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/surroundingsbox.h"
#include "ui/modules/common/objectpicture.h"

namespace kelvora {

namespace {

constexpr Colour kGrey = 0xC0C0C0;
constexpr int kCurrencyLength = 3;

bool InsulatedInside(int kind) { return IsInsulatedInside(static_cast<ObjectKind>(kind)); }
bool IsPlaneKind(int kind) { return IsPlane(static_cast<ObjectKind>(kind)); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The list a surface of the kind is chosen from.
DbList SurfaceList(int kind) { return InsulatedInside(kind) ? DbList::PipeSurfaces : DbList::OuterFinishes; }

CMantling* SurfaceAt(CDataBase& database, DbList list, int index) {
  return RecordAt<CMantling>(database.List(list), index);
}

}  // namespace

CVarmetapDlg::CVarmetapDlg(const CVarmeTapModul& module, CDataBase& database, CKlima* climate,
                           QWidget* parent)
    : CItemDlg("::/html/varmetap.htm", parent), database(database), climate(climate) {
  setWindowTitle(tr("Tepelná ztráta"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ApplyRules();
}

CVarmetapDlg::~CVarmetapDlg() = default;

void CVarmetapDlg::BuildControls() {
  calculationType = new QButtonGroup(this);
  picture = new CMultiButton2(this);
  picture->setObjectName(QStringLiteral("objectPicture"));
  SetupObjectPicture(*picture, working.objectKind, working.orientation);
  mediumTemperature = NewField(*this, "mediumTemperature");
  ambientTemperature = NewField(*this, "ambientTemperature");
  diameter = NewField(*this, "diameter");
  height = NewField(*this, "height");
  width = NewField(*this, "width");
  length = NewField(*this, "length");
  area = NewField(*this, "area");
  bareEmissivity = NewField(*this, "bareEmissivity");
  layerOn[1] = Check(*this, tr("2. vrstva izolace"), "layer2On");
  layerOn[2] = Check(*this, tr("3. vrstva izolace"), "layer3On");
  layerButton[0] = NewButton(*this, tr("Produkt - 1.vrstva..."), "layer1");
  layerButton[1] = NewButton(*this, tr("Produkt - 2.vrstva..."), "layer2");
  layerButton[2] = NewButton(*this, tr("Produkt - 3.vrstva..."), "layer3");
  for (std::size_t i = 0; i < layerSummary.size(); ++i)
    layerSummary[i] = LayerSummary(*this, QStringLiteral("layer%1Summary").arg(i + 1));
  surroundings = new SurroundingsBox(*this, *ambientTemperature,
                                     {tr("Okolí"),
                                      {},
                                      tr("Vybrat místní klimatická data..."),
                                      tr("Souč. přestupu tepla vně"),
                                      "[W/m2K]:",
                                      "userCoefficient"});
  environment = surroundings->environment;
  windSpeed = surroundings->windSpeed;
  userCoefficient = surroundings->outerCoefficient;
  surfaceMode = new QButtonGroup(this);
  surface = new QComboBox(this);
  surface->setObjectName(QStringLiteral("surface"));
  userEmissivity = NewField(*this, "userEmissivity");
  innerSurfaceOn = Check(*this, tr("Vnitřní povrch"), "innerSurfaceOn");
  innerSurface = new QComboBox(this);
  innerSurface->setObjectName(QStringLiteral("innerSurface"));
  surfaceTemperature = NewField(*this, "surfaceTemperature");
  heatLossUnit = new QButtonGroup(this);
  maxPerMetre = NewField(*this, "maxHeatLossPerMetre");
  maxPerSquareMetre = NewField(*this, "maxHeatLossPerSquareMetre");
  energyOn = Check(*this, tr("Výpočet spotřeby energie"), "energyOn");
  operatingHours = NewField(*this, "operatingHours");
  energyPrice = NewField(*this, "energyPrice");
  currency = NewField(*this, "currency", kCurrencyLength);
  co2Factor = NewField(*this, "co2Factor");
  flowUnit = new QButtonGroup(this);
  flowLabel = FlowLabel(*this);
  flowValue = NewField(*this, "flowValue");
  equipmentOn = Check(*this, tr("Přídavné vybavení:"), "equipmentOn");
  equipment = new QListWidget(this);
  equipment->setObjectName(QStringLiteral("equipment"));
  equipmentButtons[0] = NewButton(*this, tr("Nové vybavení..."), "newEquipment");
  equipmentButtons[1] = NewButton(*this, tr("Upravit vybavení..."), "editEquipment");
  equipmentButtons[2] = NewButton(*this, tr("Smazat vybavení"), "deleteEquipment");
  hangersOn = Check(*this, HangersCaption(working.objectKind), "hangersOn");
}

void CVarmetapDlg::BuildLayout() {
  auto* typeGroup = new QGroupBox(tr("Typ výpočtu"), this);
  auto* typeColumn = new QVBoxLayout(typeGroup);
  typeColumn->addWidget(
      Radio(*typeGroup, *calculationType, tr("Daná tloušťka izolace"), "typeGivenThickness", 0));
  typeColumn->addWidget(
      Radio(*typeGroup, *calculationType, tr("Max. povrchová teplota"), "typeSurfaceTemperature", 1));
  typeColumn->addWidget(Radio(*typeGroup, *calculationType, tr("Max. tep. ztráta"), "typeHeatLoss", 2));

  auto* objectGroup = new QGroupBox(tr("Objekt"), this);
  auto* objectForm = new QFormLayout(objectGroup);
  objectForm->addRow(picture);
  diameterLabel = Label(*objectGroup, DiameterCaption(working.objectKind));
  heightLabel = Label(*objectGroup, tr("Výška [mm]:"));
  widthLabel = Label(*objectGroup, tr("Šířka [mm]:"));
  lengthLabel = Label(*objectGroup, tr("Délka potrubí [m]:"));
  areaLabel = Label(*objectGroup, tr("Plocha [m2]:"));
  objectForm->addRow(diameterLabel, diameter);
  objectForm->addRow(heightLabel, height);
  objectForm->addRow(widthLabel, width);
  objectForm->addRow(lengthLabel, length);
  objectForm->addRow(areaLabel, area);
  objectForm->addRow(Label(*objectGroup, tr("Emisivita potrubí*:")), bareEmissivity);
  auto* bareNote = Label(*objectGroup, tr("*Použito pro výpočet tepelné ztráty neizolovaného potrubí"));
  bareNote->setWordWrap(true);
  objectForm->addRow(bareNote);

  auto* temperatureGroup = new QGroupBox(tr("Teploty"), this);
  auto* temperatureForm = new QFormLayout(temperatureGroup);
  temperatureForm->addRow(Label(*temperatureGroup, tr("Teplota média [°C]:")), mediumTemperature);
  temperatureForm->addRow(Label(*temperatureGroup, tr("Okolní teplota [°C]:")), ambientTemperature);
  surfaceTemperatureLabel = Label(*temperatureGroup, tr("Teplota povrchu [°C]:"));
  temperatureForm->addRow(surfaceTemperatureLabel, surfaceTemperature);

  auto* lossGroup = new QGroupBox(tr("Max. tep. ztráta"), this);
  auto* lossForm = new QFormLayout(lossGroup);
  lossForm->addRow(Radio(*lossGroup, *heatLossUnit, tr("Tepelná ztráta [W/m]:"), "perMetre", 0), maxPerMetre);
  lossForm->addRow(Radio(*lossGroup, *heatLossUnit, tr("Tepelná ztráta [W/m2]:"), "perSquareMetre", 1),
                   maxPerSquareMetre);

  auto* insulationGroup = new QGroupBox(tr("Izolace"), this);
  auto* insulationGrid = new QGridLayout(insulationGroup);
  // Each summary beside its layer's switch and button, so that three of them fit the column;
  // the first layer has no switch, and its button heads the pair of rows.
  for (int i = 0; i < 3; ++i) {
    const auto row = static_cast<std::size_t>(i);
    const int below = layerOn[row] ? 1 : 0;
    if (layerOn[row]) insulationGrid->addWidget(layerOn[row], 2 * i, 0);
    insulationGrid->addWidget(layerButton[row], 2 * i + below, 0, 2 - below, 1, Qt::AlignTop);
    insulationGrid->addWidget(layerSummary[row], 2 * i, 1, 2, 1);
  }
  insulationGrid->setColumnStretch(1, 1);

  auto* surfaceGroup = new QGroupBox(tr("Povrch"), this);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *surfaceMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *surfaceMode, tr("Uživat. def. emisiv:"), "userEmissivityMode", 1), 1, 0);
  surfaceGrid->addWidget(userEmissivity, 1, 1);
  auto* inner = new QWidget(surfaceGroup);
  inner->setObjectName(QStringLiteral("innerGroup"));
  auto* innerRow = new QHBoxLayout(inner);
  innerRow->setContentsMargins(0, 0, 0, 0);
  innerRow->addWidget(innerSurfaceOn);
  innerRow->addWidget(innerSurface, 1);
  innerGroup = inner;
  surfaceGrid->addWidget(inner, 2, 0, 1, 2);
  surfaceGrid->setColumnStretch(1, 1);

  auto* energyGroup = new QGroupBox(tr("Spotřeba energie"), this);
  auto* energyForm = new QFormLayout(energyGroup);
  energyForm->addRow(energyOn);
  hoursLabel = Label(*energyGroup, tr("Provoz. doba [h/rok]:"));
  priceLabel = Label(*energyGroup, tr("Náklady energie na kWh:"));
  currencyLabel = Label(*energyGroup, tr("Měna:"));
  co2Label = Label(*energyGroup, tr("Emise CO2 [g/kWh]:"));
  energyForm->addRow(hoursLabel, operatingHours);
  energyForm->addRow(priceLabel, energyPrice);
  energyForm->addRow(currencyLabel, currency);
  energyForm->addRow(co2Label, co2Factor);

  auto* duct = new QGroupBox(tr("Vzduchovod"), this);
  duct->setObjectName(QStringLiteral("ductGroup"));
  auto* ductGrid = new QGridLayout(duct);
  ductGrid->addWidget(Radio(*duct, *flowUnit, "[m3/h]", "flowM3h", 0), 0, 0);
  ductGrid->addWidget(Radio(*duct, *flowUnit, "[l/s]", "flowLs", 1), 0, 1);
  ductGrid->addWidget(Radio(*duct, *flowUnit, "[m/s]", "flowMs", 2), 0, 2);
  ductGrid->addWidget(flowLabel, 1, 0, 1, 2);
  ductGrid->addWidget(flowValue, 1, 2);
  ductGrid->setRowStretch(2, 1);
  ductGroup = duct;

  auto* equipmentGroup = new QGroupBox(this);
  auto* equipmentGrid = new QGridLayout(equipmentGroup);
  equipmentGrid->addWidget(equipmentOn, 0, 0, 1, 2);
  equipmentGrid->addWidget(equipment, 1, 0, 3, 1);
  for (int i = 0; i < 3; ++i)
    equipmentGrid->addWidget(equipmentButtons[static_cast<std::size_t>(i)], 1 + i, 1);
  equipment->setMaximumHeight(4 * fontMetrics().lineSpacing());
  auto* hangersNote = Label(
      *equipmentGroup,
      tr("Přídavná ztráta neizolovaných závěsů je zahrnuta jako ekvivalentní délka potrubí podle ISO 12241, "
         "příloha A."));
  hangersNote->setWordWrap(true);
  equipmentGrid->addWidget(hangersOn, 4, 0, 1, 2);
  equipmentGrid->addWidget(hangersNote, 5, 0, 1, 2);

  for (QLineEdit* field :
       {mediumTemperature, ambientTemperature, diameter, height, width, length, area, bareEmissivity,
        windSpeed, userCoefficient, userEmissivity, surfaceTemperature, maxPerMetre, maxPerSquareMetre,
        operatingHours, energyPrice, currency, co2Factor, flowValue}) {
    field->setMaximumWidth(90);
  }

  auto* columns = new QGridLayout;
  columns->addWidget(typeGroup, 0, 0);
  columns->addWidget(objectGroup, 1, 0, 2, 1);
  columns->addWidget(temperatureGroup, 0, 1);
  columns->addWidget(insulationGroup, 1, 1);
  columns->addWidget(surfaceGroup, 2, 1);
  columns->addWidget(lossGroup, 0, 2);
  columns->addWidget(surroundings, 1, 2);
  columns->addWidget(energyGroup, 2, 2);
  columns->addWidget(duct, 3, 0);
  columns->addWidget(equipmentGroup, 3, 1, 1, 2);
  columns->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

void CVarmetapDlg::ShowValues() {
  CheckButton(*calculationType, working.calculationType);
  ShowFloats(NumberFields());
  ShowStoredText(*currency, working.currency);
  layerOn[1]->setChecked(working.layer2On != 0);
  layerOn[2]->setChecked(working.layer3On != 0);
  CheckButton(*environment, working.environment);
  CheckButton(*surfaceMode, working.surfaceMode);
  innerSurfaceOn->setChecked(working.innerSurfaceOn != 0);
  CheckButton(*heatLossUnit, working.heatLossUnit);
  energyOn->setChecked(working.energyCalculationOn != 0);
  CheckButton(*flowUnit, working.flowUnit);
  equipmentOn->setChecked(working.equipmentOn != 0);
  hangersOn->setChecked(working.hangersOn != 0);
  FillSurfaces();
  FillCombo(*innerSurface, database.List(DbList::InnerFacings), working.InnerSurface());
  ShowEquipment();
}

void CVarmetapDlg::ConnectControls() {
  for (QButtonGroup* group : {calculationType, environment, surfaceMode, heatLossUnit})
    connect(group, &QButtonGroup::idClicked, this, &CVarmetapDlg::Changed);
  for (QCheckBox* box : {layerOn[1], layerOn[2], innerSurfaceOn, energyOn, equipmentOn, hangersOn})
    connect(box, &QCheckBox::clicked, this, &CVarmetapDlg::Changed);
  connect(picture, &QAbstractButton::clicked, this, &CVarmetapDlg::PictureClicked);
  for (int i = 0; i < 3; ++i) {
    connect(layerButton[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { EditLayer(i); });
  }
  connect(surface, &QComboBox::activated, this, &CVarmetapDlg::SurfaceChosen);
  connect(innerSurface, &QComboBox::activated, this, &CVarmetapDlg::InnerSurfaceChosen);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
  connect(flowUnit, &QButtonGroup::idClicked, this, &CVarmetapDlg::FlowUnitChosen);
  connect(equipmentButtons[0], &QPushButton::clicked, this, &CVarmetapDlg::NewEquipment);
  connect(equipmentButtons[1], &QPushButton::clicked, this, &CVarmetapDlg::EditEquipment);
  connect(equipmentButtons[2], &QPushButton::clicked, this, &CVarmetapDlg::DeleteEquipment);
  connect(equipment, &QListWidget::itemDoubleClicked, this, &CVarmetapDlg::EditEquipment);
}

void CVarmetapDlg::Changed() {
  TakeChecked(*calculationType, working.calculationType);
  TakeChecked(*environment, working.environment);
  TakeChecked(*surfaceMode, working.surfaceMode);
  TakeChecked(*heatLossUnit, working.heatLossUnit);
  working.layer2On = layerOn[1]->isChecked() ? 1 : 0;
  working.layer3On = layerOn[2]->isChecked() ? 1 : 0;
  working.innerSurfaceOn = innerSurfaceOn->isChecked() ? 1 : 0;
  working.energyCalculationOn = energyOn->isChecked() ? 1 : 0;
  working.equipmentOn = equipmentOn->isChecked() ? 1 : 0;
  working.hangersOn = hangersOn->isChecked() ? 1 : 0;
  ApplyRules();
}

void CVarmetapDlg::ApplyRules() {
  const int kind = working.objectKind;
  const int type = working.calculationType;
  const bool given = type == 0;
  const bool plane = IsPlaneKind(kind);
  for (std::size_t i = 0; i < working.layers.size(); ++i)
    layerSummary[i]->SetText(Text(working.layers[i].Summary(given)));
  diameterLabel->setText(DiameterCaption(kind));
  Enable(kind == 0 || kind == 1, {diameter, diameterLabel});
  Enable(kind == 2 || kind == 3, {height, heightLabel, width, widthLabel});
  Enable(!plane && given, {length, lengthLabel});
  Enable(plane && given, {area, areaLabel});
  surface->setEnabled(working.surfaceMode == 0);
  userEmissivity->setEnabled(working.surfaceMode == 1);
  surroundings->ApplyRules(working.environment);
  Enable(given, {layerOn[1], layerOn[2]});
  Enable(given && working.layer2On, {layerButton[1], layerSummary[1]});
  Enable(given && working.layer3On, {layerButton[2], layerSummary[2]});
  const bool equipmentAllowed = kind == 0 && given;
  equipmentOn->setEnabled(equipmentAllowed);
  Enable(equipmentAllowed && working.equipmentOn,
         {equipment, equipmentButtons[0], equipmentButtons[1], equipmentButtons[2]});
  hangersOn->setText(HangersCaption(kind));
  hangersOn->setEnabled(kind <= 2 && given);
  Enable(type == 1, {surfaceTemperature, surfaceTemperatureLabel});
  heatLossUnit->button(0)->setEnabled(type == 2 && !plane);
  heatLossUnit->button(1)->setEnabled(type == 2);
  maxPerMetre->setEnabled(type == 2 && working.heatLossUnit == 0);
  maxPerSquareMetre->setEnabled(type == 2 && working.heatLossUnit == 1);
  const bool energy = working.energyCalculationOn && given;
  energyOn->setEnabled(given);
  Enable(energy || type == 3, {operatingHours, hoursLabel});
  Enable(energy, {energyPrice, priceLabel, currency, currencyLabel, co2Factor, co2Label});
  innerGroup->setEnabled(InsulatedInside(kind));
  innerSurface->setEnabled(InsulatedInside(kind) && working.innerSurfaceOn);
  ductGroup->setEnabled(kind >= 1 && kind <= 3);
  flowLabel->setText(FlowCaption(working.flowUnit));
  ShowPicture();
}

void CVarmetapDlg::ShowPicture() {
  const int kind = working.objectKind;
  const CIsolasjon& first = working.layers[0];
  const CMantling* outer = working.Surface();
  const CMantling* inner = working.InnerSurface();
  ObjectColours colours;
  colours.insulation = first.FillColour();
  colours.outer = working.surfaceMode == 1 ? kGrey
                  : outer                  ? outer->colour
                  : InsulatedInside(kind)  ? kGrey
                                           : first.FillColour();
  colours.inner = (working.innerSurfaceOn && inner) ? inner->colour
                  : InsulatedInside(kind)           ? first.SecondColour()
                                                    : first.FillColour();
  ShowObjectPicture(*picture, kind, working.orientation, colours, first.Product() == nullptr);
}

void CVarmetapDlg::FillSurfaces() {
  FillCombo(*surface, database.List(SurfaceList(working.objectKind)), working.Surface());
}

void CVarmetapDlg::ShowEquipment() {
  const int row = equipment->currentRow();
  equipment->clear();
  for (const auto& entry : working.equipment) equipment->addItem(Text(entry->DisplayName()));
  equipment->setCurrentRow(std::min(row, equipment->count() - 1));
}

void CVarmetapDlg::PictureClicked() {
  const int kind = picture->Kind();
  if (kind != working.objectKind) {
    if (layerEdited && Dialogs().messages &&
        !Dialogs().messages->AskOkCancel(MessageText(ids::kKindChangeNeedsProduct))) {
      ShowPicture();
      return;
    }
    ChangeKind(kind);
  }
  working.orientation = picture->Orientation();
  ApplyRules();
}

void CVarmetapDlg::ChangeKind(int kind) {
  const bool wasInside = InsulatedInside(working.objectKind);
  working.objectKind = kind;
  if (wasInside != InsulatedInside(kind)) {
    working.SetSurface(nullptr);
    FillSurfaces();
  }
  if (IsPlaneKind(kind)) {
    working.heatLossUnit = 1;
    CheckButton(*heatLossUnit, 1);
    working.height = 1000.0f;
    ShowFloat(*height, working.height);
  }
  if (kind == 2 || kind == 3) {
    working.height = 200.0f;
    ShowFloat(*height, working.height);
  }
  for (CIsolasjon& layer : working.layers) layer.Reset(kind, working.calculationType == 0 ? 1 : 0);
  layerEdited = false;
}

void CVarmetapDlg::EditLayer(int layer) {
  CIsolasjon& edited = working.layers[static_cast<std::size_t>(layer)];
  edited.thicknessGiven = working.calculationType == 0 ? 1 : 0;
  if (!edited.Edit()) return;
  layerEdited = true;
  ApplyRules();
}

void CVarmetapDlg::SurfaceChosen() {
  CMantling* chosen = SurfaceAt(database, SurfaceList(working.objectKind), surface->currentIndex());
  working.SetSurface(chosen);
  if (chosen) userEmissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
  ShowPicture();
}

void CVarmetapDlg::InnerSurfaceChosen() {
  working.SetInnerSurface(SurfaceAt(database, DbList::InnerFacings, innerSurface->currentIndex()));
  ShowPicture();
}

void CVarmetapDlg::FlowUnitChosen(int unit) {
  if (unit == working.flowUnit) return;
  // Only the flow and the sizes it depends on are read here.
  float value = working.flowValue;
  if (!ExchangeFloat(*flowValue, value) || !ExchangeFloat(*diameter, working.diameter) ||
      !ExchangeFloat(*width, working.width) || !ExchangeFloat(*height, working.height)) {
    CheckButton(*flowUnit, working.flowUnit);
    return;
  }
  const float a = FlowConversionArea(static_cast<ObjectKind>(working.objectKind), working.diameter,
                                     working.width, working.height, working.layers[0].Thickness());
  working.flowValue = ConvertFlow(value, working.flowUnit, unit, a);
  working.flowUnit = unit;
  flowValue->setText(Text(ShowFlowValue(working.flowValue)));
  flowLabel->setText(FlowCaption(unit));
}

void CVarmetapDlg::NewEquipment() {
  auto entry = std::make_unique<CTilleggsutstyr>();
  if (!entry->Edit()) return;
  working.equipment.push_back(std::move(entry));
  ShowEquipment();
  equipment->setCurrentRow(equipment->count() - 1);
}

void CVarmetapDlg::EditEquipment() {
  const int row = equipment->currentRow();
  if (row < 0 || !equipment->isEnabled()) return;
  if (working.equipment[static_cast<std::size_t>(row)]->Edit()) ShowEquipment();
}

void CVarmetapDlg::DeleteEquipment() {
  const int row = equipment->currentRow();
  if (row < 0) return;
  working.equipment.erase(working.equipment.begin() + row);
  ShowEquipment();
}

std::vector<NumberField> CVarmetapDlg::NumberFields() {
  return {{mediumTemperature, &working.mediumTemperature},
          {ambientTemperature, &working.ambientTemperature},
          {diameter, &working.diameter},
          {height, &working.height},
          {width, &working.width},
          {length, &working.length},
          {area, &working.area},
          {bareEmissivity, &working.bareEmissivity},
          {windSpeed, &working.windSpeed},
          {userCoefficient, &working.userSurfaceCoefficient},
          {userEmissivity, &working.userEmissivity},
          {surfaceTemperature, &working.surfaceTemperature},
          {maxPerMetre, &working.maxHeatLossPerMetre},
          {maxPerSquareMetre, &working.maxHeatLossPerSquareMetre},
          {operatingHours, &working.operatingHours},
          {energyPrice, &working.energyPrice},
          {co2Factor, &working.co2Factor},
          {flowValue, &working.flowValue}};
}

bool CVarmetapDlg::ExchangeNumbers() {
  if (!ExchangeFloats(NumberFields())) return false;
  working.currency = currency->text().toStdString();
  return true;
}

QWidget* CVarmetapDlg::ControlOf(HeatLossInput input) const {
  switch (input) {
    case HeatLossInput::None:
      return nullptr;
    case HeatLossInput::CalculationType:
      return calculationType->button(0);
    case HeatLossInput::Orientation:
      return picture;
    case HeatLossInput::SurfaceMode:
      return surfaceMode->button(0);
    case HeatLossInput::HeatLossUnit:
      // The W/m radio is off for planes.
      return heatLossUnit->button(1);
    case HeatLossInput::FlowUnit:
      return flowUnit->button(0);
    case HeatLossInput::MediumTemperature:
      return mediumTemperature;
    case HeatLossInput::AmbientTemperature:
      return ambientTemperature;
    case HeatLossInput::Diameter:
      return diameter;
    case HeatLossInput::Height:
      return height;
    case HeatLossInput::Width:
      return width;
    case HeatLossInput::Length:
      return length;
    case HeatLossInput::Area:
      return area;
    case HeatLossInput::BareEmissivity:
      return bareEmissivity;
    case HeatLossInput::WindSpeed:
      return windSpeed;
    case HeatLossInput::UserCoefficient:
      return userCoefficient;
    case HeatLossInput::UserEmissivity:
      return userEmissivity;
    case HeatLossInput::SurfaceTemperature:
      return surfaceTemperature;
    case HeatLossInput::MaxHeatLossPerMetre:
      return maxPerMetre;
    case HeatLossInput::MaxHeatLossPerSquareMetre:
      return maxPerSquareMetre;
    case HeatLossInput::OperatingHours:
      return operatingHours;
    case HeatLossInput::EnergyPrice:
      return energyPrice;
    case HeatLossInput::Co2Factor:
      return co2Factor;
    case HeatLossInput::FlowValue:
      return flowValue;
    case HeatLossInput::Layer1:
      return layerButton[0];
    case HeatLossInput::Layer2:
      return layerButton[1];
    case HeatLossInput::Layer3:
      return layerButton[2];
    case HeatLossInput::Equipment:
      return equipment;
    case HeatLossInput::Surface:
      return surface;
  }
  return nullptr;
}

void CVarmetapDlg::accept() {
  Changed();
  if (!ExchangeNumbers()) return;
  working.SetSurface(SurfaceAt(database, SurfaceList(working.objectKind), surface->currentIndex()));
  const auto fault = FirstHeatLossFault(working, AskWarning);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
