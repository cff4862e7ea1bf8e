#include "ui/modules/frost/frostdlg.h"

#include <QButtonGroup>
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

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The pipe lying and standing; the orientation is chosen beside the pipe.
void SetupPipePicture(CMultiButton& button, int vertical) {
  button.setText(QStringLiteral("ROR"));
  std::vector<RegionSeeds> seeds;
  for (int picture = 0; picture < 2; ++picture)
    seeds.push_back(ObjectPictureSeeds(LoadControlPicture(button.PictureName(picture)), false));
  button.Setup({QRect(QPoint(164, 32), QPoint(187, 59)), QRect(QPoint(164, 64), QPoint(187, 91))},
               std::move(seeds), {}, vertical, true);
}

}  // namespace

CFrostDlg::CFrostDlg(const CFrostModul& module, CDataBase& database, CKlima* climate, QWidget* parent)
    : CItemDlg("::/html/frost.htm", parent), working(nullptr), database(database), climate(climate) {
  setWindowTitle(tr("Protimrazová ochrana vodovodních potrubí"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ShowPicture();
  ApplyRules();
}

CFrostDlg::~CFrostDlg() = default;

void CFrostDlg::TakeInputs(CFrostModul& module) const { module.AssignInputs(working); }

void CFrostDlg::BuildControls() {
  picture = new CMultiButton(this);
  picture->setObjectName(QStringLiteral("pipePicture"));
  SetupPipePicture(*picture, working.vertical);
  pipeDiameter = NewField(*this, "pipeDiameter");
  wallThickness = NewField(*this, "wallThickness");
  layerButton = NewButton(*this, tr("Vybrat produkt..."), "layer");
  layerSummary = LayerSummary(*this);
  ambientTemperature = NewField(*this, "ambientTemperature");
  surroundings =
      new SurroundingsBox(*this, *ambientTemperature,
                          {tr("Prostředí"), tr("Teplota okolí [°C]:"), tr("Vybrat místní klimatická data..."),
                           tr("Souč. přestupu tepla vně"), "[W/m2K]:", "outerCoefficient"});
  startTemperature = NewField(*this, "startTemperature");
  percentageFrozen = NewField(*this, "percentageFrozen");
  emissivityMode = new QButtonGroup(this);
  surface = new QComboBox(this);
  surface->setObjectName(QStringLiteral("surface"));
  emissivity = NewField(*this, "emissivity");
}

void CFrostDlg::BuildLayout() {
  auto* pipe = new QGroupBox(tr("Potrubí"), this);
  auto* pipeGrid = new QGridLayout(pipe);
  pipeGrid->addWidget(Label(*pipe, tr("Vnější průměr [mm]:")), 0, 0);
  pipeGrid->addWidget(pipeDiameter, 0, 1);
  pipeGrid->addWidget(Label(*pipe, tr("Tloušťka st. p. [mm]:")), 1, 0);
  pipeGrid->addWidget(wallThickness, 1, 1);

  QGroupBox* insulation = LayerGroup(*this, *layerButton, *layerSummary);

  auto* water = new QGroupBox(tr("Voda"), this);
  auto* waterGrid = new QGridLayout(water);
  waterGrid->addWidget(Label(*water, tr("Počáteční teplota [°C]:")), 0, 0);
  waterGrid->addWidget(startTemperature, 0, 1);
  waterGrid->addWidget(Label(*water, tr("Hmotnostní podíl zmrzlé vody [%]:")), 1, 0);
  waterGrid->addWidget(percentageFrozen, 1, 1);
  auto* frozenBar = new QScrollBar(Qt::Horizontal, water);
  frozenBar->setObjectName(QStringLiteral("percentageFrozenBar"));
  waterGrid->addWidget(frozenBar, 2, 0, 1, 2);
  new ScrollFloatField(*frozenBar, *percentageFrozen, {0.0f, 100.0f, 1.0f, 10.0f, 1.0f},
                       working.percentageFrozen, QStringLiteral("%.0f"));

  auto* surfaceGroup = new QGroupBox(tr("Vnější povrch"), this);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Uživatelsky def. emis:"), "ownEmissivity", 1), 1, 0);
  surfaceGrid->addWidget(emissivity, 1, 1);
  surfaceGrid->setColumnStretch(1, 1);

  for (QLineEdit* field : {pipeDiameter, wallThickness, ambientTemperature, surroundings->windSpeed,
                           surroundings->outerCoefficient, startTemperature, percentageFrozen, emissivity}) {
    field->setMinimumWidth(70);
    field->setMaximumWidth(90);
  }

  auto* columns = new QGridLayout;
  columns->addWidget(picture, 0, 0, Qt::AlignTop);
  columns->addWidget(pipe, 1, 0);
  columns->addWidget(surroundings, 0, 1, 2, 1);
  columns->addWidget(insulation, 2, 0, 1, 2);
  columns->addWidget(water, 3, 0);
  columns->addWidget(surfaceGroup, 3, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CFrostDlg::NumberFields() {
  return {{pipeDiameter, &working.pipeDiameter},
          {wallThickness, &working.wallThickness},
          {ambientTemperature, &working.ambientTemperature},
          {surroundings->windSpeed, &working.windSpeed},
          {surroundings->outerCoefficient, &working.userCoefficient},
          {startTemperature, &working.startTemperature},
          {percentageFrozen, &working.percentageFrozen},
          {emissivity, &working.emissivity}};
}

void CFrostDlg::ShowValues() {
  ShowFloats(NumberFields());
  CheckButton(*surroundings->environment, working.environment);
  CheckButton(*emissivityMode, working.ownEmissivity);
  FillCombo(*surface, database.List(DbList::OuterFinishes), working.Surface());
}

void CFrostDlg::ConnectControls() {
  connect(surroundings->environment, &QButtonGroup::idClicked, this, &CFrostDlg::Changed);
  connect(emissivityMode, &QButtonGroup::idClicked, this, [this] {
    Changed();
    ShowPicture();
  });
  connect(picture, &QAbstractButton::clicked, this, [this] {
    working.vertical = picture->Current();
    ShowPicture();
  });
  connect(surface, &QComboBox::activated, this, &CFrostDlg::SurfaceChosen);
  connect(layerButton, &QPushButton::clicked, this, &CFrostDlg::EditLayer);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
}

void CFrostDlg::Changed() {
  TakeChecked(*surroundings->environment, working.environment);
  TakeChecked(*emissivityMode, working.ownEmissivity);
  ApplyRules();
}

void CFrostDlg::ApplyRules() {
  layerSummary->SetText(Text(working.insulation.Summary(true)));
  surface->setEnabled(working.ownEmissivity == 0);
  emissivity->setEnabled(working.ownEmissivity == 1);
  surroundings->ApplyRules(working.environment);
}

void CFrostDlg::ShowPicture() {
  const CIsolasjon& layer = working.insulation;
  const Colour fill = layer.FillColour();
  const CMantling* chosen = working.Surface();
  const Colour outer = working.ownEmissivity ? kGrey : chosen ? chosen->colour : fill;
  picture->SetState(working.vertical, outer, 0, fill, layer.Product() == nullptr);
}

void CFrostDlg::SurfaceChosen() {
  CMantling* chosen = RecordAt<CMantling>(database.List(DbList::OuterFinishes), surface->currentIndex());
  working.SetSurface(chosen);
  if (chosen) emissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
  ShowPicture();
}

void CFrostDlg::EditLayer() {
  if (!working.insulation.Edit()) return;
  ShowPicture();
  ApplyRules();
}

QWidget* CFrostDlg::ControlOf(FrostInput input) const {
  switch (input) {
    case FrostInput::None:
      return nullptr;
    case FrostInput::PipeDiameter:
      return pipeDiameter;
    case FrostInput::WallThickness:
      return wallThickness;
    case FrostInput::AmbientTemperature:
      return ambientTemperature;
    case FrostInput::WindSpeed:
      return surroundings->windSpeed;
    case FrostInput::OuterCoefficient:
      return surroundings->outerCoefficient;
    case FrostInput::StartTemperature:
      return startTemperature;
    case FrostInput::PercentageFrozen:
      return percentageFrozen;
    case FrostInput::Emissivity:
      return emissivity;
    case FrostInput::Product:
      return layerButton;
    case FrostInput::Surface:
      return surface;
  }
  return nullptr;
}

void CFrostDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  const auto fault = FirstFrostFault(working, AskWarning);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
