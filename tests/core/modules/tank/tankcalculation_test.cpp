#include "core/modules/tank/tankcalculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/document/document.h"
#include "core/framework/stringtable.h"
#include "core/modules/tank/tanktempmodul.h"
#include "core/report/reportlists.h"
#include "core/report/reporttext.h"
#include "support/golden.h"
#include "support/modulefixtures.h"
#include "support/recordingsurface.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectGolden;
using testing::ModuleOf;
using testing::Record;
using testing::RecordingSurface;
using testing::TestDocument;

TEST(TankGeometry, BoxShapeFactorIsTheSameForEveryOrderOfItsSides) {
  const float sides[][3] = {{2, 3, 4}, {2, 4, 3}, {3, 2, 4}, {3, 4, 2}, {4, 2, 3}, {4, 3, 2}};
  for (const auto& d : sides) {
    const TankShell g = TankGeometry(0, d[0], d[1], d[2], 0, 0, 0.1f);
    EXPECT_NEAR(g.shapeFactor, 539.56f, 0.005f) << d[0] << " " << d[1] << " " << d[2];
    EXPECT_FLOAT_EQ(g.volume, 24.0f);
  }
}

class TankTest : public ::testing::Test {
 protected:
  TankTest() {
    product.lambdaCoeff3 = 0;
    product.lambdaCoeff2 = 0;
    product.lambdaCoeff1 = 0.0002f;
    product.lambdaCoeff0 = 0.035f;
    m.insulation.Set(0, &product, 100, nullptr, 100);
    m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
    m.userDefinedLiquid = 1;
    m.width = 2;
    m.height = 3;
    m.depth = 4;
  }

  TankResult Compute() {
    const TankOutcome outcome = ComputeTank(m);
    EXPECT_TRUE(outcome.result);
    return outcome.result.value_or(TankResult{});
  }
  std::size_t Shown() { return doc->reports.List(ModuleIndex::Tank).size() - documentItems; }

  RecordingSurface measure;
  TestDocument doc;
  CTankTempModul& m = ModuleOf<CTankTempModul>(*doc, ModuleIndex::Tank);
  CIsoProdukt& product = Record<CIsoProdukt>(*doc, DbList::Products);
  std::size_t documentItems = doc->reports.List(ModuleIndex::Tank).size();
};

TEST_F(TankTest, InsulationThinnerThanAQuarterOfItsConductivitySwitchesToConstantConductivity) {
  m.insulation.Set(0, &product, 62.5f, nullptr, 62.5f);
  product.lambdaCoeff1 = 0;
  product.lambdaCoeff0 = 0.25f;  // s/λ0 = 0.0625/0.25 = 0.25 exactly
  EXPECT_FALSE(Compute().constantConductivity);
  product.lambdaCoeff0 = std::nextafter(0.25f, 1.0f);
  EXPECT_TRUE(Compute().constantConductivity);
  product.lambdaCoeff0 = 0;  // no constant: the scheme cannot be taken
  EXPECT_FALSE(ComputeTank(m).result && ComputeTank(m).result->constantConductivity);
}

TEST_F(TankTest, StorageTimeFollowsTheExponentialLawAndGivenEndTemperatureFindsItsTimeAgain) {
  for (const float thickness : {100.0f, 5.0f}) {  // the second is the constant-conductivity scheme
    m.insulation.Set(0, &product, thickness, nullptr, thickness);
    m.mode = 0;
    m.storageTime = 200;
    const TankResult r0 = Compute();
    // τ from the identity at the end of storage, then checked along the curve.
    const float tau = -200.0f / std::log((r0.endTemperature - 10.0f) / 40.0f);
    for (std::size_t i = 0; i < r0.curveTimes.size(); ++i) {
      EXPECT_NEAR(r0.curveTemperatures[i], 10.0f + 40.0f * std::exp(-r0.curveTimes[i] / tau), 0.01f);
    }
    EXPECT_NEAR(r0.energy, 999.0f * 4180.0f * 24.0f * (50.0f - r0.endTemperature) / 3.6e6f, 0.01f);

    m.mode = 1;
    m.endTemperature = r0.endTemperature;
    const TankResult r1 = Compute();
    if (r1.constantConductivity) {
      EXPECT_NEAR(r1.coolingTime, 200.0f, 10.0f);
    } else {
      EXPECT_NEAR(r1.coolingTime, 200.0f, 200.0f / 100.0f);
    }
  }
}

struct RefusedCase {
  const char* what;
  float start, end, ambient;
};

TEST_F(TankTest, GivenEndTemperatureOutsideAmbientToStartIsRefusedWithItsMessage) {
  const RefusedCase cases[] = {
      {"below ambient", 50, 5, 10}, {"at ambient", 50, 10, 10}, {"warming tank", 5, 3, 10}};
  m.mode = 1;
  for (const auto& c : cases) {
    m.startTemperature = c.start;
    m.endTemperature = c.end;
    m.ambientTemperature = c.ambient;
    doc.messages.shown.clear();
    m.Recalculate();
    EXPECT_EQ(m.calculated, 0) << c.what;
    EXPECT_EQ(Shown(), 0u) << c.what;
    ASSERT_EQ(doc.messages.shown.size(), 1u) << c.what;
    EXPECT_EQ(doc.messages.shown[0], LoadResourceString(ids::kTankEndNotBetween, Language::Czech));
  }
}

TEST_F(TankTest, StartAtAmbientKeepsTheTemperatureWithoutEnergy) {
  m.ambientTemperature = 50;
  const TankResult r = Compute();
  EXPECT_EQ(r.endTemperature, 50.0f);
  EXPECT_EQ(r.energy, 0.0f);
  EXPECT_EQ(r.initialHeatLoss, 0.0f);
}

