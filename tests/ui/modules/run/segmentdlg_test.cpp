// The section dialog of a run as a user meets it: typing, the radios that convert the flow,
// and OK with its checks.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "core/database/database.h"
#include "core/modules/run/segment.h"
#include "database/dialogdriver.h"
#include "support/testdocument.h"
#include "ui/modules/run/segmentdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

struct Step {
  const char* what;
  std::int32_t kind;
  std::function<void(CSegment&)> stored;
  std::function<void(CSegmentDlg&)> typed;
  QString message;
  const char* focus;  // nullptr where a warning was answered
};

void None(CSegment&) {}
void Typed(CSegmentDlg&) {}

const QString kChooseProduct = QStringLiteral("Vyberte prosím izolační produkt.");

}  // namespace

class SegmentDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    const Step steps[] = {
        {"length outside the field", CSegment::kPipe, None,
         [](auto& d) { Type(d, "length", QStringLiteral("0")); },
         QStringLiteral("Délka [m]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 20000."), "length"},
        {"ambient outside the field", CSegment::kPipe, None,
         [](auto& d) { Type(d, "ambientTemperature", QStringLiteral("-61")); },
         QStringLiteral("Teplota okolí [°C]: -61 je mimo rozsah, zadejte hodnotu od -60 do 500."),
         "ambientTemperature"},
        {"no product", CSegment::kPipe, [](auto& s) { s.layer1.Set(0, nullptr, 50, nullptr, 50); }, Typed,
         kChooseProduct, "layer1"},
        {"product too cold, not confirmed", CSegment::kPipe, None,
         [](auto& d) { Type(d, "ambientTemperature", QStringLiteral("250")); },
         QStringLiteral(
             "Varování: Okolní teplota je vyšší než maximální doporučená pro vybraný izolační produkt."),
         nullptr},
        {"no product in layer 2", CSegment::kPipe, [](auto& s) { s.secondLayerOn = 1; }, Typed,
         kChooseProduct, "layer2"},
        {"diameter", CSegment::kCircularDuct, None,
         [](auto& d) { Type(d, "diameter", QStringLiteral("0,5")); },
         QStringLiteral("Průměr [mm]: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 20000."), "diameter"},
        {"height", CSegment::kRectDuctExternal, None,
         [](auto& d) { Type(d, "height", QStringLiteral("5001")); },
         QStringLiteral("Výška [mm]: 5001 je mimo rozsah, zadejte hodnotu od 1 do 5000."), "height"},
        {"width", CSegment::kRectDuctExternal, None, [](auto& d) { Type(d, "width", QStringLiteral("0")); },
         QStringLiteral("Šířka [mm]: 0 je mimo rozsah, zadejte hodnotu od 1 do 5000."), "width"},
        {"lining fills the duct, bare too", CSegment::kRectDuctInternal, None,
         [](auto& d) {
           Type(d, "height", QStringLiteral("100"));
           Type(d, "width", QStringLiteral("100"));
           Click(d, "bare");
           Click(d, "userEmissivityMode");
         },
         QStringLiteral("Vypočítaná tloušťka izolace je příliš velká pro vybraný rozměr potrubí při použití "
                        "vnitřní izolace. "),
         "width"},
        {"flow in m3/h", CSegment::kPipe, None, [](auto& d) { Type(d, "flow", QStringLiteral("0")); },
         QStringLiteral("Průtok média [m3/h]: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 360000."), "flow"},
        {"velocity", CSegment::kCircularDuct, [](auto& s) { s.flowUnit = 2; },
         [](auto& d) { Type(d, "flow", QStringLiteral("51")); },
         QStringLiteral("Rychlost průtoku média [m/s]: 51 je mimo rozsah, zadejte hodnotu od 0,001 do 50."),
         "flow"},
        {"user emissivity", CSegment::kPipe, None,
         [](auto& d) {
           Click(d, "userEmissivityMode");
           Type(d, "userEmissivity", QStringLiteral("1,5"));
         },
         QStringLiteral("Uživatelsky def. emisivita: 1,5 je mimo rozsah, zadejte hodnotu od 0 do 1."),
         "userEmissivity"},
        {"no surface", CSegment::kPipe, [](auto& s) { s.SetSurface(nullptr); }, Typed,
         QStringLiteral("Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."), "surface"},
        {"wind", CSegment::kPipe, None,
         [](auto& d) {
           Click(d, "outdoors");
           Type(d, "windSpeed", QStringLiteral("0"));
         },
         QStringLiteral("Rychlost větru [m/s]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50."),
         "windSpeed"},
        {"outer coefficient", CSegment::kPipe, [](auto& s) { s.SetSurface(nullptr); },
         [](auto& d) {
           Click(d, "userCoefficientMode");
           Type(d, "outerCoefficient", QStringLiteral("0"));
         },
         QStringLiteral(
             "Souč. přestupu tepla vně [W/m2K]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000."),
         "outerCoefficient"},
        {"inner coefficient", CSegment::kCircularDuct, None,
         [](auto& d) {
           Click(d, "innerCoefficientOn");
           Type(d, "innerCoefficient", QStringLiteral("0"));
         },
         QStringLiteral(
             "Souč. přestupu tepla uvnitř [W/m2K]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000."),
         "innerCoefficient"},
        {"a name another section has", CSegment::kPipe, None,
         [](auto& d) { Type(d, "name", QStringLiteral("Úsek 2")); },
         QStringLiteral("Prosím vložte specifický název."), "name"},
    };
    for (const Step& step : steps) {
      init();
      {
        // The dialog and its copy go before the document they refer to.
        CSegment section = Section(step.kind);
        step.stored(section);
        CSegmentDlg dialog(section, (*doc)->database, nullptr);
        dialog.SetTakenNames({"Úsek 2"});
        dialog.show();
        step.typed(dialog);
        Click(dialog, "ok");
        QVERIFY2(dialog.isVisible(), step.what);
        QCOMPARE(doc->messages.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(doc->messages.shown.front()), step.message);
        if (step.focus) QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, step.focus));
      }
      cleanup();
    }
  }

  void aFilledSectionIsTakenBackOnOk() {
    CSegment section = Section(CSegment::kPipe);
    CSegmentDlg dialog(section, (*doc)->database, nullptr);
    dialog.show();
    Type(dialog, "name", QStringLiteral("Přívod"));
    Type(dialog, "diameter", QStringLiteral("60,3"));
    Type(dialog, "length", QStringLiteral("12,5"));
    Click(dialog, "vertical");
    Click(dialog, "ok");
    QVERIFY(doc->messages.shown.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(section.diameter, 100.0f);  // untouched until taken
    dialog.TakeInputs(section);
    QCOMPARE(section.name, std::string("Přívod"));
    QCOMPARE(section.diameter, 60.3f);
    QCOMPARE(section.length, 12.5f);
    QCOMPARE(section.vertical, 1);
    QCOMPARE(section.layer1.Product(), &Product());
  }

  void aFlowUnitRadioConvertsTheShownFlow_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("label");
    QTest::newRow("m3/h to l/s") << 0 << "720"
                                 << "100" << 0 << "flowLs"
                                 << "200.0"
                                 << "Průtok média [l/s]:";
    QTest::newRow("m/s to m3/h in a round duct") << 1 << "1"
                                                 << "200" << 2 << "flowM3h"
                                                 << "113.1"
                                                 << "Průtok média [m3/h]:";
    QTest::newRow("unreadable flow changes the unit only") << 0 << "abc"
                                                           << "100" << 0 << "flowMs"
                                                           << "abc"
                                                           << "Rychlost průtoku média [m/s]:";
  }
  void aFlowUnitRadioConvertsTheShownFlow() {
    QFETCH(int, kind);
    QFETCH(QString, flow);
    QFETCH(QString, diameter);
    QFETCH(int, from);
    QFETCH(QString, to);
    QFETCH(QString, shown);
    QFETCH(QString, label);
    CSegment section = Section(kind);
    section.flowUnit = from;
    CSegmentDlg dialog(section, (*doc)->database, nullptr);
    dialog.show();
    Type(dialog, "flow", flow);
    Type(dialog, "diameter", diameter);
    Click(dialog, to.toLatin1().constData());
    QCOMPARE(Child<QLineEdit>(dialog, "flow").text(), shown);
    QCOMPARE(Child<QLabel>(dialog, "flowLabel").text(), label);
  }

  void theEnablingRulesFollowKindAndOptions() {
    CSegment pipe = Section(CSegment::kPipe);
    CSegmentDlg dialog(pipe, (*doc)->database, nullptr);
    dialog.show();
    const auto enabled = [&](const char* name) { return Child<QWidget>(dialog, name).isEnabled(); };
    QVERIFY(enabled("diameter") && !enabled("height") && enabled("equipmentOn") && !enabled("newEquipment"));
    QVERIFY(!enabled("innerCoefficientOn") && !enabled("facingOn") && !enabled("layer2"));
    Click(dialog, "equipmentOn");
    Click(dialog, "secondLayerOn");
    QVERIFY(enabled("newEquipment") && enabled("layer2"));
    Click(dialog, "bare");
    QVERIFY(!enabled("layer1") && !enabled("secondLayerOn") && !enabled("equipmentOn") &&
            !enabled("suspensionsOn"));
    // A bare section chooses among the pipe surfaces, and afresh.
    auto& surface = Child<QComboBox>(dialog, "surface");
    QCOMPARE(surface.currentIndex(), -1);
    QCOMPARE(surface.itemText(0), QStringLiteral("Ocel"));

    CSegment lined = Section(CSegment::kRectDuctInternal);
    CSegmentDlg duct(lined, (*doc)->database, nullptr);
    duct.show();
    const auto on = [&](const char* name) { return Child<QWidget>(duct, name).isEnabled(); };
    QVERIFY(on("height") && !on("diameter") && !on("secondLayerOn") && !on("suspensionsOn"));
    QVERIFY(on("innerCoefficientOn") && !on("innerCoefficient") && on("facingOn") && !on("facing"));
    Click(duct, "facingOn");
    QVERIFY(on("facing"));
  }

 private:
  CIsoProdukt& Product() { return static_cast<CIsoProdukt&>(*(*doc)->database.List(DbList::Products)[0]); }

  // A section that passes the checks: product, surface and the defaults.
  CSegment Section(std::int32_t kind) {
    CSegment section(kind, 1);
    section.layer1.Set(0, &Product(), 50, nullptr, 50);
    const DbList surfaces =
        kind == CSegment::kRectDuctInternal ? DbList::PipeSurfaces : DbList::OuterFinishes;
    section.SetSurface(static_cast<CMantling*>((*doc)->database.List(surfaces)[0].get()));
    return section;
  }

  std::unique_ptr<TestDocument> doc;
};

static RegisterUiTest<SegmentDlgTest> registration;

#include "segmentdlg_test.moc"
