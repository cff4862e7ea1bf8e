#include "ui/database/isotykkelsedlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/database/isoprodukt.h"
#include "core/framework/cformat.h"
#include "ui/database/recordfields.h"

namespace kelvora {

CIsoTykkelseDlg::CIsoTykkelseDlg(CIsoTykkelse& edited, QWidget* parent)
    : CItemDlg("::/html/isotykkelse.htm", parent), thickness(edited) {
  setWindowTitle(tr("Standardní tl. izolace"));
  field = new QLineEdit(this);
  field->setObjectName(QStringLiteral("thickness"));
  ShowFloat(*field, thickness.thickness);

  auto* form = new QFormLayout;
  form->addRow(tr("Tloušťka [mm]:"), field);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
}

void CIsoTykkelseDlg::accept() {
  float value = thickness.thickness;
  if (!ExchangeFloatBetween(*field, value, 0.5f, 1500.0f)) return;
  if (!CheckName(FormatC("%.1f", {value}))) {
    Refuse({}, field);
    return;
  }
  thickness.SetThickness(value);
  CItemDlg::accept();
}

}  // namespace kelvora
