// Usage: kelvora_dialogshots [OUTPUT_DIR]
// Run from beside the reference data (the build's bin folder), on any screen, for example
// QT_QPA_PLATFORM=offscreen or under xvfb-run. Writes one PNG per dialog and names each
// file on standard output.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/database/kostnad.h"
#include "core/document/document.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/modules/frost/frostmodul.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/modules/run/segment.h"
#include "core/modules/sound/lydmodul.h"
#include "core/modules/tank/tanktempmodul.h"
#include "ui/database/absorpsjondlg.h"
#include "ui/database/databasedlg.h"
#include "ui/database/egendefdatabasedlg.h"
#include "ui/database/egendefisoproduktdlg.h"
#include "ui/database/isoproduktdlg.h"
#include "ui/database/isotykkelsedlg.h"
#include "ui/database/klimadlg.h"
#include "ui/database/koeffberegningdlg.h"
#include "ui/database/mantlingdlg.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/missingentrydlg.h"
#include "ui/framework/projectdlg.h"
#include "ui/modules/common/isolasjondlg.h"
#include "ui/modules/condensation/innvendigkondensdlg.h"
#include "ui/modules/condensation/utvendigkondensdlg.h"
#include "ui/modules/economics/costunit.h"
#include "ui/modules/economics/kostnaddlg.h"
#include "ui/modules/economics/okoisolasjondlg.h"
#include "ui/modules/economics/okonomidlg.h"
#include "ui/modules/frost/frostdlg.h"
#include "ui/modules/heatloss/tilleggsutstyrdlg.h"
#include "ui/modules/heatloss/varmetapdlg.h"
#include "ui/modules/run/kanaltempdlg.h"
#include "ui/modules/run/segmentdlg.h"
#include "ui/modules/sound/lyddlg.h"
#include "ui/modules/tank/tanktempdlg.h"

using namespace kelvora;

namespace {

// Messages go to standard error; nothing is asked.
class Printed : public Messages {
 public:
  void Show(std::string_view text) override {
    std::fprintf(stderr, "message: %.*s\n", int(text.size()), text.data());
  }
  bool AskOkCancel(std::string_view text) override {
    Show(text);
    return false;
  }
  bool AskYesNo(std::string_view text) override {
    Show(text);
    return false;
  }
};

template <class T>
T& First(CDataBase& database, DbList list) {
  auto& records = database.List(list);
  if (records.empty()) {
    std::fprintf(stderr, "kelvora_dialogshots: list %d of the database is empty\n", static_cast<int>(list));
    std::exit(1);
  }
  return static_cast<T&>(*records.front());
}

class Shots {
 public:
  explicit Shots(QDir folder) : folder(std::move(folder)) {}

  // Shows the dialog as a user sees it, with the focus where it starts, and saves it; a
  // dialog shown already is taken as it is now, at the size it has.
  void Take(const char* name, QDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    const QString file = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!dialog.grab().save(file, "PNG")) {
      std::fprintf(stderr, "kelvora_dialogshots: cannot write %s\n", qPrintable(file));
      failed = true;
    }
    std::printf("%s %dx%d\n", qPrintable(file), dialog.width(), dialog.height());
  }

  bool failed = false;

 private:
  QDir folder;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  if (!QDir().mkpath(folder.path())) return 1;
  Printed messages;
  Dialogs() = {&messages, nullptr};
  Shots shots(folder);

  CDataBase database("kelvora.dat");
  database.Load(messages);
  CKlima climate("kelvora.cli");
  climate.Load(messages);

  CProject project;
  project.calculatedBy = "Ing. Jiří Šťastný";
  project.projectName = "Rekonstrukce výměníkové stanice";
  project.reference = "Objednávka č. 2024/118\r\nžluťoučký kůň úpěl ďábelské ódy";
  project.remark = "Potrubí v suterénu, teplota okolí 15 °C";
  project.plantName = "Teplárna Ústí nad Labem";
  {
    CProjectDlg dialog(project);
    shots.Take("projectdlg", dialog);
  }

  std::vector<std::string> productNames;
  for (const auto& product : database.List(DbList::Products)) productNames.push_back(product->name);
  {
    const std::string text = FormatC(std::string(LoadResourceString(ids::kMissingProduct, Language::Czech)),
                                     {std::string("Minerální vlna 80 kg/m³")});
    CDatabaseverdiBorteDlg dialog(text, productNames);
    shots.Take("missingentrydlg", dialog);
  }
  {
    CEgendefDatabaseverdiBorteDlg dialog("Moje izolace", productNames);
    shots.Take("egendefmissingentrydlg", dialog);
  }

