#include "ui/modules/sound/soundeditor.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/sound/lydmodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/sound/lyddlg.h"

namespace kelvora {

void RegisterSoundEditor(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<CLydModul>();
    return;
  }
  Editors().Register<CLydModul>([document](CLydModul& module) {
    CLydDlg dialog(module, document->database, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return 0;
    dialog.TakeInputs(module);
    return 1;
  });
}

}  // namespace kelvora
