#include "ui/modules/heatloss/tilleggsutstyrdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/database/mantling.h"
#include "core/framework/stringtable.h"
#include "core/physics/isolasjon.h"
#include "ui/database/recordfields.h"
#include "ui/framework/recordcombo.h"

namespace kelvora {

CTilleggsutstyrDlg::CTilleggsutstyrDlg(const EquipmentChoice& entry, ItemList<CListItem>& equipmentList,
                                       QWidget* parent)
    : CItemDlg("::/html/tilleggsutstyr.htm", parent), choice(entry) {
  setWindowTitle(tr("Přídavné vybavení"));

  typeBox = new QComboBox(this);
  typeBox->setObjectName(QStringLiteral("type"));
  types = std::make_unique<RecordCombo<CListItem>>(equipmentList, *typeBox, choice.equipment);
  userDefined = new QCheckBox(tr("Definovaný uživatelem:"), this);
  userDefined->setObjectName(QStringLiteral("userDefined"));
  userDefined->setChecked(choice.userDefined != 0);
  connect(userDefined, &QCheckBox::toggled, this, &CTilleggsutstyrDlg::ApplyRules);
  userName = NewField(*this, "userName");
  userName->setText(QString::fromStdString(choice.userName));
  lengthLabel = new QLabel(tr("Přidaná délka potrubí [m]:"), this);
  length = NewField(*this, "length");
  ShowFloat(*length, choice.equivalentLength);
  count = NewField(*this, "count");
  count->setText(QString::number(choice.count));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Typ:"), this), 0, 0);
  grid->addWidget(typeBox, 0, 1);
  grid->addWidget(userDefined, 1, 0);
  grid->addWidget(userName, 1, 1);
  grid->addWidget(lengthLabel, 2, 0);
  grid->addWidget(length, 2, 1);
  grid->addWidget(new QLabel(tr("Počet kusů:"), this), 3, 0);
  grid->addWidget(count, 3, 1);
  grid->setColumnMinimumWidth(1, 240);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(MakeButtons());
  ApplyRules();
}

CTilleggsutstyrDlg::~CTilleggsutstyrDlg() = default;

void CTilleggsutstyrDlg::ApplyRules() {
  const bool user = userDefined->isChecked();
  typeBox->setEnabled(!user);
  userName->setEnabled(user);
  lengthLabel->setEnabled(user);
  length->setEnabled(user);
}

void CTilleggsutstyrDlg::accept() {
  float typedLength = choice.equivalentLength;
  std::int32_t typedCount = choice.count;
  if (!ExchangeFloatBetween(*length, typedLength, 0.0f, CTilleggsutstyr::kMaxEquivalentLength) ||
      !ExchangeIntBetween(*count, typedCount, 0, CTilleggsutstyr::kMaxCount))
    return;
  auto* chosen = static_cast<CTillegg2*>(types->Selected());
  const bool user = userDefined->isChecked();
  if (!chosen && !user) {
    Refuse(MessageText(ids::kChooseEquipmentType), typeBox);
    return;
  }
  choice = {typedCount, user ? 1 : 0, typedLength, userName->text().toStdString(), chosen};
  CItemDlg::accept();
}

}  // namespace kelvora
