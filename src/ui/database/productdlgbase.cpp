#include "ui/database/productdlgbase.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "ui/controls/colorbtn.h"
#include "ui/database/isotykkelsedlg.h"
#include "ui/database/recordfields.h"

namespace kelvora {

namespace {

void TellText(int id) {
  if (Dialogs().messages) Dialogs().messages->Show(MessageText(id));
}

std::size_t InsertByThickness(ItemList<CIsoTykkelse>& list, std::unique_ptr<CIsoTykkelse> thickness) {
  return InsertAscending(list, std::move(thickness), [](const CIsoTykkelse& t) { return t.thickness; });
}

std::vector<std::string> NamesOf(const ItemList<CIsoTykkelse>& list) {
  std::vector<std::string> names;
  for (const auto& thickness : list) names.push_back(thickness->name);
  return names;
}

QPushButton* Button(const QString& text, const char* objectName, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CProductDlgBase::CProductDlgBase(std::string helpTopic, CIsoProdukt& edited, QWidget* parent)
    : CItemDlg(std::move(helpTopic), parent),
      product(edited),
      insulationColour(edited.insulationColour),
      surfaceColour(edited.surfaceColour) {
  CopyList(thicknesses, product.thicknesses);
}

QGroupBox* CProductDlgBase::MakeThicknessGroup() {
  auto* group = new QGroupBox(tr("Standardní tloušťka [mm]"), this);
  thicknessList = new QListWidget(group);
  thicknessList->setObjectName(QStringLiteral("thicknesses"));
  auto* add = Button(tr("Nová tloušťka..."), "newThickness", group);
  auto* change = Button(tr("Aktualizovat tloušťku..."), "updateThickness", group);
  auto* remove = Button(tr("Smazat tloušťku"), "deleteThickness", group);
  connect(add, &QPushButton::clicked, this, &CProductDlgBase::NewThickness);
  connect(change, &QPushButton::clicked, this, &CProductDlgBase::UpdateThickness);
  connect(remove, &QPushButton::clicked, this, &CProductDlgBase::DeleteThickness);
  connect(thicknessList, &QListWidget::itemDoubleClicked, this, &CProductDlgBase::UpdateThickness);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(change);
  buttons->addWidget(remove);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(thicknessList);
  layout->addLayout(buttons);
  ShowThicknesses(-1);
  return group;
}

QLayout* CProductDlgBase::MakeColourButtons() {
  auto* chooseInsulation = Button(tr("Vybrat barvu izolace..."), "chooseInsulationColour", this);
  auto* chooseSurface = Button(tr("Vybrat barvu povrchu..."), "chooseSurfaceColour", this);
  insulationSwatch = new CColorBtn(this);
  insulationSwatch->setObjectName(QStringLiteral("insulationColour"));
  insulationSwatch->Setup(insulationColour);
  surfaceSwatch = new CColorBtn(this);
  surfaceSwatch->setObjectName(QStringLiteral("surfaceColour"));
  surfaceSwatch->Setup(surfaceColour);
  const auto insulation = [this] { ChooseColour(insulationColour, *insulationSwatch); };
  const auto surface = [this] { ChooseColour(surfaceColour, *surfaceSwatch); };
  connect(chooseInsulation, &QPushButton::clicked, this, insulation);
  connect(insulationSwatch, &CColorBtn::clicked, this, insulation);
  connect(chooseSurface, &QPushButton::clicked, this, surface);
  connect(surfaceSwatch, &CColorBtn::clicked, this, surface);

  auto* grid = new QGridLayout;
  grid->addWidget(chooseInsulation, 0, 0);
  grid->addWidget(insulationSwatch, 0, 1);
  grid->addWidget(chooseSurface, 1, 0);
  grid->addWidget(surfaceSwatch, 1, 1);
  return grid;
}

QGroupBox* CProductDlgBase::MakeUsageGroup() {
  static const std::array<const char*, kUsageCount> captions{
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Izolace potrubí"),
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Izolace kruhového vzduchovodu"),
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Izolace čtyřhranného vzduchovodu"),
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Vnitřní iz. čtyřhranného vzduch."),
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Izolace plochy"),
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Vnitřní izolace plochy"),
      QT_TRANSLATE_NOOP("kelvora::CProductDlgBase", "Izolace zásobníku (nádrže)"),
  };
  auto* group = new QGroupBox(tr("Použití"), this);
  auto* layout = new QVBoxLayout(group);
  for (std::size_t i = 0; i < usage.size(); ++i) {
    usage[i] = new QCheckBox(tr(captions[i]), group);
    usage[i]->setObjectName(QStringLiteral("usage%1").arg(i));
    usage[i]->setChecked(product.usage[i] != 0);
    layout->addWidget(usage[i]);
  }
  return group;
}

bool CProductDlgBase::ReadNumbers(std::initializer_list<NumberRow> rows) const {
  for (const NumberRow& row : rows) {
    if (!ExchangeFloatBetween(*row.field, *row.value, row.min, row.max)) return false;
  }
  return true;
}

bool CProductDlgBase::CheckThicknesses(float minMm, float maxMm) const {
  if (thicknesses.empty()) {
    TellText(ids::kNoStandardThickness);
    return false;
  }
  if (thicknesses.front()->thickness < minMm) {
    TellText(ids::kThicknessBelowMin);
    return false;
  }
  if (thicknesses.back()->thickness > maxMm) {
    TellText(ids::kThicknessAboveMax);
    return false;
  }
  return true;
}

void CProductDlgBase::WriteShared() {
  ReplaceList(product.thicknesses, thicknesses, true);
  product.insulationColour = insulationColour;
  product.surfaceColour = surfaceColour;
  for (std::size_t i = 0; i < usage.size(); ++i) product.usage[i] = usage[i] && usage[i]->isChecked() ? 1 : 0;
}

void CProductDlgBase::NewThickness() {
  auto thickness = std::make_unique<CIsoTykkelse>();
  CIsoTykkelseDlg dialog(*thickness, this);
  dialog.SetTakenNames(NamesOf(thicknesses));
  if (dialog.exec() != QDialog::Accepted) return;
  ShowThicknesses(static_cast<int>(InsertByThickness(thicknesses, std::move(thickness))));
}

void CProductDlgBase::UpdateThickness() {
  const auto chosen = ChosenThickness();
  if (!chosen) return;
  auto thickness = std::move(thicknesses[*chosen]);
  thicknesses.erase(thicknesses.begin() + static_cast<std::ptrdiff_t>(*chosen));
  {
    CIsoTykkelseDlg dialog(*thickness, this);
    dialog.SetTakenNames(NamesOf(thicknesses));
    dialog.exec();
  }
  ShowThicknesses(static_cast<int>(InsertByThickness(thicknesses, std::move(thickness))));
}

void CProductDlgBase::DeleteThickness() {
  const auto chosen = ChosenThickness();
  if (!chosen) return;
  const std::string question = FormatMessage(MessageText(ids::kConfirmDelete), {thicknesses[*chosen]->name});
  if (!Dialogs().messages || !Dialogs().messages->AskOkCancel(question)) return;
  thicknesses.erase(thicknesses.begin() + static_cast<std::ptrdiff_t>(*chosen));
  ShowThicknesses(-1);
}

std::optional<std::size_t> CProductDlgBase::ChosenThickness() const {
  if (thicknesses.empty()) {
    TellText(ids::kListEmpty);
    return std::nullopt;
  }
  const int row = thicknessList->currentRow();
  return row >= 0 && static_cast<std::size_t>(row) < thicknesses.size() ? static_cast<std::size_t>(row) : 0;
}

void CProductDlgBase::ShowThicknesses(int selected) {
  thicknessList->clear();
  for (const auto& thickness : thicknesses) thicknessList->addItem(QString::fromStdString(thickness->name));
  if (selected >= 0) thicknessList->setCurrentRow(selected);
}

void CProductDlgBase::ChooseColour(Colour& colour, CColorBtn& swatch) {
  if (!ColourDialog()) return;
  const auto chosen = ColourDialog()(colour, this);
  if (!chosen) return;
  colour = *chosen;
  swatch.SetColour(colour);
}

}  // namespace kelvora
