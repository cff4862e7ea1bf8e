#include "ui/modules/economics/kostnaddlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "ui/database/recordfields.h"
#include "ui/modules/common/sortlistctrl.h"
#include "ui/modules/economics/costunit.h"

namespace kelvora {

namespace {

constexpr int kMaxNameLength = 60;
constexpr int kListWidth = 360;

}  // namespace

CIsoKostnadDlg::CIsoKostnadDlg(const std::string& name, float price, QWidget* parent)
    : CItemDlg("::/html/isokostnad.htm", parent), nameValue(name), priceValue(price) {
  setWindowTitle(tr("Náklady na izolaci"));
  auto* nameGroup = new QGroupBox(tr("Vložit název"), this);
  // The whole stored name is shown; OK refuses one longer than the limit.
  this->name = NewField(*nameGroup, "name");
  this->name->setText(QString::fromStdString(name));
  (new QVBoxLayout(nameGroup))->addWidget(this->name);
  this->price = NewField(*this, "price");
  this->price->setText(PriceFieldText(price));
  auto* priceRow = new QHBoxLayout;
  priceRow->addWidget(new QLabel(SharedCostUnit().PriceCaption(), this));
  priceRow->addWidget(this->price);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nameGroup);
  layout->addLayout(priceRow);
  layout->addWidget(MakeButtons());
}

void CIsoKostnadDlg::accept() {
  const std::string typed = name->text().toStdString();
  if (name->text().size() > kMaxNameLength) {
    Refuse(FormatMessage(MessageText(ids::kTextTooLong), {std::to_string(kMaxNameLength)}), name);
    return;
  }
  float typedPrice = priceValue;
  if (!ExchangeFloat(*price, typedPrice)) return;
  if (!CheckRange(*price, typedPrice, 0.0f, 100000.0f)) return;
  if (!CheckName(typed)) {
    Refuse({}, name);
    return;
  }
  nameValue = typed;
  priceValue = typedPrice;
  CItemDlg::accept();
}

CKostnadDlg::CKostnadDlg(ItemList<CIsoKostnad>& presets, const CIsoKostnad* chosen, QWidget* parent)
    : CItemDlg("::/html/isokostnader.htm", parent), presets(presets) {
  setWindowTitle(tr("Přednastavené náklady na izolaci"));
  list = new CSortListCtrl({{{}, true}, {}, {}}, this);
  list->setObjectName(QStringLiteral("presets"));
  list->setHeaderHidden(true);
  auto* note = new QLabel(QString::fromUtf8(MessageText(ids::kEcoPresetNote).data()), this);
  note->setWordWrap(true);
  QPushButton* buttons[] = {NewButton(*this, tr("Nové vložení..."), "newPreset"),
                            NewButton(*this, tr("Aktualizovat vložení..."), "updatePreset"),
                            NewButton(*this, tr("Smazat vložení"), "deletePreset")};
  connect(buttons[0], &QPushButton::clicked, this, &CKostnadDlg::NewPreset);
  connect(buttons[1], &QPushButton::clicked, this, &CKostnadDlg::UpdatePreset);
  connect(buttons[2], &QPushButton::clicked, this, &CKostnadDlg::DeletePreset);
  connect(list, &QTreeWidget::itemDoubleClicked, this, &CKostnadDlg::accept);
  auto* grid = new QGridLayout(this);
  grid->addWidget(list, 0, 0, 4, 1);
  for (int row = 0; row < 3; ++row) grid->addWidget(buttons[row], row, 1);
  grid->addWidget(note, 4, 0, 1, 2);
  grid->addWidget(MakeButtons(), 5, 0, 1, 2);
  Fill(chosen);
}

void CKostnadDlg::Fill(const CIsoKostnad* selected) {
  list->Clear();
  const Language language = DisplayLanguage();
  for (const auto& preset : presets) {
    list->AddRow({QString::fromUtf8(preset->ShownName(language)), PriceFieldText(preset->price),
                  QString::fromUtf8(preset->LabelUnit())},
                 preset.get());
    list->topLevelItem(list->topLevelItemCount() - 1)->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  list->SortByColumn(0, true);
  list->SelectRecord(selected);
  // Wide enough for every name and price, also after an edit made a name longer.
  list->setMinimumWidth(std::max(kListWidth, list->sizeHint().width()));
}

CIsoKostnad* CKostnadDlg::Selected() const {
  auto* preset = static_cast<CIsoKostnad*>(list->SelectedRecord());
  if (!preset) TellId(ids::kEcoChoosePreset);
  return preset;
}

bool CKostnadDlg::EditPreset(CIsoKostnad& preset) const {
  const Language language = DisplayLanguage();
  std::vector<std::string> others;
  for (const auto& other : presets) {
    if (other.get() == &preset) continue;
    others.push_back(other->name);
    if (other->ShownName(language) != other->name) others.emplace_back(other->ShownName(language));
  }
  const TakenNamesScope taken(std::move(others));
  return preset.Edit() != 0;
}

void CKostnadDlg::NewPreset() {
  auto preset = std::make_unique<CIsoKostnad>();
  if (!EditPreset(*preset)) return;
  presets.push_back(std::move(preset));
  changed = true;
  Fill(presets.back().get());
}

// An updated preset goes to the end of the file; the list box stays sorted.
void CKostnadDlg::UpdatePreset() {
  CIsoKostnad* preset = Selected();
  if (!preset || !EditPreset(*preset)) return;
  const auto at =
      std::find_if(presets.begin(), presets.end(), [&](const auto& p) { return p.get() == preset; });
  std::rotate(at, at + 1, presets.end());
  changed = true;
  Fill(preset);
}

void CKostnadDlg::DeletePreset() {
  CIsoKostnad* preset = Selected();
  if (!preset) return;
  const std::string question =
      FormatMessage(MessageText(ids::kConfirmDelete), {preset->ShownName(DisplayLanguage())});
  if (!Dialogs().messages || !Dialogs().messages->AskOkCancel(question)) return;
  std::erase_if(presets, [&](const auto& p) { return p.get() == preset; });
  changed = true;
  Fill(nullptr);
}

void CKostnadDlg::accept() {
  chosenPreset = Selected();
  if (chosenPreset) CItemDlg::accept();
}

void CKostnadDlg::reject() {
  if (changed && Dialogs().messages && !Dialogs().messages->AskOkCancel(MessageText(ids::kDiscardChanges)))
    return;
  CItemDlg::reject();
}

}  // namespace kelvora
