#include "ui/modules/frosteditor.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/frostmodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/frostdlg.h"

namespace kelvora {

void RegisterFrostEditor(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<CFrostModul>();
    return;
  }
  Editors().Register<CFrostModul>([document](CFrostModul& module) {
    CFrostDlg dialog(module, document->database, &document->climate, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return 0;
    dialog.TakeInputs(module);
    return 1;
  });
}

}  // namespace kelvora
