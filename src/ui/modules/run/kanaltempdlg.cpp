#include "ui/modules/run/kanaltempdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "core/database/database.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/run/sectionsummary.h"
#include "ui/controls/controlpictures.h"
#include "ui/controls/multibutton.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/scrollfloatfield.h"
#include "ui/modules/common/objectpicture.h"

namespace kelvora {

namespace {

constexpr int kCurrencyLength = 3;
constexpr int kKinds = 4;
constexpr Colour kGrey = 0xC0C0C0;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Whether the medium is air: every kind but the pipe is a duct.
bool IsDuct(int kind) { return kind != CSegment::kPipe; }

// The chooser cells along the top of the pictures, one per kind.
std::vector<QRect> KindCells() {
  return {QRect(QPoint(4, 4), QPoint(48, 25)), QRect(QPoint(49, 4), QPoint(94, 25)),
          QRect(QPoint(95, 4), QPoint(141, 25)), QRect(QPoint(142, 4), QPoint(187, 25))};
}

void SetupRunPicture(CMultiButton& button, int kind) {
  button.setText(QStringLiteral("KanalRor"));
  std::vector<RegionSeeds> seeds;
  for (int picture = 0; picture < kKinds; ++picture) {
    seeds.push_back(ObjectPictureSeeds(LoadControlPicture(button.PictureName(picture)),
                                       picture == CSegment::kRectDuctInternal));
  }
  button.Setup(KindCells(), std::move(seeds), {}, kind, true);
}

ObjectColours ColoursOf(const CSegment& s) {
  ObjectColours colours;
  colours.insulation = s.layer1.FillColour();
  const CMantling* surface = s.Surface();
  colours.outer = s.userEmissivityOn ? kGrey : surface ? surface->colour : colours.insulation;
  const CMantling* facing = s.facingOn ? s.Facing() : nullptr;
  colours.inner = facing                                  ? facing->colour
                  : s.kind == CSegment::kRectDuctInternal ? s.layer1.SecondColour()
                                                          : 0;
  return colours;
}

}  // namespace

CKanalTempDlg::CKanalTempDlg(const CKanalTempModul& module, CDataBase& database, QWidget* parent)
    : CItemDlg("::/html/kanal.htm", parent), working(nullptr), database(database), pictureKind(module.isAir) {
  setWindowTitle(tr("Změna teploty v potrubí"));
  working.AssignInputs(module);
  CopyList(working.sections, module.sections);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ShowPicture(nullptr);
  ApplyRules();
}

CKanalTempDlg::~CKanalTempDlg() = default;

void CKanalTempDlg::TakeInputs(CKanalTempModul& module) {
  module.AssignInputs(working);
  ReplaceList(module.sections, working.sections, false);
}

void CKanalTempDlg::BuildControls() {
  picture = new CMultiButton(this);
  picture->setObjectName(QStringLiteral("runPicture"));
  SetupRunPicture(*picture, pictureKind);
  liquidMode = new QButtonGroup(this);
  liquid = new QComboBox(this);
  liquid->setObjectName(QStringLiteral("liquid"));
  density = NewField(*this, "density");
  heatCapacity = NewField(*this, "heatCapacity");
  freezingPoint = NewField(*this, "freezingPoint");
  inletTemperature = NewField(*this, "inletTemperature");
  sectionList = new QListWidget(this);
  sectionList->setObjectName(QStringLiteral("sections"));
  // As high as the four section buttons beside it.
  summary = new SummaryBox(*this, QStringLiteral("summary"), 4);
  energyOn = Check(*this, tr("Spočítat roční spotřebu energie a náklady"), "energyOn");
  operatingHours = NewField(*this, "operatingHours");
  energyPrice = NewField(*this, "energyPrice");
  currency = NewField(*this, "currency", kCurrencyLength);
  dewPointOn = Check(*this, tr("Výpočet povrchové kondenzace"), "dewPointOn");
  humidity = NewField(*this, "humidity");
  humidityBar = new QScrollBar(Qt::Horizontal, this);
  humidityBar->setObjectName(QStringLiteral("humidityBar"));
  new ScrollFloatField(*humidityBar, *humidity, {1.0f, 99.0f, 1.0f, 10.0f, 1.0f}, working.relativeHumidity,
                       QStringLiteral("%.1f"));
  sectionButtons = {NewButton(*this, tr("Nový úsek..."), "newSection"),
                    NewButton(*this, tr("Kopírovat úsek..."), "copySection"),
                    NewButton(*this, tr("Aktualizovat úsek..."), "editSection"),
                    NewButton(*this, tr("Smazat úsek"), "deleteSection")};
  sections = std::make_unique<ListEditor<CSegment>>(working.sections, *sectionList);
}

void CKanalTempDlg::BuildLayout() {
  auto* medium = new QGroupBox(tr("Médium"), this);
  auto* mediumGrid = new QGridLayout(medium);
  mediumGrid->addWidget(Radio(*medium, *liquidMode, tr("Databáze médií:"), "databaseLiquid", 0), 0, 0);
  mediumGrid->addWidget(liquid, 0, 1);
  mediumGrid->addWidget(Radio(*medium, *liquidMode, tr("Uživatelsky def. médium:"), "userLiquid", 1), 1, 0, 1,
                        2);
  densityLabel = Label(*medium, tr("Hustota [kg/m3]:"));
  heatCapacityLabel = Label(*medium, tr("Tep. kapacita [J/kgK]:"));
  freezingPointLabel = Label(*medium, tr("Bod tuhnutí [°C]:"));
  mediumGrid->addWidget(densityLabel, 2, 0);
  mediumGrid->addWidget(density, 2, 1);
  mediumGrid->addWidget(heatCapacityLabel, 3, 0);
  mediumGrid->addWidget(heatCapacity, 3, 1);
  mediumGrid->addWidget(freezingPointLabel, 4, 0);
  mediumGrid->addWidget(freezingPoint, 4, 1);
  mediumGrid->addWidget(Label(*medium, tr("Teplota média v prvním úseku [°C]:")), 5, 0);
  mediumGrid->addWidget(inletTemperature, 5, 1);

  auto* sectionGroup = new QGroupBox(tr("Úseky"), this);
  auto* sectionGrid = new QGridLayout(sectionGroup);
  sectionGrid->addWidget(sectionList, 0, 0, 4, 1);
  sectionGrid->addWidget(summary, 0, 1, 4, 1);
  for (int i = 0; i < 4; ++i) sectionGrid->addWidget(sectionButtons[static_cast<std::size_t>(i)], i, 2);
  sectionGrid->setColumnStretch(1, 1);

  auto* energyGroup = new QGroupBox(tr("Spotřeba energie"), this);
  auto* energyForm = new QFormLayout(energyGroup);
  energyForm->addRow(energyOn);
  hoursLabel = Label(*energyGroup, tr("Provozní doba [h/rok]:"));
  priceLabel = Label(*energyGroup, tr("Náklady na kWh energie:"));
  currencyLabel = Label(*energyGroup, tr("Měna:"));
  energyForm->addRow(hoursLabel, operatingHours);
  energyForm->addRow(priceLabel, energyPrice);
  energyForm->addRow(currencyLabel, currency);

  auto* dewGroup = new QGroupBox(tr("Kondenzace"), this);
  auto* dewGrid = new QGridLayout(dewGroup);
  dewGrid->addWidget(dewPointOn, 0, 0, 1, 3);
  humidityLabel = Label(*dewGroup, tr("Vlhkost vstupujícího vzduchu [%]:"));
  dewGrid->addWidget(humidityLabel, 1, 0);
  dewGrid->addWidget(humidity, 1, 1);
  dewGrid->addWidget(humidityBar, 1, 2);

  for (QLineEdit* field : {density, heatCapacity, freezingPoint, inletTemperature, operatingHours,
                           energyPrice, currency, humidity})
    field->setMaximumWidth(90);

  auto* columns = new QGridLayout;
  columns->addWidget(picture, 0, 0);
  columns->addWidget(medium, 0, 1);
  columns->addWidget(sectionGroup, 1, 0, 1, 2);
  columns->addWidget(energyGroup, 2, 0);
  columns->addWidget(dewGroup, 2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CKanalTempDlg::NumberFields() {
  return {{density, &working.liquidDensity},
          {heatCapacity, &working.liquidHeatCapacity},
          {freezingPoint, &working.liquidFreezingPoint},
          {inletTemperature, &working.inletTemperature},
          {operatingHours, &working.operatingHours},
          {energyPrice, &working.energyPrice},
          {humidity, &working.relativeHumidity}};
}

void CKanalTempDlg::ShowValues() {
  CheckButton(*liquidMode, working.userDefinedLiquid);
  FillCombo(*liquid, database.List(DbList::Liquids), working.Liquid());
  ShowFloats(NumberFields());
  ShowStoredText(*currency, working.currency);
  energyOn->setChecked(working.energyCostOn != 0);
  dewPointOn->setChecked(working.dewPointCheckOn != 0);
}

void CKanalTempDlg::ConnectControls() {
  connect(liquidMode, &QButtonGroup::idClicked, this, &CKanalTempDlg::Changed);
  for (QCheckBox* box : {energyOn, dewPointOn})
    connect(box, &QCheckBox::clicked, this, &CKanalTempDlg::Changed);
  connect(picture, &QAbstractButton::clicked, this, &CKanalTempDlg::PictureClicked);
  connect(liquid, &QComboBox::activated, this, &CKanalTempDlg::LiquidChosen);
  connect(sectionList, &QListWidget::currentRowChanged, this, &CKanalTempDlg::ShowSelected);
  connect(sectionButtons[0], &QPushButton::clicked, this, &CKanalTempDlg::NewSection);
  connect(sectionButtons[1], &QPushButton::clicked, this, &CKanalTempDlg::CopySection);
  const auto update = [this] {
    sections->Update();
    ShowSelected();
  };
  connect(sectionButtons[2], &QPushButton::clicked, this, update);
  connect(sectionList, &QListWidget::itemDoubleClicked, this, update);
  connect(sectionButtons[3], &QPushButton::clicked, this, [this] {
    sections->Delete();
    ShowSelected();
  });
}

void CKanalTempDlg::Changed() {
  TakeChecked(*liquidMode, working.userDefinedLiquid);
  working.energyCostOn = energyOn->isChecked() ? 1 : 0;
  working.dewPointCheckOn = dewPointOn->isChecked() ? 1 : 0;
  ApplyRules();
}

void CKanalTempDlg::ApplyRules() {
  const bool pipes = !IsDuct(pictureKind);
  Enable(working.energyCostOn,
         {operatingHours, hoursLabel, energyPrice, priceLabel, currency, currencyLabel});
  liquid->setEnabled(pipes && !working.userDefinedLiquid);
  Enable(pipes && working.userDefinedLiquid,
         {density, densityLabel, heatCapacity, heatCapacityLabel, freezingPoint, freezingPointLabel});
  for (QAbstractButton* radio : liquidMode->buttons()) radio->setEnabled(pipes);
  Enable(!pipes, {dewPointOn, humidityLabel});
  Enable(!pipes && working.dewPointCheckOn, {humidity, humidityBar});
}

void CKanalTempDlg::ShowSelected() {
  const CSegment* section = sections->Selected();
  summary->SetText(section ? Text(DescribeSection(*section)) : QString());
  ShowPicture(section);
}

void CKanalTempDlg::ShowPicture(const CSegment* section) {
  if (!section) {
    picture->SetState(pictureKind, 0, 0, 0, true);
    return;
  }
  pictureKind = section->kind;
  const ObjectColours colours = ColoursOf(*section);
  picture->SetState(section->kind, colours.outer, colours.inner, colours.insulation, section->bare != 0);
}

void CKanalTempDlg::PictureClicked() {
  const int kind = picture->Current();
  if (IsDuct(kind) != IsDuct(pictureKind)) {
    if (!working.sections.empty() &&
        (!Dialogs().messages || !Dialogs().messages->AskOkCancel(MessageText(ids::kSectionsWillBeDeleted)))) {
      ShowSelected();
      return;
    }
    DeleteAll(working.sections);
    sections->Fill();
    working.nextSectionNumber = 1;
    summary->SetText({});
    const CListItem* remembered = IsDuct(kind) ? nullptr : working.Liquid();
    FillCombo(*liquid, database.List(DbList::Liquids), remembered);
  }
  pictureKind = kind;
  ShowPicture(nullptr);
  ApplyRules();
}

void CKanalTempDlg::LiquidChosen() {
  CVeske* chosen = RecordAt<CVeske>(database.List(DbList::Liquids), liquid->currentIndex());
  if (!chosen) return;
  working.SetLiquid(chosen);
  density->setText(Text(FormatC("%.0f", {chosen->density})));
  heatCapacity->setText(Text(FormatC("%.0f", {chosen->heatCapacity})));
  freezingPoint->setText(Text(FormatC("%.1f", {chosen->freezingPoint})));
}

bool CKanalTempDlg::RoomForSection() const {
  if (static_cast<std::size_t>(sectionList->count()) < CKanalTempModul::kMaxSections) return true;
  if (Dialogs().messages) Dialogs().messages->Show(MessageText(ids::kTooManySections));
  return false;
}

void CKanalTempDlg::NewSection() {
  if (!RoomForSection()) return;
  const CSegment* selected = sections->Selected();
  auto section = std::make_unique<CSegment>(pictureKind, working.nextSectionNumber, selected);
  int edited = 0;
  {
    std::vector<std::string> names;
    for (const auto& other : working.sections) names.push_back(other->name);
    const TakenNamesScope taken(std::move(names));
    edited = section->Edit();
  }
  if (!edited) return;
  auto at = working.sections.end();
  if (selected) {
    at = std::next(std::find_if(working.sections.begin(), working.sections.end(),
                                [selected](const auto& s) { return s.get() == selected; }));
  }
  const std::string name = section->name;
  working.sections.insert(at, std::move(section));
  ++working.nextSectionNumber;
  sections->Fill();
  const auto rows = sectionList->findItems(Text(name), Qt::MatchExactly);
  if (!rows.isEmpty()) sectionList->setCurrentItem(rows.front());
  ShowSelected();
}

void CKanalTempDlg::CopySection() {
  if (!RoomForSection()) return;
  if (sections->Copy()) ++working.nextSectionNumber;
  ShowSelected();
}

QWidget* CKanalTempDlg::ControlOf(RunInput input) const {
  switch (input) {
    case RunInput::None:
      return nullptr;
    case RunInput::Medium:
      return picture;
    case RunInput::LiquidMode:
      return liquidMode->button(0);
    case RunInput::Liquid:
      return liquid;
    case RunInput::Density:
      return density;
    case RunInput::HeatCapacity:
      return heatCapacity;
    case RunInput::FreezingPoint:
      return freezingPoint;
    case RunInput::InletTemperature:
      return inletTemperature;
    case RunInput::OperatingHours:
      return operatingHours;
    case RunInput::EnergyPrice:
      return energyPrice;
    case RunInput::Humidity:
      return humidity;
    case RunInput::Sections:
      return sectionList;
  }
  return nullptr;
}

void CKanalTempDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  working.currency = currency->text().toStdString();
  working.isAir = pictureKind;
  const auto fault = FirstRunFault(working);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