  auto& product = First<CIsoProdukt>(database, DbList::Products);
  {
    CIsoProduktDlg dialog(product);
    shots.Take("isoproduktdlg", dialog);
  }
  {
    CIsoTykkelseDlg dialog(*product.thicknesses.front());
    shots.Take("isotykkelsedlg", dialog);
  }
  {
    CKoeffBeregningDlg dialog(product.Polynomial(), product.maxTemperature);
    shots.Take("koeffberegningdlg", dialog);
  }

  CEgendefIsoProdukt own;
  own.name = "Vlastní pouzdro – čedič";
  own.thicknesses.push_back(std::make_unique<CIsoTykkelse>());
  {
    CEgendefIsoProduktDlg dialog(own);
    shots.Take("egendefisoproduktdlg", dialog);
  }
  CEgendefDatabase userDatabase("egendef-dialogshots.dat");
  userDatabase.Products().push_back(CloneItem(own));
  {
    CEgendefDatabaseDlg dialog(userDatabase);
    shots.Take("egendefdatabasedlg", dialog);
  }

  {
    CMantlingDlg dialog(First<CMantling>(database, DbList::OuterFinishes));
    shots.Take("mantlingdlg", dialog);
  }
  {
    CVeskeDlg dialog(First<CVeske>(database, DbList::Liquids));
    shots.Take("veskedlg", dialog);
  }
  auto& equipment = First<CTillegg2>(database, DbList::Equipment);
  {
    CTillegg2Dlg dialog(equipment);
    shots.Take("tillegg2dlg", dialog);
  }
  if (!equipment.lengths.empty()) {
    CTilleggslengdeDlg dialog(*equipment.lengths.front());
    shots.Take("tilleggslengdedlg", dialog);
  }
  auto& absorber = First<CAbsorpsjon>(database, DbList::RectangularAbsorbers);
  {
    CAbsorpsjonDlg dialog(absorber);
    shots.Take("absorpsjondlg", dialog);
  }
  if (!absorber.thicknesses.empty()) {
    CAbsorpsjonTykkelseDlg dialog(*absorber.thicknesses.front());
    shots.Take("absorpsjontykkelsedlg", dialog);
  }

  {
    if (!climate.locations.empty()) climate.currentLocation = climate.locations.front().get();
    CKlimaDlg dialog(climate);
    shots.Take("klimadlg", dialog);
  }
  if (!climate.locations.empty()) {
    CKlimastedDlg dialog(*climate.locations.front());
    shots.Take("klimasteddlg", dialog);
  }

  {
    const InsulationChoice layer{0, 1, 50.0f, 50.0f, &product, nullptr};
    CIsolasjonDlg dialog(layer, ApplicableProducts<CIsoProdukt>(database.List(DbList::Products), 0),
                         userDatabase, 0);
    shots.Take("isolasjondlg", dialog);
  }
  {
    const EquipmentChoice entry{2, 0, 1.0f, "", &equipment};
    CTilleggsutstyrDlg dialog(entry, database.List(DbList::Equipment));
    shots.Take("tilleggsutstyrdlg", dialog);
  }
  {
    CVarmeTapModul pipe;
    pipe.mediumTemperature = 150.0f;
    pipe.diameter = 60.3f;
    pipe.layers[0].Set(0, &product, 50.0f, nullptr, 50.0f);
    pipe.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    CVarmetapDlg dialog(pipe, database, &climate);
    shots.Take("varmetapdlg-pipe", dialog);
  }
  {
    CVarmeTapModul duct;
    duct.objectKind = 3;
    duct.mediumTemperature = 12.0f;
    duct.ambientTemperature = 28.0f;
    duct.width = 500.0f;
    duct.height = 300.0f;
    duct.flowValue = 1800.0f;
    duct.innerSurfaceOn = 1;
    duct.layers[0].Set(0, &product, 30.0f, nullptr, 30.0f);
    duct.layers[0].objectKind = 3;
    duct.SetSurface(&First<CMantling>(database, DbList::PipeSurfaces));
    duct.SetInnerSurface(&First<CMantling>(database, DbList::InnerFacings));
    CVarmetapDlg dialog(duct, database, &climate);
    shots.Take("varmetapdlg-duct", dialog);
  }

