// The heat-loss module end to end as a user meets it: a new document, the input dialog
// filled with products of the shipped data, the report, saving and opening again.

#include <QAction>
#include <QTest>

#include "core/document/document.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseProduct;
using kelvora::testing::Click;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

const QString kPipeSection = QStringLiteral("Minerální vata - izolační pouzdra 80 kg/m3");
const QString kAluminium = QStringLiteral("Hliníkový plech lesklý");

// Fills the open heat-loss dialog with a pipe of the shipped data and presses OK. Layer 1's
// thickness is typed unless `thickness` is empty, as where the type solves it.
void EnterPipe(QDialog& dialog, const QString& thickness) {
  Type(dialog, "mediumTemperature", QStringLiteral("150"));
  Type(dialog, "diameter", QStringLiteral("60,3"));
  OnNextModal([thickness](QDialog& insulation) {
    ChooseProduct(insulation, kPipeSection);
    if (!thickness.isEmpty()) Type(insulation, "standardThicknessText", thickness);
    Click(insulation, "ok");
  });
  Click(dialog, "layer1");
  ChooseInCombo(dialog, "surface", kAluminium);
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

std::string HeatLossText(CQorApp& app) {
  return ReportCopyText(app.Document().reports, ModuleIndex::HeatLoss);
}

}  // namespace

class HeatLossFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void aPipeEnteredInTheDialogsIsReportedSavedAndOpenedAgain() {
    const QString saved = fresh.FilePath(QStringLiteral("potrubi.vtp"));
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      OnNextModal([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tepelná ztráta"));
        EnterPipe(dialog, QStringLiteral("50"));
      });
      app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
      QVERIFY2(started.messages.shown.empty(),
               started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());

      const auto& module = dynamic_cast<const CVarmeTapModul&>(app.Document().Module(ModuleIndex::HeatLoss));
      QCOMPARE(module.calculated, 1);
      QCOMPARE(module.mediumTemperature, 150.0f);
      QCOMPARE(module.diameter, 60.3f);
      QCOMPARE(QString::fromStdString(module.layers[0].Product()->name), kPipeSection);
      QCOMPARE(module.layers[0].Thickness(), 50.0f);
      QCOMPARE(QString::fromStdString(module.Surface()->name), kAluminium);
      report = HeatLossText(app);
      QVERIFY(report.find("Výsledky") != std::string::npos);
      QVERIFY(report.find(kPipeSection.toStdString()) != std::string::npos);
      QVERIFY(report.find("60,3 mm") != std::string::npos);
      QVERIFY(report.find("Hliníkový plech lesklý") != std::string::npos);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, 0);
    QCOMPARE(HeatLossText(*reopened.app), report);
  }

  // The product of a solved thickness is chosen right in the type that solves it.
  void aHeatLossTargetTakesItsProductWithoutTheGivenThicknessType() {
    StartedApp started;
    CQorApp& app = *started.app;
    OnNextModal([](QDialog& dialog) {
      Click(dialog, "typeHeatLoss");
      Type(dialog, "maxHeatLossPerMetre", QStringLiteral("40"));
      QVERIFY(Child<QWidget>(dialog, "layer1").isEnabled());
      EnterPipe(dialog, {});
    });
    app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
    QVERIFY2(started.messages.shown.empty(),
             started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());
    const auto& module = dynamic_cast<const CVarmeTapModul&>(app.Document().Module(ModuleIndex::HeatLoss));
    QCOMPARE(module.calculationType, 2);
    QCOMPARE(QString::fromStdString(module.layers[0].Product()->name), kPipeSection);
    QCOMPARE(module.calculated, 1);
    QVERIFY(HeatLossText(app).find(kPipeSection.toStdString()) != std::string::npos);
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<HeatLossFlowTest> registration;

#include "heatlossflow_test.moc"
