#include "core/modules/frost/frostcalculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "core/document/document.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/modules/frost/frostmodul.h"
#include "core/report/reportlists.h"
#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/recordingsurface.h"
#include "support/reportgolden.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectReportGoldens;
using testing::ModuleOf;
using testing::ReadBody;
using testing::Record;
using testing::RecordingSurface;
using testing::TestDocument;
using testing::UserProduct;
using testing::WriteBody;

constexpr double kPiD = std::numbers::pi;

std::string Printed(const char* format, double value) { return FormatC(format, {static_cast<float>(value)}); }

std::string Interrupted() {
  return std::string(LoadResourceString(ids::kCalculationInterrupted, Language::Czech));
}

class FrostTest : public ::testing::Test {
 protected:
  FrostTest() {
    m.insulation.Set(0, &product, 50, nullptr, 50);
    m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  }

  FrostResult Compute() {
    const auto result = ComputeFrost(m);
    EXPECT_TRUE(result);
    return result.value_or(FrostResult{});
  }
  // A user product of one conductivity, in the surroundings of a given coefficient.
  void ConstantConductivity(float lambda, float h, float thickness = 50) {
    CEgendefIsoProdukt& own = UserProduct(*doc, "Stálá");
    own.lambdaCoeff3 = own.lambdaCoeff2 = own.lambdaCoeff1 = 0;
    own.lambdaCoeff0 = lambda;
    m.insulation.Set(1, nullptr, 50, &own, thickness);
    m.environment = 2;
    m.userCoefficient = h;
  }
  std::size_t Shown() { return doc->reports.List(ModuleIndex::Frost).size() - documentItems; }

  TestDocument doc;
  CFrostModul& m = ModuleOf<CFrostModul>(*doc, ModuleIndex::Frost);
  CIsoProdukt& product = Record<CIsoProdukt>(*doc, DbList::Products);
  std::size_t documentItems = doc->reports.List(ModuleIndex::Frost).size();
};

// U = 1/(G/λ + 1/(h Po)) and t1 = ρ c A/(3600 U) ln((Tw − Ta)/(0 − Ta)), computed apart.
TEST_F(FrostTest, AConstantConductivityWithAGivenCoefficientMeetsTheClosedForms) {
  const struct {
    float thickness, lambda, h, tw, ta, diameter, wall;
  } cases[] = {
      {50, 0.04f, 5, 20, -20, 100, 4},
      {20, 0.035f, 12, 80, -35, 60.3f, 2.9f},
      {100, 0.05f, 2, 5, -10, 273, 10},
  };
  for (const auto& c : cases) {
    ConstantConductivity(c.lambda, c.h, c.thickness);
    m.startTemperature = c.tw;
    m.ambientTemperature = c.ta;
    m.pipeDiameter = c.diameter;
    m.wallThickness = c.wall;
    const double d = c.diameter / 1000.0;
    const double outer = d + 2 * c.thickness / 1000.0;
    const double bore = d - 2 * c.wall / 1000.0;
    const double area = kPiD * bore * bore / 4;
    const double u = 1 / (std::log(outer / d) / (2 * kPiD) / c.lambda + 1 / (c.h * kPiD * outer));
    const double cooling = 1000 * 4182 * area / (3600 * u) * std::log((c.tw - c.ta) / (0 - c.ta));
    const double freezing = 334000 * 920 * area / (3600 * u * -c.ta) * m.percentageFrozen / 100;

    const FrostResult r = Compute();
    SCOPED_TRACE(c.thickness);
    EXPECT_EQ(Printed("%.1f", r.coolingTime), Printed("%.1f", cooling));
    EXPECT_EQ(Printed("%.1f", r.freezingTime), Printed("%.1f", freezing));
    EXPECT_EQ(Printed("%.1f", r.heating), Printed("%.1f", -u * c.ta));
    EXPECT_EQ(Printed("%.3f", r.lambda), Printed("%.3f", c.lambda));
    EXPECT_EQ(r.outerCoefficient, c.h);
  }
}

