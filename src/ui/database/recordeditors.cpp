#include "ui/database/recordeditors.h"

#include "core/framework/editors.h"
#include "ui/database/absorpsjondlg.h"
#include "ui/database/klimadlg.h"
#include "ui/database/mantlingdlg.h"
#include "ui/framework/itemdlg.h"

namespace kelvora {

namespace {

template <class Record, class Dialog>
void RegisterDialog() {
  Editors().Register<Record>([](Record& record) {
    Dialog dialog(record, DialogParent());
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
  });
}

}  // namespace

void RegisterRecordEditors() {
  RegisterDialog<CMantling, CMantlingDlg>();
  RegisterDialog<CVeske, CVeskeDlg>();
  RegisterDialog<CTillegg2, CTillegg2Dlg>();
  RegisterDialog<CTilleggslengde, CTilleggslengdeDlg>();
  RegisterDialog<CAbsorpsjon, CAbsorpsjonDlg>();
  RegisterDialog<CAbsorpsjonTykkelse, CAbsorpsjonTykkelseDlg>();
  RegisterDialog<CKlima, CKlimaDlg>();
  RegisterDialog<CKlimasted, CKlimastedDlg>();
}

}  // namespace kelvora
