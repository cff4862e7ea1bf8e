#include "ui/modules/condensation/condensationeditors.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/condensation/innvendigkondensdlg.h"
#include "ui/modules/condensation/utvendigkondensdlg.h"

namespace kelvora {

namespace {

// Runs `Dialog` over a copy of the module's inputs; confirmed, the module takes them.
template <class Dialog, class Module>
int EditWith(CQorDoc& document, Module& module) {
  Dialog dialog(module, document.database, &document.climate, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  dialog.TakeInputs(module);
  return 1;
}

}  // namespace

void RegisterCondensationEditors(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<CUtvendigKondensModul>();
    Editors().Unregister<CInnvendigKondensModul>();
    return;
  }
  Editors().Register<CUtvendigKondensModul>(
      [document](CUtvendigKondensModul& module) { return EditWith<CUtvendigKondensDlg>(*document, module); });
  Editors().Register<CInnvendigKondensModul>([document](CInnvendigKondensModul& module) {
    return EditWith<CInnvendigKondensDlg>(*document, module);
  });
}

}  // namespace kelvora
