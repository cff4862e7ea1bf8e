// The tank dialog as a user meets it: the shape picture and the rules it drives, the liquid
// and surface choices, OK with its checks, and opening it from the Input data command.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "core/modules/tank/tanktempmodul.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "modules/common/thermalpictures.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/modules/tank/tanktempdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseShape;
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

}  // namespace

class TankTempDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    // The fixture: a sphere outdoors, user emissivity, a user-defined liquid, mode 1.
    tank = &testing::FillTank(**doc);
    Record<CIsoProdukt>(**doc, DbList::Products).maxTemperature = 500;
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("stored");  // a damage to the stored tank
    QTest::addColumn<int>("shape");
    QTest::addColumn<QByteArray>("radio");  // clicked before typing
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");  // empty where the focus stays

    QTest::newRow("storage time outside the field")
        << "" << 2 << QByteArray("storageTimeMode") << QByteArray("storageTime") << "9000"
        << "Akumulační doba [h]: 9000 je mimo rozsah, zadejte hodnotu od 1 do 8760."
        << QByteArray("storageTime");
    QTest::newRow("ambient outside the field")
        << "" << 2 << QByteArray() << QByteArray("ambientTemperature") << "501"
        << "Okolní teplota [°C]: 501 je mimo rozsah, zadejte hodnotu od -60 do 500."
        << QByteArray("ambientTemperature");
    QTest::newRow("no product") << "no product" << 2 << QByteArray() << QByteArray() << ""
                                << "Vyberte prosím izolační produkt." << QByteArray("layer");
    QTest::newRow("medium above the product, not confirmed")
        << "cold product" << 2 << QByteArray() << QByteArray() << "" << kMediumWarning << QByteArray();
    QTest::newRow("box height") << "" << 0 << QByteArray() << QByteArray("height") << "0,05"
                                << QStringLiteral(
                                       "Výška [m]: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 100.")
                                << QByteArray("height");
    QTest::newRow("box depth") << "" << 0 << QByteArray() << QByteArray("depth") << "101"
                               << QStringLiteral(
                                      "Hloubka [m]: 101 je mimo rozsah, zadejte hodnotu od 0,1 do 100.")
                               << QByteArray("depth");
    QTest::newRow("cylinder length") << "" << 1 << QByteArray() << QByteArray("length") << "0"
                                     << QStringLiteral(
                                            "Délka [m]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 100.")
                                     << QByteArray("length");
    QTest::newRow("sphere diameter")
        << "" << 2 << QByteArray() << QByteArray("diameter") << "100,5"
        << QStringLiteral("Průměr [m]: 100,5 je mimo rozsah, zadejte hodnotu od 0,1 do 100.")
        << QByteArray("diameter");
    QTest::newRow("user emissivity")
        << "" << 2 << QByteArray() << QByteArray("userEmissivity") << "1,1"
        << QStringLiteral("Uživatelsky def. emis.: 1,1 je mimo rozsah, zadejte hodnotu od 0 do 1.")
        << QByteArray("userEmissivity");
    QTest::newRow("no surface") << "no surface" << 2 << QByteArray("surfaceFromDatabase") << QByteArray()
                                << ""
                                << "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."
                                << QByteArray("surface");
    QTest::newRow("wind") << "" << 2 << QByteArray() << QByteArray("windSpeed") << "0"
                          << QStringLiteral(
                                 "Rychlost větru [m/s]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50.")
                          << QByteArray("windSpeed");
    QTest::newRow("outer coefficient")
        << "" << 2 << QByteArray("userCoefficientMode") << QByteArray("outerCoefficient") << "-1"
        << QStringLiteral(
               "Souč. přestupu tepla vně [W/m2K]: -1 je mimo rozsah, zadejte hodnotu od 0 do 10000.")
        << QByteArray("outerCoefficient");
    QTest::newRow("density") << "" << 2 << QByteArray() << QByteArray("density") << "2501"
                             << QStringLiteral(
                                    "Hustota [kg/m3]: 2501 je mimo rozsah, zadejte hodnotu od 1 do 2500.")
                             << QByteArray("density");
    QTest::newRow("no database liquid")
        << "no liquid" << 2 << QByteArray("databaseLiquid") << QByteArray() << ""
        << "Vyberte prosím médium z rozbalovacího seznamu." << QByteArray("liquid");
    QTest::newRow("start below the freezing point")
        << "" << 2 << QByteArray() << QByteArray("startTemperature") << "-20,5"
        << QStringLiteral("Počáteční teplota [°C]: -20,5 je mimo rozsah, zadejte hodnotu od -20 do 2000.")
        << QByteArray("startTemperature");
    QTest::newRow("end below the freezing point")
        << "" << 2 << QByteArray() << QByteArray("endTemperature") << "-21"
        << QStringLiteral("Konečná teplota [°C]: -21 je mimo rozsah, zadejte hodnotu od -20 do 2000.")
        << QByteArray("endTemperature");
    QTest::newRow("end equal to start")
        << "" << 2 << QByteArray() << QByteArray("endTemperature") << "90"
        << "Počáteční teplota musí být vyšší než konečná teplota." << QByteArray("startTemperature");
  }
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    QFETCH(QString, stored);
    QFETCH(int, shape);
    QFETCH(QByteArray, radio);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    if (stored == "no product") tank->insulation.Set(0, nullptr, 100, nullptr, 0);
    if (stored == "cold product") Record<CIsoProdukt>(**doc, DbList::Products).maxTemperature = 80;
    if (stored == "no surface") tank->SetSurface(nullptr);
    if (stored == "no liquid") tank->SetLiquid(nullptr);
    tank->shape = shape;
    CTankTempDlg dialog(*tank, (*doc)->database, nullptr);
    dialog.show();
    if (!radio.isEmpty()) Click(dialog, radio.constData());
    if (!field.isEmpty()) Type(dialog, field.constData(), text);
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(doc->messages.shown.front()), message);
    if (!focus.isEmpty()) QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.constData()));
  }

  void theShapeEnablesItsSizesAndTheModesTheirFields_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QList<bool>>("enabled");  // diameter, length, width, height, depth
    QTest::newRow("box") << 0 << QList<bool>{false, false, true, true, true};
    QTest::newRow("cylinder") << 1 << QList<bool>{true, true, false, false, false};
    QTest::newRow("sphere") << 2 << QList<bool>{true, false, false, false, false};
  }
  void theShapeEnablesItsSizesAndTheModesTheirFields() {
    QFETCH(int, shape);
    QFETCH(QList<bool>, enabled);
    tank->shape = (shape + 1) % 3;
    CTankTempDlg dialog(*tank, (*doc)->database, nullptr);
    dialog.show();
    ChooseShape(dialog, shape);
    QCOMPARE(dialog.Inputs().shape, shape);
    const char* sizes[] = {"diameter", "length", "width", "height", "depth"};
    for (int i = 0; i < 5; ++i) QCOMPARE(Child<QLineEdit>(dialog, sizes[i]).isEnabled(), enabled[i]);
    QVERIFY(Child<QLineEdit>(dialog, "endTemperature").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "storageTime").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "windSpeed").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "outerCoefficient").isEnabled());
    QVERIFY(!Child<QComboBox>(dialog, "liquid").isEnabled());
    QVERIFY(!Child<QComboBox>(dialog, "surface").isEnabled());
    Click(dialog, "storageTimeMode");
    Click(dialog, "userCoefficientMode");
    Click(dialog, "databaseLiquid");
    Click(dialog, "surfaceFromDatabase");
    QVERIFY(Child<QLineEdit>(dialog, "storageTime").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "endTemperature").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "windSpeed").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "outerCoefficient").isEnabled());
    QVERIFY(Child<QComboBox>(dialog, "liquid").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "density").isEnabled());
    QVERIFY(Child<QComboBox>(dialog, "surface").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "userEmissivity").isEnabled());
  }

  // A sphere ignores a length of 0; only the first warning is asked; a chosen liquid's values
  // become the user-defined ones, and nothing reaches the tank before it is taken.
  void aConfirmedTankIsTakenBackOnOk() {
    Record<CIsoProdukt>(**doc, DbList::Products).maxTemperature = 20;
    doc->messages.answers = {true};
    CVeske& water = Record<CVeske>(**doc, DbList::Liquids);
    tank->length = 0;
    CTankTempDlg dialog(*tank, (*doc)->database, nullptr);
    dialog.show();
    Type(dialog, "ambientTemperature", QStringLiteral("30"));
    Click(dialog, "databaseLiquid");
    ChooseInCombo(dialog, "liquid", QString::fromStdString(water.name));
    QCOMPARE(Child<QLineEdit>(dialog, "density").text(), QString::number(static_cast<int>(water.density)));
    Type(dialog, "diameter", QStringLiteral("3,5"));
    Click(dialog, "ok");
    QCOMPARE(doc->messages.shown, std::vector<std::string>{kMediumWarning.toStdString()});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(tank->diameter, 2.5f);
    dialog.TakeInputs(*tank);
    QCOMPARE(tank->diameter, 3.5f);
    QCOMPARE(tank->length, 0.0f);
    QCOMPARE(tank->userDefinedLiquid, 0);
    QCOMPARE(tank->Liquid(), &water);
    QCOMPARE(tank->liquidDensity, water.density);
  }

  void inputDataOpensTheTankDialog() {
    doc.reset();
    StartedApp started;
    CQorApp& app = *started.app;
    app.MainFrame().ModuleAction(static_cast<int>(ModuleIndex::Tank))->trigger();
    QString caption;
    OnNextModal([&caption](QDialog& dialog) {
      caption = dialog.windowTitle();
      Type(dialog, "depth", QStringLiteral("7"));
      Click(dialog, "cancel");
    });
    app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
    QCOMPARE(caption, QStringLiteral("Teplota v nádrži"));
    const auto& module = dynamic_cast<const CTankTempModul&>(app.Document().Module(ModuleIndex::Tank));
    QCOMPARE(module.depth, 5.0f);
  }

 private:
  std::unique_ptr<TestDocument> doc;
  CTankTempModul* tank = nullptr;
};

static RegisterUiTest<TankTempDlgTest> registration;

#include "tanktempdlg_test.moc"
