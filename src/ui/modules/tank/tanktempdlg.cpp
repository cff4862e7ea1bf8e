#include "ui/modules/tank/tanktempdlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/framework/cformat.h"
#include "ui/controls/controlpictures.h"
#include "ui/controls/multibutton.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/surroundingsbox.h"
#include "ui/modules/common/objectpicture.h"

namespace kelvora {

namespace {

constexpr int kShapes = 3;
constexpr Colour kGrey = 0xC0C0C0;

QString Text(const std::string& text) { return QString::fromStdString(text); }

void SetupTankPicture(CMultiButton& button, int shape) {
  button.setText(QStringLiteral("Tanktype"));
  // The tank pictures paint the outer surface where an inside-insulated object has its wall
  // and the insulation where that has its facing: the first two colours of SetState.
  std::vector<RegionSeeds> seeds;
  for (int picture = 0; picture < kShapes; ++picture)
    seeds.push_back(ObjectPictureSeeds(LoadControlPicture(button.PictureName(picture)), true));
  button.Setup({QRect(QPoint(4, 4), QPoint(59, 24)), QRect(QPoint(65, 4), QPoint(125, 24)),
                QRect(QPoint(131, 4), QPoint(187, 24))},
               std::move(seeds), {}, shape, true);
}

}  // namespace

CTankTempDlg::CTankTempDlg(const CTankTempModul& module, CDataBase& database, CKlima* climate,
                           QWidget* parent)
    : CItemDlg("::/html/tank.htm", parent), working(nullptr), database(database), climate(climate) {
  setWindowTitle(tr("Teplota v nádrži"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ShowPicture();
  ApplyRules();
}

CTankTempDlg::~CTankTempDlg() = default;

void CTankTempDlg::TakeInputs(CTankTempModul& module) const { module.AssignInputs(working); }

void CTankTempDlg::BuildControls() {
  picture = new CMultiButton(this);
  picture->setObjectName(QStringLiteral("tankPicture"));
  SetupTankPicture(*picture, working.shape);
  diameter = NewField(*this, "diameter");
  length = NewField(*this, "length");
  width = NewField(*this, "width");
  height = NewField(*this, "height");
  depth = NewField(*this, "depth");
  ambientTemperature = NewField(*this, "ambientTemperature");
  surroundings = new SurroundingsBox(
      *this, *ambientTemperature,
      {tr("Prostředí"), tr("Okolní teplota [°C]:"), tr("Vybrat místní klimatická data..."),
       tr("Souč. přestupu tepla vně"), "[W/m2K]:", "outerCoefficient"});
  environment = surroundings->environment;
  windSpeed = surroundings->windSpeed;
  outerCoefficient = surroundings->outerCoefficient;
  layerButton = NewButton(*this, tr("Vybrat produkt..."), "layer");
  layerSummary = LayerSummary(*this);
  liquidMode = new QButtonGroup(this);
  liquid = new QComboBox(this);
  liquid->setObjectName(QStringLiteral("liquid"));
  density = NewField(*this, "density");
  heatCapacity = NewField(*this, "heatCapacity");
  freezingPoint = NewField(*this, "freezingPoint");
  startTemperature = NewField(*this, "startTemperature");
  mode = new QButtonGroup(this);
  storageTime = NewField(*this, "storageTime");
  endTemperature = NewField(*this, "endTemperature");
  emissivityMode = new QButtonGroup(this);
  surface = new QComboBox(this);
  surface->setObjectName(QStringLiteral("surface"));
  userEmissivity = NewField(*this, "userEmissivity");
}

void CTankTempDlg::BuildLayout() {
  auto* sizes = new QGroupBox(tr("Rozměry nádrže"), this);
  auto* sizesGrid = new QGridLayout(sizes);
  sizesGrid->addWidget(Label(*sizes, tr("Použijte hodn. naměř. uvnitř")), 0, 0, 1, 2);
  diameterLabel = Label(*sizes, tr("Průměr [m]:"));
  lengthLabel = Label(*sizes, tr("Délka [m]:"));
  widthLabel = Label(*sizes, tr("Šířka [m]:"));
  heightLabel = Label(*sizes, tr("Výška [m]:"));
  depthLabel = Label(*sizes, tr("Hloubka [m]:"));
  int row = 1;
  for (auto [label, field] :
       {std::pair{diameterLabel, diameter}, std::pair{lengthLabel, length}, std::pair{widthLabel, width},
        std::pair{heightLabel, height}, std::pair{depthLabel, depth}}) {
    sizesGrid->addWidget(label, row, 0);
    sizesGrid->addWidget(field, row++, 1);
  }

  QGroupBox* insulation = LayerGroup(*this, *layerButton, *layerSummary);

  auto* medium = new QGroupBox(tr("Médium"), this);
  auto* mediumGrid = new QGridLayout(medium);
  mediumGrid->addWidget(Radio(*medium, *liquidMode, tr("Vybrat médium z databáze"), "databaseLiquid", 0), 0,
                        0, 1, 2);
  mediumGrid->addWidget(liquid, 1, 0, 1, 2);
  mediumGrid->addWidget(Radio(*medium, *liquidMode, tr("Uživatelsky def. médium"), "userLiquid", 1), 2, 0, 1,
                        2);
  densityLabel = Label(*medium, tr("Hustota [kg/m3]:"));
  heatCapacityLabel = Label(*medium, tr("Tepelná kap. [J/kgK]:"));
  freezingPointLabel = Label(*medium, tr("Bod tuhnutí [°C]:"));
  mediumGrid->addWidget(densityLabel, 3, 0);
  mediumGrid->addWidget(density, 3, 1);
  mediumGrid->addWidget(heatCapacityLabel, 4, 0);
  mediumGrid->addWidget(heatCapacity, 4, 1);
  mediumGrid->addWidget(freezingPointLabel, 5, 0);
  mediumGrid->addWidget(freezingPoint, 5, 1);

  auto* other = new QGroupBox(tr("Jiná data"), this);
  auto* otherGrid = new QGridLayout(other);
  otherGrid->addWidget(Label(*other, tr("Počáteční teplota [°C]:")), 0, 0);
  otherGrid->addWidget(startTemperature, 0, 1);
  otherGrid->addWidget(Radio(*other, *mode, tr("Akumulační doba [h]:"), "storageTimeMode", 0), 1, 0);
  otherGrid->addWidget(storageTime, 1, 1);
  otherGrid->addWidget(Radio(*other, *mode, tr("Konečná teplota [°C]:"), "endTemperatureMode", 1), 2, 0);
  otherGrid->addWidget(endTemperature, 2, 1);

  auto* surfaceGroup = new QGroupBox(tr("Vnější povrch"), this);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Uživatelsky def. emis.:"), "userEmissivityMode", 1), 1, 0);
  surfaceGrid->addWidget(userEmissivity, 1, 1);
  surfaceGrid->setColumnStretch(1, 1);

  for (QLineEdit* field :
       {diameter, length, width, height, depth, ambientTemperature, windSpeed, outerCoefficient, density,
        heatCapacity, freezingPoint, startTemperature, storageTime, endTemperature, userEmissivity}) {
    field->setMinimumWidth(70);
    field->setMaximumWidth(90);
  }

  auto* columns = new QGridLayout;
  columns->addWidget(picture, 0, 0, Qt::AlignTop);
  columns->addWidget(sizes, 1, 0);
  columns->addWidget(surroundings, 0, 1, 2, 1);
  columns->addWidget(medium, 0, 2, 2, 1);
  columns->addWidget(insulation, 2, 0, 1, 2);
  columns->addWidget(other, 2, 2);
  columns->addWidget(surfaceGroup, 3, 0, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CTankTempDlg::NumberFields() {
  return {{diameter, &working.diameter},
          {length, &working.length},
          {width, &working.width},
          {height, &working.height},
          {depth, &working.depth},
          {ambientTemperature, &working.ambientTemperature},
          {windSpeed, &working.windSpeed},
          {outerCoefficient, &working.userOuterCoefficient},
          {density, &working.liquidDensity},
          {heatCapacity, &working.liquidHeatCapacity},
          {freezingPoint, &working.liquidFreezingPoint},
          {startTemperature, &working.startTemperature},
          {storageTime, &working.storageTime},
          {endTemperature, &working.endTemperature},
          {userEmissivity, &working.userEmissivity}};
}

void CTankTempDlg::ShowValues() {
  ShowFloats(NumberFields());
  CheckButton(*environment, working.environment);
  CheckButton(*liquidMode, working.userDefinedLiquid);
  CheckButton(*mode, working.mode);
  CheckButton(*emissivityMode, working.userEmissivityOn);
  FillCombo(*surface, database.List(DbList::OuterFinishes), working.Surface());
  FillCombo(*liquid, database.List(DbList::Liquids), working.Liquid());
}

void CTankTempDlg::ConnectControls() {
  for (QButtonGroup* group : {environment, liquidMode, mode})
    connect(group, &QButtonGroup::idClicked, this, &CTankTempDlg::Changed);
  connect(emissivityMode, &QButtonGroup::idClicked, this, [this] {
    Changed();
    ShowPicture();
  });
  connect(picture, &QAbstractButton::clicked, this, &CTankTempDlg::ShapeChosen);
  connect(surface, &QComboBox::activated, this, &CTankTempDlg::SurfaceChosen);
  connect(liquid, &QComboBox::activated, this, &CTankTempDlg::LiquidChosen);
  connect(layerButton, &QPushButton::clicked, this, &CTankTempDlg::EditLayer);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
}

void CTankTempDlg::Changed() {
  TakeChecked(*environment, working.environment);
  TakeChecked(*liquidMode, working.userDefinedLiquid);
  TakeChecked(*mode, working.mode);
  TakeChecked(*emissivityMode, working.userEmissivityOn);
  ApplyRules();
}

void CTankTempDlg::ApplyRules() {
  layerSummary->SetText(Text(working.insulation.Summary(true)));
  storageTime->setEnabled(working.mode == 0);
  endTemperature->setEnabled(working.mode == 1);
  const int shape = working.shape;
  Enable(shape == 1 || shape == 2, {diameter, diameterLabel});
  Enable(shape == 1, {length, lengthLabel});
  Enable(shape == 0, {width, widthLabel, height, heightLabel, depth, depthLabel});
  surface->setEnabled(working.userEmissivityOn == 0);
  userEmissivity->setEnabled(working.userEmissivityOn == 1);
  surroundings->ApplyRules(working.environment);
  liquid->setEnabled(working.userDefinedLiquid == 0);
  Enable(working.userDefinedLiquid == 1,
         {density, densityLabel, heatCapacity, heatCapacityLabel, freezingPoint, freezingPointLabel});
}

void CTankTempDlg::ShowPicture() {
  const CIsolasjon& layer = working.insulation;
  const Colour fill = layer.FillColour();
  const CMantling* chosen = working.Surface();
  const Colour outer = working.userEmissivityOn ? kGrey : chosen ? chosen->colour : fill;
  picture->SetState(working.shape, outer, fill, 0, layer.IsStandard() && !layer.StandardProduct());
}

void CTankTempDlg::ShapeChosen() {
  working.shape = picture->Current();
  ShowPicture();
  ApplyRules();
}

void CTankTempDlg::SurfaceChosen() {
  CMantling* chosen = RecordAt<CMantling>(database.List(DbList::OuterFinishes), surface->currentIndex());
  working.SetSurface(chosen);
  if (chosen) userEmissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
  ShowPicture();
}

void CTankTempDlg::LiquidChosen() {
  CVeske* chosen = RecordAt<CVeske>(database.List(DbList::Liquids), liquid->currentIndex());
  working.SetLiquid(chosen);
  if (!chosen) return;
  density->setText(Text(FormatC("%.0f", {chosen->density})));
  heatCapacity->setText(Text(FormatC("%.0f", {chosen->heatCapacity})));
  freezingPoint->setText(Text(FormatC("%.1f", {chosen->freezingPoint})));
}

void CTankTempDlg::EditLayer() {
  if (!working.insulation.Edit()) return;
  ShowPicture();
  ApplyRules();
}

QWidget* CTankTempDlg::ControlOf(TankInput input) const {
  switch (input) {
    case TankInput::None:
      return nullptr;
    case TankInput::Shape:
      return picture;
    case TankInput::Mode:
      return mode->button(0);
    case TankInput::Environment:
      return environment->button(0);
    case TankInput::EmissivityMode:
      return emissivityMode->button(0);
    case TankInput::LiquidMode:
      return liquidMode->button(0);
    case TankInput::Diameter:
      return diameter;
    case TankInput::Length:
      return length;
    case TankInput::Width:
      return width;
    case TankInput::Height:
      return height;
    case TankInput::Depth:
      return depth;
    case TankInput::AmbientTemperature:
      return ambientTemperature;
    case TankInput::WindSpeed:
      return windSpeed;
    case TankInput::OuterCoefficient:
      return outerCoefficient;
    case TankInput::UserEmissivity:
      return userEmissivity;
    case TankInput::Density:
      return density;
    case TankInput::HeatCapacity:
      return heatCapacity;
    case TankInput::FreezingPoint:
      return freezingPoint;
    case TankInput::StartTemperature:
      return startTemperature;
    case TankInput::StorageTime:
      return storageTime;
    case TankInput::EndTemperature:
      return endTemperature;
    case TankInput::Product:
      return layerButton;
    case TankInput::Surface:
      return surface;
    case TankInput::Liquid:
      return liquid;
  }
  return nullptr;
}

void CTankTempDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  const auto fault = FirstTankFault(working, AskWarning);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
