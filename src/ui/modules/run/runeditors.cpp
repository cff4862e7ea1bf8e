#include "ui/modules/run/runeditors.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/modules/run/segment.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/run/kanaltempdlg.h"
#include "ui/modules/run/segmentdlg.h"

namespace kelvora {

namespace {

int EditRun(CQorDoc& document, CKanalTempModul& module) {
  CKanalTempDlg dialog(module, document.database, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  dialog.TakeInputs(module);
  return 1;
}

int EditSection(CQorDoc& document, CSegment& section) {
  CSegmentDlg dialog(section, document.database, &document.climate, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  dialog.TakeInputs(section);
  return 1;
}

}  // namespace

void RegisterRunEditors(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<CKanalTempModul>();
    Editors().Unregister<CSegment>();
    return;
  }
  Editors().Register<CKanalTempModul>(
      [document](CKanalTempModul& module) { return EditRun(*document, module); });
  Editors().Register<CSegment>([document](CSegment& section) { return EditSection(*document, section); });
}

}  // namespace kelvora
