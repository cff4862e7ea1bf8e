#include "ui/modules/economics/okonomidlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/physics/flowunits.h"
#include "ui/controls/multibutton.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/surroundingsbox.h"
#include "ui/modules/common/objectpicture.h"
#include "ui/modules/economics/costunit.h"

namespace kelvora {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }
bool Ask(int id) { return !Dialogs().messages || Dialogs().messages->AskOkCancel(MessageText(id)); }

bool IsPlaneKind(int kind) { return kind == 4 || kind == 5; }
bool IsDuctKind(int kind) { return kind >= 1 && kind <= 3; }

}  // namespace

COkonomiDlg::COkonomiDlg(const COkonomiModul& module, CKlima* climate, QWidget* parent)
    : CItemDlg("::/html/okonomi.htm", parent), working(nullptr), climate(climate) {
  setWindowTitle(tr("Ekonomika izolace"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ShareUnit();
  ApplyRules();
}

COkonomiDlg::~COkonomiDlg() = default;

void COkonomiDlg::BuildControls() {
  picture = new CMultiButton2(this);
  picture->setObjectName(QStringLiteral("objectPicture"));
  SetupObjectPicture(*picture, working.objectKind, working.vertical);
  diameter = NewField(*this, "diameter");
  height = NewField(*this, "height");
  width = NewField(*this, "width");
  bareEmissivity = NewField(*this, "bareEmissivity");
  mediumTemperature = NewField(*this, "mediumTemperature");
  flowUnit = new QButtonGroup(this);
  flow = NewField(*this, "flow");
  alternatives = new QListWidget(this);
  alternatives->setObjectName(QStringLiteral("alternatives"));
  alternatives->setMinimumWidth(320);
  const QString captions[] = {tr("Nová izolace..."), tr("Aktualizovat izolaci..."),
                              tr("Kopírovat izolaci..."), tr("Smazat izolaci")};
  const char* names[] = {"newAlternative", "updateAlternative", "copyAlternative", "deleteAlternative"};
  for (int i = 0; i < 4; ++i) alternativeButtons[i] = NewButton(*this, captions[i], names[i]);
  ambientTemperature = NewField(*this, "ambientTemperature");
  surroundings = new SurroundingsBox(
      *this, *ambientTemperature,
      {tr("Prostředí"), tr("Okolní teplota [°C]:"), tr("Vybrat místní klimatická data..."),
       tr("Souč. přestupu tepla vně"), "[W/m2K]:", "userCoefficient"});
  currency = NewField(*this, "currency");
  energyPrice = NewField(*this, "energyPrice");
  operatingHours = NewField(*this, "operatingHours");
  lifeSpan = NewField(*this, "lifeSpan");
  energyInflation = NewField(*this, "energyInflation");
  interestRate = NewField(*this, "interestRate");
  editor = std::make_unique<ListEditor<COkoIsolasjon>>(working.alternatives, *alternatives);
}

void COkonomiDlg::BuildLayout() {
  auto* object = new QGroupBox(tr("Objekt"), this);
  auto* objectForm = new QFormLayout(object);
  objectForm->addRow(picture);
  diameterLabel = Label(*object, DiameterCaption(working.objectKind));
  heightLabel = Label(*object, tr("Výška [mm]:"));
  widthLabel = Label(*object, tr("Šířka [mm]:"));
  objectForm->addRow(diameterLabel, diameter);
  objectForm->addRow(heightLabel, height);
  objectForm->addRow(widthLabel, width);
  objectForm->addRow(Label(*object, tr("Emisivita potrubí*:")), bareEmissivity);
  auto* note = new QLabel(Text(MessageText(ids::kEcoBareEmissivityNote)), object);
  note->setObjectName(QStringLiteral("bareEmissivityNote"));
  note->setWordWrap(true);
  objectForm->addRow(note);
  objectForm->addRow(Label(*object, tr("Teplota média [°C]:")), mediumTemperature);

  auto* flowBox = new QGroupBox(tr("Proudění vzduchu"), this);
  flowGroup = flowBox;
  auto* flowGrid = new QGridLayout(flowBox);
  flowGrid->addWidget(Radio(*flowBox, *flowUnit, "[m3/h]", "flowM3h", 0), 0, 0);
  flowGrid->addWidget(Radio(*flowBox, *flowUnit, "[l/s]", "flowLs", 1), 0, 1);
  flowGrid->addWidget(Radio(*flowBox, *flowUnit, "[m/s]", "flowMs", 2), 0, 2);
  flowLabel = FlowLabel(*flowBox);
  flowGrid->addWidget(flowLabel, 1, 0, 1, 2);
  flowGrid->addWidget(flow, 1, 2);
  objectForm->addRow(flowBox);

  auto* list = new QGroupBox(tr("Izolace"), this);
  auto* listGrid = new QGridLayout(list);
  listGrid->addWidget(alternatives, 0, 0, 1, 4);
  for (int i = 0; i < 4; ++i) listGrid->addWidget(alternativeButtons[i], 1, i);

  auto* costs = new QGroupBox(tr("Náklady"), this);
  auto* costForm = new QFormLayout(costs);
  costForm->addRow(Label(*costs, tr("Měna:")), currency);
  costForm->addRow(Label(*costs, tr("Náklady na kWh energie:")), energyPrice);
  costForm->addRow(Label(*costs, tr("Provozní doba [h/rok]:")), operatingHours);
  costForm->addRow(Label(*costs, tr("Odpisová doba [roky]:")), lifeSpan);
  costForm->addRow(Label(*costs, tr("Inflace energie [%]:")), energyInflation);
  costForm->addRow(Label(*costs, tr("Úroková sazba [%]:")), interestRate);

  auto* columns = new QGridLayout(this);
  columns->addWidget(object, 0, 0, 2, 1);
  columns->addWidget(list, 0, 1);
  columns->addWidget(surroundings, 1, 1);
  columns->addWidget(costs, 0, 2, 2, 1);
  columns->addWidget(MakeButtons(), 2, 0, 1, 3);
}

std::vector<NumberField> COkonomiDlg::NumberFields() {
  return {{diameter, &working.diameter},
          {height, &working.height},
          {width, &working.width},
          {bareEmissivity, &working.bareEmissivity},
          {mediumTemperature, &working.mediumTemperature},
          {flow, &working.flow},
          {ambientTemperature, &working.ambientTemperature},
          {surroundings->windSpeed, &working.windSpeed},
          {surroundings->outerCoefficient, &working.userCoefficient},
          {energyPrice, &working.energyPrice},
          {operatingHours, &working.operatingHours},
          {lifeSpan, &working.lifeSpan},
          {energyInflation, &working.energyInflation},
          {interestRate, &working.interestRate}};
}

void COkonomiDlg::ShowValues() {
  ShowFloats(NumberFields());
  shownCurrency = Text(working.currency);
  currency->setText(shownCurrency);
  CheckButton(*surroundings->environment, working.environment);
  CheckButton(*flowUnit, working.flowUnit);
  flow->setText(Text(ShowFlowValue(working.flow)));
}

void COkonomiDlg::ConnectControls() {
  connect(picture, &QAbstractButton::clicked, this, &COkonomiDlg::PictureClicked);
  connect(surroundings->environment, &QButtonGroup::idClicked, this, &COkonomiDlg::Changed);
  connect(surroundings->climateButton, &QPushButton::clicked, this,
          [this] { surroundings->PickClimate(climate, working.ambientTemperature, working.windSpeed); });
  connect(flowUnit, &QButtonGroup::idClicked, this, &COkonomiDlg::FlowUnitChosen);
  connect(currency, &QLineEdit::textEdited, this, &COkonomiDlg::CurrencyEdited);
  connect(alternatives, &QListWidget::currentRowChanged, this, &COkonomiDlg::ShowPicture);
  connect(alternatives, &QListWidget::itemDoubleClicked, this, [this] { editor->Update(); });
  connect(alternativeButtons[0], &QPushButton::clicked, this, [this] {
    if (Room()) editor->New(std::make_unique<COkoIsolasjon>(working.objectKind));
    ShowPicture();
  });
  connect(alternativeButtons[1], &QPushButton::clicked, this, [this] {
    editor->Update();
    ShowPicture();
  });
  connect(alternativeButtons[2], &QPushButton::clicked, this, [this] {
    if (Room()) editor->Copy();
    ShowPicture();
  });
  connect(alternativeButtons[3], &QPushButton::clicked, this, [this] {
    editor->Delete();
    ShowPicture();
  });
}

bool COkonomiDlg::Room() const {
  if (working.alternatives.size() < COkonomiModul::kMaxAlternatives) return true;
  if (Dialogs().messages) Dialogs().messages->Show(MessageText(ids::kEcoMaxAlternatives));
  return false;
}

void COkonomiDlg::ShareUnit() { SharedCostUnit() = {working.currency, IsPlaneKind(working.objectKind)}; }

void COkonomiDlg::Changed() {
  TakeChecked(*surroundings->environment, working.environment);
  ApplyRules();
}

void COkonomiDlg::ApplyRules() {
  const int kind = working.objectKind;
  diameterLabel->setText(DiameterCaption(kind));
  Enable(kind == 0 || kind == 1, {diameter, diameterLabel});
  Enable(kind == 2 || kind == 3, {width, widthLabel});
  Enable(kind == 2 || kind == 3 || (IsPlaneKind(kind) && working.vertical), {height, heightLabel});
  flowGroup->setEnabled(IsDuctKind(kind));
  flowLabel->setText(FlowCaption(working.flowUnit));
  surroundings->ApplyRules(working.environment);
  ShowPicture();
}

void COkonomiDlg::ShowPicture() {
  const COkoIsolasjon* shown = editor->Selected();
  if (!shown && !working.alternatives.empty()) shown = working.alternatives.front().get();
  const AlternativeColours colours = shown ? ColoursOf(*shown) : AlternativeColours{};
  ShowObjectPicture(*picture, working.objectKind, working.vertical,
                    {colours.outer, colours.inner, colours.insulation}, shown == nullptr);
}

void COkonomiDlg::PictureClicked() {
  const int kind = picture->Kind();
  if (kind != working.objectKind) {
    if (!working.alternatives.empty() && !Ask(ids::kEcoKindChangeWarning)) {
      ShowPicture();
      return;
    }
    working.objectKind = kind;
    // Planes and rectangular ducts start from a height of their own.
    if (kind >= 2) {
      working.height = IsPlaneKind(kind) ? 1000.0f : 200.0f;
      height->setText(Text(FormatC("%.0f", {working.height})));
    }
    DeleteAll(working.alternatives);
    editor->Fill();
    ShareUnit();
  }
  working.vertical = picture->Orientation();
  ApplyRules();
}

void COkonomiDlg::CurrencyEdited(const QString& text) {
  if (text == shownCurrency) return;
  if (!working.alternatives.empty()) {
    if (!Ask(ids::kEcoCurrencyWarning)) {
      currency->setText(shownCurrency);
      return;
    }
    DeleteAll(working.alternatives);
    editor->Fill();
    ShowPicture();
  }
  shownCurrency = text;
  working.currency = text.toStdString();
  ShareUnit();
}

void COkonomiDlg::FlowUnitChosen(int unit) {
  if (unit == working.flowUnit) return;
  // Only the flow and the sizes it depends on are read here.
  float value = working.flow;
  if (!ExchangeFloat(*flow, value) || !ExchangeFloat(*diameter, working.diameter) ||
      !ExchangeFloat(*width, working.width) || !ExchangeFloat(*height, working.height)) {
    CheckButton(*flowUnit, working.flowUnit);
    return;
  }
  const COkoIsolasjon* first = working.alternatives.empty() ? nullptr : working.alternatives.front().get();
  const float lining = first && first->Product() ? first->Thickness() : 0.0f;
  const float a = FlowConversionArea(static_cast<ObjectKind>(working.objectKind), working.diameter,
                                     working.width, working.height, lining);
  working.flow = ConvertFlow(value, working.flowUnit, unit, a);
  working.flowUnit = unit;
  flow->setText(Text(ShowFlowValue(working.flow)));
  flowLabel->setText(FlowCaption(unit));
}

QWidget* COkonomiDlg::ControlOf(EconomicsInput input) const {
  switch (input) {
    case EconomicsInput::None:
      return nullptr;
    case EconomicsInput::ObjectKind:
      return picture;
    case EconomicsInput::Environment:
      return surroundings->environment->button(0);
    case EconomicsInput::FlowUnit:
      return flowUnit->button(0);
    case EconomicsInput::Diameter:
      return diameter;
    case EconomicsInput::Height:
      return height;
    case EconomicsInput::Width:
      return width;
    case EconomicsInput::BareEmissivity:
      return bareEmissivity;
    case EconomicsInput::MediumTemperature:
      return mediumTemperature;
    case EconomicsInput::Flow:
      return flow;
    case EconomicsInput::AmbientTemperature:
      return ambientTemperature;
    case EconomicsInput::WindSpeed:
      return surroundings->windSpeed;
    case EconomicsInput::UserCoefficient:
      return surroundings->outerCoefficient;
    case EconomicsInput::EnergyPrice:
      return energyPrice;
    case EconomicsInput::OperatingHours:
      return operatingHours;
    case EconomicsInput::LifeSpan:
      return lifeSpan;
    case EconomicsInput::EnergyInflation:
      return energyInflation;
    case EconomicsInput::InterestRate:
      return interestRate;
    case EconomicsInput::Alternatives:
      return alternatives;
  }
  return nullptr;
}

void COkonomiDlg::accept() {
  Changed();
  if (!ExchangeFloats(NumberFields())) return;
  working.currency = currency->text().toStdString();
  if (const auto fault = FirstEconomicsFault(working, AskWarning)) {
    RefuseFault(*fault, ControlOf(fault->input));
    return;
  }
  CItemDlg::accept();
}

}  // namespace kelvora