  {
    CKanalTempModul run(nullptr);
    run.SetLiquid(&First<CVeske>(database, DbList::Liquids));
    run.energyCostOn = 1;
    for (const float diameter : {60.3f, 88.9f}) {
      auto section = std::make_unique<CSegment>(CSegment::kPipe, run.nextSectionNumber++);
      section->diameter = diameter;
      section->layer1.Set(0, &product, 40.0f, nullptr, 40.0f);
      section->SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
      run.sections.push_back(std::move(section));
    }
    // The selected section has two layers: the longest summary.
    CSegment& twoLayers = *run.sections.back();
    twoLayers.secondLayerOn = 1;
    twoLayers.layer2.Set(0, &product, 30.0f, nullptr, 30.0f);
    CSegmentDlg pipe(*run.sections.front(), database, &climate);
    shots.Take("segmentdlg-pipe", pipe);
    CKanalTempDlg dialog(run, database);
    if (auto* sections = dialog.findChild<QListWidget*>(QStringLiteral("sections")))
      sections->setCurrentRow(1);
    shots.Take("kanaltempdlg-pipes", dialog);
  }
  {
    CSegment duct(CSegment::kRectDuctInternal, 1);
    duct.layer1.Set(0, &product, 30.0f, nullptr, 30.0f);
    duct.SetSurface(&First<CMantling>(database, DbList::PipeSurfaces));
    duct.facingOn = 1;
    duct.SetFacing(&First<CMantling>(database, DbList::InnerFacings));
    CSegmentDlg dialog(duct, database, &climate);
    shots.Take("segmentdlg-duct", dialog);
  }

  {
    CTankTempModul tank(nullptr);
    tank.shape = static_cast<std::int32_t>(TankShape::Cylindrical);
    tank.insulation.Set(0, &product, 100.0f, nullptr, 100.0f);
    tank.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    tank.SetLiquid(&First<CVeske>(database, DbList::Liquids));
    CTankTempDlg dialog(tank, database, &climate);
    shots.Take("tanktempdlg", dialog);
  }

  {
    CUtvendigKondensModul external(nullptr);
    external.kind = 3;
    external.facingOn = 1;
    external.insulation.Set(0, &product, 0.0f, nullptr, 0.0f);
    external.SetSurface(&First<CMantling>(database, DbList::PipeSurfaces));
    external.SetFacing(&First<CMantling>(database, DbList::InnerFacings));
    CUtvendigKondensDlg dialog(external, database, &climate);
    shots.Take("utvendigkondensdlg", dialog);
  }

  {
    CInnvendigKondensModul internal(nullptr);
    internal.rectangular = 1;
    internal.insulation.Set(0, &product, 0.0f, nullptr, 0.0f);
    internal.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    CInnvendigKondensDlg dialog(internal, database, &climate);
    shots.Take("innvendigkondensdlg", dialog);
    // The flow as a velocity has the longest caption.
    if (auto* velocity = dialog.findChild<QAbstractButton*>(QStringLiteral("flowMs"))) velocity->click();
    shots.Take("innvendigkondensdlg-velocity", dialog);
  }

  {
    CFrostModul frost(nullptr);
    frost.insulation.Set(0, &product, 50.0f, nullptr, 50.0f);
    frost.environment = 1;
    frost.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    CFrostDlg dialog(frost, database, &climate);
    shots.Take("frostdlg", dialog);
  }

  {
    CLydModul sound(nullptr);
    sound.ductType = static_cast<std::int32_t>(DuctType::RectangularAllSides);
    auto& absorber = First<CAbsorpsjon>(database, DbList::RectangularAbsorbers);
    sound.SetAbsorber(&absorber, absorber.thicknesses.front().get());
    CLydDlg dialog(sound, database);
    shots.Take("lyddlg", dialog);
  }

  {
    COkonomiModul economics(nullptr);
    economics.currency = "Kč";
    SharedCostUnit() = {economics.currency, false};
    for (const float thickness : {40.0f, 80.0f}) {
      auto alternative = std::make_unique<COkoIsolasjon>(0);
      alternative->SetStandardProduct(&product);
      alternative->standardThickness = thickness;
      alternative->price = 10.0f * thickness;
      alternative->SetOuterSurface(&First<CMantling>(database, DbList::OuterFinishes));
      alternative->UpdateNames(economics.currency, "m");
      economics.alternatives.push_back(std::move(alternative));
    }
    {
      COkonomiDlg dialog(economics, &climate);
      shots.Take("okonomidlg", dialog);
    }
    CKostnad costs("kelvora-dialogshots.cst");
    auto preset = std::make_unique<CIsoKostnad>();
    preset->name = "Pouzdra 40 mm";
    preset->price = 400.0f;
    preset->UpdateLabel(economics.currency, "m");
    costs.presets.push_back(std::move(preset));
    {
      COkoIsolasjonDlg dialog(*economics.alternatives.front(), database, userDatabase, costs);
      shots.Take("okoisolasjondlg", dialog);
    }
    CKostnadDlg dialog(costs.presets, costs.presets.front().get());
    shots.Take("kostnaddlg", dialog);
  }

  // The database dialog last: it works on copies of the lists until it closes.
  for (const int category : {0, 3, 6}) {
    database.lastCategory = category;
    CDatabaseDlg dialog(database);
    if (auto* records = dialog.findChild<QListWidget*>(QStringLiteral("records"))) records->setCurrentRow(0);
    shots.Take(qPrintable(QStringLiteral("databasedlg-%1").arg(category)), dialog);
  }
  return shots.failed ? 1 : 0;
}
