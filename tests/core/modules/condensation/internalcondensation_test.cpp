#include "core/modules/condensation/internalcondensation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/framework/rangetexts.h"
#include "core/modules/condensation/condensationinputcheck.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/physics/dewpoint.h"
#include "support/condensationfixture.h"

namespace kelvora {
namespace {

using testing::Czech;
using testing::Record;
using testing::UserProduct;

bool PassAll(std::string_view) { return true; }

class InternalCondensationTest
    : public testing::CondensationFixture<CInnvendigKondensModul, ModuleIndex::InternalCondensation> {
 protected:
  InternalCondensationTest() {
    m.diameter = 200;
    m.flow = 300;
    m.ambientTemperature = 5;
  }

  InternalCondensationResult Compute() {
    const InternalCondensationOutcome outcome = ComputeInternalCondensation(m);
    EXPECT_TRUE(outcome.result) << static_cast<int>(outcome.stop);
    return outcome.result.value_or(InternalCondensationResult{});
  }
};

TEST_F(InternalCondensationTest, TheInnerSurfaceAtTheOutletOfTheRequiredThicknessIsAtTheDewPoint) {
  struct Case {
    const char* what;
    std::int32_t rectangular, environment, suspensions;
  } cases[] = {
      {"circular indoors", 0, 0, 0}, {"rectangular outdoors", 1, 1, 1}, {"user coefficient", 0, 2, 1}};
  for (const Case& c : cases) {
    m.rectangular = c.rectangular;
    m.environment = c.environment;
    m.suspensionsOn = c.suspensions;
    const InternalCondensationResult r = Compute();
    EXPECT_FALSE(r.bare) << c.what;
    EXPECT_GT(r.required.thickness, 0.0f) << c.what;
    EXPECT_NEAR(r.required.innerSurface, r.dewPoint, 0.1f) << c.what;
    EXPECT_LT(r.required.outlet, m.inletTemperature) << c.what;
  }
}

TEST_F(InternalCondensationTest, SurroundingsNotColderThanTheDewPointLeaveTheDuctBare) {
  m.ambientTemperature = 20;
  EXPECT_FALSE(Compute().bare);
  for (const float ambient : {28.0f, 45.0f}) {  // above the dew point of 27.6 °C; warmer than the air
    m.ambientTemperature = ambient;
    const InternalCondensationResult r = Compute();
    EXPECT_TRUE(r.bare) << ambient;
    EXPECT_EQ(r.required.thickness, 0.0f);
    EXPECT_FALSE(r.standardRow);
  }
}

TEST_F(InternalCondensationTest, AStandardProductGetsItsNextStandardThicknessAUserProductNone) {
  const InternalCondensationResult r = Compute();
  ASSERT_TRUE(r.atStandard);
  EXPECT_GE(r.standardMm, r.required.thickness * 1000.0f);
  EXPECT_GE(r.atStandard->innerSurface, r.dewPoint - 0.1f);

  m.insulation.Set(1, &product, 0, &UserProduct(*doc, "Vlastní"), 0);
  const InternalCondensationResult user = Compute();
  EXPECT_FALSE(user.standardRow);
  EXPECT_FALSE(user.atStandard);
}

TEST_F(InternalCondensationTest, AFlowInMetresPerSecondRunsOverTheDuctsCrossSection) {
  m.rectangular = 1;
  m.flow = 144;  // m³/h = 1 m/s over 0.04 m²
  const InternalCondensationResult perHour = Compute();
  m.flowUnit = 2;
  m.flow = 1;
  const InternalCondensationResult velocity = Compute();
  EXPECT_FLOAT_EQ(velocity.hi, perHour.hi);
  EXPECT_NEAR(velocity.required.thickness, perHour.required.thickness, 1e-5f);
  EXPECT_NEAR(velocity.required.outlet, perHour.required.outlet, 1e-4f);
}

TEST_F(InternalCondensationTest, TheHeatLossIsPerMetreOfTheEnteredLengthWhateverTheSuspensionsAdd) {
  m.suspensionsOn = 1;
  m.environment = 1;
  const InternalCondensationResult r = Compute();
  const float heatCapacity = 1000.0f * (1.29f - 0.00346f * m.inletTemperature);
  const float volumeFlow = m.flow / 3600.0f;
  EXPECT_NEAR(r.required.heatLoss,
              heatCapacity * volumeFlow * (m.inletTemperature - r.required.outlet) / m.length, 1e-3f);

  m.length = 0;  // stored so; the dialog takes no less than 0.01 m
  const InternalCondensationResult inlet = Compute();
  EXPECT_TRUE(std::isfinite(inlet.required.heatLoss));
  EXPECT_NEAR(inlet.required.heatLoss, inlet.required.u * (m.inletTemperature - m.ambientTemperature), 1e-3f);
  const auto fault = FirstInternalCondensationFault(m, PassAll);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->input, CondensationInput::Length);
}

TEST_F(InternalCondensationTest, AStartBeyondTwoMetresStopsAsExcess) {
  // Once reported as 3845 mm, because the start met the tolerance at once.
  m.rectangular = 1;
  m.width = 100;
  m.height = 100;
  m.length = 300;
  m.flow = 10;
  m.inletTemperature = 20;
  m.ambientTemperature = -20;
  ExpectStop(Czech(ids::kInsulationThicknessExcess));
}

// Free convection jumps where L³·dT passes 10: the first duct once searched without end;
// the surface balance of the second circles the jump, which it now settles at.
TEST_F(InternalCondensationTest, TheJumpOfFreeConvectionEndsInAThicknessThatKeepsTheDuctDry) {
  const struct { float diameter, flow; } cases[] = {{1000, 2827}, {720, 2800}};
  m.inletTemperature = 20;
  m.ambientTemperature = -20;
  for (const auto& c : cases) {
    m.diameter = c.diameter;
    m.flow = c.flow;
    const InternalCondensationResult r = Compute();
    EXPECT_GT(r.required.thickness, 0.0f) << c.diameter;
    EXPECT_GE(r.required.innerSurface, r.dewPoint - 0.1f) << c.diameter;
  }
}

TEST_F(InternalCondensationTest, AProductWithoutAPositiveConstantStillFindsAThickness) {
  product.lambdaCoeff0 = 0;
  product.lambdaCoeff1 = 0.0002f;
  const InternalCondensationResult r = Compute();
  EXPECT_FALSE(r.bare);
  EXPECT_GT(r.required.thickness, 0.0f);
  EXPECT_NEAR(r.required.innerSurface, r.dewPoint, 0.1f);
}

TEST_F(InternalCondensationTest, StoredInputsThatCannotBeCalculatedLeaveTheModuleUncalculated) {
  m.insulation.Reset(1, 0);
  ExpectStop(Czech(ids::kChooseInsulationProduct));
  m.insulation.Set(0, &product, 0, nullptr, 0);
  m.diameter = 0;
  ExpectStop("Průměr: 0 je mimo rozsah, zadejte hodnotu od 1 do 3000.");
  m.diameter = 200;
  product.lambdaCoeff2 = std::numeric_limits<float>::quiet_NaN();
  ExpectStop(Czech(ids::kCalculationInterrupted));
}

TEST_F(InternalCondensationTest, TheInletMustDifferFromTheAmbientByATenthOfAKelvin) {
  m.ambientTemperature = 20;
  m.inletTemperature = 20.05f;
  const auto fault = FirstInternalCondensationFault(m, PassAll);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, Czech(ids::kCondInletNearAmbient));
  m.inletTemperature = 20.1f;
  EXPECT_FALSE(FirstInternalCondensationFault(m, PassAll));
}