// The heat that holds the water at 0 °C for the whole time it takes to freeze is its latent
// heat, however well it is insulated.
TEST_F(FrostTest, HeatingTimesTheTimeToFreezeAllIsTheLatentHeatOfTheBoreWhateverTheInsulation) {
  m.startTemperature = 0;
  m.percentageFrozen = 100;
  const double bore = 0.1 - 2 * 0.004;
  const double latent = 334000.0 * 920 * kPiD * bore * bore / 4;  // J/m
  for (const float thickness : {20.0f, 50.0f, 120.0f}) {
    m.insulation.standardThickness = thickness;
    const FrostResult r = Compute();
    EXPECT_EQ(Printed("%.1f", r.coolingTime), "0.0") << thickness;
    EXPECT_NEAR(r.heating * r.TotalTime() * 3600 / latent, 1.0, 1e-5) << thickness;
  }
}

TEST_F(FrostTest, TheFreezingTimeIsLinearInTheFrozenShare) {
  m.percentageFrozen = 100;
  const FrostResult all = Compute();
  for (const float share : {0.0f, 25.0f, 60.0f}) {
    m.percentageFrozen = share;
    const FrostResult r = Compute();
    EXPECT_FLOAT_EQ(r.freezingTime, all.freezingTime * share / 100) << share;
    EXPECT_EQ(r.coolingTime, all.coolingTime) << share;
  }
  m.percentageFrozen = 0;
  const FrostResult none = Compute();
  EXPECT_EQ(Printed("%.1f", none.freezingTime), "0.0");
  EXPECT_EQ(none.TotalTime(), none.coolingTime);
}

// Water already at 0 °C has no cooling time; with a given coefficient the freezing does not
// depend on where the water started.
TEST_F(FrostTest, WaterAtZeroFreezesAtOnceAndFreezesAsFastAsWarmerWater) {
  m.environment = 2;
  const FrostResult warm = Compute();
  m.startTemperature = 0;
  const FrostResult cold = Compute();
  EXPECT_EQ(cold.coolingTime, 0.0f);
  EXPECT_GT(warm.coolingTime, 0.0f);
  EXPECT_EQ(cold.freezingTime, warm.freezingTime);
  EXPECT_EQ(cold.heating, warm.heating);
}

TEST_F(FrostTest, AVerticalPipeChangesOnlyTheConvection) {
  const FrostResult lying = Compute();
  m.vertical = 1;
  const FrostResult standing = Compute();
  EXPECT_NE(standing.outerCoefficient, lying.outerCoefficient);
  m.environment = 2;
  const FrostResult given = Compute();
  m.vertical = 0;
  const FrostResult givenLying = Compute();
  EXPECT_EQ(given.coolingTime, givenLying.coolingTime);
  EXPECT_EQ(given.freezingTime, givenLying.freezingTime);
}

// A conductivity far beyond the residual's resolution leaves the secant on one trial with
// the same residual twice; that trial's results stand instead of "nan h".
TEST_F(FrostTest, ARepeatedResidualEndsTheIterationOnItsLastFiniteState) {
  ConstantConductivity(1e6f, 5);
  const FrostResult r = Compute();
  for (const float value : {r.coolingTime, r.freezingTime, r.heating, r.surfaceTemperature})
    EXPECT_TRUE(std::isfinite(value));
  // The insulation conducts so well that the water sees the surface coefficient alone.
  const double outer = 0.2;
  const double u = 5 * kPiD * outer;
  EXPECT_NEAR(r.heating, u * 20, 0.01 * u * 20);
  EXPECT_NEAR(r.surfaceTemperature, 8.85f, 0.5f);
}

// A surface balance whose residual changes sign across the jump of free convection
// (L³·dT = 10) has no root; the surface settles at the jump instead of wherever the
// iteration ran out.
TEST_F(FrostTest, ABalanceAcrossTheJumpOfFreeConvectionSettlesAtIt) {
  m.pipeDiameter = 897;
  m.insulation.Set(0, &product, 14, nullptr, 14);
  m.startTemperature = 19;
  m.ambientTemperature = -37;
  m.vertical = 1;
  const FrostResult r = Compute();
  const float l = (897.0f + 2 * 14.0f) / 1000.0f;
  EXPECT_NEAR(l * l * l * (r.surfaceTemperature - m.ambientTemperature), 10.0f, 0.01f);
}

