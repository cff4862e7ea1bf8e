// The external condensation dialog as a user meets it: the object picture and the rules it
// drives, the surface lists of the kinds, OK with its checks, and opening it from the Input
// data command.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "core/framework/editors.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "modules/common/thermalpictures.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/controls/multibutton.h"
#include "ui/modules/condensation/utvendigkondensdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseObjectKind;
using kelvora::testing::ChooseOrientation;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::Record;
using kelvora::testing::StartedApp;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

QStringList Items(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

}  // namespace

class UtvendigKondensDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    module = &ModuleOf();
    module->insulation.Set(0, &Record<CIsoProdukt>(**doc, DbList::Products), 0, nullptr, 0);
    module->SetSurface(&Record<CMantling>(**doc, DbList::OuterFinishes));
    module->mediumTemperature = 5;
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QString>("stored");  // a damage to the stored module
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");

    QTest::newRow("medium above 50 °C")
        << 0 << 0 << "" << QByteArray("mediumTemperature") << "60"
        << "Teplota média [°C]: 60 je mimo rozsah, zadejte hodnotu od -273 do 50."
        << QByteArray("mediumTemperature");
    QTest::newRow("humidity of saturated air")
        << 0 << 0 << "" << QByteArray("humidity") << "100"
        << "Rel. vlhkost vzd. [%]: 100 je mimo rozsah, zadejte hodnotu od 1 do 99." << QByteArray("humidity");
    QTest::newRow("no product") << 0 << 0 << "no product" << QByteArray() << ""
                                << "Vyberte prosím izolační produkt." << QByteArray("layer");
    QTest::newRow("pipe of 2000 mm") << 0 << 0 << "" << QByteArray("diameter") << "2000"
                                     << QStringLiteral(
                                            "Průměr [mm]: 2000 je mimo rozsah, zadejte hodnotu od 1 do 1500.")
                                     << QByteArray("diameter");
    QTest::newRow("duct width") << 2 << 0 << "" << QByteArray("width") << "5001"
                                << QStringLiteral(
                                       "Šířka [mm]: 5001 je mimo rozsah, zadejte hodnotu od 1 do 5000.")
                                << QByteArray("width");
    QTest::newRow("upright wall without height")
        << 4 << 1 << "" << QByteArray("height") << "0"
        << QStringLiteral("Výška [mm]: 0 je mimo rozsah, zadejte hodnotu od 1 do 5000.")
        << QByteArray("height");
    QTest::newRow("no surface") << 0 << 0 << "no surface" << QByteArray() << ""
                                << "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu."
                                << QByteArray("surface");
    QTest::newRow("wind") << 0 << 0 << "outdoors" << QByteArray("windSpeed") << "0"
                          << QStringLiteral(
                                 "Rychlost větru [m/s]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 50.")
                          << QByteArray("windSpeed");
  }
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    QFETCH(int, kind);
    QFETCH(int, vertical);
    QFETCH(QString, stored);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    module->kind = kind;
    module->vertical = vertical;
    if (stored == "no product") module->insulation.Set(0, nullptr, 0, nullptr, 0);
    if (stored == "no surface") module->SetSurface(nullptr);
    if (stored == "outdoors") module->environment = 1;
    CUtvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    if (!field.isEmpty()) Type(dialog, field.constData(), text);
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(doc->messages.shown.front()), message);
    QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.constData()));
  }

  // A circular duct may be twice as wide as a pipe; a lined duct needing no insulation is
  // taken whatever thickness its layer once held.
  void sizesOfTheOtherKindsAreTaken() {
    module->kind = 1;
    {
      CUtvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
      dialog.show();
      Type(dialog, "diameter", QStringLiteral("2000"));
      Click(dialog, "ok");
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    module->kind = 3;
    module->width = 100;
    module->height = 100;
    module->mediumTemperature = 15;
    module->SetSurface(&Record<CMantling>(**doc, DbList::PipeSurfaces));
    CUtvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    Click(dialog, "ok");
    QVERIFY2(doc->messages.shown.empty(), doc->messages.shown.empty() ? "" : doc->messages.shown[0].c_str());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void aKindInsulatedInsideOffersThePipeSurfacesAndLeavingItTheOuterFinishes() {
    module->kind = 3;
    module->SetSurface(&Record<CMantling>(**doc, DbList::PipeSurfaces));
    CUtvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    auto& surface = Child<QComboBox>(dialog, "surface");
    QCOMPARE(Items(surface), QStringList{QStringLiteral("Ocel")});
    QVERIFY(Child<QWidget>(dialog, "facingOn").isEnabled());
    ChooseObjectKind(dialog, 0);
    QCOMPARE(dialog.Inputs().kind, 0);
    QCOMPARE(dialog.Inputs().Surface(), nullptr);
    QCOMPARE(Items(surface), QStringList{QStringLiteral("Hliník")});
    QVERIFY(!Child<QWidget>(dialog, "facingOn").isEnabled());
    ChooseInCombo(dialog, "surface", QStringLiteral("Hliník"));
    QCOMPARE(dialog.Inputs().Surface(), &Record<CMantling>(**doc, DbList::OuterFinishes));
  }

  void changingTheKindAfterAProductWasChosenAsksFirst() {
    Editors().Register<CIsolasjon>([](CIsolasjon&) { return 1; });
    CUtvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    Click(dialog, "layer");
    doc->messages.answers = {false};
    ChooseObjectKind(dialog, 2);
    Editors().Unregister<CIsolasjon>();
    QCOMPARE(doc->messages.shown,
             std::vector<std::string>{
                 "Varování: Po změně typu produktu je nutné znovu vybrat izolační materiál.\n"});
    QCOMPARE(dialog.Inputs().kind, 0);
    QCOMPARE(Child<CMultiButton2>(dialog, "objectPicture").Kind(), 0);
    QCOMPARE(dialog.Inputs().insulation.Product(), &Record<CIsoProdukt>(**doc, DbList::Products));
  }

  void theKindAndOrientationEnableTheirSizes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QList<bool>>("enabled");  // diameter, height, width
    QTest::newRow("lying pipe") << 0 << 0 << QList<bool>{true, false, false};
    QTest::newRow("upright pipe") << 0 << 1 << QList<bool>{true, true, false};
    QTest::newRow("duct") << 2 << 0 << QList<bool>{false, true, true};
    QTest::newRow("lying plane") << 4 << 0 << QList<bool>{false, false, false};
    QTest::newRow("upright wall") << 5 << 1 << QList<bool>{false, true, false};
  }
  void theKindAndOrientationEnableTheirSizes() {
    QFETCH(int, kind);
    QFETCH(int, vertical);
    QFETCH(QList<bool>, enabled);
    module->kind = (kind + 1) % 6;
    CUtvendigKondensDlg dialog(*module, (*doc)->database, nullptr);
    dialog.show();
    ChooseObjectKind(dialog, kind);
    ChooseOrientation(dialog, "objectPicture", vertical);
    QCOMPARE(dialog.Inputs().kind, kind);
    QCOMPARE(dialog.Inputs().vertical, vertical);
    const char* sizes[] = {"diameter", "height", "width"};
    for (int i = 0; i < 3; ++i) QCOMPARE(Child<QLineEdit>(dialog, sizes[i]).isEnabled(), enabled[i]);
    QCOMPARE(dialog.Inputs().insulation.Product(), nullptr);
  }

  void inputDataOpensTheDialog() {
    doc.reset();
    StartedApp started;
    CQorApp& app = *started.app;
    app.MainFrame().ModuleAction(static_cast<int>(ModuleIndex::ExternalCondensation))->trigger();
    QString caption;
    OnNextModal([&caption](QDialog& dialog) {
      caption = dialog.windowTitle();
      Type(dialog, "mediumTemperature", QStringLiteral("7"));
      Click(dialog, "cancel");
    });
    app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
    QCOMPARE(caption, QStringLiteral("Izolace proti vnější kondenzaci"));
    const auto& m =
        dynamic_cast<const CUtvendigKondensModul&>(app.Document().Module(ModuleIndex::ExternalCondensation));
    QCOMPARE(m.mediumTemperature, 0.0f);
  }

 private:
  CUtvendigKondensModul& ModuleOf() {
    return dynamic_cast<CUtvendigKondensModul&>((*doc)->Module(ModuleIndex::ExternalCondensation));
  }

  std::unique_ptr<TestDocument> doc;
  CUtvendigKondensModul* module = nullptr;
};

static RegisterUiTest<UtvendigKondensDlgTest> registration;

#include "utvendigkondensdlg_test.moc"
