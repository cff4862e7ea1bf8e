// The frost dialog as a user meets it: the rules the radios drive, the pipe picture, OK with
// its checks and messages, and opening it from the Input data command.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "core/modules/frost/frostmodul.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/modules/frost/frostdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::Record;
using kelvora::testing::StartedApp;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

const QString kMediumWarning = QStringLiteral(
    "Varování: Teplota média překračuje maximální doporučenou teplotu použití vybraného izolačního "
    "produktu.");

// A click on the standing (1) or lying (0) pipe beside the picture.
void ChooseOrientation(QDialog& dialog, int vertical) {
  QTest::mouseClick(&Child<CMultiButton>(dialog, "pipePicture"), Qt::LeftButton, {},
                    QPoint(175, vertical ? 78 : 46));
}

}  // namespace

class FrostDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    frost = &testing::ModuleOf<CFrostModul>(**doc, ModuleIndex::Frost);
    frost->insulation.Set(0, &Record<CIsoProdukt>(**doc, DbList::Products), 50, nullptr, 50);
    frost->SetSurface(&Record<CMantling>(**doc, DbList::OuterFinishes));
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("stored");    // a change to the stored pipe
    QTest::addColumn<QByteArray>("radio");  // clicked before typing
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");  // empty where the focus stays

    QTest::newRow("ambient 0") << "" << QByteArray() << QByteArray("ambientTemperature") << "0"
                               << "Teplota okolí [°C]: 0 je mimo rozsah, zadejte hodnotu od -60 do -0,1."
                               << QByteArray("ambientTemperature");
    QTest::newRow("ambient -0,05")
        << "" << QByteArray() << QByteArray("ambientTemperature") << "-0,05"
        << "Teplota okolí [°C]: -0,05 je mimo rozsah, zadejte hodnotu od -60 do -0,1."
        << QByteArray("ambientTemperature");
    QTest::newRow("diameter") << "" << QByteArray() << QByteArray("pipeDiameter") << "20001"
                              << "Vnější průměr [mm]: 20001 je mimo rozsah, zadejte hodnotu od 1 do 20000."
                              << QByteArray("pipeDiameter");
    QTest::newRow("wall") << "" << QByteArray() << QByteArray("wallThickness") << "0"
                          << "Tloušťka st. p. [mm]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 100."
                          << QByteArray("wallThickness");
    QTest::newRow("wall of half the diameter")
        << "" << QByteArray() << QByteArray("wallThickness") << "50"
        << "Tloušťka stěny potrubí musí být menší než polovina vnějšího průměru."
        << QByteArray("wallThickness");
    QTest::newRow("start") << "" << QByteArray() << QByteArray("startTemperature") << "100,5"
                           << "Počáteční teplota [°C]: 100,5 je mimo rozsah, zadejte hodnotu od 0 do 100."
                           << QByteArray("startTemperature");
    QTest::newRow("frozen share")
        << "" << QByteArray() << QByteArray("percentageFrozen") << "101"
        << "Hmotnostní podíl zmrzlé vody [%]: 101 je mimo rozsah, zadejte hodnotu od 0 do 100."
        << QByteArray("percentageFrozen");
    QTest::newRow("no product") << "no product" << QByteArray() << QByteArray() << ""
                                << "Vyberte prosím izolační produkt." << QByteArray("layer");
    QTest::newRow("start above the product, not confirmed")
        << "cold product" << QByteArray() << QByteArray() << "" << kMediumWarning << QByteArray();
    QTest::newRow("own emissivity")
        << "" << QByteArray("ownEmissivity") << QByteArray("emissivity") << "1,1"
        << QStringLiteral("Uživatelsky def. emis: 1,1 je mimo rozsah, zadejte hodnotu od 0 do 1.")
        << QByteArray("emissivity");
    QTest::newRow("no surface") << "no surface" << QByteArray() << QByteArray() << ""
                                << "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."
                                << QByteArray("surface");
    QTest::newRow("wind") << "" << QByteArray("outdoors") << QByteArray("windSpeed") << "0"
                          << QStringLiteral(
                                 "Rychlost větru [m/s]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50.")
                          << QByteArray("windSpeed");
    QTest::newRow("outer coefficient")
        << "" << QByteArray("userCoefficientMode") << QByteArray("outerCoefficient") << "0"
        << QStringLiteral(
               "Souč. přestupu tepla vně [W/m2K]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 10000.")
        << QByteArray("outerCoefficient");
  }
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    QFETCH(QString, stored);
    QFETCH(QByteArray, radio);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    if (stored == "no product") frost->insulation.Set(0, nullptr, 50, nullptr, 50);
    if (stored == "cold product") Record<CIsoProdukt>(**doc, DbList::Products).maxTemperature = 10;
    if (stored == "no surface") frost->SetSurface(nullptr);
    CFrostDlg dialog(*frost, (*doc)->database, nullptr);
    dialog.show();
    if (!radio.isEmpty()) Click(dialog, radio.constData());
    if (!field.isEmpty()) Type(dialog, field.constData(), text);
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(doc->messages.shown.front()), message);
    if (!focus.isEmpty()) QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.constData()));
  }

  void theRadiosEnableTheirFields() {
    CFrostDlg dialog(*frost, (*doc)->database, nullptr);
    dialog.show();
    QVERIFY(Child<QComboBox>(dialog, "surface").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "emissivity").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "windSpeed").isEnabled());
    QVERIFY(!Child<QWidget>(dialog, "climate").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "outerCoefficient").isEnabled());
    Click(dialog, "outdoors");
    Click(dialog, "ownEmissivity");
    QVERIFY(Child<QLineEdit>(dialog, "windSpeed").isEnabled());
    QVERIFY(Child<QWidget>(dialog, "climate").isEnabled());
    QVERIFY(!Child<QComboBox>(dialog, "surface").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "emissivity").isEnabled());
    QCOMPARE(Child<CMultiButton>(dialog, "pipePicture").Colours()[0], Colour{0xC0C0C0});
    Click(dialog, "userCoefficientMode");
    QVERIFY(!Child<QLineEdit>(dialog, "windSpeed").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "outerCoefficient").isEnabled());
  }

  // The bar moves the share in whole per cent; the picture stands the pipe up; with a given
  // coefficient neither the missing surface nor a wild emissivity is checked; a start above
  // the product's limit is confirmed; nothing reaches the module before it is taken.
  void aConfirmedPipeIsTakenBackOnOk() {
    Record<CIsoProdukt>(**doc, DbList::Products).maxTemperature = 10;
    doc->messages.answers = {true};
    frost->SetSurface(nullptr);
    frost->emissivity = 7;
    CFrostDlg dialog(*frost, (*doc)->database, nullptr);
    dialog.show();
    auto& bar = Child<QScrollBar>(dialog, "percentageFrozenBar");
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(Child<QLineEdit>(dialog, "percentageFrozen").text(), QStringLiteral("35"));
    ChooseOrientation(dialog, 1);
    QCOMPARE(Child<CMultiButton>(dialog, "pipePicture").Current(), 1);
    Click(dialog, "userCoefficientMode");
    Type(dialog, "pipeDiameter", QStringLiteral("60,3"));
    Click(dialog, "ok");
    QCOMPARE(doc->messages.shown, std::vector<std::string>{kMediumWarning.toStdString()});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(frost->pipeDiameter, 100.0f);
    dialog.TakeInputs(*frost);
    QCOMPARE(frost->pipeDiameter, 60.3f);
    QCOMPARE(frost->percentageFrozen, 35.0f);
    QCOMPARE(frost->vertical, 1);
    QCOMPARE(frost->environment, 2);
  }

  void aChosenSurfaceWritesItsEmissivity() {
    CMantling& finish = Record<CMantling>(**doc, DbList::OuterFinishes);
    finish.emissivity = 0.13f;
    finish.colour = 0x123456;
    frost->SetSurface(nullptr);
    CFrostDlg dialog(*frost, (*doc)->database, nullptr);
    dialog.show();
    ChooseInCombo(dialog, "surface", QString::fromStdString(finish.name));
    QCOMPARE(Child<QLineEdit>(dialog, "emissivity").text(), QStringLiteral("0.13"));
    QCOMPARE(Child<CMultiButton>(dialog, "pipePicture").Colours()[0], finish.colour);
    QCOMPARE(dialog.Inputs().Surface(), &finish);
  }

  void inputDataOpensTheFrostDialog() {
    doc.reset();
    StartedApp started;
    CQorApp& app = *started.app;
    app.MainFrame().ModuleAction(static_cast<int>(ModuleIndex::Frost))->trigger();
    QString caption;
    OnNextModal([&caption](QDialog& dialog) {
      caption = dialog.windowTitle();
      Type(dialog, "wallThickness", QStringLiteral("7"));
      Click(dialog, "cancel");
    });
    app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
    QCOMPARE(caption, QStringLiteral("Protimrazová ochrana vodovodních potrubí"));
    const auto& module = dynamic_cast<const CFrostModul&>(app.Document().Module(ModuleIndex::Frost));
    QCOMPARE(module.wallThickness, 4.0f);
  }

 private:
  std::unique_ptr<TestDocument> doc;
  CFrostModul* frost = nullptr;
};

static RegisterUiTest<FrostDlgTest> registration;

#include "frostdlg_test.moc"
