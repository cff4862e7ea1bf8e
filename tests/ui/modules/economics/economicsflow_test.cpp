// The economics module end to end as a user meets it: the module chosen, a heating pipe and
// its insulation alternatives entered through the dialogs over the shipped data, the report
// with the cheapest alternative, saving and opening again. The saved document is the example
// economics-pipe.vtp under examples/; KELVORA_UPDATE_GOLDEN=1 writes it afresh.

#include <QTest>

#include "core/document/document.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/report/reporttext.h"
#include "database/dialogdriver.h"
#include "framework/moduleentry.h"
#include "framework/shippedexample.h"
#include "framework/startedapp.h"
#include "modules/common/recordchoice.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseProduct;
using kelvora::testing::Click;
using kelvora::testing::EnterModule;
using kelvora::testing::ExpectShippedExample;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;
using kelvora::testing::Type;

namespace {

const QString kProduct = QStringLiteral("Minerální vata - izolační pouzdra 100 kg/m3");

struct Alternative {
  QString thickness;
  QString price;
};

// A district-heating pipe across a yard, priced over 25 years at three thicknesses.
void EnterPipe(QDialog& dialog) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Ekonomika izolace"));
  Type(dialog, "diameter", QStringLiteral("114,3"));
  Type(dialog, "mediumTemperature", QStringLiteral("90"));
  Type(dialog, "ambientTemperature", QStringLiteral("0"));
  Click(dialog, "outdoors");
  Type(dialog, "windSpeed", QStringLiteral("4"));
  Type(dialog, "currency", QStringLiteral("Kč"));
  Type(dialog, "energyPrice", QStringLiteral("1,9"));
  Type(dialog, "operatingHours", QStringLiteral("5800"));
  Type(dialog, "lifeSpan", QStringLiteral("25"));
  Type(dialog, "energyInflation", QStringLiteral("3"));
  Type(dialog, "interestRate", QStringLiteral("5"));
  for (const Alternative& a : {Alternative{QStringLiteral("40"), QStringLiteral("620")},
                               Alternative{QStringLiteral("60"), QStringLiteral("780")},
                               Alternative{QStringLiteral("100"), QStringLiteral("1150")}}) {
    OnNextModal([a](QDialog& alternative) {
      ChooseProduct(alternative, kProduct);
      Type(alternative, "standardThicknessText", a.thickness);
      Click(alternative, "surfaceFromDatabase");
      ChooseInCombo(alternative, "surface", QStringLiteral("Pozinkovaný plech nový"));
      Type(alternative, "price", a.price);
      Click(alternative, "ok");
      QVERIFY(!alternative.isVisible());
    });
    Click(dialog, "newAlternative");
  }
  Click(dialog, "ok");
  QVERIFY(!dialog.isVisible());
}

std::string EconomicsText(CQorApp& app) {
  return ReportCopyText(app.Document().reports, ModuleIndex::Economics);
}

}  // namespace

class EconomicsFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void alternativesEnteredInTheDialogsAreComparedSavedAndOpenedAgain() {
    const QString saved = fresh.FilePath(QStringLiteral("economics-pipe.vtp"));
    std::string report;
    {
      StartedApp started;
      CQorApp& app = *started.app;
      EnterModule(app, ModuleIndex::Economics, QStringLiteral("Horkovodní přípojka kotelny"), EnterPipe);
      QVERIFY2(started.messages.shown.empty(),
               started.messages.shown.empty() ? "" : started.messages.shown[0].c_str());

      const auto& module = dynamic_cast<const COkonomiModul&>(app.Document().Module(ModuleIndex::Economics));
      QCOMPARE(module.calculated, 1);
      QCOMPARE(module.alternatives.size(), std::size_t{3});
      QCOMPARE(module.alternatives[1]->name,
               std::string("Minerální vata - izolační pouzdra 100 kg/m3, 60.0mm, 780.00 Kč/m"));
      // Insulating pays off: the bare pipe is not the cheapest.
      QVERIFY(module.Report().energyCost.highlightRow > 1);
      report = EconomicsText(app);
      QVERIFY(report.find("nan") == std::string::npos);

      started.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp reopened({saved});
    QCOMPARE(reopened.app->Document().currentModule, static_cast<std::int32_t>(ModuleIndex::Economics));
    QVERIFY(reopened.messages.shown.empty());
    QCOMPARE(EconomicsText(*reopened.app), report);
    ExpectShippedExample(saved, QStringLiteral("economics-pipe.vtp"));
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<EconomicsFlowTest> registration;

#include "economicsflow_test.moc"
