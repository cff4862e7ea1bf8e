#include "ui/database/producteditors.h"

#include "core/database/database.h"
#include "core/framework/editors.h"
#include "ui/database/egendefisoproduktdlg.h"
#include "ui/database/isoproduktdlg.h"
#include "ui/database/isotykkelsedlg.h"
#include "ui/framework/itemdlg.h"

namespace kelvora {

namespace {

template <class Dialog>
int Run(Dialog& dialog) {
  return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace

void RegisterProductEditors(const CDataBase* standardDatabase) {
  Editors().Register<CIsoProdukt>([](CIsoProdukt& product) {
    CIsoProduktDlg dialog(product, DialogParent());
    return Run(dialog);
  });
  Editors().Register<CEgendefIsoProdukt>([standardDatabase](CEgendefIsoProdukt& product) {
    CEgendefIsoProduktDlg dialog(product, DialogParent());
    if (standardDatabase) {
      std::vector<std::string> names;
      for (const auto& record : standardDatabase->List(DbList::Products)) names.push_back(record->name);
      dialog.SetTakenNames(std::move(names));
    }
    return Run(dialog);
  });
  Editors().Register<CIsoTykkelse>([](CIsoTykkelse& thickness) {
    CIsoTykkelseDlg dialog(thickness, DialogParent());
    return Run(dialog);
  });
}

}  // namespace kelvora
