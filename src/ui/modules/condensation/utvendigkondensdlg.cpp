#include "ui/modules/condensation/utvendigkondensdlg.h"

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

bool InsideKind(int kind) { return kind == 3 || kind == 5; }

DbList SurfaceList(int kind) { return InsideKind(kind) ? DbList::PipeSurfaces : DbList::OuterFinishes; }

}  // namespace

CUtvendigKondensDlg::CUtvendigKondensDlg(const CUtvendigKondensModul& module, CDataBase& database,
                                         CKlima* climate, QWidget* parent)
    : CItemDlg("::/html/utvkondens.htm", parent), working(nullptr), database(database), climate(climate) {
  setWindowTitle(tr("Izolace proti vnější kondenzaci"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ApplyRules();
}

CUtvendigKondensDlg::~CUtvendigKondensDlg() = default;

void CUtvendigKondensDlg::TakeInputs(CUtvendigKondensModul& module) const { module.AssignInputs(working); }

void CUtvendigKondensDlg::BuildControls() {
  picture = new CMultiButton2(this);
  picture->setObjectName(QStringLiteral("objectPicture"));
  SetupObjectPicture(*picture, working.kind, working.vertical ? 1 : 0);
  diameter = NewField(*this, "diameter");
  height = NewField(*this, "height");
  width = NewField(*this, "width");
  layerButton = NewButton(*this, tr("Vybrat produkt..."), "layer");
  layerSummary = LayerSummary(*this);
  ambientTemperature = NewField(*this, "ambientTemperature");
  humidity = NewField(*this, "humidity");
  surroundings = new SurroundingsBox(
      *this, *ambientTemperature,
      {tr("Prostředí"), tr("Okolní teplota [°C]:"), tr("Vybrat místní klimatická data..."),
       tr("Souč. přestupu tepla vně"), "[W/m2K]:", "outerCoefficient"});
  environment = surroundings->environment;
  mediumTemperature = NewField(*this, "mediumTemperature");
  facingOn = Check(*this, tr("Vnitřní povrch"), "facingOn");
  facing = new QComboBox(this);
  facing->setObjectName(QStringLiteral("facing"));
  emissivityMode = new QButtonGroup(this);
  surface = new QComboBox(this);
  surface->setObjectName(QStringLiteral("surface"));
  userEmissivity = NewField(*this, "userEmissivity");
}

void CUtvendigKondensDlg::BuildLayout() {
  auto* sizes = new QGroupBox(tr("Rozměry"), this);
  auto* sizesGrid = new QGridLayout(sizes);
  diameterLabel = Label(*sizes, DiameterCaption(working.kind));
  heightLabel = Label(*sizes, tr("Výška [mm]:"));
  widthLabel = Label(*sizes, tr("Šířka [mm]:"));
  int row = 0;
  for (auto [label, field] :
       {std::pair{diameterLabel, diameter}, std::pair{heightLabel, height}, std::pair{widthLabel, width}}) {
    sizesGrid->addWidget(label, row, 0);
    sizesGrid->addWidget(field, row++, 1);
  }

  QGroupBox* insulation = LayerGroup(*this, *layerButton, *layerSummary);

  // The humidity of the air around, below its temperature.
  const int below = surroundings->grid->rowCount();
  surroundings->grid->addWidget(Label(*surroundings, tr("Rel. vlhkost vzd. [%]:")), below, 0);
  surroundings->grid->addWidget(humidity, below, 1);
  auto* humidityBar = new QScrollBar(Qt::Horizontal, surroundings);
  humidityBar->setObjectName(QStringLiteral("humidityBar"));
  surroundings->grid->addWidget(humidityBar, below + 1, 0, 1, 2);
  new ScrollFloatField(*humidityBar, *humidity, {1.0f, 99.0f, 1.0f, 10.0f, 1.0f}, working.relativeHumidity,
                       QStringLiteral("%.0f"));

  auto* other = new QGroupBox(tr("Jiná data"), this);
  auto* otherGrid = new QGridLayout(other);
  otherGrid->addWidget(Label(*other, tr("Teplota média [°C]:")), 0, 0);
  otherGrid->addWidget(mediumTemperature, 0, 1);
  otherGrid->addWidget(facingOn, 1, 0);
  otherGrid->addWidget(facing, 1, 1);
  otherGrid->setColumnStretch(1, 1);

  auto* surfaceGroup = new QGroupBox(tr("Vnější povrch"), this);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Uživat. def. emisiv.:"), "userEmissivityMode", 1), 1, 0);
  surfaceGrid->addWidget(userEmissivity, 1, 1);
  surfaceGrid->setColumnStretch(1, 1);

  for (QLineEdit* field : {diameter, height, width, ambientTemperature, humidity, surroundings->windSpeed,
                           surroundings->outerCoefficient, mediumTemperature, userEmissivity}) {
    field->setMinimumWidth(70);
    field->setMaximumWidth(90);
  }

  auto* columns = new QGridLayout;
  columns->addWidget(picture, 0, 0, Qt::AlignTop);
  columns->addWidget(sizes, 1, 0);
  columns->addWidget(surroundings, 0, 1, 2, 1);
  columns->addWidget(insulation, 2, 0, 1, 2);
  columns->addWidget(other, 3, 0, 1, 2);
  columns->addWidget(surfaceGroup, 4, 0, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CUtvendigKondensDlg::NumberFields() {
  return {{diameter, &working.diameter},
          {height, &working.height},
          {width, &working.width},
          {ambientTemperature, &working.ambientTemperature},
          {humidity, &working.relativeHumidity},
          {surroundings->windSpeed, &working.windSpeed},
          {surroundings->outerCoefficient, &working.userOuterCoefficient},
          {mediumTemperature, &working.mediumTemperature},
          {userEmissivity, &working.userEmissivity}};
}

void CUtvendigKondensDlg::ShowValues() {
  ShowFloats(NumberFields());
  humidity->setText(Text(FormatC("%.0f", {working.relativeHumidity})));
  CheckButton(*environment, working.environment);
  CheckButton(*emissivityMode, working.userEmissivityOn);
  facingOn->setChecked(working.facingOn != 0);
  FillSurfaces();
  FillCombo(*facing, database.List(DbList::InnerFacings), working.Facing());
}

void CUtvendigKondensDlg::FillSurfaces() {
  FillCombo(*surface, database.List(SurfaceList(working.kind)), working.Surface());
}

void CUtvendigKondensDlg::ConnectControls() {
  connect(environment, &QButtonGroup::idClicked, this, &CUtvendigKondensDlg::Changed);
  connect(emissivityMode, &QButtonGroup::idClicked, this, &CUtvendigKondensDlg::Changed);
  connect(facingOn, &QCheckBox::clicked, this, &CUtvendigKondensDlg::Changed);
  connect(picture, &QAbstractButton::clicked, this, &CUtvendigKondensDlg::PictureClicked);
  connect(surface, &QComboBox::activated, this, &CUtvendigKondensDlg::SurfaceChosen);
  connect(facing, &QComboBox::activated, this, &CUtvendigKondensDlg::FacingChosen);
  connect(layerButton, &QPushButton::clicked, this, &CUtvendigKondensDlg::EditLayer);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
}

void CUtvendigKondensDlg::Changed() {
  TakeChecked(*environment, working.environment);
  TakeChecked(*emissivityMode, working.userEmissivityOn);
  working.facingOn = facingOn->isChecked() ? 1 : 0;
  ApplyRules();
}

void CUtvendigKondensDlg::ApplyRules() {
  layerSummary->SetText(Text(working.insulation.Summary(false)));
  const int kind = working.kind;
  surface->setEnabled(working.userEmissivityOn == 0);
  userEmissivity->setEnabled(working.userEmissivityOn == 1);
  facingOn->setEnabled(InsideKind(kind));
  facing->setEnabled(InsideKind(kind) && working.facingOn);
  surroundings->ApplyRules(working.environment);
  diameterLabel->setText(DiameterCaption(kind));
  Enable(kind <= 1, {diameter, diameterLabel});
  Enable(kind == 2 || kind == 3 || working.vertical, {height, heightLabel});
  Enable(kind == 2 || kind == 3, {width, widthLabel});
  ShowPicture();
}

void CUtvendigKondensDlg::ShowPicture() {
  const int kind = working.kind;
  const CIsolasjon& layer = working.insulation;
  const CMantling* outer = working.Surface();
  const CMantling* inner = working.Facing();
  ObjectColours colours;
  colours.insulation = layer.FillColour();
  colours.outer = working.userEmissivityOn ? kGrey
                  : outer                  ? outer->colour
                  : InsideKind(kind)       ? kGrey
                                           : layer.FillColour();
  colours.inner = (working.facingOn && inner) ? inner->colour
                  : InsideKind(kind)          ? layer.SecondColour()
                                              : layer.FillColour();
  ShowObjectPicture(*picture, kind, working.vertical ? 1 : 0, colours, layer.Product() == nullptr);
}

void CUtvendigKondensDlg::PictureClicked() {
  const int kind = picture->Kind();
  if (kind != working.kind) {
    if (layerEdited && Dialogs().messages &&
        !Dialogs().messages->AskOkCancel(MessageText(ids::kKindChangeNeedsProduct))) {
      ShowPicture();
      return;
    }
    ChangeKind(kind);
  }
  working.vertical = picture->Orientation();
  ApplyRules();
}

void CUtvendigKondensDlg::ChangeKind(int kind) {
  const bool wasInside = InsideKind(working.kind);
  working.kind = kind;
  if (wasInside != InsideKind(kind)) {
    working.SetSurface(nullptr);
    FillSurfaces();
  }
  working.insulation.Reset(kind, 0);
  layerEdited = false;
}

void CUtvendigKondensDlg::SurfaceChosen() {
  CMantling* chosen = RecordAt<CMantling>(database.List(SurfaceList(working.kind)), surface->currentIndex());
  working.SetSurface(chosen);
  if (chosen) userEmissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
  ShowPicture();
}

void CUtvendigKondensDlg::FacingChosen() {
  working.SetFacing(RecordAt<CMantling>(database.List(DbList::InnerFacings), facing->currentIndex()));
  ShowPicture();
}

void CUtvendigKondensDlg::EditLayer() {
  if (!working.insulation.Edit()) return;
  layerEdited = true;
  ApplyRules();
}

QWidget* CUtvendigKondensDlg::ControlOf(CondensationInput input) const {
  switch (input) {
    case CondensationInput::Kind:
      return picture;
    case CondensationInput::Environment:
      return environment->button(0);
    case CondensationInput::MediumTemperature:
      return mediumTemperature;
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
    case CondensationInput::WindSpeed:
      return surroundings->windSpeed;
    case CondensationInput::OuterCoefficient:
      return surroundings->outerCoefficient;
    case CondensationInput::UserEmissivity:
      return userEmissivity;
    case CondensationInput::Product:
      return layerButton;
    case CondensationInput::Surface:
      return surface;
    default:
      return nullptr;
  }
}

void CUtvendigKondensDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  const auto fault = FirstExternalCondensationFault(working, AskWarning);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
