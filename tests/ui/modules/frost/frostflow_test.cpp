// The frost module end to end as a user meets it: the module chosen, a water pipe entered
// through its dialog over the shipped data, the report, saving and opening again. The saved
// document is the example frost-pipe.vtp under examples/; KELVORA_UPDATE_GOLDEN=1 writes it
// afresh.

#include <QAction>
#include <QTest>

#include "core/document/document.h"
#include "core/modules/frost/frostmodul.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/shippedexample.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseProduct;
using kelvora::testing::Click;
using kelvora::testing::ExpectShippedExample;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

const QString kProduct = QStringLiteral("Minerální vata - izolační pouzdra 80 kg/m3");

// A DN 50 water pipe on a roof in a frosty wind, left standing when the flow stops.
void EnterPipe(QDialog& dialog) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Protimrazová ochrana vodovodních potrubí"));
  Type(dialog, "pipeDiameter", QStringLiteral("60,3"));
  Type(dialog, "wallThickness", QStringLiteral("2,9"));
  OnNextModal([](QDialog& insulation) {
    ChooseProduct(insulation, kProduct);
    Type(insulation, "standardThicknessText", QStringLiteral("50"));
    Click(insulation, "ok");
    QVERIFY(!insulation.isVisible());
  });
  Click(dialog, "layer");
  Type(dialog, "ambientTemperature", QStringLiteral("-15"));
  Click(dialog, "outdoors");
  Type(dialog, "windSpeed", QStringLiteral("5"));
  Type(dialog, "startTemperature", QStringLiteral("8"));
  Type(dialog, "percentageFrozen", QStringLiteral("25"));
  Click(dialog, "surfaceFromDatabase");
  ChooseInCombo(dialog, "surface", QStringLiteral("Hliníkový plech lesklý"));
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

std::string FrostText(CQorApp& app) { return ReportCopyText(app.Document().reports, ModuleIndex::Frost); }

}  // namespace

class FrostFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void aPipeEnteredInTheDialogIsReportedSavedAndOpenedAgain() {
    const QString saved = fresh.FilePath(QStringLiteral("frost-pipe.vtp"));
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      app.MainFrame().ModuleAction(static_cast<int>(ModuleIndex::Frost))->trigger();
      OnNextModal([](QDialog& project) {
        Type(project, "projectName", QStringLiteral("Přívod vody na střechu"));
        Click(project, "ok");
      });
      app.MainFrame().Action(CMainFrame::Command::Project)->trigger();
      OnNextModal(EnterPipe);
      app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
      QVERIFY2(started.messages.shown.empty(),
               started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());

      const auto& module = dynamic_cast<const CFrostModul&>(app.Document().Module(ModuleIndex::Frost));
      QCOMPARE(module.calculated, 1);
      QCOMPARE(module.environment, 1);
      QCOMPARE(module.Report().clearance.values[CInsulationSpace::Diameter], 160);  // 60.3 + 2 x 50 mm
      report = FrostText(app);
      QVERIFY(report.find(kProduct.toStdString()) != std::string::npos);
      QVERIFY(report.find("nan") == std::string::npos);
      QVERIFY(report.find("inf") == std::string::npos);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, static_cast<std::int32_t>(ModuleIndex::Frost));
    QVERIFY(reopened.messages.shown.empty());
    QCOMPARE(FrostText(*reopened.app), report);
    ExpectShippedExample(saved, QStringLiteral("frost-pipe.vtp"));
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<FrostFlowTest> registration;

#include "frostflow_test.moc"