TEST_F(FrostTest, NothingWithoutAWayForTheHeatToLeave) {
  const struct {
    const char* label;
    void (*spoil)(CFrostModul&, CIsoProdukt&);
  } cases[] = {
      {"no product", [](CFrostModul& f, CIsoProdukt&) { f.insulation.Set(0, nullptr, 50, nullptr, 50); }},
      {"no surface indoors", [](CFrostModul& f, CIsoProdukt&) { f.SetSurface(nullptr); }},
      {"zero thickness", [](CFrostModul& f, CIsoProdukt&) { f.insulation.standardThickness = 0; }},
      {"negative at the air", [](CFrostModul&, CIsoProdukt& p) { p.lambdaCoeff1 = 0.002f; }},  // λ(−20) < 0
      {"negative between",
       [](CFrostModul&, CIsoProdukt& p) {
         // 0.04 at −20 and 20 °C, −0.036 at 0 °C.
         p.lambdaCoeff3 = 0;
         p.lambdaCoeff2 = 0.00019f;
         p.lambdaCoeff1 = 0;
         p.lambdaCoeff0 = -0.036f;
       }},
  };
  for (const auto& c : cases) {
    c.spoil(m, product);
    EXPECT_FALSE(ComputeFrost(m)) << c.label;
    m.insulation.Set(0, &product, 50, nullptr, 50);
    m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
    product.SetPolynomial({1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f});
    ASSERT_TRUE(ComputeFrost(m)) << c.label;
  }
}

// A file read with its calculated flag set is calculated only when its inputs pass what the
// dialog would have checked and have an answer; otherwise the shown report goes and the pipe
// opens uncalculated, saying the calculation stopped.
TEST_F(FrostTest, AStoredPipeThatCannotBeCalculatedOpensUncalculated) {
  const struct {
    const char* label;
    void (*spoil)(CFrostModul&);
  } cases[] = {
      {"no product", [](CFrostModul& f) { f.insulation.Set(0, nullptr, 50, nullptr, 50); }},
      {"no surface indoors", [](CFrostModul& f) { f.SetSurface(nullptr); }},
      {"no surface outdoors",
       [](CFrostModul& f) {
         f.SetSurface(nullptr);
         f.environment = 1;
       }},
      {"zero thickness", [](CFrostModul& f) { f.insulation.standardThickness = 0; }},
      {"conductivity negative at the air",
       [](CFrostModul& f) { f.insulation.StandardProduct()->lambdaCoeff1 = 0.002f; }},
      {"wall of half the diameter", [](CFrostModul& f) { f.wallThickness = 50; }},
      {"wall thicker than that", [](CFrostModul& f) { f.wallThickness = 60; }},
      {"ambient at zero", [](CFrostModul& f) { f.ambientTemperature = 0; }},
      {"no number", [](CFrostModul& f) { f.windSpeed = std::nanf(""); }},
  };
  for (const auto& c : cases) {
    TestDocument other;
    CFrostModul& stored = ModuleOf<CFrostModul>(*other, ModuleIndex::Frost);
    const std::size_t ownItems = other->reports.List(ModuleIndex::Frost).size();
    stored.insulation.Set(0, &Record<CIsoProdukt>(*other, DbList::Products), 50, nullptr, 50);
    stored.SetSurface(&Record<CMantling>(*other, DbList::OuterFinishes));
    stored.Recalculate();
    ASSERT_EQ(other->reports.List(ModuleIndex::Frost).size(), ownItems + 4) << c.label;
    c.spoil(stored);
    const std::string bytes = WriteBody(*other, stored);

    EXPECT_EQ(ReadBody(*other, stored, bytes), 0u) << c.label;
    EXPECT_EQ(stored.calculated, 0) << c.label;
    EXPECT_EQ(other.messages.shown, std::vector<std::string>{Interrupted()}) << c.label;
    EXPECT_EQ(other->reports.List(ModuleIndex::Frost).size(), ownItems) << c.label;
  }
}

TEST_F(FrostTest, AnEnvironmentOutOfRangeIsReadAsTheLastOne) {
  m.environment = 7;
  m.calculated = 1;
  const std::string bytes = WriteBody(*doc, m);
  EXPECT_EQ(ReadBody(*doc, m, bytes), 0u);
  EXPECT_EQ(m.environment, 2);
  EXPECT_EQ(m.calculated, 1);
  EXPECT_EQ(Shown(), 4u);
}

TEST_F(FrostTest, ACalculationShowsTheTwoTablesTheClearancesAndTheGraphAndAStopHidesThem) {
  m.vertical = 1;
  m.Recalculate();
  ASSERT_EQ(m.calculated, 1);
  EXPECT_EQ(Shown(), 4u);
  EXPECT_EQ(m.Report().clearance.values[CInsulationSpace::Diameter], 200);  // 100 + 2 x 50 mm
  SymbolInfo symbol;
  EXPECT_EQ(m.GetSymbol(symbol), "ROR1");

  m.SetSurface(nullptr);
  m.Recalculate();
  EXPECT_EQ(m.calculated, 0);
  EXPECT_EQ(Shown(), 0u);
  EXPECT_EQ(m.GetSymbol(symbol), "RORX0");
}

