#include "dialogcatalogue.h"

#include <QAbstractButton>
#include <QListWidget>

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
#include "ui/framework/appdialogs.h"
#include "ui/framework/helpwindow.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/missingentrydlg.h"
#include "ui/framework/projectdlg.h"
#include "ui/framework/qtsettingsstore.h"
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

namespace kelvora {

namespace {

constexpr DbList kShownLists[] = {
    DbList::Products, DbList::OuterFinishes, DbList::PipeSurfaces,        DbList::InnerFacings,
    DbList::Liquids,  DbList::Equipment,     DbList::RectangularAbsorbers};

bool EveryListFilled(CDataBase& database) {
  for (const DbList list : kShownLists) {
    if (database.List(list).empty()) return false;
  }
  return true;
}

template <class T>
T& First(CDataBase& database, DbList list) {
  return static_cast<T&>(*database.List(list).front());
}

}  // namespace

bool VisitEveryDialog(const std::filesystem::path& dataDir, const std::filesystem::path& scratchDir,
                      InterfaceLanguage language, Messages& messages, const DialogVisitor& visit) {
  // What a user types, in the user's language.
  const bool english = language == InterfaceLanguage::English;
  CDataBase database(dataDir / "kelvora.dat");
  database.Load(messages);
  CKlima climate(dataDir / "kelvora.cli");
  climate.Load(messages);
  if (!EveryListFilled(database)) return false;

  CProject project;
  project.calculatedBy = "Ing. Jiří Šťastný";
  project.projectName = "Rekonstrukce výměníkové stanice";
  project.reference = "Objednávka č. 2024/118\r\nžluťoučký kůň úpěl ďábelské ódy";
  project.remark = "Potrubí v suterénu, teplota okolí 15 °C";
  project.plantName = "Teplárna Ústí nad Labem";
  {
    CProjectDlg dialog(project);
    visit("projectdlg", dialog);
  }

  std::vector<std::string> productNames;
  for (const auto& product : database.List(DbList::Products)) productNames.push_back(product->DisplayName());
  {
    const std::string text =
        FormatC(MessageText(ids::kMissingProduct),
                {std::string(english ? "Mineral wool 80 kg/m³" : "Minerální vlna 80 kg/m³")});
    CDatabaseverdiBorteDlg dialog(text, productNames);
    visit("missingentrydlg", dialog);
  }
  {
    CEgendefDatabaseverdiBorteDlg dialog("Moje izolace", productNames);
    visit("egendefmissingentrydlg", dialog);
  }

  auto& product = First<CIsoProdukt>(database, DbList::Products);
  {
    CIsoProduktDlg dialog(product);
    visit("isoproduktdlg", dialog);
  }
  {
    CIsoTykkelseDlg dialog(*product.thicknesses.front());
    visit("isotykkelsedlg", dialog);
  }
  {
    CKoeffBeregningDlg dialog(product.Polynomial(), product.maxTemperature);
    visit("koeffberegningdlg", dialog);
  }

  CEgendefIsoProdukt own;
  own.name = english ? "Own pipe section – basalt" : "Vlastní pouzdro – čedič";
  own.thicknesses.push_back(std::make_unique<CIsoTykkelse>());
  {
    CEgendefIsoProduktDlg dialog(own);
    visit("egendefisoproduktdlg", dialog);
  }
  CEgendefDatabase userDatabase(scratchDir / "egendef-catalogue.dat");
  userDatabase.Products().push_back(CloneItem(own));
  {
    CEgendefDatabaseDlg dialog(userDatabase);
    visit("egendefdatabasedlg", dialog);
  }

  {
    CMantlingDlg dialog(First<CMantling>(database, DbList::OuterFinishes));
    visit("mantlingdlg", dialog);
  }
  {
    CVeskeDlg dialog(First<CVeske>(database, DbList::Liquids));
    visit("veskedlg", dialog);
  }
  auto& equipment = First<CTillegg2>(database, DbList::Equipment);
  {
    CTillegg2Dlg dialog(equipment);
    visit("tillegg2dlg", dialog);
  }
  if (!equipment.lengths.empty()) {
    CTilleggslengdeDlg dialog(*equipment.lengths.front());
    visit("tilleggslengdedlg", dialog);
  }
  auto& absorber = First<CAbsorpsjon>(database, DbList::RectangularAbsorbers);
  {
    CAbsorpsjonDlg dialog(absorber);
    visit("absorpsjondlg", dialog);
  }
  if (!absorber.thicknesses.empty()) {
    CAbsorpsjonTykkelseDlg dialog(*absorber.thicknesses.front());
    visit("absorpsjontykkelsedlg", dialog);
  }

  {
    if (!climate.locations.empty()) climate.currentLocation = climate.locations.front().get();
    CKlimaDlg dialog(climate);
    visit("klimadlg", dialog);
  }
  if (!climate.locations.empty()) {
    CKlimastedDlg dialog(*climate.locations.front());
    visit("klimasteddlg", dialog);
  }

  {
    const InsulationChoice layer{0, 1, 50.0f, 50.0f, &product, nullptr};
    CIsolasjonDlg dialog(layer, ApplicableProducts<CIsoProdukt>(database.List(DbList::Products), 0),
                         userDatabase, 0);
    visit("isolasjondlg", dialog);
  }
  {
    const EquipmentChoice entry{2, 0, 1.0f, "", &equipment};
    CTilleggsutstyrDlg dialog(entry, database.List(DbList::Equipment));
    visit("tilleggsutstyrdlg", dialog);
  }
  {
    CVarmeTapModul pipe;
    pipe.mediumTemperature = 150.0f;
    pipe.diameter = 60.3f;
    pipe.layers[0].Set(0, &product, 50.0f, nullptr, 50.0f);
    pipe.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    CVarmetapDlg dialog(pipe, database, &climate);
    visit("varmetapdlg-pipe", dialog);
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
    visit("varmetapdlg-duct", dialog);
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
    visit("segmentdlg-pipe", pipe);
    CKanalTempDlg dialog(run, database);
    if (auto* sections = dialog.findChild<QListWidget*>(QStringLiteral("sections")))
      sections->setCurrentRow(1);
    visit("kanaltempdlg-pipes", dialog);
  }
  {
    CSegment duct(CSegment::kRectDuctInternal, 1);
    duct.layer1.Set(0, &product, 30.0f, nullptr, 30.0f);
    duct.SetSurface(&First<CMantling>(database, DbList::PipeSurfaces));
    duct.facingOn = 1;
    duct.SetFacing(&First<CMantling>(database, DbList::InnerFacings));
    CSegmentDlg dialog(duct, database, &climate);
    visit("segmentdlg-duct", dialog);
  }

  {
    CTankTempModul tank(nullptr);
    tank.shape = static_cast<std::int32_t>(TankShape::Cylindrical);
    tank.insulation.Set(0, &product, 100.0f, nullptr, 100.0f);
    tank.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    tank.SetLiquid(&First<CVeske>(database, DbList::Liquids));
    CTankTempDlg dialog(tank, database, &climate);
    visit("tanktempdlg", dialog);
  }

  {
    CUtvendigKondensModul external(nullptr);
    external.kind = 3;
    external.facingOn = 1;
    external.insulation.Set(0, &product, 0.0f, nullptr, 0.0f);
    external.SetSurface(&First<CMantling>(database, DbList::PipeSurfaces));
    external.SetFacing(&First<CMantling>(database, DbList::InnerFacings));
    CUtvendigKondensDlg dialog(external, database, &climate);
    visit("utvendigkondensdlg", dialog);
  }

  {
    CInnvendigKondensModul internal(nullptr);
    internal.rectangular = 1;
    internal.insulation.Set(0, &product, 0.0f, nullptr, 0.0f);
    internal.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    CInnvendigKondensDlg dialog(internal, database, &climate);
    visit("innvendigkondensdlg", dialog);
    // The flow as a velocity has the longest caption.
    if (auto* velocity = dialog.findChild<QAbstractButton*>(QStringLiteral("flowMs"))) velocity->click();
    visit("innvendigkondensdlg-velocity", dialog);
  }

  {
    CFrostModul frost(nullptr);
    frost.insulation.Set(0, &product, 50.0f, nullptr, 50.0f);
    frost.environment = 1;
    frost.SetSurface(&First<CMantling>(database, DbList::OuterFinishes));
    CFrostDlg dialog(frost, database, &climate);
    visit("frostdlg", dialog);
  }

  {
    CLydModul sound(nullptr);
    sound.ductType = static_cast<std::int32_t>(DuctType::RectangularAllSides);
    auto& absorber = First<CAbsorpsjon>(database, DbList::RectangularAbsorbers);
    sound.SetAbsorber(&absorber, absorber.thicknesses.front().get());
    CLydDlg dialog(sound, database);
    visit("lyddlg", dialog);
  }

  {
    COkonomiModul economics(nullptr);
    economics.currency = english ? "EUR" : "Kč";
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
      visit("okonomidlg", dialog);
    }
    CKostnad costs(scratchDir / "kelvora-catalogue.cst");
    // A shipped preset, shown in the language of the windows, and one of the user's.
    for (const auto& [name, price] : {std::pair{"Pouzdra 80 mm, DN 100, oplechování Al", 1350.0f},
                                      std::pair{english ? "Pipe sections 40 mm" : "Pouzdra 40 mm", 412.5f}}) {
      auto preset = std::make_unique<CIsoKostnad>();
      preset->name = name;
      preset->price = price;
      preset->UpdateLabel(economics.currency, "m");
      costs.presets.push_back(std::move(preset));
    }
    {
      COkoIsolasjonDlg dialog(*economics.alternatives.front(), database, userDatabase, costs);
      visit("okoisolasjondlg", dialog);
    }
    CKostnadDlg dialog(costs.presets, costs.presets.front().get());
    visit("kostnaddlg", dialog);
  }

  // The database dialog last: it works on copies of the lists until it closes.
  for (const int category : {0, 3, 6}) {
    database.lastCategory = category;
    CDatabaseDlg dialog(database);
    if (auto* records = dialog.findChild<QListWidget*>(QStringLiteral("records"))) records->setCurrentRow(0);
    visit(qPrintable(QStringLiteral("databasedlg-%1").arg(category)), dialog);
  }
  {
    QtSettingsStore settings;
    HelpWindow help(messages, language);
    help.OpenTopic("::/html/varmetap.htm");
    visit("helpwindow", help);
    CAboutDlg about(settings, help);
    visit("aboutdlg", about);
    CTitleDlg title(settings, help);
    visit("titledlg", title);
  }
  return true;
}

}  // namespace kelvora
