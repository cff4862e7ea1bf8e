#include "ui/modules/common/isolasjondlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace kelvora {

CIsolasjonDlg::CIsolasjonDlg(const InsulationChoice& layer, std::vector<CIsoProdukt*> standardProducts,
                             CEgendefDatabase& userDatabase, int objectKind, QWidget* parent)
    : CItemDlg("::/html/isolering.htm", parent),
      chooser(new ProductChooser(layer, std::move(standardProducts), userDatabase, objectKind, *this)) {
  setWindowTitle(tr("Izolace"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chooser);
  layout->addWidget(MakeButtons());
}

void CIsolasjonDlg::accept() {
  if (chooser->Take()) CItemDlg::accept();
}

}  // namespace kelvora
