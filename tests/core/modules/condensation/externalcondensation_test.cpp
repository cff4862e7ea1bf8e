#include "core/modules/condensation/externalcondensation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "core/framework/rangetexts.h"
#include "core/modules/condensation/condensationinputcheck.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "core/physics/dewpoint.h"
#include "support/condensationfixture.h"

namespace kelvora {
namespace {

using testing::Czech;
using testing::Record;
using testing::UserProduct;

class ExternalCondensationTest
    : public testing::CondensationFixture<CUtvendigKondensModul, ModuleIndex::ExternalCondensation> {
 protected:
  ExternalCondensationTest() { m.mediumTemperature = 5; }

  ExternalCondensationResult Compute() {
    const ExternalCondensationOutcome outcome = ComputeExternalCondensation(m);
    EXPECT_TRUE(outcome.result) << static_cast<int>(outcome.stop);
    return outcome.result.value_or(ExternalCondensationResult{});
  }
  // What the insulation of the required thickness conducts less what leaves its surface.
  float Residual(const ExternalCondensationResult& r) {
    const CondensationState& s = r.required;
    const PhysicsInput in = CondensationPhysicsInput(m);
    return product.LambdaIntegral(s.ts, m.mediumTemperature) /
               ShapeFactor(in.kind, in.diameter, s.thickness, s.geometry.perimeter) -
           s.q;
  }
  void ExpectStop(int message) { CondensationFixture::ExpectStop(Czech(message)); }
  using CondensationFixture::ExpectStop;
};

TEST(DewPoint, OfAirAt20And40DegreesHalfSaturated) {
  EXPECT_NEAR(DewPoint(50, 20), 9.25f, 0.005f);
  EXPECT_NEAR(DewPoint(50, 40), 27.6f, 0.05f);
}

TEST_F(ExternalCondensationTest, TheSurfaceOfTheRequiredThicknessPassesOnWhatTheInsulationConducts) {
  struct Case {
    const char* what;
    std::int32_t kind, vertical, environment;
    float medium;
  } cases[] = {
      {"pipe", 0, 0, 0, 5},
      {"circular duct outdoors", 1, 0, 1, -10},
      {"rectangular duct", 2, 1, 0, 2},
      {"lined duct", 3, 0, 2, 0},
      {"vertical wall", 4, 1, 0, -5},
      {"lying plane outdoors", 5, 0, 1, -20},
  };
  for (const Case& c : cases) {
    m.kind = c.kind;
    m.vertical = c.vertical;
    m.environment = c.environment;
    m.mediumTemperature = c.medium;
    const ExternalCondensationResult r = Compute();
    EXPECT_FALSE(r.bare) << c.what;
    EXPECT_GT(r.required.thickness, 0.0f) << c.what;
    EXPECT_EQ(r.required.ts, r.dewPoint) << c.what;
    EXPECT_LT(std::fabs(Residual(r)), 0.1f) << c.what;
  }
}

TEST_F(ExternalCondensationTest, AMediumNotBelowTheDewPointLeavesTheObjectBare) {
  const float dewPoint = DewPoint(50, 20);
  for (const float medium : {dewPoint, 15.0f, 20.0f, 35.0f}) {
    m.mediumTemperature = medium;
    const ExternalCondensationResult r = Compute();
    EXPECT_TRUE(r.bare) << medium;
    EXPECT_EQ(r.required.thickness, 0.0f) << medium;
    EXPECT_FALSE(r.standardRow) << medium;
    EXPECT_EQ(r.required.ts, medium);
    // The bare pipe exchanges heat with the surroundings over its own perimeter.
    EXPECT_FLOAT_EQ(r.required.q, r.required.ho * kPi * 0.05f * (medium - 20.0f)) << medium;
  }
}

TEST_F(ExternalCondensationTest, TheBareRectangularDuctConvectsOverItsPerimeterNotTheHiddenDiameter) {
  m.mediumTemperature = 15;
  m.kind = 2;
  const float q = Compute().required.q;
  for (const float hidden : {0.0f, 500.0f}) {
    m.diameter = hidden;
    const ExternalCondensationResult r = Compute();
    EXPECT_TRUE(std::isfinite(r.required.q));
    EXPECT_EQ(r.required.q, q) << hidden;
  }
}

TEST(ThicknessSecant, AStepToNoThicknessHalvesTheThickness) {
  ThicknessSecant secant(0.01f, false);
  EXPECT_EQ(secant.Next(0, 10.0f), ThicknessSecant::Step::Continue);
  EXPECT_FLOAT_EQ(secant.Thickness(), 0.03f);
  // 0.03 + 0.02 · 20 / (10 - 20) = -0.01
  EXPECT_EQ(secant.Next(1, 20.0f), ThicknessSecant::Step::Continue);
  EXPECT_FLOAT_EQ(secant.Thickness(), 0.015f);
}

TEST(ThicknessSecant, ManyHalvingsOfAVanishingThicknessEndTheSearchWhereCounted) {
  for (const bool counted : {false, true}) {
    ThicknessSecant secant(0.00002f, counted);
    secant.Next(0, 1.0f);
    // A residual that doubles on the first step and then shrinks slowly as the thickness
    // halves keeps proposing no thickness at all.
    float residual = 2.0f;
    ThicknessSecant::Step step = secant.Next(1, residual);
    for (int pass = 2; pass < 30 && step == ThicknessSecant::Step::Continue; ++pass) {
      residual *= 0.9f;
      step = secant.Next(pass, residual);
    }
    EXPECT_EQ(step, counted ? ThicknessSecant::Step::TooThin : ThicknessSecant::Step::Continue);
  }
}

// The secant steps beyond 2 m, and once circled the jump of free convection without a root
// (where the outer diameter passes 1 m); the least thickness whose surface, balanced as
// given, stays dry answers instead. Where even 2 m let the pipe sweat, the search stops.
TEST_F(ExternalCondensationTest, WhereTheSecantFailsTheLeastThicknessThatStaysDryAnswers) {
  const struct { float tm, humidity, diameter; } cases[] = {{-273, 99, 1500}, {-38, 50, 940}, {-37, 50, 940}};
  for (const auto& c : cases) {
    m.mediumTemperature = c.tm;
    m.relativeHumidity = c.humidity;
    m.diameter = c.diameter;
    const ExternalCondensationResult r = Compute();
    const PhysicsInput in = CondensationPhysicsInput(m);
    const auto surfaceAt = [&](float d) { return SolveSingleLayer(in, {product.Polynomial(), d})->ts; };
    const float s = r.required.thickness;
    EXPECT_NEAR(r.required.ts, surfaceAt(s), 1e-3f) << c.tm;
    EXPECT_GE(surfaceAt(s), r.dewPoint - 0.01f) << c.tm;
    EXPECT_LT(surfaceAt(0.9f * s), r.dewPoint) << c.tm;
  }
  m.kind = 4;  // a wall passes on more through 2 m than a pipe does
  m.mediumTemperature = -273;
  m.relativeHumidity = 99;
  ExpectStop(ids::kInsulationThicknessExcess);
}

TEST_F(ExternalCondensationTest, ALiningThickerThanHalfTheDuctStops) {
  m.kind = 3;
  m.width = 200;
  m.height = 200;
  m.mediumTemperature = -60;
  m.relativeHumidity = 80;
  const float s = Compute().required.thickness;
  ASSERT_GT(s, 0.05f);
  ASSERT_LT(s, 0.1f);
  m.width = 100;
  ExpectStop(ids::kInsulationTooThickForDuct);
}

TEST_F(ExternalCondensationTest, AStandardProductGetsItsNextStandardThicknessWhoseSurfaceStaysDry) {
  const ExternalCondensationResult r = Compute();
  ASSERT_TRUE(r.standardRow);
  ASSERT_TRUE(r.atStandard);
  EXPECT_GE(r.standardMm, r.required.thickness * 1000.0f);
  EXPECT_FLOAT_EQ(r.atStandard->thickness, r.standardMm / 1000.0f);
  EXPECT_GE(r.atStandard->ts, r.dewPoint);
  EXPECT_LE(r.atStandard->ts, m.ambientTemperature);

  m.insulation.Set(1, &product, 0, &UserProduct(*doc, "Vlastní"), 0);
  const ExternalCondensationResult user = Compute();
  EXPECT_FALSE(user.standardRow);
  EXPECT_FALSE(user.atStandard);
}

TEST_F(ExternalCondensationTest, ARequiredThicknessBeyondTheStandardListHasNoStandardColumn) {
  m.mediumTemperature = -150;
  m.relativeHumidity = 90;
  const ExternalCondensationResult r = Compute();
  EXPECT_GT(r.required.thickness, 0.12f);
  EXPECT_TRUE(r.standardRow);
  EXPECT_EQ(r.standardMm, -1.0f);
  EXPECT_FALSE(r.atStandard);
  EXPECT_EQ(r.standardTextCz, "Tlustší než max. standardní tloušťka");
}

// A lying plane convects over 1 m in the search; a standard thickness as thick as the
// required one must be judged over the same length, or a strong wind over a tall plane shows
// its surface off the dew point.
TEST_F(ExternalCondensationTest, ALyingPlaneInWindIsJudgedAtItsStandardThicknessOverTheSearchLength) {
  m.kind = 4;
  m.environment = 1;
  m.windSpeed = 12;
  m.mediumTemperature = -30;
  m.relativeHumidity = 85;
  for (const float height : {200.0f, 5000.0f}) {
    m.height = height;
    const float required = Compute().required.thickness * 1000.0f;
    product.InsertThickness(std::make_unique<CIsoTykkelse>(required + 0.001f));
    const ExternalCondensationResult r = Compute();
    ASSERT_TRUE(r.atStandard) << height;
    EXPECT_NEAR(r.standardMm, required, 0.01f) << height;
    EXPECT_NEAR(r.atStandard->ts, r.dewPoint, 0.05f) << height;
  }
}

TEST_F(ExternalCondensationTest, StoredInputsThatCannotBeCalculatedLeaveTheModuleUncalculated) {
  m.kind = 4;
  m.vertical = 1;
  m.height = 0;  // its coefficient would be infinite
  ExpectStop("Výška: 0 je mimo rozsah, zadejte hodnotu od 1 do 5000.");

  m.Reset();
  m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  ExpectStop(ids::kChooseInsulationProduct);

  m.insulation.Set(0, &product, 0, nullptr, 0);
  m.mediumTemperature = 5;
  m.SetSurface(nullptr);
  ExpectStop(ids::kChooseSurface);

  m.SetSurface(&Record<CMantling>(*doc, DbList::OuterFinishes));
  product.lambdaCoeff0 = std::numeric_limits<float>::quiet_NaN();
  ExpectStop(ids::kCalculationInterrupted);
}

TEST_F(ExternalCondensationTest, ALinedDuctNeedingNoInsulationPassesTheChecksWhateverTheLayerOnceHeld) {
  m.kind = 3;
  m.insulation.Reset(3, 0);  // 50 mm stored, not given
  m.insulation.Set(0, &product, 50, nullptr, 50);
  m.width = 100;
  m.height = 100;
  m.mediumTemperature = 15;
  EXPECT_FALSE(FirstExternalCondensationFault(m, [](std::string_view) { return true; }));
  m.insulation.thicknessGiven = 1;
  const auto fault = FirstExternalCondensationFault(m, [](std::string_view) { return true; });
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, Czech(ids::kInsulationTooThickForDuct));
}

// The copy text of each table form in both languages.
class ExternalCondensationGolden : public ExternalCondensationTest {
 protected:
  void ExpectReport(const std::string& name, std::size_t items) {
    ExternalCondensationTest::ExpectReport("external_condensation_" + name, items);
  }
};

TEST_F(ExternalCondensationGolden, ChilledWaterPipeWithItsStandardThickness) {
  m.diameter = 88.9f;
  m.mediumTemperature = 6;
  m.relativeHumidity = 75;
  m.ambientTemperature = 26;
  ExpectReport("pipe_standard", 3);
}

TEST_F(ExternalCondensationGolden, BarePipe) {
  m.mediumTemperature = 12;
  ExpectReport("bare", 3);
}

TEST_F(ExternalCondensationGolden, LinedDuctOfAUserProductOutdoors) {
  m.kind = 3;
  m.width = 600;
  m.height = 400;
  m.environment = 1;
  m.windSpeed = 3;
  m.mediumTemperature = -5;
  m.facingOn = 1;
  m.SetSurface(&Record<CMantling>(*doc, DbList::PipeSurfaces));
  m.SetFacing(&Record<CMantling>(*doc, DbList::InnerFacings));
  CEgendefIsoProdukt& own = UserProduct(*doc, "Vlastní");
  own.SetPolynomial({0, 0, 0.0001f, 0.04f});
  m.insulation.Set(1, nullptr, 0, &own, 0);
  ExpectReport("lined_duct_user_product", 2);
}

TEST_F(ExternalCondensationGolden, ColdWallThickerThanTheStandardList) {
  m.kind = 4;
  m.vertical = 1;
  m.height = 3000;
  m.environment = 2;
  m.userOuterCoefficient = 6;
  m.mediumTemperature = -150;
  m.relativeHumidity = 90;
  ExpectReport("wall_beyond_standard", 2);
}

}  // namespace
}  // namespace kelvora
