// The internal condensation dialog as a user meets it: the duct picture and the rules it
// drives, the flow units, OK with its checks, and opening it from the Input data command.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/thermalpictures.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/modules/condensation/innvendigkondensdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseDuctShape;
using kelvora::testing::ChooseOrientation;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::Record;
using kelvora::testing::StartedApp;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {}  // namespace

class InnvendigKondensDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    module = &dynamic_cast<CInnvendigKondensModul&>((*doc)->Module(ModuleIndex::InternalCondensation));
    module->insulation.Set(0, &Record<CIsoProdukt>(**doc, DbList::Products), 0, nullptr, 0);
    module->SetSurface(&Record<CMantling>(**doc, DbList::OuterFinishes));
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen_data() {
    QTest::addColumn<int>("rectangular");
    QTest::addColumn<QByteArray>("check");  // clicked before typing
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");  // empty where the focus stays

    QTest::newRow("inlet of 120 °C")
        << 0 << QByteArray() << QByteArray("inletTemperature") << "120"
        << "Vstupní teplota [°C]: 120 je mimo rozsah, zadejte hodnotu od 0,1 do 100."
        << QByteArray("inletTemperature");
    QTest::newRow("no length") << 0 << QByteArray() << QByteArray("length") << "0"
                               << "Délka [m]: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 20000."
                               << QByteArray("length");
    QTest::newRow("circular duct of 3001 mm")
        << 0 << QByteArray() << QByteArray("diameter") << "3001"
        << QStringLiteral("Průměr [mm]: 3001 je mimo rozsah, zadejte hodnotu od 1 do 3000.")
        << QByteArray("diameter");
    QTest::newRow("rectangular height")
        << 1 << QByteArray() << QByteArray("height") << "5001"
        << QStringLiteral("Výška [mm]: 5001 je mimo rozsah, zadejte hodnotu od 1 do 5000.")
        << QByteArray("height");
    QTest::newRow("no flow")
        << 0 << QByteArray() << QByteArray("flow") << "0"
        << QStringLiteral("Průtok média [m3/h]: 0 je mimo rozsah, zadejte hodnotu od 0,01 do 360000.")
        << QByteArray("flow");
    QTest::newRow("inner coefficient of 0")
        << 0 << QByteArray("innerCoefficientOn") << QByteArray("innerCoefficient") << "0"
        << QStringLiteral(
               "Souč. přestupu tepla uvnitř [W/m2K]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000.")
        << QByteArray("innerCoefficient");
    QTest::newRow("inlet at the ambient")
        << 0 << QByteArray() << QByteArray("inletTemperature") << "20,05"
        << "Mezi vstupní teplotou a okolní teplotou musí být rozdíl nejméně 0,1 °C." << QByteArray();
  }
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    QFETCH(int, rectangular);
    QFETCH(QByteArray, check);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    module->rectangular = rectangular;
    CInnvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    if (!check.isEmpty()) Click(dialog, check.constData());
    Type(dialog, field.constData(), text);
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(doc->messages.shown.front()), message);
    if (!focus.isEmpty()) QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.constData()));
  }

  void theLargestDuctsAndAnInletATenthFromTheAmbientAreTaken() {
    for (int rectangular : {0, 1}) {
      module->rectangular = rectangular;
      CInnvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
      dialog.show();
      Type(dialog, rectangular ? "height" : "diameter",
           rectangular ? QStringLiteral("5000") : QStringLiteral("3000"));
      if (rectangular) Type(dialog, "width", QStringLiteral("5000"));
      Type(dialog, "inletTemperature", QStringLiteral("20,1"));
      Click(dialog, "ok");
      QVERIFY2(doc->messages.shown.empty(),
               doc->messages.shown.empty() ? "" : doc->messages.shown[0].c_str());
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
  }

  void aFlowUnitConvertsTheFlowOrKeepsWhatItCannotConvert() {
    module->flow = 720;
    CInnvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    auto& flow = Child<QLineEdit>(dialog, "flow");
    Type(dialog, "diameter", QStringLiteral("abc"));
    // m³/h and l/s need no cross-section.
    Click(dialog, "flowLs");
    QCOMPARE(flow.text(), QStringLiteral("200.0"));
    QCOMPARE(Child<QLabel>(dialog, "flowLabel").text(), QStringLiteral("Průtok média [l/s]:"));
    doc->messages.shown.clear();
    Click(dialog, "flowMs");
    QCOMPARE(dialog.Inputs().flowUnit, 1);
    QCOMPARE(flow.text(), QStringLiteral("200.0"));
    QVERIFY(Child<QAbstractButton>(dialog, "flowLs").isChecked());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    Type(dialog, "diameter", QStringLiteral("500"));
    Click(dialog, "flowMs");
    QCOMPARE(dialog.Inputs().flowUnit, 2);
    QCOMPARE(flow.text(), QStringLiteral("1.019"));
    QCOMPARE(Child<QLabel>(dialog, "flowLabel").text(), QStringLiteral("Rychlost průtoku média [m/s]:"));
  }

  // The caption of a velocity is the longest; the dialog is as wide for every unit, and every
  // caption shows whole.
  void aFlowUnitKeepsTheDialogsSize() {
    module->flowUnit = 0;
    CInnvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize opened = dialog.size();
    auto& caption = Child<QLabel>(dialog, "flowLabel");
    for (const char* unit : {"flowMs", "flowLs", "flowM3h"}) {
      Click(dialog, unit);
      QApplication::processEvents();
      QCOMPARE(dialog.size(), opened);
      QVERIFY(caption.width() >= caption.fontMetrics().horizontalAdvance(caption.text()));
    }
  }

  void changingTheShapeDropsTheProductAndAsksOnceOneWasChosen() {
    CInnvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    ChooseDuctShape(dialog, 1);
    ChooseOrientation(dialog, "ductPicture", 1);
    QCOMPARE(dialog.Inputs().rectangular, 1);
    QCOMPARE(dialog.Inputs().vertical, 1);
    QCOMPARE(dialog.Inputs().insulation.Product(), nullptr);
    QCOMPARE(dialog.Inputs().insulation.objectKind, 2);
    QVERIFY(!Child<QLineEdit>(dialog, "diameter").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "width").isEnabled());

    Editors().Register<CIsolasjon>([](CIsolasjon&) { return 1; });
    Click(dialog, "layer");
    doc->messages.answers = {false};
    ChooseDuctShape(dialog, 0);
    Editors().Unregister<CIsolasjon>();
    QCOMPARE(doc->messages.shown,
             std::vector<std::string>{
                 "Varování: Po změně typu produktu je nutné znovu vybrat izolační materiál.\n"});
    QCOMPARE(dialog.Inputs().rectangular, 1);
    QCOMPARE(Child<CMultiButton2>(dialog, "ductPicture").Kind(), 1);
  }

  void inputDataOpensTheDialog() {
    doc.reset();
    StartedApp started;
    CQorApp& app = *started.app;
    app.MainFrame().ModuleAction(static_cast<int>(ModuleIndex::InternalCondensation))->trigger();
    QString caption;
    OnNextModal([&caption](QDialog& dialog) {
      caption = dialog.windowTitle();
      Type(dialog, "length", QStringLiteral("7"));
      Click(dialog, "cancel");
    });
    app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
    QCOMPARE(caption, QStringLiteral("Izolace proti vnitřní kondenzaci"));
    const auto& m =
        dynamic_cast<const CInnvendigKondensModul&>(app.Document().Module(ModuleIndex::InternalCondensation));
    QCOMPARE(m.length, 10.0f);
  }

 private:
  std::unique_ptr<TestDocument> doc;
  CInnvendigKondensModul* module = nullptr;
};

static RegisterUiTest<InnvendigKondensDlgTest> registration;

#include "innvendigkondensdlg_test.moc"
