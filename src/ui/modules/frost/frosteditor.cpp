#include "ui/modules/frost/frosteditor.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/frost/frostmodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/frost/frostdlg.h"

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
