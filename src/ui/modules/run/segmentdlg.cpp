#include "ui/modules/run/segmentdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/framework/cformat.h"
#include "core/physics/flowunits.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/fieldexchange.h"
#include "ui/framework/surroundingsbox.h"

namespace kelvora {

namespace {

constexpr int kNameLength = 60;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The cross-section a flow given as a velocity goes through: a pipe is as round as a
// circular duct, and a bare lining narrows nothing.
float ConversionArea(const CSegment& s, float diameter, float width, float height) {
  const ObjectKind kind =
      s.kind == CSegment::kPipe ? ObjectKind::CircularDuct : static_cast<ObjectKind>(s.kind);
  return FlowConversionArea(kind, diameter, width, height, s.bare ? 0.0f : s.layer1.Thickness());
}

}  // namespace

CSegmentDlg::CSegmentDlg(const CSegment& section, CDataBase& database, CKlima* climate, QWidget* parent)
    : CItemDlg("::/html/segment.htm", parent), working(section), database(database), climate(climate) {
  setWindowTitle(tr("Úsek"));
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ApplyRules();
}

CSegmentDlg::~CSegmentDlg() = default;

void CSegmentDlg::TakeInputs(CSegment& section) {
  section.name = working.name;
  section.CopySettings(working);
  section.layer1.Assign(working.layer1);
  section.layer2.Assign(working.layer2);
  section.SetSurface(working.Surface());
  section.facingOn = working.facingOn;
  section.SetFacing(working.Facing());
  section.secondLayerOn = working.secondLayerOn;
  ReplaceList(section.auxEquipment, working.auxEquipment, true);
}

void CSegmentDlg::BuildControls() {
  name = NewField(*this, "name", kNameLength);
  bare = Check(*this, tr("Žádný"), "bare");
  layerButton[0] = NewButton(*this, tr("Produkt - 1.vrstva..."), "layer1");
  layerButton[1] = NewButton(*this, tr("Produkt - 2.vrstva..."), "layer2");
  for (std::size_t i = 0; i < layerSummary.size(); ++i)
    layerSummary[i] = LayerSummary(*this, QStringLiteral("layer%1Summary").arg(i + 1));
  secondLayerOn = Check(*this, tr("2. vrstva izolace"), "secondLayerOn");
  equipmentOn = Check(*this, tr("Přídavné vybavení:"), "equipmentOn");
  equipment = new QListWidget(this);
  equipment->setObjectName(QStringLiteral("equipment"));
  equipmentButtons[0] = NewButton(*this, tr("Nové vybavení..."), "newEquipment");
  equipmentButtons[1] = NewButton(*this, tr("Upravit vybavení..."), "editEquipment");
  equipmentButtons[2] = NewButton(*this, tr("Smazat vybavení"), "deleteEquipment");
  suspensionsOn = Check(*this, HangersCaption(working.kind), "suspensionsOn");
  height = NewField(*this, "height");
  width = NewField(*this, "width");
  diameter = NewField(*this, "diameter");
  length = NewField(*this, "length");
  orientation = new QButtonGroup(this);
  ambientTemperature = NewField(*this, "ambientTemperature");
  surroundings = new SurroundingsBox(*this, *ambientTemperature,
                                     {tr("Prostředí"),
                                      tr("Teplota okolí [°C]:"),
                                      tr("Vybrat místní klimatická data..."),
                                      tr("Souč. přestupu tepla vně [W/m2K]:"),
                                      {},
                                      "outerCoefficient"});
  environment = surroundings->environment;
  windSpeed = surroundings->windSpeed;
  outerCoefficient = surroundings->outerCoefficient;
  innerCoefficientOn = Check(*this, tr("Souč. přestupu tepla uvnitř [W/m2K]:"), "innerCoefficientOn");
  innerCoefficient = NewField(*this, "innerCoefficient");
  emissivityMode = new QButtonGroup(this);
  surface = new QComboBox(this);
  surface->setObjectName(QStringLiteral("surface"));
  userEmissivity = NewField(*this, "userEmissivity");
  facingOn = Check(*this, tr("Vnitřní povrch"), "facingOn");
  facing = new QComboBox(this);
  facing->setObjectName(QStringLiteral("facing"));
  flowUnit = new QButtonGroup(this);
  flowLabel = FlowLabel(*this);
  flow = NewField(*this, "flow");
  equipmentEditor = std::make_unique<ListEditor<CTilleggsutstyr>>(working.auxEquipment, *equipment);
}

void CSegmentDlg::BuildLayout() {
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(Label(*this, tr("Jméno:")));
  nameRow->addWidget(name, 1);

  auto* insulation = new QGroupBox(tr("Izolace"), this);
  auto* insulationGrid = new QGridLayout(insulation);
  insulationGrid->addWidget(bare, 0, 0, 1, 2);
  insulationGrid->addWidget(layerButton[0], 1, 0, Qt::AlignTop);
  insulationGrid->addWidget(layerSummary[0], 1, 1);
  insulationGrid->addWidget(secondLayerOn, 2, 0, 1, 2);
  insulationGrid->addWidget(layerButton[1], 3, 0, Qt::AlignTop);
  insulationGrid->addWidget(layerSummary[1], 3, 1);
  insulationGrid->addWidget(equipmentOn, 4, 0, 1, 2);
  auto* equipmentRow = new QGridLayout;
  equipmentRow->addWidget(equipment, 0, 0, 3, 1);
  for (int i = 0; i < 3; ++i) equipmentRow->addWidget(equipmentButtons[static_cast<std::size_t>(i)], i, 1);
  equipment->setMaximumHeight(4 * fontMetrics().lineSpacing());
  insulationGrid->addLayout(equipmentRow, 5, 0, 1, 2);
  insulationGrid->addWidget(suspensionsOn, 6, 0, 1, 2);
  auto* suspensionNote =
      Label(*insulation, tr("Dodatečná tepelná ztráta způsobená závěsy je do výpočtu zahrnuta ekvivalentní "
                            "délkou potrubí (dle ISO 12241 Příloha A)"));
  suspensionNote->setWordWrap(true);
  insulationGrid->addWidget(suspensionNote, 7, 0, 1, 2);
  insulationGrid->setColumnStretch(1, 1);

  auto* sizes = new QGroupBox(tr("Rozměry potrubí"), this);
  auto* sizesGrid = new QGridLayout(sizes);
  heightLabel = Label(*sizes, tr("Výška [mm]:"));
  widthLabel = Label(*sizes, tr("Šířka [mm]:"));
  diameterLabel = Label(*sizes, DiameterCaption(working.kind));
  sizesGrid->addWidget(heightLabel, 0, 0);
  sizesGrid->addWidget(height, 0, 1);
  sizesGrid->addWidget(widthLabel, 1, 0);
  sizesGrid->addWidget(width, 1, 1);
  sizesGrid->addWidget(diameterLabel, 2, 0);
  sizesGrid->addWidget(diameter, 2, 1);
  sizesGrid->addWidget(Label(*sizes, tr("Délka [m]:")), 3, 0);
  sizesGrid->addWidget(length, 3, 1);
  sizesGrid->addWidget(Radio(*sizes, *orientation, tr("Horizontální potrubí"), "horizontal", 0), 4, 0, 1, 2);
  sizesGrid->addWidget(Radio(*sizes, *orientation, tr("Vertikální potrubí"), "vertical", 1), 5, 0, 1, 2);

  const int innerRow = surroundings->grid->rowCount();
  surroundings->grid->addWidget(innerCoefficientOn, innerRow, 0);
  surroundings->grid->addWidget(innerCoefficient, innerRow, 1);

  auto* surfaceGroup = new QGroupBox(tr("Vnější povrch"), this);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Uživatelsky def. emisivita:"), "userEmissivityMode", 1), 1,
      0);
  surfaceGrid->addWidget(userEmissivity, 1, 1);
  surfaceGrid->addWidget(facingOn, 2, 0);
  surfaceGrid->addWidget(facing, 2, 1);
  surfaceGrid->setColumnStretch(1, 1);

