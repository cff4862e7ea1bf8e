#include "ui/modules/tank/tankeditor.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/tank/tanktempmodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/tank/tanktempdlg.h"

namespace kelvora {

void RegisterTankEditor(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<CTankTempModul>();
    return;
  }
  Editors().Register<CTankTempModul>([document](CTankTempModul& module) {
    CTankTempDlg dialog(module, document->database, &document->climate, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return 0;
    dialog.TakeInputs(module);
    return 1;
  });
}

}  // namespace kelvora
