#include "ui/modules/economics/okoisolasjondlg.h"

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
#include <QVBoxLayout>

#include <algorithm>

#include "core/database/database.h"
#include "core/database/kostnad.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/modules/common/productchooser.h"
#include "ui/modules/economics/costunit.h"

namespace kelvora {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

InsulationChoice ChoiceOf(const COkoIsolasjon& a) {
  return {a.source, 1, a.standardThickness, a.userThickness, a.StandardProduct(), a.UserProduct()};
}

}  // namespace

COkoIsolasjonDlg::COkoIsolasjonDlg(const COkoIsolasjon& alternative, CDataBase& database,
                                   CEgendefDatabase& userDatabase, CKostnad& costs, QWidget* parent)
    : CItemDlg("::/html/okoisolering.htm", parent),
      working(alternative),
      database(database),
      costs(costs),
      takenNames(TakenNamesScope::Current()) {
  setWindowTitle(tr("Ekonomika izolace - izolační produkt"));
  chooser = new ProductChooser(
      ChoiceOf(working), ApplicableProducts<CIsoProdukt>(database.List(DbList::Products), working.objectKind),
      userDatabase, working.objectKind, *this);

  auto* surfaceGroup = new QGroupBox(tr("Vnější povrch"), this);
  emissivityMode = new QButtonGroup(this);
  surface = new QComboBox(surfaceGroup);
  surface->setObjectName(QStringLiteral("surface"));
  FillCombo(*surface, database.List(SurfaceList()), working.OuterSurface());
  emissivity = NewField(*surfaceGroup, "emissivity");
  ShowFloat(*emissivity, working.emissivity);
  auto* surfaceGrid = new QGridLayout(surfaceGroup);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Vybrat z databáze"), "surfaceFromDatabase", 0), 0, 0);
  surfaceGrid->addWidget(surface, 0, 1);
  surfaceGrid->addWidget(
      Radio(*surfaceGroup, *emissivityMode, tr("Uživatelsky def. emisivita:"), "userEmissivityMode", 1), 1,
      0);
  surfaceGrid->addWidget(emissivity, 1, 1);
  innerSurfaceOn = Check(*surfaceGroup, tr("Vnitřní povrch"), "innerSurfaceOn");
  innerSurfaceOn->setChecked(working.useInnerSurface != 0);
  innerSurface = new QComboBox(surfaceGroup);
  innerSurface->setObjectName(QStringLiteral("innerSurface"));
  FillCombo(*innerSurface, database.List(DbList::InnerFacings), working.InnerSurface());
  surfaceGrid->addWidget(innerSurfaceOn, 2, 0);
  surfaceGrid->addWidget(innerSurface, 2, 1);
  surfaceGrid->setColumnStretch(1, 1);
  CheckButton(*emissivityMode, working.ownEmissivity);

  price = NewField(*this, "price");
  price->setText(PriceFieldText(working.price));
  QPushButton* presets = NewButton(*this, tr("Vybrat předvolené náklady..."), "presets");
  auto* priceRow = new QHBoxLayout;
  priceRow->addWidget(new QLabel(SharedCostUnit().PriceCaption(), this));
  priceRow->addWidget(price);
  priceRow->addWidget(presets);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chooser);
  layout->addWidget(surfaceGroup);
  layout->addLayout(priceRow);
  layout->addWidget(MakeButtons());

  connect(emissivityMode, &QButtonGroup::idClicked, this, [this](int id) {
    working.ownEmissivity = id;
    ApplyRules();
  });
  connect(innerSurfaceOn, &QCheckBox::toggled, this, &COkoIsolasjonDlg::ApplyRules);
  connect(surface, &QComboBox::currentIndexChanged, this, &COkoIsolasjonDlg::SurfaceChosen);
  connect(presets, &QPushButton::clicked, this, &COkoIsolasjonDlg::PickPreset);
  ApplyRules();
}

DbList COkoIsolasjonDlg::SurfaceList() const {
  return working.InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes;
}

void COkoIsolasjonDlg::ApplyRules() {
  surface->setEnabled(working.ownEmissivity == 0);
  emissivity->setEnabled(working.ownEmissivity == 1);
  innerSurfaceOn->setEnabled(working.InsulatedInside());
  innerSurface->setEnabled(working.InsulatedInside() && innerSurfaceOn->isChecked());
}

void COkoIsolasjonDlg::SurfaceChosen(int index) {
  const CMantling* chosen = RecordAt<CMantling>(database.List(SurfaceList()), index);
  if (chosen) emissivity->setText(Text(FormatC("%.2f", {chosen->emissivity})));
}

void COkoIsolasjonDlg::PickPreset() {
  if (!costs.Edit() || !costs.Chosen()) return;
  price->setText(PriceFieldText(costs.Chosen()->price));
}

QWidget* COkoIsolasjonDlg::ControlOf(AlternativeInput input) const {
  switch (input) {
    case AlternativeInput::Emissivity:
      return emissivity;
    case AlternativeInput::Surface:
      return surface;
    case AlternativeInput::Price:
      return price;
    default:
      return nullptr;
  }
}

void COkoIsolasjonDlg::accept() {
  if (!chooser->Take()) return;
  const InsulationChoice& choice = chooser->Choice();
  working.source = choice.source;
  working.standardThickness = choice.standardThickness;
  working.userThickness = choice.userThickness;
  working.SetStandardProduct(choice.standardProduct);
  working.SetUserProduct(choice.userProduct);
  const NumberField numbers[] = {{emissivity, &working.emissivity}, {price, &working.price}};
  if (!ExchangeFloats(numbers)) return;
  working.SetOuterSurface(RecordAt<CMantling>(database.List(SurfaceList()), surface->currentIndex()));
  working.useInnerSurface = working.InsulatedInside() && innerSurfaceOn->isChecked() ? 1 : 0;
  working.SetInnerSurface(
      RecordAt<CMantling>(database.List(DbList::InnerFacings), innerSurface->currentIndex()));
  if (const auto fault = FirstAlternativeFault(working)) {
    RefuseFault(*fault, ControlOf(fault->input));
    return;
  }
  const CostUnit& unit = SharedCostUnit();
  working.UpdateNames(unit.currency, unit.Unit());
  if (std::find(takenNames.begin(), takenNames.end(), working.name) != takenNames.end()) {
    Refuse(MessageText(ids::kEcoDuplicateAlternative), price);
    return;
  }
  CItemDlg::accept();
}

}  // namespace kelvora