// The copy text of each table form in both languages.
class InternalCondensationGolden : public InternalCondensationTest {
 protected:
  void ExpectReport(const std::string& name) {
    InternalCondensationTest::ExpectReport("internal_condensation_" + name, 2);
  }
};

TEST_F(InternalCondensationGolden, CircularDuctWithItsStandardThickness) { ExpectReport("standard"); }

TEST_F(InternalCondensationGolden, RectangularDuctOutdoorsOfAUserProductByVelocity) {
  m.rectangular = 1;
  m.width = 400;
  m.height = 300;
  m.length = 25;
  m.flowUnit = 2;
  m.flow = 2.5f;
  m.environment = 1;
  m.windSpeed = 5;
  m.ambientTemperature = -10;
  m.suspensionsOn = 1;
  m.userInnerCoefficientOn = 1;
  m.userInnerCoefficient = 15;
  CEgendefIsoProdukt& own = UserProduct(*doc, "Vlastní");
  own.SetPolynomial({0, 0, 0.0001f, 0.04f});
  m.insulation.Set(1, nullptr, 0, &own, 0);
  ExpectReport("user_product");
}

TEST_F(InternalCondensationGolden, BareDuctWithAGivenCoefficient) {
  m.ambientTemperature = 30;
  m.environment = 2;
  m.userOuterCoefficient = 8;
  ExpectReport("bare");
}

}  // namespace
}  // namespace kelvora