  auto* flowGroup = new QGroupBox(tr("Tok média do úseku"), this);
  auto* flowGrid = new QGridLayout(flowGroup);
  flowGrid->addWidget(Label(*flowGroup, tr("Vybrat jednotky:")), 0, 0);
  flowGrid->addWidget(Radio(*flowGroup, *flowUnit, "[m3/h]", "flowM3h", 0), 0, 1);
  flowGrid->addWidget(Radio(*flowGroup, *flowUnit, "[l/s]", "flowLs", 1), 0, 2);
  flowGrid->addWidget(Radio(*flowGroup, *flowUnit, "[m/s]", "flowMs", 2), 0, 3);
  flowGrid->addWidget(flowLabel, 1, 0, 1, 2);
  flowGrid->addWidget(flow, 1, 2, 1, 2);

  for (QLineEdit* field : {height, width, diameter, length, ambientTemperature, windSpeed, outerCoefficient,
                           innerCoefficient, userEmissivity, flow}) {
    field->setMinimumWidth(70);
    field->setMaximumWidth(90);
  }

  auto* columns = new QGridLayout;
  columns->addWidget(insulation, 0, 0, 2, 1);
  columns->addWidget(sizes, 0, 1);
  columns->addWidget(surroundings, 1, 1);
  columns->addWidget(surfaceGroup, 2, 0);
  columns->addWidget(flowGroup, 2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CSegmentDlg::NumberFields() {
  return {{height, &working.height},
          {width, &working.width},
          {diameter, &working.diameter},
          {length, &working.length},
          {ambientTemperature, &working.ambientTemperature},
          {windSpeed, &working.windSpeed},
          {outerCoefficient, &working.userOuterCoefficient},
          {innerCoefficient, &working.userInnerCoefficient},
          {userEmissivity, &working.userEmissivity},
          {flow, &working.flow}};
}

void CSegmentDlg::ShowValues() {
  ShowStoredText(*name, working.name);
  ShowFloats(NumberFields());
  bare->setChecked(working.bare != 0);
  secondLayerOn->setChecked(working.secondLayerOn != 0);
  equipmentOn->setChecked(working.auxEquipmentOn != 0);
  suspensionsOn->setChecked(working.suspensionsOn != 0);
  CheckButton(*orientation, working.vertical);
  CheckButton(*environment, working.environment);
  innerCoefficientOn->setChecked(working.userInnerCoefficientOn != 0);
  CheckButton(*emissivityMode, working.userEmissivityOn);
  facingOn->setChecked(working.facingOn != 0);
  CheckButton(*flowUnit, working.flowUnit);
  FillSurfaces();
  FillCombo(*facing, database.List(DbList::InnerFacings), working.Facing());
}

void CSegmentDlg::ConnectControls() {
  for (QButtonGroup* group : {orientation, environment, emissivityMode})
    connect(group, &QButtonGroup::idClicked, this, &CSegmentDlg::Changed);
  for (QCheckBox* box : {secondLayerOn, equipmentOn, suspensionsOn, innerCoefficientOn, facingOn})
    connect(box, &QCheckBox::clicked, this, &CSegmentDlg::Changed);
  connect(bare, &QCheckBox::clicked, this, &CSegmentDlg::BareToggled);
  connect(layerButton[0], &QPushButton::clicked, this, [this] { EditLayer(working.layer1); });
  connect(layerButton[1], &QPushButton::clicked, this, [this] { EditLayer(working.layer2); });
  connect(surface, &QComboBox::activated, this, &CSegmentDlg::SurfaceChosen);
  connect(facing, &QComboBox::activated, this, &CSegmentDlg::FacingChosen);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
  connect(length, &QLineEdit::textEdited, this, &CSegmentDlg::LengthTyped);
  connect(flowUnit, &QButtonGroup::idClicked, this, &CSegmentDlg::FlowUnitChosen);
  connect(equipmentButtons[0], &QPushButton::clicked, this,
          [this] { equipmentEditor->New(std::make_unique<CTilleggsutstyr>()); });
  const auto update = [this] {
    if (equipment->isEnabled()) equipmentEditor->Update();
  };
  connect(equipmentButtons[1], &QPushButton::clicked, this, update);
  connect(equipment, &QListWidget::itemDoubleClicked, this, update);
  connect(equipmentButtons[2], &QPushButton::clicked, this, [this] { equipmentEditor->Delete(); });
}

void CSegmentDlg::Changed() {
  TakeChecked(*orientation, working.vertical);
  TakeChecked(*environment, working.environment);
  TakeChecked(*emissivityMode, working.userEmissivityOn);
  working.secondLayerOn = secondLayerOn->isChecked() ? 1 : 0;
  working.auxEquipmentOn = equipmentOn->isChecked() ? 1 : 0;
  working.suspensionsOn = suspensionsOn->isChecked() ? 1 : 0;
  working.userInnerCoefficientOn = innerCoefficientOn->isChecked() ? 1 : 0;
  working.facingOn = facingOn->isChecked() ? 1 : 0;
  ApplyRules();
}

void CSegmentDlg::ApplyRules() {
  const int kind = working.kind;
  const bool insulated = !working.bare;
  const bool lined = kind == CSegment::kRectDuctInternal;
  layerSummary[0]->SetText(Text(working.layer1.Summary(true)));
  layerSummary[1]->SetText(Text(working.layer2.Summary(true)));
  Enable(insulated, {layerButton[0], layerSummary[0]});
  secondLayerOn->setEnabled(!lined && insulated);
  Enable(!lined && insulated && working.secondLayerOn, {layerButton[1], layerSummary[1]});
  const bool equipmentAllowed = kind == CSegment::kPipe && insulated;
  equipmentOn->setEnabled(equipmentAllowed);
  Enable(equipmentAllowed && working.auxEquipmentOn,
         {equipment, equipmentButtons[0], equipmentButtons[1], equipmentButtons[2]});
  suspensionsOn->setEnabled(!lined && insulated);
  surface->setEnabled(!working.userEmissivityOn);
  userEmissivity->setEnabled(working.userEmissivityOn != 0);
  const bool round = kind == CSegment::kPipe || kind == CSegment::kCircularDuct;
  Enable(round, {diameter, diameterLabel});
  Enable(!round, {height, heightLabel, width, widthLabel});
  surroundings->ApplyRules(working.environment);
  innerCoefficientOn->setEnabled(kind != CSegment::kPipe);
  innerCoefficient->setEnabled(kind != CSegment::kPipe && working.userInnerCoefficientOn);
  facingOn->setEnabled(lined);
  facing->setEnabled(lined && working.facingOn);
  flowLabel->setText(FlowCaption(working.flowUnit));
}

DbList CSegmentDlg::SurfaceList() const {
  return working.bare || working.kind == CSegment::kRectDuctInternal ? DbList::PipeSurfaces
                                                                     : DbList::OuterFinishes;
}

void CSegmentDlg::FillSurfaces() { FillCombo(*surface, database.List(SurfaceList()), working.Surface()); }

void CSegmentDlg::BareToggled() {
  working.bare = bare->isChecked() ? 1 : 0;
  working.SetSurface(nullptr);
  FillSurfaces();
  ApplyRules();
}

void CSegmentDlg::SurfaceChosen() {
  CMantling* chosen = RecordAt<CMantling>(database.List(SurfaceList()), surface->currentIndex());
  working.SetSurface(chosen);
  if (chosen) userEmissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
}

void CSegmentDlg::FacingChosen() {
  working.SetFacing(RecordAt<CMantling>(database.List(DbList::InnerFacings), facing->currentIndex()));
}

void CSegmentDlg::EditLayer(CIsolasjon& layer) {
  if (layer.Edit()) ApplyRules();
}

void CSegmentDlg::LengthTyped(const QString& text) {
  if (const auto value = ReadPlainFloat(text.toStdString())) working.length = *value;
  ApplyRules();
}

void CSegmentDlg::FlowUnitChosen(int unit) {
  if (unit == working.flowUnit) return;
  // Only the flow and the sizes it depends on are read here; unreadable, the unit changes
  // all the same.
  float value = working.flow;
  float d = working.diameter;
  float w = working.width;
  float h = working.height;
  if (ExchangeFloat(*flow, value) && ExchangeFloat(*diameter, d) && ExchangeFloat(*width, w) &&
      ExchangeFloat(*height, h)) {
    working.diameter = d;
    working.width = w;
    working.height = h;
    working.flow = ConvertFlow(value, working.flowUnit, unit, ConversionArea(working, d, w, h));
    flow->setText(Text(ShowFlowValue(working.flow)));
  }
  working.flowUnit = unit;
  flowLabel->setText(FlowCaption(unit));
}

QWidget* CSegmentDlg::ControlOf(SectionInput input) const {
  switch (input) {
    case SectionInput::None:
      return nullptr;
    case SectionInput::Kind:
      return name;
    case SectionInput::Orientation:
      return orientation->button(0);
    case SectionInput::Environment:
      return environment->button(0);
    case SectionInput::EmissivityMode:
      return emissivityMode->button(0);
    case SectionInput::FlowUnit:
      return flowUnit->button(0);
    case SectionInput::Height:
      return height;
    case SectionInput::Width:
      return width;
    case SectionInput::Diameter:
      return diameter;
    case SectionInput::Length:
      return length;
    case SectionInput::AmbientTemperature:
      return ambientTemperature;
    case SectionInput::WindSpeed:
      return windSpeed;
    case SectionInput::OuterCoefficient:
      return outerCoefficient;
    case SectionInput::InnerCoefficient:
      return innerCoefficient;
    case SectionInput::UserEmissivity:
      return userEmissivity;
    case SectionInput::Flow:
      return flow;
    case SectionInput::Layer1:
      return layerButton[0];
    case SectionInput::Layer2:
      return layerButton[1];
    case SectionInput::Surface:
      return surface;
  }
  return nullptr;
}

void CSegmentDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  working.name = name->text().toStdString();
  working.SetSurface(RecordAt<CMantling>(database.List(SurfaceList()), surface->currentIndex()));
  const auto fault = FirstSectionFault(working, AskWarning);
  if (fault) {
    RefuseFault(*fault, ControlOf(fault->input));
    return;
  }
  if (!CheckName(working.name)) {
    Refuse({}, name);
    return;
  }
  CItemDlg::accept();
}

}  // namespace kelvora
