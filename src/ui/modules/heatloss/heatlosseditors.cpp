#include "ui/modules/heatloss/heatlosseditors.h"

#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/physics/isolasjon.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/common/isolasjondlg.h"
#include "ui/modules/heatloss/tilleggsutstyrdlg.h"
#include "ui/modules/heatloss/varmetapdlg.h"

namespace kelvora {

namespace {

int EditHeatLoss(CQorDoc& document, CVarmeTapModul& module) {
  CVarmetapDlg dialog(module, document.database, &document.climate, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  module.AssignInputs(dialog.Inputs());
  return 1;
}

int EditLayer(CQorDoc& document, CIsolasjon& layer) {
  const InsulationChoice copy{layer.source,        layer.thicknessGiven,    layer.standardThickness,
                              layer.userThickness, layer.StandardProduct(), layer.UserProduct()};
  CIsolasjonDlg dialog(
      copy, ApplicableProducts<CIsoProdukt>(document.database.List(DbList::Products), layer.objectKind),
      document.userDatabase, layer.objectKind, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  const InsulationChoice& chosen = dialog.Choice();
  layer.Set(chosen.source, chosen.standardProduct, chosen.standardThickness, chosen.userProduct,
            chosen.userThickness);
  return 1;
}

int EditEquipment(CQorDoc& document, CTilleggsutstyr& entry) {
  const EquipmentChoice copy{entry.count, entry.userDefined, entry.equivalentLength,
                             entry.userDefined ? entry.UserName() : std::string(), entry.Equipment()};
  CTilleggsutstyrDlg dialog(copy, document.database.List(DbList::Equipment), DialogParent());
  if (dialog.exec() != QDialog::Accepted) return 0;
  const EquipmentChoice& chosen = dialog.Choice();
  entry.count = chosen.count;
  entry.userDefined = chosen.userDefined;
  entry.equivalentLength = chosen.equivalentLength;
  entry.SetEquipment(chosen.equipment);
  entry.UpdateNames(chosen.userName);
  return 1;
}

}  // namespace

void RegisterHeatLossEditors(CQorDoc* document) {
  if (!document) {
    Editors().Unregister<CVarmeTapModul>();
    Editors().Unregister<CIsolasjon>();
    Editors().Unregister<CTilleggsutstyr>();
    return;
  }
  Editors().Register<CVarmeTapModul>(
      [document](CVarmeTapModul& module) { return EditHeatLoss(*document, module); });
  Editors().Register<CIsolasjon>([document](CIsolasjon& layer) { return EditLayer(*document, layer); });
  Editors().Register<CTilleggsutstyr>(
      [document](CTilleggsutstyr& entry) { return EditEquipment(*document, entry); });
}

}  // namespace kelvora
