#include "ui/database/databaseeditors.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "ui/database/databasedlg.h"
#include "ui/database/egendefdatabasedlg.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/projectdlg.h"

namespace kelvora {

namespace {

template <class Item, class Dialog>
void RegisterDialog() {
  Editors().Register<Item>([](Item& item) {
    Dialog dialog(item, DialogParent());
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
  });
}

}  // namespace

void RegisterDatabaseEditors() {
  RegisterDialog<CProject, CProjectDlg>();
  RegisterDialog<CDataBase, CDatabaseDlg>();
  RegisterDialog<CEgendefDatabase, CEgendefDatabaseDlg>();
}

}  // namespace kelvora
