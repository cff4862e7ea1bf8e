// The heat-loss input dialog as a user meets it: typing, clicking the object picture and
// the radios, and pressing OK until every check passes.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "core/database/database.h"
#include "core/framework/editors.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "database/dialogdriver.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/modules/heatloss/varmetapdlg.h"
#include "uitests.h"

using kelvora::CIsoProdukt;
using kelvora::CMantling;
using kelvora::CMultiButton2;
using kelvora::CVarmetapDlg;
using kelvora::CVarmeTapModul;
using kelvora::DbList;
using kelvora::Dialogs;
using kelvora::ModuleIndex;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

// A click into the chooser cell of an object kind on the picture.
void ChooseKind(CVarmetapDlg& dialog, int kind) {
  QTest::mouseClick(&Child<CMultiButton2>(dialog, "objectPicture"), Qt::LeftButton, {},
                    QPoint(4 + kind * 31 + 14, 15));
}

// A fault in the module's values, made before the dialog opens, or one typed into it.
struct Step {
  const char* what;
  std::function<void(CVarmeTapModul&)> stored;
  std::function<void(CVarmetapDlg&)> typed;
  QString message;
  const char* focus;  // nullptr where no field is at fault
};

void None(CVarmeTapModul&) {}
void Typed(CVarmetapDlg&) {}

}  // namespace

class VarmetapDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    Module().layers[0].Set(0, &Product(), 50, nullptr, 50);
    Module().SetSurface(Surface(DbList::OuterFinishes));
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void aFilledPipeIsTakenOnOk() {
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    Type(dialog, "mediumTemperature", QStringLiteral("150"));
    Type(dialog, "ambientTemperature", QStringLiteral("20,5"));
    Type(dialog, "diameter", QStringLiteral("60,3 mm"));
    Type(dialog, "length", QStringLiteral("12"));
    Click(dialog, "outdoors");
    Type(dialog, "windSpeed", QStringLiteral("4"));
    Click(dialog, "ok");
    QVERIFY2(doc->messages.shown.empty(), doc->messages.shown.empty() ? "" : doc->messages.shown[0].c_str());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CVarmeTapModul& in = dialog.Inputs();
    QCOMPARE(in.mediumTemperature, 150.0f);
    QCOMPARE(in.ambientTemperature, 20.5f);
    QCOMPARE(in.diameter, 60.3f);
    QCOMPARE(in.length, 12.0f);
    QCOMPARE(in.environment, 1);
    QCOMPARE(in.windSpeed, 4.0f);
    QCOMPARE(in.Surface(), Surface(DbList::OuterFinishes));
    QCOMPARE(in.layers[0].StandardProduct(), &Product());
    // The module itself is untouched until its Edit takes the inputs.
    QCOMPARE(Module().mediumTemperature, 50.0f);
  }

  void switchingToAPlaneSetsUnitAndHeightAndDisablesPerMetre() {
    Module().calculationType = 2;
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    QVERIFY(Child<QRadioButton>(dialog, "perMetre").isEnabled());
    ChooseKind(dialog, 4);
    QCOMPARE(dialog.Inputs().objectKind, 4);
    QVERIFY(Child<QRadioButton>(dialog, "perSquareMetre").isChecked());
    QVERIFY(!Child<QRadioButton>(dialog, "perMetre").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "maxHeatLossPerSquareMetre").isEnabled());
    QCOMPARE(Child<QLineEdit>(dialog, "height").text(), QStringLiteral("1000"));
    // A new kind starts the layers afresh.
    QCOMPARE(dialog.Inputs().layers[0].Product(), nullptr);
    QCOMPARE(dialog.Inputs().layers[0].objectKind, 4);
  }

  void aPipeTurnedIntoAnInsideLinedDuctMustChooseItsSurfaceAgain() {
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    ChooseKind(dialog, 3);
    auto& surface = Child<QComboBox>(dialog, "surface");
    QCOMPARE(surface.currentIndex(), -1);
    QCOMPARE(surface.itemText(0), QStringLiteral("Ocel"));
    QVERIFY(Child<QWidget>(dialog, "innerGroup").isEnabled());
    QVERIFY(Child<QWidget>(dialog, "ductGroup").isEnabled());
    kelvora::Editors().Register<kelvora::CIsolasjon>([this](kelvora::CIsolasjon& layer) {
      layer.Set(0, &Product(), 20, nullptr, 20);
      return 1;
    });
    Click(dialog, "layer1");
    kelvora::Editors().Unregister<kelvora::CIsolasjon>();
    Click(dialog, "ok");
    QCOMPARE(Shown(), std::string("Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), &surface);

    Click(dialog, "userEmissivityMode");
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Inputs().objectKind, 3);
    QCOMPARE(dialog.Inputs().Surface(), nullptr);
  }

  void changingKindAfterALayerWasEditedAsksFirst() {
    kelvora::Editors().Register<kelvora::CIsolasjon>([](kelvora::CIsolasjon&) { return 1; });
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    Click(dialog, "layer1");
    doc->messages.answers = {false};
    ChooseKind(dialog, 2);
    kelvora::Editors().Unregister<kelvora::CIsolasjon>();
    QCOMPARE(Shown(),
             std::string("Varování: Po změně typu produktu je nutné znovu vybrat izolační materiál.\n"));
    QCOMPARE(dialog.Inputs().objectKind, 0);
    QCOMPARE(Child<CMultiButton2>(dialog, "objectPicture").Kind(), 0);
    QCOMPARE(dialog.Inputs().layers[0].Product(), &Product());
  }

  void theFlowUnitRoundTripReturnsTheStartingValue() {
    Module().objectKind = 1;
    Module().diameter = 315.0f;
    Module().flowValue = 1234.0f;
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    auto& flow = Child<QLineEdit>(dialog, "flowValue");
    Click(dialog, "flowLs");
    QCOMPARE(flow.text(), QStringLiteral("342.8"));
    QCOMPARE(Child<QLabel>(dialog, "flowLabel").text(), QStringLiteral("Průtok média [l/s]:"));
    Click(dialog, "flowMs");
    QCOMPARE(flow.text(), QStringLiteral("4.399"));
    Click(dialog, "flowM3h");
    QCOMPARE(flow.text(), QStringLiteral("1234"));
    QCOMPARE(Child<QLabel>(dialog, "flowLabel").text(), QStringLiteral("Průtok média [m3/h]:"));
  }

  void theEnablingRulesFollowTypeKindAndOptions() {
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    const auto enabled = [&](const char* name) { return Child<QWidget>(dialog, name).isEnabled(); };
    QVERIFY(enabled("diameter") && enabled("length") && !enabled("height") && !enabled("area"));
    QVERIFY(enabled("layer2On") && !enabled("layer2") && enabled("equipmentOn") && !enabled("equipment"));
    QVERIFY(!enabled("surfaceTemperature") && !enabled("windSpeed") && !enabled("climate"));
    QVERIFY(!enabled("ductGroup") && !enabled("innerGroup") && !enabled("operatingHours"));
    Click(dialog, "layer2On");
    Click(dialog, "equipmentOn");
    Click(dialog, "energyOn");
    QVERIFY(enabled("layer2") && enabled("equipment") && enabled("newEquipment"));
    QVERIFY(enabled("operatingHours") && enabled("energyPrice") && enabled("currency") &&
            enabled("co2Factor"));
    Click(dialog, "typeSurfaceTemperature");
    QVERIFY(enabled("surfaceTemperature") && !enabled("length") && !enabled("layer2On") &&
            !enabled("layer2"));
    QVERIFY(!enabled("equipmentOn") && !enabled("equipment") && !enabled("energyOn") &&
            !enabled("energyPrice"));
    // Layer 1 is used in every type; its dialog asks no thickness where it is solved.
    QVERIFY(!enabled("hangersOn") && enabled("layer1") && enabled("layer1Summary"));
    QCOMPARE(Child<QLabel>(dialog, "layer1Summary").text(), QStringLiteral("Produkt:\nVata"));
    Click(dialog, "typeGivenThickness");
    QCOMPARE(Child<QLabel>(dialog, "layer1Summary").text(),
             QStringLiteral("Produkt:\nVata\nTloušťka: 50.0 mm"));
    Click(dialog, "userEmissivityMode");
    QVERIFY(!enabled("surface") && enabled("userEmissivity"));
    Click(dialog, "userCoefficientMode");
    QVERIFY(enabled("userCoefficient") && !enabled("windSpeed"));
  }

  void choosingASurfaceShowsItsEmissivity() {
    Surface(DbList::OuterFinishes)->emissivity = 0.456f;
    Module().SetSurface(nullptr);
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    auto& surface = Child<QComboBox>(dialog, "surface");
    QCOMPARE(surface.currentIndex(), -1);
    surface.setCurrentIndex(0);
    emit surface.activated(0);
    QCOMPARE(Child<QLineEdit>(dialog, "userEmissivity").text(), QStringLiteral("0.46"));
    QCOMPARE(dialog.Inputs().Surface(), Surface(DbList::OuterFinishes));
  }

  // Each step of the checks on OK, in their order: the message, the dialog left open and
  // the focus on the field at fault.
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    const Step steps[] = {
        {"medium temperature", None, [](auto& d) { Type(d, "mediumTemperature", QStringLiteral("3000")); },
         QStringLiteral("Teplota média [°C]: 3000 je mimo rozsah, zadejte hodnotu od -273 do 2000."),
         "mediumTemperature"},
        {"unreadable number", None, [](auto& d) { Type(d, "length", QStringLiteral("abc")); },
         QStringLiteral("Délka potrubí [m]: není číslo, zadejte číslo."), "length"},
        {"no product", [](auto& m) { m.layers[0].Set(0, nullptr, 50, nullptr, 50); }, Typed,
         QStringLiteral("Vyberte prosím izolační produkt."), "layer1"},
        {"user product gone", [](auto& m) { m.layers[0].Set(1, nullptr, 50, nullptr, 50); }, Typed,
         QStringLiteral("Vyberte prosím izolační produkt."), "layer1"},
        {"medium too hot for the product", None,
         [](auto& d) { Type(d, "mediumTemperature", QStringLiteral("250")); },
         QStringLiteral("Varování: Teplota média překračuje maximální doporučenou teplotu použití vybraného "
                        "izolačního produktu."),
         nullptr},
        {"outer layer without product",
         [](auto& m) {
           m.layer2On = 1;
           m.layers[1].Set(0, nullptr, 50, nullptr, 50);
         },
         Typed, QStringLiteral("Vyberte prosím izolační produkt."), "layer2"},
        {"ambient too hot for the outer product", None,
         [](auto& d) {
           Type(d, "mediumTemperature", QStringLiteral("150"));
           Type(d, "ambientTemperature", QStringLiteral("250"));
         },
         QStringLiteral(
             "Varování: Okolní teplota je vyšší než maximální doporučená pro vybraný izolační produkt."),
         nullptr},
        {"height", [](auto& m) { m.objectKind = 2; }, [](auto& d) { Type(d, "height", QStringLiteral("0")); },
         QStringLiteral("Výška [mm]: 0 je mimo rozsah, zadejte hodnotu od 1 do 20000."), "height"},
        {"width", [](auto& m) { m.objectKind = 2; },
         [](auto& d) { Type(d, "width", QStringLiteral("20001")); },
         QStringLiteral("Šířka [mm]: 20001 je mimo rozsah, zadejte hodnotu od 1 do 20000."), "width"},
        {"lining fills the duct", [](auto& m) { m.objectKind = 3; },
         [](auto& d) { Type(d, "width", QStringLiteral("100")); },
         QStringLiteral("Vypočítaná tloušťka izolace je příliš velká pro vybraný rozměr potrubí při použití "
                        "vnitřní izolace. "),
         "width"},
        {"diameter", None, [](auto& d) { Type(d, "diameter", QStringLiteral("0,5")); },
         QStringLiteral("Průměr [mm]: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 20000."), "diameter"},
        {"area", [](auto& m) { m.objectKind = 4; }, [](auto& d) { Type(d, "area", QStringLiteral("0")); },
         QStringLiteral("Plocha [m2]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 5000."), "area"},
        {"length", None, [](auto& d) { Type(d, "length", QStringLiteral("0")); },
         QStringLiteral("Délka potrubí [m]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 20000."), "length"},
        {"user emissivity", [](auto& m) { m.surfaceMode = 1; },
         [](auto& d) { Type(d, "userEmissivity", QStringLiteral("1,5")); },
         QStringLiteral("Uživat. def. emisiv: 1,5 je mimo rozsah, zadejte hodnotu od 0 do 1."),
         "userEmissivity"},
        {"energy price", [](auto& m) { m.energyCalculationOn = 1; },
         [](auto& d) { Type(d, "energyPrice", QStringLiteral("0")); },
         QStringLiteral("Náklady energie na kWh: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 200."),
         "energyPrice"},
        {"operating hours", [](auto& m) { m.energyCalculationOn = 1; },
         [](auto& d) { Type(d, "operatingHours", QStringLiteral("9000")); },
         QStringLiteral("Provoz. doba [h/rok]: 9000 je mimo rozsah, zadejte hodnotu od 1 do 8760."),
         "operatingHours"},
        {"wind", [](auto& m) { m.environment = 1; },
         [](auto& d) { Type(d, "windSpeed", QStringLiteral("0")); },
         QStringLiteral("Rychlost větru [m/s]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50."),
         "windSpeed"},
        {"outer coefficient", [](auto& m) { m.environment = 2; },
         [](auto& d) { Type(d, "userCoefficient", QStringLiteral("0")); },
         QStringLiteral(
             "Souč. přestupu tepla vně [W/m2K]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000."),
         "userCoefficient"},
        {"surface temperature equal to the ambient", [](auto& m) { m.calculationType = 1; },
         [](auto& d) { Type(d, "surfaceTemperature", QStringLiteral("20")); },
         QStringLiteral("Teplota povrchu [°C]: 20 je mimo rozsah, zadejte hodnotu od 20,1 do 49,9."),
         "surfaceTemperature"},
        {"heat loss", [](auto& m) { m.calculationType = 2; },
         [](auto& d) { Type(d, "maxHeatLossPerMetre", QStringLiteral("600")); },
         QStringLiteral("Tepelná ztráta [W/m]: 600 je mimo rozsah, zadejte hodnotu od -500 do 500."),
         "maxHeatLossPerMetre"},
        {"no temperature difference", None,
         [](auto& d) { Type(d, "mediumTemperature", QStringLiteral("20,05")); },
         QStringLiteral("Mezi teplotou média a okolní teplotou musí být rozdíl nejméně 0,1 °C."), nullptr},
        {"no surface", [](auto& m) { m.SetSurface(nullptr); }, Typed,
         QStringLiteral("Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."), "surface"},
        {"bare emissivity", None, [](auto& d) { Type(d, "bareEmissivity", QStringLiteral("2")); },
         QStringLiteral("Emisivita potrubí*: 2 je mimo rozsah, zadejte hodnotu od 0 do 1."),
         "bareEmissivity"},
    };
    for (const Step& step : steps) {
      init();
      Module().layers[1].Set(0, &Product(), 50, nullptr, 50);
      step.stored(Module());
      CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
      dialog.show();
      step.typed(dialog);
      Click(dialog, "ok");
      QVERIFY2(dialog.isVisible(), step.what);
      QVERIFY2(!doc->messages.shown.empty(), step.what);
      QCOMPARE(QString::fromStdString(doc->messages.shown.front()), step.message);
      QCOMPARE(doc->messages.shown.size(), std::size_t{1});
      if (step.focus) QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, step.focus));
    }
  }

  void aTypeWithoutARadioIsKept() {
    Module().calculationType = 3;
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    QVERIFY(Child<QLineEdit>(dialog, "operatingHours").isEnabled());
    Click(dialog, "outdoors");
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Inputs().calculationType, 3);
  }

  void aThirdLayerIsIgnoredUnlessTheThicknessIsGiven() {
    Module().calculationType = 1;
    Module().layer3On = 1;
    Module().surfaceTemperature = 35.0f;
    CVarmetapDlg dialog(Module(), (*doc)->database, &(*doc)->climate);
    dialog.show();
    Click(dialog, "ok");
    QVERIFY2(doc->messages.shown.empty(), Shown().c_str());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

 private:
  CVarmeTapModul& Module() { return dynamic_cast<CVarmeTapModul&>((*doc)->Module(ModuleIndex::HeatLoss)); }
  CIsoProdukt& Product() { return static_cast<CIsoProdukt&>(*(*doc)->database.List(DbList::Products)[0]); }
  CMantling* Surface(DbList list) { return static_cast<CMantling*>((*doc)->database.List(list)[0].get()); }
  std::string Shown() const {
    return doc->messages.shown.empty() ? std::string() : doc->messages.shown.back();
  }

  std::unique_ptr<TestDocument> doc;
};

static RegisterUiTest<VarmetapDlgTest> registration;

#include "varmetapdlg_test.moc"
