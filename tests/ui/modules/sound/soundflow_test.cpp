// The sound module end to end as a user meets it: the module chosen, a lined duct entered
// through its dialog over the shipped data, the report with its curve, saving and opening
// again. The saved document is the example sound-duct.vtp under examples/;
// KELVORA_UPDATE_GOLDEN=1 writes it afresh.

#include <QTest>

#include "core/document/document.h"
#include "core/modules/sound/lydmodul.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/moduleentry.h"
#include "framework/shippedexample.h"
#include "framework/startedapp.h"
#include "modules/common/ductpicture.h"
#include "modules/common/recordchoice.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::ChooseDuctType;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::Click;
using kelvora::testing::EnterModule;
using kelvora::testing::ExpectShippedExample;
using kelvora::testing::FreshStart;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

const QString kAbsorber = QStringLiteral("Minerální vata s černým skelným rounem");

// A supply duct to offices, 400 mm high and 500 mm wide, lined on all four sides with 50 mm.
void EnterDuct(QDialog& dialog) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Útlum hluku ve vzduchovodu"));
  ChooseDuctType(dialog, static_cast<int>(DuctType::RectangularAllSides));
  Type(dialog, "height", QStringLiteral("400"));
  Type(dialog, "width", QStringLiteral("500"));
  Click(dialog, "databaseAbsorber");
  ChooseInCombo(dialog, "absorber", kAbsorber);
  ChooseInCombo(dialog, "thickness", QStringLiteral("50.0"));
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

std::string SoundText(CQorApp& app) { return ReportCopyText(app.Document().reports, ModuleIndex::Sound); }

}  // namespace

class SoundFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void aLinedDuctEnteredInTheDialogIsReportedSavedAndOpenedAgain() {
    const QString saved = fresh.FilePath(QStringLiteral("sound-duct.vtp"));
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      EnterModule(app, ModuleIndex::Sound, QStringLiteral("Vzduchotechnika administrativní budovy"),
                  EnterDuct);
      QVERIFY2(started.messages.shown.empty(),
               started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());

      const auto& module = dynamic_cast<const CLydModul&>(app.Document().Module(ModuleIndex::Sound));
      QCOMPARE(module.calculated, 1);
      QCOMPARE(module.ductType, static_cast<std::int32_t>(DuctType::RectangularAllSides));
      QCOMPARE(module.ThicknessRecord()->thickness, 50.0f);
      // 300 mm free between the lined top and bottom: 340 / 0.6 m.
      QCOMPARE(module.results[6], std::string("567 Hz"));
      report = SoundText(app);
      QVERIFY(report.find(kAbsorber.toStdString()) != std::string::npos);
      QVERIFY(report.find("nan") == std::string::npos);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, static_cast<std::int32_t>(ModuleIndex::Sound));
    QVERIFY(reopened.messages.shown.empty());
    QCOMPARE(SoundText(*reopened.app), report);
    ExpectShippedExample(saved, QStringLiteral("sound-duct.vtp"));
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<SoundFlowTest> registration;

#include "soundflow_test.moc"
