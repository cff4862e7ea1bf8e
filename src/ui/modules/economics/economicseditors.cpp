#include "ui/modules/economics/economicseditors.h"

#include "core/database/kostnad.h"
#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/framework/stringtable.h"
#include "core/modules/economics/okonomimodul.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/economics/costunit.h"
#include "ui/modules/economics/kostnaddlg.h"
#include "ui/modules/economics/okoisolasjondlg.h"
#include "ui/modules/economics/okonomidlg.h"

namespace kelvora {

namespace {

int EditEconomics(CQorDoc& document, COkonomiModul& module) {
  COkonomiDlg dialog(module, &document.climate, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  module.AssignInputs(dialog.Inputs());
  return 1;
}

int EditAlternative(CQorDoc& document, COkoIsolasjon& alternative) {
  COkoIsolasjonDlg dialog(alternative, document.database, document.userDatabase, document.costs,
                          DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  alternative.Assign(dialog.Result());
  return 1;
}

// Works on a copy; the file is written only when OK confirms a changed list.
int EditPresets(CQorDoc& document, CKostnad& costs) {
  ItemList<CIsoKostnad> copy;
  CopyList(copy, costs.presets);
  const auto chosen = std::find_if(costs.presets.begin(), costs.presets.end(),
                                   [&](const auto& preset) { return preset.get() == costs.chosen; });
  const CIsoKostnad* chosenCopy = chosen == costs.presets.end()
                                      ? nullptr
                                      : copy[static_cast<std::size_t>(chosen - costs.presets.begin())].get();
  CKostnadDlg dialog(copy, chosenCopy, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  costs.chosen = dialog.Chosen();
  ReplaceList(costs.presets, copy, true);
  if (dialog.Changed()) costs.Save(document.messages);
  return 1;
}

int EditPreset(CIsoKostnad& preset) {
  const std::string shown(preset.ShownName(DisplayLanguage()));
  CIsoKostnadDlg dialog(shown, preset.price, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  // A shipped preset whose name the user left as shown keeps the name it is stored under,
  // and with it its name in the other language.
  if (dialog.Name() != shown) preset.name = dialog.Name();
  preset.price = dialog.Price();
  const CostUnit& unit = SharedCostUnit();
  preset.UpdateLabel(unit.currency, unit.Unit());
  return 1;
}

}  // namespace

void RegisterEconomicsEditors(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<COkonomiModul>();
    Editors().Unregister<COkoIsolasjon>();
    Editors().Unregister<CKostnad>();
    Editors().Unregister<CIsoKostnad>();
    return;
  }
  Editors().Register<COkonomiModul>(
      [document](COkonomiModul& module) { return EditEconomics(*document, module); });
  Editors().Register<COkoIsolasjon>(
      [document](COkoIsolasjon& alternative) { return EditAlternative(*document, alternative); });
  Editors().Register<CKostnad>([document](CKostnad& costs) { return EditPresets(*document, costs); });
  Editors().Register<CIsoKostnad>(EditPreset);
}

}  // namespace kelvora
