// Both condensation modules end to end as a user meets them: the module chosen, its input
// entered through its dialog over the shipped data, the report, saving and opening again. The
// saved documents are the examples under examples/; KELVORA_UPDATE_GOLDEN=1 writes them afresh.

#include <QAction>
#include <QFile>
#include <QTest>
#include <functional>

#include "core/document/document.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "modules/common/thermalpictures.h"
#include "support/testpaths.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::ChooseDuctShape;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseObjectKind;
using kelvora::testing::ChooseProduct;
using kelvora::testing::Click;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

const QString kPipeProduct = QStringLiteral("Elastomerní pěna - izolační hadice");
const QString kDuctProduct = QStringLiteral("Minerální vata - lamelová rohož s Al fólií 50 kg/m3");

void ChooseLayer(QDialog& dialog, const QString& product) {
  OnNextModal([product](QDialog& insulation) {
    ChooseProduct(insulation, product);
    Click(insulation, "ok");
    QVERIFY(!insulation.isVisible());
  });
  Click(dialog, "layer");
}

// A chilled-water line of DN 80 in a humid plant room.
void EnterChilledWaterPipe(QDialog& dialog) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Izolace proti vnější kondenzaci"));
  ChooseObjectKind(dialog, 0);
  Type(dialog, "diameter", QStringLiteral("88,9"));
  Type(dialog, "ambientTemperature", QStringLiteral("28"));
  Type(dialog, "humidity", QStringLiteral("75"));
  Type(dialog, "mediumTemperature", QStringLiteral("6"));
  ChooseLayer(dialog, kPipeProduct);
  Click(dialog, "surfaceFromDatabase");
  ChooseInCombo(dialog, "surface", QStringLiteral("Nekovový povrch"));
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

// The exhaust of a laundry on a roof in frost, hung on uninsulated suspensions.
void EnterHumidExhaustDuct(QDialog& dialog) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Izolace proti vnitřní kondenzaci"));
  ChooseDuctShape(dialog, 1);
  Type(dialog, "height", QStringLiteral("300"));
  Type(dialog, "width", QStringLiteral("500"));
  Type(dialog, "length", QStringLiteral("25"));
  Type(dialog, "ambientTemperature", QStringLiteral("-5"));
  Click(dialog, "outdoors");
  Type(dialog, "windSpeed", QStringLiteral("4"));
  Type(dialog, "flow", QStringLiteral("2000"));
  Type(dialog, "inletTemperature", QStringLiteral("35"));
  Type(dialog, "humidity", QStringLiteral("70"));
  ChooseLayer(dialog, kDuctProduct);
  Click(dialog, "surfaceFromDatabase");
  ChooseInCombo(dialog, "surface", QStringLiteral("Hliníkový plech lesklý"));
  Click(dialog, "suspensionsOn");
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class CondensationFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void anInputEnteredInTheDialogIsReportedSavedAndOpenedAgain_data() {
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("example");
    QTest::newRow("chilled-water pipe") << static_cast<int>(ModuleIndex::ExternalCondensation)
                                        << QStringLiteral("Rozvod chladicí vody strojovny") << kPipeProduct
                                        << QStringLiteral("chilled-water-pipe.vtp");
    QTest::newRow("humid exhaust duct")
        << static_cast<int>(ModuleIndex::InternalCondensation) << QStringLiteral("Odtah prádelny na střeše")
        << kDuctProduct << QStringLiteral("humid-exhaust-duct.vtp");
  }
  void anInputEnteredInTheDialogIsReportedSavedAndOpenedAgain() {
    QFETCH(int, module);
    QFETCH(QString, project);
    QFETCH(QString, product);
    QFETCH(QString, example);
    const QString saved = fresh.FilePath(example);
    const auto text = [module](CQorApp& app) {
      return ReportCopyText(app.Document().reports, static_cast<ModuleIndex>(module));
    };
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      app.MainFrame().ModuleAction(module)->trigger();
      OnNextModal([project](QDialog& dialog) {
        Type(dialog, "projectName", project);
        Click(dialog, "ok");
      });
      app.MainFrame().Action(CMainFrame::Command::Project)->trigger();
      const bool external = module == static_cast<int>(ModuleIndex::ExternalCondensation);
      OnNextModal(external ? std::function<void(QDialog&)>(EnterChilledWaterPipe) : EnterHumidExhaustDuct);
      app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
      QVERIFY2(started.messages.shown.empty(),
               started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());
      QCOMPARE(app.Document().Module(module).calculated, 1);
      report = text(app);
      QVERIFY(report.find(product.toStdString()) != std::string::npos);
      QVERIFY(report.find("nan") == std::string::npos);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, module);
    QVERIFY(reopened.messages.shown.empty());
    QCOMPARE(text(*reopened.app), report);

    const QString shipped =
        QString::fromStdString((kelvora::testing::SourceDir() / "examples").string() + "/") + example;
    if (qEnvironmentVariableIsSet("KELVORA_UPDATE_GOLDEN")) {
      QFile::remove(shipped);
      QVERIFY(QFile::copy(saved, shipped));
    }
    QVERIFY2(FileBytes(saved) == FileBytes(shipped), qPrintable(shipped));
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<CondensationFlowTest> registration;

#include "condensationflow_test.moc"
