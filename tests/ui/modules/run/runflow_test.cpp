// The pipe and duct run end to end as a user meets it: the module chosen, the run and its
// sections entered through the run dialog and the nested section dialogs over the shipped
// data, the report, saving and opening again. The saved documents are the examples under
// examples/; KELVORA_UPDATE_GOLDEN=1 writes them afresh.

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <cmath>
#include <vector>

#include "core/document/document.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "modules/common/thermalpictures.h"
#include "support/testpaths.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseKind;
using kelvora::testing::ChooseProduct;
using kelvora::testing::Click;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

struct Layer {
  QString product;  // none: no such layer
  QString thickness;
};

struct SectionEntry {
  int kind;
  QString name;
  QString diameter;  // round kinds; height and width the others
  QString height;
  QString width;
  QString length;
  bool vertical;
  QString ambient;
  QString wind;  // outdoors when given
  bool bare;
  Layer layer1;
  Layer layer2;
  QString surface;
  QString facing;  // inside-insulated ducts
  QString flow;    // m3/h
  QString equipment;
  QString equipmentCount;
  bool suspensions;
};

struct RunEntry {
  QString project;
  QString liquid;  // none: air
  QString inlet;
  QString humidity;  // dew-point check when given
  QString operatingHours;
  QString energyPrice;
  std::vector<SectionEntry> sections;
};

void SetChecked(QDialog& dialog, const char* name, bool on) {
  if (Child<QCheckBox>(dialog, name).isChecked() != on) Click(dialog, name);
  QCOMPARE(Child<QCheckBox>(dialog, name).isChecked(), on);
}

void EnterLayer(QDialog& section, const char* button, const Layer& layer) {
  OnNextModal([layer](QDialog& insulation) {
    ChooseProduct(insulation, layer.product);
    Type(insulation, "standardThicknessText", layer.thickness);
    Click(insulation, "ok");
    QVERIFY(!insulation.isVisible());
  });
  Click(section, button);
}

void EnterSection(QDialog& dialog, const SectionEntry& s) {
  Type(dialog, "name", s.name);
  // Before "bare", which disables it.
  SetChecked(dialog, "suspensionsOn", s.suspensions);
  SetChecked(dialog, "bare", s.bare);
  if (!s.bare) {
    EnterLayer(dialog, "layer1", s.layer1);
    SetChecked(dialog, "secondLayerOn", !s.layer2.product.isEmpty());
    if (!s.layer2.product.isEmpty()) EnterLayer(dialog, "layer2", s.layer2);
  }
  if (s.diameter.isEmpty()) {
    Type(dialog, "height", s.height);
    Type(dialog, "width", s.width);
  } else {
    Type(dialog, "diameter", s.diameter);
  }
  Type(dialog, "length", s.length);
  Click(dialog, s.vertical ? "vertical" : "horizontal");
  Type(dialog, "ambientTemperature", s.ambient);
  Click(dialog, s.wind.isEmpty() ? "indoors" : "outdoors");
  if (!s.wind.isEmpty()) Type(dialog, "windSpeed", s.wind);
  Click(dialog, "surfaceFromDatabase");
  ChooseInCombo(dialog, "surface", s.surface);
  if (!s.facing.isEmpty()) {
    SetChecked(dialog, "facingOn", true);
    ChooseInCombo(dialog, "facing", s.facing);
  }
  Click(dialog, "flowM3h");
  Type(dialog, "flow", s.flow);
  if (!s.equipment.isEmpty()) {
    SetChecked(dialog, "equipmentOn", true);
    OnNextModal([&s](QDialog& equipment) {
      ChooseInCombo(equipment, "type", s.equipment);
      Type(equipment, "count", s.equipmentCount);
      Click(equipment, "ok");
      QVERIFY(!equipment.isVisible());
    });
    Click(dialog, "newEquipment");
  }
  Click(dialog, "ok");
  QVERIFY2(!dialog.isVisible(), qPrintable(s.name));
}