TEST_F(TankTest, AUserCoefficientOfZeroExchangesNothing) {
  m.environment = 2;
  m.userOuterCoefficient = 0;
  const TankResult r = Compute();
  EXPECT_EQ(r.endTemperature, 50.0f);
  EXPECT_EQ(r.energy, 0.0f);
  EXPECT_EQ(r.initialHeatLoss, 0.0f);

  m.mode = 1;
  m.Recalculate();
  EXPECT_EQ(m.calculated, 0);
  ASSERT_EQ(doc.messages.shown.size(), 1u);
  EXPECT_EQ(doc.messages.shown[0], LoadResourceString(ids::kTankEndNeverReached, Language::Czech));
}

TEST_F(TankTest, AWarmingTankShowsItsGainAsANegativeInitialLoss) {
  m.startTemperature = 5;
  m.ambientTemperature = 25;
  EXPECT_LT(Compute().initialHeatLoss, -1.0f);
}

TEST_F(TankTest, FreezingEndsTheStorageAtTheFreezingPointInBothLanguages) {
  m.startTemperature = 10;
  m.ambientTemperature = -20;
  m.storageTime = 2000;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  ASSERT_EQ(doc.messages.shown.size(), 1u);
  EXPECT_EQ(doc.messages.shown[0], LoadResourceString(ids::kTankFreezingReached, Language::Czech));
  EXPECT_EQ(Shown(), 3u);  // results, graph and input
  doc->reports.Page().SetScreenSurface(&measure);
  for (const Language language : {Language::Czech, Language::English}) {
    doc->englishResults = language == Language::English ? 1 : 0;
    doc->Refresh(kLayoutChangedHint);
    const std::string text = ReportCopyText(doc->reports, ModuleIndex::Tank);
    EXPECT_NE(text.find(LoadResourceString(ids::kTankFreezingReachedAfter, language)), std::string::npos);
  }

  m.startTemperature = 0;  // at the freezing point already
  const TankResult r = Compute();
  ASSERT_TRUE(r.freezingTime);
  EXPECT_FALSE(std::signbit(*r.freezingTime));
  EXPECT_EQ(*r.freezingTime, 0.0f);
}

TEST_F(TankTest, TheCurveEndsAtTheEndOfStorageOrAtFreezingOnAStepOfItsLength) {
  m.storageTime = 30;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  EXPECT_EQ(m.Report().graph.xStep, 2.0f);
  // 1.125 times the storage time, up to the next labelled tick.
  EXPECT_EQ(m.Report().graph.xMax, 34.0f);

  m.ambientTemperature = -20;
  m.storageTime = 2000;
  const TankResult r = Compute();
  ASSERT_TRUE(r.freezingTime);
  EXPECT_EQ(r.curveTimes.back(), *r.freezingTime);
  EXPECT_NEAR(r.curveTemperatures.back(), 0.0f, 0.01f);

  m.mode = 1;  // no curve for a given end temperature
  m.endTemperature = 20;
  m.ambientTemperature = 10;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  EXPECT_EQ(Shown(), 2u);
}

// A surface balance whose residual changes sign across the jump of free convection
// (Hc³·dT = 10) has no root; the surface settles at the jump instead of wherever the
// iteration ran out.
TEST_F(TankTest, ABalanceAcrossTheJumpOfFreeConvectionSettlesAtIt) {
  m.shape = 2;
  m.diameter = 1;
  m.insulation.Set(0, &product, 137, nullptr, 137);
  m.startTemperature = 147;
  m.ambientTemperature = 5;
  m.storageTime = 99;
  const TankResult r = Compute();
  const float hc = r.shell.convectionHeight;
  EXPECT_NEAR(hc * hc * hc * (r.surfaceTemperature - m.ambientTemperature), 10.0f, 0.01f);
}

TEST_F(TankTest, AValueThatIsNoNumberStopsTheCalculation) {
  m.storageTime = 0;  // the mean over no time
  const TankOutcome outcome = ComputeTank(m);
  EXPECT_FALSE(outcome.result);
  EXPECT_EQ(outcome.stop, TankStop::NotFinite);
}

// The copy text of a box kept for a storage time, an upright cylinder outdoors cooled to an
// end temperature and a sphere with a given coefficient whose medium freezes.
class TankReportGolden : public TankTest {
 protected:
  TankReportGolden() { doc->reports.Page().SetScreenSurface(&measure); }

  void ExpectReport(const std::string& name) {
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1) << ::testing::PrintToString(doc.messages.shown);
    for (const bool english : {false, true}) {
      doc->englishResults = english ? 1 : 0;
      doc->Refresh(kLayoutChangedHint);
      ExpectGolden("tank_" + name + (english ? ".en.txt" : ".cz.txt"),
                   ReportCopyText(doc->reports, ModuleIndex::Tank));
    }
  }
};

TEST_F(TankReportGolden, BoxForAStorageTime) { ExpectReport("box"); }

TEST_F(TankReportGolden, CylinderOutdoorsToAnEndTemperature) {
  m.shape = 1;
  m.diameter = 2.5f;
  m.length = 6;
  m.mode = 1;
  m.endTemperature = 30;
  m.environment = 1;
  m.windSpeed = 4;
  m.userDefinedLiquid = 0;
  m.SetLiquid(&Record<CVeske>(*doc, DbList::Liquids));
  ExpectReport("cylinder");
}

TEST_F(TankReportGolden, FreezingSphereWithAGivenCoefficient) {
  m.shape = 2;
  m.diameter = 1.5f;
  m.environment = 2;
  m.userOuterCoefficient = 8;
  m.startTemperature = 20;
  m.ambientTemperature = -15;
  m.storageTime = 1000;
  ExpectReport("sphere");
}

}  // namespace
}  // namespace kelvora
