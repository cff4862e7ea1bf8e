#include "ui/modules/condensation/innvendigkondensdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/physics/flowunits.h"
#include "ui/controls/controlpictures.h"
#include "ui/controls/multibutton.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/scrollfloatfield.h"
#include "ui/framework/surroundingsbox.h"
#include "ui/modules/common/objectpicture.h"

namespace kelvora {

namespace {

constexpr Colour kGrey = 0xC0C0C0;
constexpr int kVelocity = 2;  // the flow unit m/s

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Two duct shapes in two orientations, "KANAL0"-"KANAL3", their regions found in the pictures.
void SetupDuctPicture(CMultiButton2& button, int rectangular, int vertical) {
  button.setText(QStringLiteral("Kanal"));
  std::vector<RegionSeeds> seeds;
  for (int picture = 0; picture < 4; ++picture)
    seeds.push_back(ObjectPictureSeeds(LoadControlPicture(button.PictureName(picture)), false));
  button.Setup({QRect(QPoint(4, 4), QPoint(80, 25)), QRect(QPoint(83, 4), QPoint(159, 25))},
               QRect(QPoint(164, 32), QPoint(187, 59)), QRect(QPoint(164, 64), QPoint(187, 91)),
               std::move(seeds), {}, rectangular, true, vertical);
}

// m² of the duct's cross-section, sizes in mm.
float CrossSection(bool rectangular, float diameter, float width, float height) {
  return rectangular ? (height / 1000.0f) * (width / 1000.0f)
                     : 3.1415927f * (diameter / 1000.0f) * (diameter / 1000.0f) / 4.0f;
}

}  // namespace

CInnvendigKondensDlg::CInnvendigKondensDlg(const CInnvendigKondensModul& module, CDataBase& database,
                                           CKlima* climate, QWidget* parent)
    : CItemDlg("::/html/innvkondens.htm", parent), working(nullptr), database(database), climate(climate) {
  setWindowTitle(tr("Izolace proti vnitřní kondenzaci"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ApplyRules();
}

CInnvendigKondensDlg::~CInnvendigKondensDlg() = default;

void CInnvendigKondensDlg::TakeInputs(CInnvendigKondensModul& module) const { module.AssignInputs(working); }

void CInnvendigKondensDlg::BuildControls() {
  picture = new CMultiButton2(this);
  picture->setObjectName(QStringLiteral("ductPicture"));
  SetupDuctPicture(*picture, working.rectangular ? 1 : 0, working.vertical ? 1 : 0);
  diameter = NewField(*this, "diameter");
  height = NewField(*this, "height");
  width = NewField(*this, "width");
  length = NewField(*this, "length");
  layerButton = NewButton(*this, tr("Vybrat produkt..."), "layer");
  layerSummary = LayerSummary(*this);
  ambientTemperature = NewField(*this, "ambientTemperature");
  surroundings = new SurroundingsBox(
      *this, *ambientTemperature,
      {tr("Prostředí"), tr("Okolní teplota [°C]:"), tr("Vybrat místní klimatická data..."),
       tr("Souč. přestupu tepla vně"), "[W/m2K]:", "outerCoefficient"});
  environment = surroundings->environment;
  innerCoefficientOn = Check(*this, tr("Souč. přestupu tepla uvnitř"), "innerCoefficientOn");
  innerCoefficient = NewField(*this, "innerCoefficient");
  flowUnit = new QButtonGroup(this);
  flowLabel = FlowLabel(*this);
  flow = NewField(*this, "flow");
  inletTemperature = NewField(*this, "inletTemperature");
  humidity = NewField(*this, "humidity");
  emissivityMode = new QButtonGroup(this);
  surface = new QComboBox(this);
  surface->setObjectName(QStringLiteral("surface"));
  userEmissivity = NewField(*this, "userEmissivity");
  suspensionsOn = Check(*this, tr("Neizolované potrubní závěsy"), "suspensionsOn");
}

void CInnvendigKondensDlg::BuildLayout() {
  auto* sizes = new QGroupBox(tr("Rozměry"), this);
  auto* sizesGrid = new QGridLayout(sizes);
  diameterLabel = Label(*sizes, tr("Průměr [mm]:"));
  heightLabel = Label(*sizes, tr("Výška [mm]:"));
  widthLabel = Label(*sizes, tr("Šířka [mm]:"));
  int row = 0;
  for (auto [label, field] :
       {std::pair{diameterLabel, diameter}, std::pair{heightLabel, height}, std::pair{widthLabel, width},
        std::pair{Label(*sizes, tr("Délka [m]:")), length}}) {
    sizesGrid->addWidget(label, row, 0);
    sizesGrid->addWidget(field, row++, 1);
  }

  QGroupBox* insulation = LayerGroup(*this, *layerButton, *layerSummary);

  const int below = surroundings->grid->rowCount();
  surroundings->grid->addWidget(innerCoefficientOn, below, 0, 1, 2);
  innerCoefficientLabel = Label(*surroundings, "[W/m2K]:");
  innerCoefficient->setAccessibleName(innerCoefficientOn->text() + QStringLiteral(" [W/m2K]"));
  surroundings->grid->addWidget(innerCoefficientLabel, below + 1, 0);
  surroundings->grid->addWidget(innerCoefficient, below + 1, 1);

  auto* air = new QGroupBox(tr("Proudění vzduchu"), this);
  auto* airGrid = new QGridLayout(air);
  airGrid->addWidget(Label(*air, tr("Vybrat jednotky pro proudění vzduchu:")), 0, 0, 1, 3);
  airGrid->addWidget(Radio(*air, *flowUnit, "[m3/h]", "flowM3h", 0), 1, 0);
  airGrid->addWidget(Radio(*air, *flowUnit, "[l/s]", "flowLs", 1), 1, 1);
  airGrid->addWidget(Radio(*air, *flowUnit, "[m/s]", "flowMs", 2), 1, 2);
  airGrid->addWidget(flowLabel, 2, 0, 1, 2);
  airGrid->addWidget(flow, 2, 2);
  airGrid->addWidget(Label(*air, tr("Vstupní teplota [°C]:")), 3, 0, 1, 2);
  airGrid->addWidget(inletTemperature, 3, 2);
  airGrid->addWidget(Label(*air, tr("Rel. vlhkost vzd. [%]:")), 4, 0, 1, 2);
  airGrid->addWidget(humidity, 4, 2);
  auto* humidityBar = new QScrollBar(Qt::Horizontal, air);
  humidityBar->setObjectName(QStringLiteral("humidityBar"));
  airGrid->addWidget(humidityBar, 5, 0, 1, 3);
  airGrid->setRowStretch(6, 1);
  new ScrollFloatField(*humidityBar, *humidity, {1.0f, 99.0f, 1.0f, 10.0f, 1.0f}, working.relativeHumidity,
                       QStringLiteral("%.1f"));

  auto* surfaceGroup = new QGroupBox(tr("Vnější povrch"), this);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1, 1, 2);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Uživatelsky definovaný povrch"), "userEmissivityMode", 1), 1,
      0);
  emissivityLabel = Label(*surfaceGroup, tr("Emisivita:"));
  surfaceGrid->addWidget(emissivityLabel, 1, 1);
  surfaceGrid->addWidget(userEmissivity, 1, 2);
  surfaceGrid->setColumnStretch(2, 1);

  auto* suspensions = new QGroupBox(this);
  auto* suspensionsGrid = new QVBoxLayout(suspensions);
  suspensionsGrid->addWidget(suspensionsOn);
  QLabel* note = Label(
      *suspensions, tr("Dodatečná tepelná ztráta způsobená závěsy je do výpočtu zahrnuta ekvivalentní délkou "
                       "potrubí (dle ISO 12241 Příloha A)"));
  note->setWordWrap(true);
  suspensionsGrid->addWidget(note);

  for (QLineEdit* field :
       {diameter, height, width, length, ambientTemperature, surroundings->windSpeed,
        surroundings->outerCoefficient, innerCoefficient, flow, inletTemperature, humidity, userEmissivity}) {
    field->setMinimumWidth(70);
    field->setMaximumWidth(90);
  }

  auto* columns = new QGridLayout;
  columns->addWidget(picture, 0, 0, Qt::AlignTop);
  columns->addWidget(sizes, 1, 0);
  columns->addWidget(surroundings, 0, 1, 2, 1);
  columns->addWidget(air, 0, 2, 2, 1);
  columns->addWidget(insulation, 2, 0, 1, 2);
  columns->addWidget(suspensions, 2, 2);
  columns->addWidget(surfaceGroup, 3, 0, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CInnvendigKondensDlg::NumberFields() {
  return {{diameter, &working.diameter},
          {height, &working.height},
          {width, &working.width},
          {length, &working.length},
          {ambientTemperature, &working.ambientTemperature},
          {surroundings->windSpeed, &working.windSpeed},
          {surroundings->outerCoefficient, &working.userOuterCoefficient},
          {innerCoefficient, &working.userInnerCoefficient},
          {flow, &working.flow},
          {inletTemperature, &working.inletTemperature},
          {humidity, &working.relativeHumidity},
          {userEmissivity, &working.userEmissivity}};
}

void CInnvendigKondensDlg::ShowValues() {
  ShowFloats(NumberFields());
  flow->setText(Text(ShowFlowValue(working.flow)));
  humidity->setText(Text(FormatC("%.1f", {working.relativeHumidity})));
  CheckButton(*environment, working.environment);
  CheckButton(*emissivityMode, working.userEmissivityOn);
  CheckButton(*flowUnit, working.flowUnit);
  innerCoefficientOn->setChecked(working.userInnerCoefficientOn != 0);
  suspensionsOn->setChecked(working.suspensionsOn != 0);
  FillCombo(*surface, database.List(DbList::OuterFinishes), working.Surface());
}

void CInnvendigKondensDlg::ConnectControls() {
  connect(environment, &QButtonGroup::idClicked, this, &CInnvendigKondensDlg::Changed);
  connect(emissivityMode, &QButtonGroup::idClicked, this, &CInnvendigKondensDlg::Changed);
  for (QCheckBox* box : {innerCoefficientOn, suspensionsOn})
    connect(box, &QCheckBox::clicked, this, &CInnvendigKondensDlg::Changed);
  connect(flowUnit, &QButtonGroup::idClicked, this, &CInnvendigKondensDlg::FlowUnitChosen);
  connect(picture, &QAbstractButton::clicked, this, &CInnvendigKondensDlg::PictureClicked);
  connect(surface, &QComboBox::activated, this, &CInnvendigKondensDlg::SurfaceChosen);
  connect(layerButton, &QPushButton::clicked, this, &CInnvendigKondensDlg::EditLayer);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
}

void CInnvendigKondensDlg::Changed() {
  TakeChecked(*environment, working.environment);
  TakeChecked(*emissivityMode, working.userEmissivityOn);
  working.userInnerCoefficientOn = innerCoefficientOn->isChecked() ? 1 : 0;
  working.suspensionsOn = suspensionsOn->isChecked() ? 1 : 0;
  ApplyRules();
}

void CInnvendigKondensDlg::ApplyRules() {
  layerSummary->SetText(Text(working.insulation.Summary(false)));
  surface->setEnabled(working.userEmissivityOn == 0);
  Enable(working.userEmissivityOn == 1, {userEmissivity, emissivityLabel});
  Enable(!working.rectangular, {diameter, diameterLabel});
  Enable(working.rectangular != 0, {height, heightLabel, width, widthLabel});
  flowLabel->setText(FlowCaption(working.flowUnit));
  surroundings->ApplyRules(working.environment);
  Enable(working.userInnerCoefficientOn != 0, {innerCoefficient, innerCoefficientLabel});
  ShowPicture();
}

void CInnvendigKondensDlg::ShowPicture() {
  const CIsolasjon& layer = working.insulation;
  const CMantling* chosen = working.Surface();
  ObjectColours colours;
  colours.insulation = layer.FillColour();
  colours.outer = working.userEmissivityOn ? kGrey : chosen ? chosen->colour : layer.FillColour();
  colours.inner = colours.outer;
  ShowObjectPicture(*picture, working.rectangular ? 1 : 0, working.vertical ? 1 : 0, colours,
                    layer.Product() == nullptr);
}

void CInnvendigKondensDlg::PictureClicked() {
  const int rectangular = picture->Kind();
  if (rectangular != (working.rectangular ? 1 : 0)) {
    if (layerEdited && Dialogs().messages &&
        !Dialogs().messages->AskOkCancel(MessageText(ids::kKindChangeNeedsProduct))) {
      ShowPicture();
      return;
    }
    working.rectangular = rectangular;
    working.insulation.Reset(
        static_cast<std::int32_t>(rectangular ? ObjectKind::RectDuctExternal : ObjectKind::CircularDuct), 0);
    layerEdited = false;
  }
  working.vertical = picture->Orientation();
  ApplyRules();
}

void CInnvendigKondensDlg::SurfaceChosen() {
  CMantling* chosen = RecordAt<CMantling>(database.List(DbList::OuterFinishes), surface->currentIndex());
  working.SetSurface(chosen);
  if (chosen) userEmissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
  ShowPicture();
}

void CInnvendigKondensDlg::EditLayer() {
  if (!working.insulation.Edit()) return;
  layerEdited = true;
  ApplyRules();
}

// A velocity converts over the cross-section, which needs the sizes; m³/h and l/s convert by
// a factor alone. What cannot be converted keeps its unit and value.
void CInnvendigKondensDlg::FlowUnitChosen(int unit) {
  if (unit == working.flowUnit) return;
  float value = working.flow;
  float area = 0.0f;
  bool converts = ExchangeFloat(*flow, value);
  if (converts && (unit == kVelocity || working.flowUnit == kVelocity)) {
    float d = working.diameter;
    float w = working.width;
    float h = working.height;
    converts = ExchangeFloat(*diameter, d) && ExchangeFloat(*width, w) && ExchangeFloat(*height, h);
    area = CrossSection(working.rectangular != 0, d, w, h);
    converts = converts && area > 0.0f;
  }
  if (!converts) {
    CheckButton(*flowUnit, working.flowUnit);
    return;
  }
  working.flow = ConvertFlow(value, working.flowUnit, unit, area);
  working.flowUnit = unit;
  flow->setText(Text(ShowFlowValue(working.flow)));
  flowLabel->setText(FlowCaption(unit));
}

QWidget* CInnvendigKondensDlg::ControlOf(CondensationInput input) const {
  switch (input) {
    case CondensationInput::Environment:
      return environment->button(0);
    case CondensationInput::FlowUnit:
      return flowUnit->button(0);
    case CondensationInput::AmbientTemperature:
      return ambientTemperature;
    case CondensationInput::Humidity:
      return humidity;
    case CondensationInput::Diameter:
      return diameter;
    case CondensationInput::Height:
      return height;
    case CondensationInput::Width:
      return width;
    case CondensationInput::Length:
      return length;
    case CondensationInput::WindSpeed:
      return surroundings->windSpeed;
    case CondensationInput::OuterCoefficient:
      return surroundings->outerCoefficient;
    case CondensationInput::InnerCoefficient:
      return innerCoefficient;
    case CondensationInput::UserEmissivity:
      return userEmissivity;
    case CondensationInput::Flow:
      return flow;
    case CondensationInput::InletTemperature:
      return inletTemperature;
    case CondensationInput::Product:
      return layerButton;
    case CondensationInput::Surface:
      return surface;
    default:
      return nullptr;
  }
}

void CInnvendigKondensDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  const auto fault = FirstInternalCondensationFault(working, AskWarning);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
