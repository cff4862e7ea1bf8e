// The tank end to end as a user meets it: the module chosen, the tank entered through its
// dialog over the shipped data, the report with its curve, saving and opening again. The saved
// documents are the examples under examples/; KELVORA_UPDATE_GOLDEN=1 writes them afresh.

#include <QTest>
#include <cmath>

#include "core/document/document.h"
#include "core/framework/stringtable.h"
#include "core/modules/tank/tanktempmodul.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/moduleentry.h"
#include "framework/shippedexample.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "modules/common/thermalpictures.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseProduct;
using kelvora::testing::ChooseShape;
using kelvora::testing::Click;
using kelvora::testing::EnterModule;
using kelvora::testing::ExpectShippedExample;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

struct TankEntry {
  QString project;
  TankShape shape;
  QString diameter;  // the round shapes; width, height and depth the box
  QString length;
  QString width;
  QString height;
  QString depth;
  QString ambient;
  QString wind;  // outdoors when given
  QString product;
  QString thickness;
  QString surface;
  QString liquid;
  QString start;
  QString storageTime;
  bool freezes;
};

void EnterTank(QDialog& dialog, const TankEntry& t) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Teplota v nádrži"));
  ChooseShape(dialog, static_cast<int>(t.shape));
  if (t.shape == TankShape::Rectangular) {
    Type(dialog, "width", t.width);
    Type(dialog, "height", t.height);
    Type(dialog, "depth", t.depth);
  } else {
    Type(dialog, "diameter", t.diameter);
    if (t.shape == TankShape::Cylindrical) Type(dialog, "length", t.length);
  }
  Type(dialog, "ambientTemperature", t.ambient);
  Click(dialog, t.wind.isEmpty() ? "indoors" : "outdoors");
  if (!t.wind.isEmpty()) Type(dialog, "windSpeed", t.wind);
  OnNextModal([&t](QDialog& insulation) {
    ChooseProduct(insulation, t.product);
    Type(insulation, "standardThicknessText", t.thickness);
    Click(insulation, "ok");
    QVERIFY(!insulation.isVisible());
  });
  Click(dialog, "layer");
  Click(dialog, "surfaceFromDatabase");
  ChooseInCombo(dialog, "surface", t.surface);
  Click(dialog, "databaseLiquid");
  ChooseInCombo(dialog, "liquid", t.liquid);
  Type(dialog, "startTemperature", t.start);
  Click(dialog, "storageTimeMode");
  Type(dialog, "storageTime", t.storageTime);
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

// Hot water kept overnight in an upright cylinder in a boiler room.
const TankEntry kHotWater{QStringLiteral("Akumulační nádrž kotelny"),
                          TankShape::Cylindrical,
                          QStringLiteral("1,6"),
                          QStringLiteral("3"),
                          {},
                          {},
                          {},
                          QStringLiteral("12"),
                          {},
                          QStringLiteral("Minerální vata - rohož na pletivu 80 kg/m3"),
                          QStringLiteral("100"),
                          QStringLiteral("Hliníkový plech lesklý"),
                          QStringLiteral("Voda"),
                          QStringLiteral("80"),
                          QStringLiteral("48"),
                          false};

// A fire-water box on a roof in a frosty wind: the water reaches its freezing point first.
const TankEntry kFireWater{QStringLiteral("Požární nádrž na střeše"),
                           TankShape::Rectangular,
                           {},
                           {},
                           QStringLiteral("2"),
                           QStringLiteral("1,5"),
                           QStringLiteral("1"),
                           QStringLiteral("-15"),
                           QStringLiteral("5"),
                           QStringLiteral("Minerální vata - technické desky 100 kg/m3"),
                           QStringLiteral("50"),
                           QStringLiteral("Pozinkovaný plech nový"),
                           QStringLiteral("Voda"),
                           QStringLiteral("8"),
                           QStringLiteral("500"),
                           true};

std::string TankText(CQorApp& app) { return ReportCopyText(app.Document().reports, ModuleIndex::Tank); }

// What recalculating the tank tells: only that it freezes, where it does.
void ExpectMessages(const StartedApp& started, bool freezes) {
  if (!freezes) {
    QVERIFY2(started.messages.shown.empty(),
             started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());
    return;
  }
  QCOMPARE(started.messages.shown.size(), std::size_t{1});
  QCOMPARE(started.messages.shown[0],
           std::string(LoadResourceString(ids::kTankFreezingReached, Language::Czech)));
}

}  // namespace

class TankFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void aTankEnteredInTheDialogIsReportedSavedAndOpenedAgain_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("example");
    QTest::newRow("hot water") << 0 << QStringLiteral("tank-hot-water.vtp");
    QTest::newRow("freezing") << 1 << QStringLiteral("tank-freezing.vtp");
  }
  void aTankEnteredInTheDialogIsReportedSavedAndOpenedAgain() {
    QFETCH(int, which);
    const TankEntry* tank = which == 0 ? &kHotWater : &kFireWater;
    QFETCH(QString, example);
    const QString saved = fresh.FilePath(example);
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      EnterModule(app, ModuleIndex::Tank, tank->project,
                  [tank](QDialog& dialog) { EnterTank(dialog, *tank); });
      ExpectMessages(started, tank->freezes);

      const auto& module = dynamic_cast<const CTankTempModul&>(app.Document().Module(ModuleIndex::Tank));
      QCOMPARE(module.calculated, 1);
      QCOMPARE(module.shape, static_cast<std::int32_t>(tank->shape));
      QCOMPARE(module.mode, static_cast<std::int32_t>(TankMode::GivenStorageTime));
      report = TankText(app);
      QVERIFY(report.find(tank->product.toStdString()) != std::string::npos);
      QVERIFY(report.find(tank->liquid.toStdString()) != std::string::npos);
      QCOMPARE(report.find("nan") == std::string::npos, true);
      const std::string freezingRow(LoadResourceString(ids::kTankFreezingReachedAfter, Language::Czech));
      QCOMPARE(report.find(freezingRow) != std::string::npos, tank->freezes);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, static_cast<std::int32_t>(ModuleIndex::Tank));
    ExpectMessages(reopened, tank->freezes);
    QCOMPARE(TankText(*reopened.app), report);

    ExpectShippedExample(saved, example);
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<TankFlowTest> registration;

#include "tankflow_test.moc"