// The curve starts at the water's temperature, falls to 0 °C at the cooling time the results
// table states, and stays there until the total time it states; both times are marked.
TEST_F(FrostTest, GraphReachesTheReportedTimes) {
  const struct {
    const char* label;
    float start;
    float frozen;
  } cases[] = {{"default", 10, 50}, {"all frozen", 60, 100}, {"already at 0 °C", 0, 25}};
  for (const auto& c : cases) {
    m.startTemperature = c.start;
    m.percentageFrozen = c.frozen;
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1) << c.label;
    const FrostResult r = Compute();
    const FrostReport& report = m.Report();
    ASSERT_EQ(doc->reports.List(ModuleIndex::Frost).back(), &report.graph) << c.label;
    const CKurve& water = report.graph.Curve(0);
    const auto& t = water.xValues;
    const auto& tw = water.yValues;
    ASSERT_GE(t.size(), 2u) << c.label;
    EXPECT_EQ(t.front(), 0.0f) << c.label;
    EXPECT_FLOAT_EQ(tw.front(), c.start) << c.label;
    const auto frozen = std::find(tw.begin(), tw.end(), 0.0f);
    ASSERT_NE(frozen, tw.end()) << c.label;
    const float coolingEnd = t[static_cast<std::size_t>(frozen - tw.begin())];
    EXPECT_EQ(coolingEnd, r.coolingTime) << c.label;
    EXPECT_TRUE(std::all_of(frozen, tw.end(), [](float v) { return v == 0.0f; })) << c.label;
    EXPECT_EQ(std::adjacent_find(tw.begin(), frozen, std::less<float>()), frozen) << c.label << ": falls";
    EXPECT_EQ(t.back(), r.TotalTime()) << c.label;
    // The results table states the same times.
    EXPECT_EQ(report.resultTable.Cell(1, 1).Text(false), Printed("%.1f h", coolingEnd)) << c.label;
    EXPECT_EQ(report.resultTable.Cell(3, 1).Text(false), Printed("%.1f h", t.back())) << c.label;
    EXPECT_EQ(report.graph.Curve(1).xValues[0], r.coolingTime) << c.label;
    EXPECT_EQ(report.graph.Curve(2).xValues[0], r.TotalTime()) << c.label;
    EXPECT_EQ(report.graph.Curve(3).yValues[0], m.ambientTemperature) << c.label;
  }
}

// The copy text of the default pipe indoors, a standing pipe outdoors with its own
// emissivity, and one with a given coefficient, which shows no surface rows.
class FrostReportGolden : public FrostTest {
 protected:
  FrostReportGolden() { doc->reports.Page().SetScreenSurface(&measure); }

  void ExpectReport(const std::string& name) {
    m.Recalculate();
    ASSERT_EQ(m.calculated, 1) << ::testing::PrintToString(doc.messages.shown);
    ExpectReportGoldens(*doc, ModuleIndex::Frost, "frost_" + name);
  }

  RecordingSurface measure;
};

TEST_F(FrostReportGolden, DefaultPipeIndoors) {
  ExpectReport("indoors");
  CGraphicsItem* graph = doc->reports.List(ModuleIndex::Frost).back();
  RecordingSurface screen;
  graph->Draw(screen, graph->rect);
  std::string text;
  for (const std::string& call : screen.calls) text += call + "\n";
  testing::ExpectGolden("frost_graph_drawing.txt", text);
}

TEST_F(FrostReportGolden, StandingPipeOutdoorsWithItsOwnEmissivity) {
  m.vertical = 1;
  m.environment = 1;
  m.windSpeed = 5;
  m.ownEmissivity = 1;
  m.emissivity = 0.3f;
  m.pipeDiameter = 48.3f;
  m.wallThickness = 3.2f;
  m.startTemperature = 8;
  m.ambientTemperature = -15.5f;
  m.percentageFrozen = 40;
  ExpectReport("outdoors");
}

TEST_F(FrostReportGolden, GivenCoefficientWithoutSurfaceRows) {
  m.environment = 2;
  m.userCoefficient = 8;
  m.SetSurface(nullptr);
  m.percentageFrozen = 100;
  ExpectReport("coefficient");
}

}  // namespace
}  // namespace kelvora
