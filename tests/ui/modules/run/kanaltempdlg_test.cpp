// The pipe and duct run dialog as a user meets it: the medium, the picture that picks the
// kind of new sections, the section commands, and OK with its checks.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/run/kanaltempmodul.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/thermalpictures.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/framework/mainframe.h"
#include "ui/framework/qorapp.h"
#include "ui/modules/run/kanaltempdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseKind;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

struct Step {
  const char* what;
  std::function<void(CKanalTempModul&)> stored;
  std::function<void(CKanalTempDlg&)> typed;
  QString message;
  const char* focus;
};

void None(CKanalTempModul&) {}
void Typed(CKanalTempDlg&) {}

QStringList Names(const CKanalTempDlg& dialog) {
  QStringList names;
  const auto& list = Child<QListWidget>(dialog, "sections");
  for (int row = 0; row < list.count(); ++row) names << list.item(row)->text();
  return names;
}

}  // namespace

class KanalTempDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    Run().SetLiquid(Liquid());
    AddSection(CSegment::kPipe);
    Run().nextSectionNumber = 2;
  }
  void cleanup() {
    Editors().Unregister<CSegment>();
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    const Step steps[] = {
        {"unreadable number", None, [](auto& d) { Type(d, "inletTemperature", QStringLiteral("abc")); },
         QStringLiteral("Teplota média v prvním úseku [°C]: není číslo, zadejte číslo."), "inletTemperature"},
        {"humidity",
         [](auto& m) {
           m.isAir = 1;
           m.dewPointCheckOn = 1;
         },
         [](auto& d) { Type(d, "humidity", QStringLiteral("100")); },
         QStringLiteral("Vlhkost vstupujícího vzduchu [%]: 100 je mimo rozsah, zadejte hodnotu od 1 do 99."),
         "humidity"},
        {"no sections", [](auto& m) { m.sections.clear(); }, Typed,
         QStringLiteral("Varování: Seznam úseků je prázdný, nemůže být proveden výpočet!"), "sections"},
        {"energy price", [](auto& m) { m.energyCostOn = 1; },
         [](auto& d) { Type(d, "energyPrice", QStringLiteral("0")); },
         QStringLiteral("Náklady na kWh energie: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 200."),
         "energyPrice"},
        {"operating hours", [](auto& m) { m.energyCostOn = 1; },
         [](auto& d) { Type(d, "operatingHours", QStringLiteral("9000")); },
         QStringLiteral("Provozní doba [h/rok]: 9000 je mimo rozsah, zadejte hodnotu od 1 do 8760."),
         "operatingHours"},
        {"density", [](auto& m) { m.userDefinedLiquid = 1; },
         [](auto& d) { Type(d, "density", QStringLiteral("0")); },
         QStringLiteral("Hustota [kg/m3]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 4200."), "density"},
        {"heat capacity", [](auto& m) { m.userDefinedLiquid = 1; },
         [](auto& d) { Type(d, "heatCapacity", QStringLiteral("5001")); },
         QStringLiteral("Tep. kapacita [J/kgK]: 5001 je mimo rozsah, zadejte hodnotu od 1 do 5000."),
         "heatCapacity"},
        {"freezing point", [](auto& m) { m.userDefinedLiquid = 1; },
         [](auto& d) { Type(d, "freezingPoint", QStringLiteral("-274")); },
         QStringLiteral("Bod tuhnutí [°C]: -274 je mimo rozsah, zadejte hodnotu od -273 do 200."),
         "freezingPoint"},
        {"no liquid", [](auto& m) { m.SetLiquid(nullptr); }, Typed,
         QStringLiteral("Vyberte prosím médium z rozbalovacího seznamu."), "liquid"},
        {"inlet at the freezing point", None,
         [](auto& d) { Type(d, "inletTemperature", QStringLiteral("0,05")); },
         QStringLiteral(
             "Teplota média v prvním úseku [°C]: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 2000."),
         "inletTemperature"},
        {"inlet at a user freezing point", [](auto& m) { m.userDefinedLiquid = 1; },
         [](auto& d) {
           Type(d, "freezingPoint", QStringLiteral("-10"));
           Type(d, "inletTemperature", QStringLiteral("-9,95"));
         },
         QStringLiteral(
             "Teplota média v prvním úseku [°C]: -9,95 je mimo rozsah, zadejte hodnotu od -9,9 do 2000."),
         "inletTemperature"},
    };
    for (const Step& step : steps) {
      init();
      {
        // The dialog and its copy go before the document they refer to.
        step.stored(Run());
        CKanalTempDlg dialog(Run(), (*doc)->database);
        dialog.show();
        step.typed(dialog);
        Click(dialog, "ok");
        QVERIFY2(dialog.isVisible(), step.what);
        QCOMPARE(doc->messages.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(doc->messages.shown.front()), step.message);
        QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, step.focus));
      }
      cleanup();
    }
  }

  void theInletJustAboveFreezingAndAColdAirRunAreTaken() {
    {
      CKanalTempDlg dialog(Run(), (*doc)->database);
      dialog.show();
      Type(dialog, "inletTemperature", QStringLiteral("0,1"));
      Click(dialog, "ok");
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    Run().isAir = 2;
    Run().sections.clear();
    AddSection(CSegment::kRectDuctExternal);
    Run().inletTemperature = -20;
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    Click(dialog, "ok");
    QVERIFY(doc->messages.shown.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Inputs().isAir, 2);
  }

  void choosingALiquidWritesItsProperties() {
    Liquid()->density = 1050;
    Liquid()->heatCapacity = 3800;
    Liquid()->freezingPoint = -12.5f;
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    auto& liquid = Child<QComboBox>(dialog, "liquid");
    emit liquid.activated(0);
    QCOMPARE(Child<QLineEdit>(dialog, "density").text(), QStringLiteral("1050"));
    QCOMPARE(Child<QLineEdit>(dialog, "heatCapacity").text(), QStringLiteral("3800"));
    QCOMPARE(Child<QLineEdit>(dialog, "freezingPoint").text(), QStringLiteral("-12.5"));
    QVERIFY(liquid.isEnabled() && !Child<QWidget>(dialog, "density").isEnabled());
    QVERIFY(!Child<QWidget>(dialog, "dewPointOn").isEnabled());
  }

  // Another kind takes the template's geometry and surroundings, not its layers or surface.
  void aNewSectionOfAnotherKindCopiesGeometryButNotLayers() {
    Run().isAir = 2;
    Run().sections.clear();
    CSegment& duct = AddSection(CSegment::kRectDuctExternal);
    duct.height = 321;
    duct.width = 432;
    duct.ambientTemperature = -7;
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    AcceptSections();
    auto& list = Child<QListWidget>(dialog, "sections");
    list.setCurrentRow(0);
    Click(dialog, "newSection");
    // Selecting a section shows its kind; the picture then picks the kind of the new one.
    list.setCurrentRow(0);
    ChooseKind(dialog, 3);
    Click(dialog, "newSection");

    const auto& sections = dialog.Inputs().sections;
    QCOMPARE(sections.size(), std::size_t{3});
    const CSegment& same = *sections[2];
    QCOMPARE(same.kind, CSegment::kRectDuctExternal);
    QCOMPARE(same.layer1.Product(), duct.layer1.Product());
    QCOMPARE(same.Surface(), duct.Surface());
    const CSegment& other = *sections[1];
    QCOMPARE(other.kind, CSegment::kRectDuctInternal);
    QCOMPARE(other.height, 321.0f);
    QCOMPARE(other.width, 432.0f);
    QCOMPARE(other.ambientTemperature, -7.0f);
    QCOMPARE(other.layer1.Product(), nullptr);
    QCOMPARE(other.Surface(), nullptr);
    // Each is put after the selected section, and the summary shows the new one.
    QCOMPARE(Names(dialog), (QStringList{"Úsek 1", "Úsek 3", "Úsek 2"}));
    QCOMPARE(list.currentRow(), 1);
    QVERIFY(Child<QLabel>(dialog, "summary")
                .text()
                .startsWith("Typ úseku: Obdélníkové potrubí, vnitřní izolace\n"));
    QCOMPARE(dialog.Inputs().nextSectionNumber, 4);
  }

  // The longest summary, of a section of two layers with a long product name, neither
  // makes the dialog grow nor is cut off: it wraps and scrolls in its box.
  void aLongSummaryStaysInItsBox() {
    auto& wool = *static_cast<CIsoProdukt*>((*doc)->database.List(DbList::Products)[0].get());
    wool.name = "Minerální vata - izolační pouzdra 100 kg/m3 s hliníkovou fólií a samolepicím přesahem";
    CSegment& twoLayers = AddSection(CSegment::kPipe);
    twoLayers.secondLayerOn = 1;
    twoLayers.layer2.Set(0, &wool, 30, nullptr, 30);
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto& list = Child<QListWidget>(dialog, "sections");
    list.setCurrentRow(0);
    QApplication::processEvents();
    const QSize oneLayer = dialog.size();
    list.setCurrentRow(1);
    QApplication::processEvents();
    QCOMPARE(dialog.size(), oneLayer);
    // Laid out whole, as wide as the box shows it, and scrolled to where the box ends.
    auto& summary = Child<QLabel>(dialog, "summary");
    auto& box = Child<QScrollArea>(dialog, "summaryBox");
    QVERIFY(summary.height() >= summary.heightForWidth(summary.width()));
    QCOMPARE(summary.width(), box.viewport()->width());
    QVERIFY(box.verticalScrollBar()->maximum() > 0);
  }

  void changingBetweenLiquidAndAirEmptiesTheRunAndRestartsTheNumbers() {
    AcceptSections();
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    doc->messages.answers = {false};
    ChooseKind(dialog, 1);
    QCOMPARE(Names(dialog), QStringList{"Úsek 1"});
    QCOMPARE(Child<CMultiButton>(dialog, "runPicture").Current(), 0);

    doc->messages.answers = {true};
    ChooseKind(dialog, 1);
    QCOMPARE(doc->messages.shown.back(), std::string("Varování: Všechny úseky budou vymazány!"));
    QVERIFY(Names(dialog).isEmpty());
    QCOMPARE(Child<QComboBox>(dialog, "liquid").currentIndex(), -1);
    Click(dialog, "newSection");
    ChooseKind(dialog, 2);  // another duct keeps the sections
    Click(dialog, "newSection");
    QCOMPARE(Names(dialog), (QStringList{"Úsek 1", "Úsek 2"}));
    QCOMPARE(dialog.Inputs().sections[0]->kind, CSegment::kCircularDuct);
    QCOMPARE(dialog.Inputs().sections[1]->kind, CSegment::kRectDuctExternal);

    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.TakeInputs(Run());
    QCOMPARE(Run().isAir, 2);
    QCOMPARE(Run().sections.size(), std::size_t{2});
    QCOMPARE(Run().nextSectionNumber, 3);
  }

  void aCopyKeepsItsNameUntilTheSectionDialogAcceptsIt() {
    int edits = 0;
    Editors().Register<CSegment>([&edits](CSegment& s) {
      ++edits;
      s.name = "Úsek kopie";
      return 1;
    });
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    Click(dialog, "copySection");
    QCOMPARE(edits, 1);
    QCOMPARE(Names(dialog), (QStringList{"Úsek 1", "Úsek kopie"}));
    QCOMPARE(dialog.Inputs().nextSectionNumber, 3);
  }

  void twentyFiveSectionsAreTheMost() {
    AcceptSections();
    for (int i = 2; i <= 24; ++i) AddSection(CSegment::kPipe).name = "Úsek " + std::to_string(i);
    Run().nextSectionNumber = 25;
    CKanalTempDlg dialog(Run(), (*doc)->database);
    dialog.show();
    Click(dialog, "newSection");
    QCOMPARE(Names(dialog).size(), 25);
    QVERIFY(doc->messages.shown.empty());
    for (const char* command : {"newSection", "copySection"}) {
      Click(dialog, command);
      QCOMPARE(Names(dialog).size(), 25);
      QCOMPARE(doc->messages.shown.back(), std::string("Bylo dosaženo max. počtu úseků"));
    }
  }

  void inputDataOpensTheRunDialogOfTheRunModule() {
    StartedApp started;
    CQorApp& app = *started.app;
    app.Document().currentModule = static_cast<std::int32_t>(ModuleIndex::PipeRun);
    QString title;
    OnNextModal([&title](QDialog& dialog) {
      title = dialog.windowTitle();
      QVERIFY(dialog.findChild<QListWidget*>(QStringLiteral("sections")));
    });
    app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
    QCOMPARE(title, QStringLiteral("Změna teploty v potrubí"));
  }

 private:
  CKanalTempModul& Run() { return dynamic_cast<CKanalTempModul&>((*doc)->Module(ModuleIndex::PipeRun)); }
  CVeske* Liquid() { return static_cast<CVeske*>((*doc)->database.List(DbList::Liquids)[0].get()); }

  // A section that passes the section checks.
  CSegment& AddSection(std::int32_t kind) {
    auto section = std::make_unique<CSegment>(kind, static_cast<int>(Run().sections.size()) + 1);
    section->layer1.Set(0, static_cast<CIsoProdukt*>((*doc)->database.List(DbList::Products)[0].get()), 50,
                        nullptr, 50);
    const DbList surfaces =
        kind == CSegment::kRectDuctInternal ? DbList::PipeSurfaces : DbList::OuterFinishes;
    section->SetSurface(static_cast<CMantling*>((*doc)->database.List(surfaces)[0].get()));
    Run().sections.push_back(std::move(section));
    return *Run().sections.back();
  }

  // The section dialog answers OK without changing anything.
  void AcceptSections() {
    Editors().Register<CSegment>([](CSegment&) { return 1; });
  }

  std::unique_ptr<TestDocument> doc;
};

static RegisterUiTest<KanalTempDlgTest> registration;

#include "kanaltempdlg_test.moc"
