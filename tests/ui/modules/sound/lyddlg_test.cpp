// The sound dialog as a user meets it: the duct picture and the absorber lists it switches,
// the lining choice and the rules it drives, OK with its checks, and opening it from the
// Input data command.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "core/modules/sound/lydmodul.h"
#include "database/dialogdriver.h"
#include "framework/moduleentry.h"
#include "framework/startedapp.h"
#include "modules/common/ductpicture.h"
#include "modules/common/recordchoice.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/modules/sound/lyddlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::CancelledInput;
using kelvora::testing::Child;
using kelvora::testing::ChooseDuctType;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::Click;
using kelvora::testing::Record;
using kelvora::testing::StartedApp;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

const QString kNoRoom = QStringLiteral(
    "Není dostatek prostoru pro specifikované množství izolace!\nZvětšete rozměr potrubí nebo snižte "
    "tloušťku "
    "izolace.");

QStringList Items(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

}  // namespace

class LydDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    // A 400 mm circular duct lined with the circular absorber at 50 mm.
    sound = &testing::ModuleOf<CLydModul>(**doc, ModuleIndex::Sound);
    CAbsorpsjon& round = Record<CAbsorpsjon>(**doc, DbList::CircularAbsorbers);
    sound->SetAbsorber(&round, round.thicknesses.front().get());
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen_data() {
    QTest::addColumn<int>("ductType");
    QTest::addColumn<QByteArray>("radio");  // clicked before typing
    QTest::addColumn<QList<QByteArray>>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");

    QTest::newRow("own thickness") << 0 << QByteArray("ownAbsorber") << QList<QByteArray>{"ownThickness"}
                                   << QStringList{"0,5"}
                                   << QStringLiteral(
                                          "Tloušťka [mm]: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 500.")
                                   << QByteArray("ownThickness");
    QTest::newRow("coefficient at 4000 Hz")
        << 0 << QByteArray("ownAbsorber") << QList<QByteArray>{"alpha4000"} << QStringList{"1,2"}
        << QStringLiteral(
               "Činitel zvukové pohltivosti 4000 Hz: 1,2 je mimo rozsah, zadejte hodnotu od 0 do 1.")
        << QByteArray("alpha4000");
    QTest::newRow("no absorber after a switch to rectangular")
        << 1 << QByteArray() << QList<QByteArray>{} << QStringList{}
        << "Vyberte prosím tlumící produkt z rozbalovacího seznamu." << QByteArray("absorber");
    QTest::newRow("diameter") << 0 << QByteArray() << QList<QByteArray>{"diameter"} << QStringList{"3001"}
                              << QStringLiteral(
                                     "Průměr [mm]: 3001 je mimo rozsah, zadejte hodnotu od 1 do 3000.")
                              << QByteArray("diameter");
    QTest::newRow("circular 100 with 50") << 0 << QByteArray() << QList<QByteArray>{"diameter"}
                                          << QStringList{"100"} << kNoRoom << QByteArray("thickness");
    QTest::newRow("left and right 100 wide with 100")
        << 3 << QByteArray("ownAbsorber") << QList<QByteArray>{"height", "width", "ownThickness"}
        << QStringList{"300", "100", "100"} << kNoRoom << QByteArray("ownThickness");
  }
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    QFETCH(int, ductType);
    QFETCH(QByteArray, radio);
    QFETCH(QList<QByteArray>, fields);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    CLydDlg dialog(*sound, (*doc)->database, nullptr);
    dialog.show();
    ChooseDuctType(dialog, ductType);
    if (!radio.isEmpty()) Click(dialog, radio.constData());
    for (qsizetype i = 0; i < fields.size(); ++i) Type(dialog, fields[i].constData(), texts[i]);
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(doc->messages.shown.front()), message);
    QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.constData()));
  }

  // Only the height is lined: 300 > 2 · 100 although the width is 100.
  void topAndBottomLiningLeavesTheWidthFreeAndIsTakenBackOnOk() {
    CLydDlg dialog(*sound, (*doc)->database, nullptr);
    dialog.show();
    ChooseDuctType(dialog, 2);
    Click(dialog, "ownAbsorber");
    Type(dialog, "height", QStringLiteral("300"));
    Type(dialog, "width", QStringLiteral("100"));
    Type(dialog, "ownThickness", QStringLiteral("100"));
    Type(dialog, "ownName", QStringLiteral("Pěna"));
    Type(dialog, "alpha125", QStringLiteral("0,4"));
    Click(dialog, "ok");
    QVERIFY(doc->messages.shown.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(sound->ductType, 0);  // nothing reaches the module before it is taken
    dialog.TakeInputs(*sound);
    QCOMPARE(sound->ductType, 2);
    QCOMPARE(sound->userDefined, 1);
    QCOMPARE(sound->height, 300.0f);
    QCOMPARE(sound->ownThickness, 100.0f);
    QCOMPARE(sound->ownAlpha[0], 0.4f);
    QCOMPARE(sound->ownName, std::string("Pěna"));
    // Switching to rectangular emptied the lining the circular list gave.
    QCOMPARE(sound->Absorber(), nullptr);
  }

  // Between rectangular types the absorber stays; to circular it goes, with its thicknesses.
  void theDuctTypeSwitchesTheAbsorberListAndTheFields() {
    CAbsorpsjon& rectangular = Record<CAbsorpsjon>(**doc, DbList::RectangularAbsorbers);
    auto second = std::make_unique<CAbsorpsjonTykkelse>();
    second->SetThickness(100.0f);
    rectangular.InsertThickness(std::move(second));
    rectangular.insulationColour = 0x123456;
    rectangular.surfaceColour = 0x654321;
    CLydDlg dialog(*sound, (*doc)->database, nullptr);
    dialog.show();
    const auto& picture = Child<CMultiButton>(dialog, "ductPicture");
    const auto& absorber = Child<QComboBox>(dialog, "absorber");
    const auto& thickness = Child<QComboBox>(dialog, "thickness");
    QVERIFY(Child<QLineEdit>(dialog, "diameter").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "height").isEnabled());

    ChooseDuctType(dialog, 1);
    QCOMPARE(Items(absorber), QStringList{QStringLiteral("Tlumič")});
    QCOMPARE(absorber.currentIndex(), -1);
    QCOMPARE(thickness.count(), 0);
    QVERIFY(picture.Greyed());
    QVERIFY(!Child<QLineEdit>(dialog, "diameter").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "width").isEnabled());

    ChooseInCombo(dialog, "absorber", QStringLiteral("Tlumič"));
    QCOMPARE(Items(thickness), (QStringList{"50.0", "100.0"}));
    QCOMPARE(thickness.currentText(), QStringLiteral("50.0"));
    QVERIFY(!picture.Greyed());
    QCOMPARE(picture.Colours()[0], Colour{0x123456});
    QCOMPARE(picture.Colours()[2], Colour{0x654321});
    ChooseInCombo(dialog, "thickness", QStringLiteral("100.0"));

    ChooseDuctType(dialog, 3);
    QCOMPARE(absorber.currentText(), QStringLiteral("Tlumič"));
    QCOMPARE(thickness.currentText(), QStringLiteral("100.0"));
    QCOMPARE(dialog.Inputs().ThicknessRecord(), rectangular.thicknesses[1].get());

    ChooseDuctType(dialog, 0);
    QCOMPARE(Items(absorber), QStringList{QStringLiteral("Tlumič kruhový")});
    QCOMPARE(absorber.currentIndex(), -1);
    QCOMPARE(thickness.count(), 0);
    QCOMPARE(dialog.Inputs().Absorber(), nullptr);
    QCOMPARE(dialog.Inputs().ThicknessRecord(), nullptr);
  }

  void theLiningChoiceEnablesItsGroupAndColoursThePicture() {
    CLydDlg dialog(*sound, (*doc)->database, nullptr);
    dialog.show();
    const auto& picture = Child<CMultiButton>(dialog, "ductPicture");
    QVERIFY(Child<QComboBox>(dialog, "absorber").isEnabled());
    QVERIFY(Child<QComboBox>(dialog, "thickness").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "ownName").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "alpha250").isEnabled());
    Click(dialog, "ownAbsorber");
    QVERIFY(!Child<QComboBox>(dialog, "absorber").isEnabled());
    QVERIFY(!Child<QComboBox>(dialog, "thickness").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "ownName").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "ownThickness").isEnabled());
    QVERIFY(Child<QLineEdit>(dialog, "alpha250").isEnabled());
    // The user's own lining keeps the picture's yellow and olive.
    QVERIFY(!picture.Greyed());
    QCOMPARE(picture.Colours()[0], Colour{0x00FFFF});
    QCOMPARE(picture.Colours()[2], Colour{0x008080});
  }

  void inputDataOpensTheSoundDialog() {
    doc.reset();
    StartedApp started;
    CQorApp& app = *started.app;
    const QString caption = CancelledInput(
        app, ModuleIndex::Sound, [](QDialog& dialog) { Type(dialog, "diameter", QStringLiteral("250")); });
    QCOMPARE(caption, QStringLiteral("Útlum hluku ve vzduchovodu"));
    const auto& module = dynamic_cast<const CLydModul&>(app.Document().Module(ModuleIndex::Sound));
    QCOMPARE(module.diameter, 400.0f);
    QCOMPARE(module.calculated, 0);
  }

 private:
  std::unique_ptr<TestDocument> doc;
  CLydModul* sound = nullptr;
};

static RegisterUiTest<LydDlgTest> registration;

#include "lyddlg_test.moc"