void EnterRun(QDialog& dialog, const RunEntry& run) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Změna teploty v potrubí"));
  for (const SectionEntry& s : run.sections) {
    // The picture picks the kind of the next section, after the selected one.
    ChooseKind(dialog, s.kind);
    OnNextModal([&s](QDialog& section) {
      QCOMPARE(section.windowTitle(), QStringLiteral("Úsek"));
      EnterSection(section, s);
    });
    Click(dialog, "newSection");
  }
  if (!run.liquid.isEmpty()) {
    Click(dialog, "databaseLiquid");
    ChooseInCombo(dialog, "liquid", run.liquid);
  }
  Type(dialog, "inletTemperature", run.inlet);
  SetChecked(dialog, "dewPointOn", !run.humidity.isEmpty());
  if (!run.humidity.isEmpty()) Type(dialog, "humidity", run.humidity);
  SetChecked(dialog, "energyOn", true);
  Type(dialog, "operatingHours", run.operatingHours);
  Type(dialog, "energyPrice", run.energyPrice);
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

const QString kPipeSections80 = QStringLiteral("Minerální vata - izolační pouzdra 80 kg/m3");
const QString kPipeSections100 = QStringLiteral("Minerální vata - izolační pouzdra 100 kg/m3");

// Hot water from a boiler room out across the yard and up a shaft: insulated with valves,
// two layers outdoors, bare at the end.
const RunEntry kLiquidRun{QStringLiteral("Teplovodní přípojka Sever"),
                          QStringLiteral("Voda"),
                          QStringLiteral("90"),
                          {},
                          QStringLiteral("5000"),
                          QStringLiteral("1,8"),
                          {{CSegment::kPipe,
                            QStringLiteral("Kotelna"),
                            QStringLiteral("88,9"),
                            {},
                            {},
                            QStringLiteral("15"),
                            false,
                            QStringLiteral("25"),
                            {},
                            false,
                            {kPipeSections80, QStringLiteral("60")},
                            {},
                            QStringLiteral("Hliníkový plech lesklý"),
                            {},
                            QStringLiteral("6"),
                            QStringLiteral("Armatura neizolovaná - uvnitř"),
                            QStringLiteral("2"),
                            true},
                           {CSegment::kPipe,
                            QStringLiteral("Venkovní trasa"),
                            QStringLiteral("88,9"),
                            {},
                            {},
                            QStringLiteral("60"),
                            false,
                            QStringLiteral("-12"),
                            QStringLiteral("5"),
                            false,
                            {kPipeSections100, QStringLiteral("40")},
                            {kPipeSections80, QStringLiteral("40")},
                            QStringLiteral("Pozinkovaný plech nový"),
                            {},
                            QStringLiteral("6"),
                            {},
                            {},
                            true},
                           {CSegment::kPipe,
                            QStringLiteral("Šachta"),
                            QStringLiteral("88,9"),
                            {},
                            {},
                            QStringLiteral("8"),
                            true,
                            QStringLiteral("15"),
                            {},
                            true,
                            {},
                            {},
                            QStringLiteral("Ocel s nátěrem"),
                            {},
                            QStringLiteral("6"),
                            {},
                            {},
                            false}}};

// Warm supply air from a plant room over the roof into a corridor lined inside.
const RunEntry kAirRun{
    QStringLiteral("Vzduchotechnika haly B"),
    {},
    QStringLiteral("40"),
    QStringLiteral("30"),
    QStringLiteral("3000"),
    QStringLiteral("1,8"),
    {{CSegment::kCircularDuct,
      QStringLiteral("Strojovna"),
      QStringLiteral("400"),
      {},
      {},
      QStringLiteral("8"),
      false,
      QStringLiteral("22"),
      {},
      false,
      {QStringLiteral("Skelná vata - obalová rohož s Al fólií pro VZT potrubí"), QStringLiteral("40")},
      {},
      QStringLiteral("Hliníková fólie"),
      {},
      QStringLiteral("3000"),
      {},
      {},
      false},
     {CSegment::kRectDuctExternal,
      QStringLiteral("Střecha"),
      {},
      QStringLiteral("400"),
      QStringLiteral("600"),
      QStringLiteral("20"),
      false,
      QStringLiteral("-5"),
      QStringLiteral("4"),
      false,
      {QStringLiteral("Minerální vata - lamelová rohož s Al fólií 50 kg/m3"), QStringLiteral("80")},
      {},
      QStringLiteral("Hliníkozinkový plech"),
      {},
      QStringLiteral("3000"),
      {},
      {},
      false},
     {CSegment::kRectDuctInternal,
      QStringLiteral("Chodba"),
      {},
      QStringLiteral("400"),
      QStringLiteral("600"),
      QStringLiteral("12"),
      false,
      QStringLiteral("18"),
      {},
      false,
      {QStringLiteral("Skelná vata - deska pro vnitřní izolaci VZT potrubí s černým rounem"),
       QStringLiteral("25")},
      {},
      QStringLiteral("Pozinkované potrubí nové"),
      QStringLiteral("Skelné rouno černé"),
      QStringLiteral("3000"),
      {},
      {},
      false}}};

std::string RunText(CQorApp& app) { return ReportCopyText(app.Document().reports, ModuleIndex::PipeRun); }

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class RunFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void aRunEnteredInTheDialogsIsReportedSavedAndOpenedAgain_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("example");
    QTest::newRow("liquid") << 0 << QStringLiteral("pipe-run.vtp");
    QTest::newRow("air") << 1 << QStringLiteral("duct-run.vtp");
  }
  void aRunEnteredInTheDialogsIsReportedSavedAndOpenedAgain() {
    QFETCH(int, which);
    const RunEntry* run = which == 0 ? &kLiquidRun : &kAirRun;
    QFETCH(QString, example);
    const QString saved = fresh.FilePath(example);
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      app.MainFrame().ModuleAction(static_cast<int>(ModuleIndex::PipeRun))->trigger();
      OnNextModal([run](QDialog& project) {
        Type(project, "projectName", run->project);
        Click(project, "ok");
      });
      app.MainFrame().Action(CMainFrame::Command::Project)->trigger();
      OnNextModal([run](QDialog& dialog) { EnterRun(dialog, *run); });
      app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
      QVERIFY2(started.messages.shown.empty(),
               started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());

      const auto& module = dynamic_cast<const CKanalTempModul&>(app.Document().Module(ModuleIndex::PipeRun));
      QCOMPARE(module.calculated, 1);
      QCOMPARE(module.sections.size(), run->sections.size());
      QCOMPARE(module.isAir != 0, run->liquid.isEmpty());
      // Warmer than every surrounding, the medium cools section by section.
      float inlet = module.inletTemperature;
      for (std::size_t i = 0; i < module.sections.size(); ++i) {
        const CSegment& section = *module.sections[i];
        const SectionEntry& entered = run->sections[i];
        QCOMPARE(QString::fromStdString(section.name), entered.name);
        QCOMPARE(section.kind, entered.kind);
        QCOMPARE(section.bare != 0, entered.bare);
        QCOMPARE(section.HasTwoLayers(), !entered.layer2.product.isEmpty());
        QCOMPARE(section.auxEquipment.size(), std::size_t{entered.equipment.isEmpty() ? 0u : 1u});
        const float outlet = module.Results()[i].outlet;
        QVERIFY2(std::isfinite(outlet) && outlet < inlet && outlet > section.ambientTemperature,
                 qPrintable(entered.name));
        QVERIFY(module.Results()[i].heatLoss > 0.0f);
        inlet = outlet;
      }
      report = RunText(app);
      for (const SectionEntry& s : run->sections)
        QVERIFY(report.find(s.name.toStdString()) != std::string::npos);
      QVERIFY(report.find(run->sections[0].layer1.product.toStdString()) != std::string::npos);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, static_cast<std::int32_t>(ModuleIndex::PipeRun));
    QCOMPARE(RunText(*reopened.app), report);

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

static RegisterUiTest<RunFlowTest> registration;

#include "runflow_test.moc"
