#include "core/modules/heatloss/savings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "support/fakeplatform.h"

namespace kelvora {
namespace {

using testing::RecordingMessages;

// Expected totals below were worked by hand in double from the formulas; the code forms
// each in a handful of single-precision operations (about 6e-8 relative each), so 1e-5
// relative holds them, while a wrong factor or a missing term moves them by percents.
constexpr double kRelative = 1e-5;

void ExpectRelative(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * kRelative) << what;
}

std::string Czech(int id) { return std::string(LoadResourceString(id, Language::Czech)); }
std::string English(int id) { return std::string(LoadResourceString(id, Language::English)); }

// A module and the physics input it stands for, kept in step: sizes in mm in the module,
// in m in the input.
struct Case {
  Case() {
    product.SetPolynomial({0.0f, 0.0f, 0.0f, 0.04f});
    module.layers[0].Set(0, &product, 40.0f, nullptr, 0.0f);
    Pipe(50.0f);
    Temperatures(80.0f, 20.0f);
    Surroundings(Environment::UserCoefficient);
    in.userCoefficient = 10.0f;
    in.emissivity = 0.9f;
    in.bareEmissivity = 0.5f;
  }

  void Pipe(float mm) {
    module.diameter = mm;
    in.diameter = mm / 1000.0f;
  }
  void Kind(ObjectKind kind) {
    module.objectKind = static_cast<std::int32_t>(kind);
    in.kind = kind;
  }
  void Temperatures(float tm, float ta) {
    module.mediumTemperature = in.mediumTemperature = tm;
    module.ambientTemperature = in.ambientTemperature = ta;
  }
  void Surroundings(Environment e) {
    module.environment = static_cast<std::int32_t>(e);
    in.environment = e;
  }
  void AddEquipment(int count, float metres) {
    auto entry = std::make_unique<CTilleggsutstyr>();
    entry->userDefined = 1;
    entry->count = count;
    entry->equivalentLength = metres;
    module.equipment.push_back(std::move(entry));
  }
  // A result of `q` for the module's layers as they stand (type 0) or one layer of `d` m.
  HeatLossResult Result(float q, std::vector<float> thicknesses) const {
    HeatLossResult r;
    for (float t : thicknesses) r.thickness += t;
    r.flow.q = q;
    r.geometry = Geometry(in.kind, in.diameter, in.width, in.height, thicknesses);
    return r;
  }

  CIsoProdukt product;
  CVarmeTapModul module;
  PhysicsInput in;
  RecordingMessages messages;
};

// Pipe 50 mm, 10 m, 80 °C in 20 °C, user coefficient 10 W/m²K, 40 mm, q = 20 W/m, hangers
// and 3.5 m of equipment (2 x 1.5 m + 1 x 0.5 m), 8760 h, 0.6 per kWh, 750 g/kWh.
TEST(SavingsTotals, PipeWithHangersAndEquipmentWorkedByHand) {
  Case s;
  s.module.length = 10.0f;
  s.module.hangersOn = 1;
  s.module.equipmentOn = 1;
  s.AddEquipment(2, 1.5f);
  s.AddEquipment(1, 0.5f);
  const auto t = ComputeTotals(s.module, s.in, s.Result(20.0f, {0.04f}));
  ASSERT_TRUE(t);
  ExpectRelative(t->qWithHangers, 23.0, "qh = 20 x 1.15, user coefficient counts as indoors");
  ExpectRelative(t->transmittance, 20.0 / 60.0, "U = q / (Tm - Ta) before the allowance");
  ExpectRelative(t->total, 230.0, "Q = qh x 10 m");
  ExpectRelative(t->auxLength, 3.5, "Laux");
  // Bare pipe with a user coefficient: q0 = h pi D (Tm - Ta), no radiation term.
  ExpectRelative(t->bareQ, 94.2477796, "q0 = 10 pi 0.05 60");
  ExpectRelative(t->auxLoss, 329.867229, "Qaux = q0 Laux");
  EXPECT_TRUE(t->ShowsAuxiliaryRows());
  ExpectRelative(t->TotalWithAuxiliary(), 559.867229, "Q + Qaux");
  ExpectRelative(t->bareTotal, 942.477796, "Q0 = q0 x 10 m");
  ExpectRelative(t->savingPercent, 75.5962421, "(1 - qh / q0) 100, with the allowance");
  ExpectRelative(t->energy, 4904.43692, "E = (Q + Qaux) 8760 / 1000");
  ExpectRelative(t->bareEnergy, 8256.10549, "E0 = Q0 8760 / 1000");
  ExpectRelative(t->cost, 2942.66215, "E x 0.6");
  ExpectRelative(t->bareCost, 4953.66330, "E0 x 0.6");
  ExpectRelative(t->co2Saved, 2513.75143, "(E0 - E) 750 / 1000");
  ASSERT_EQ(t->amounts.size(), 1u);
  ExpectRelative(t->amounts[0], 4.08407045, "pi x 0.13 m x 10 m");
}

struct AllowanceRow {
  const char* name;
  ObjectKind kind;
  Environment environment;
  std::int32_t calculationType;
  std::int32_t hangersOn;
  std::int32_t equipmentOn;
  float hangerFactor;
  float auxLength;  // m, of the two entries below (3.5 m) or none
};

class SavingsAllowance : public ::testing::TestWithParam<AllowanceRow> {};

TEST_P(SavingsAllowance, AppliesOnlyWhereItBelongs) {
  const AllowanceRow& row = GetParam();
  Case s;
  s.Kind(row.kind);
  s.Surroundings(row.environment);
  s.module.calculationType = row.calculationType;
  s.module.hangersOn = row.hangersOn;
  s.module.equipmentOn = row.equipmentOn;
  s.AddEquipment(2, 1.5f);
  s.AddEquipment(1, 0.5f);
  const float q = 20.0f;
  const auto t = ComputeTotals(s.module, s.in, s.Result(q, {0.04f}));
  ASSERT_TRUE(t);
  EXPECT_FLOAT_EQ(t->qWithHangers, q * row.hangerFactor);
  EXPECT_FLOAT_EQ(t->transmittance, q / 60.0f) << "U stays unscaled";
  EXPECT_FLOAT_EQ(t->savingPercent, (1.0f - t->qWithHangers / t->bareQ) * 100.0f) << "saving uses qh";
  EXPECT_FLOAT_EQ(t->auxLength, row.auxLength);
  EXPECT_FLOAT_EQ(t->auxLoss, t->bareQ * row.auxLength);
  const float extent = IsPlane(row.kind) ? s.module.area : s.module.length;
  EXPECT_FLOAT_EQ(t->total, t->qWithHangers * extent);
  EXPECT_FLOAT_EQ(t->bareTotal, t->bareQ * extent);
  EXPECT_EQ(t->amounts.empty(), IsPlane(row.kind));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SavingsAllowance,
    ::testing::Values(
        AllowanceRow{"PipeOutdoors", ObjectKind::Pipe, Environment::Outdoors, 0, 1, 1, 1.25f, 3.5f},
        AllowanceRow{"PipeIndoors", ObjectKind::Pipe, Environment::Indoors, 0, 1, 1, 1.15f, 3.5f},
        AllowanceRow{"PipeUserCoefficient", ObjectKind::Pipe, Environment::UserCoefficient, 0, 1, 0, 1.15f,
                     0.0f},
        AllowanceRow{"CircularDuct", ObjectKind::CircularDuct, Environment::Indoors, 0, 1, 1, 1.15f, 0.0f},
        AllowanceRow{"RectDuctOutdoors", ObjectKind::RectDuctExternal, Environment::Outdoors, 0, 1, 1, 1.25f,
                     0.0f},
        AllowanceRow{"InternalDuct", ObjectKind::RectDuctInternal, Environment::Indoors, 0, 1, 1, 1.0f, 0.0f},
        AllowanceRow{"Plane", ObjectKind::Plane, Environment::Outdoors, 0, 1, 1, 1.0f, 0.0f},
        AllowanceRow{"PlaneInternal", ObjectKind::PlaneInternal, Environment::Indoors, 0, 1, 1, 1.0f, 0.0f},
        AllowanceRow{"HangersOff", ObjectKind::Pipe, Environment::Outdoors, 0, 0, 1, 1.0f, 3.5f},
        AllowanceRow{"ThicknessSearch", ObjectKind::Pipe, Environment::Outdoors, 1, 1, 1, 1.0f, 0.0f},
        AllowanceRow{"DegreeHours", ObjectKind::Pipe, Environment::Indoors, 3, 1, 1, 1.0f, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

struct AmountRow {
  const char* name;
  ObjectKind kind;
  std::int32_t layer2On;
  std::int32_t layer3On;
  std::vector<double> expected;  // m² per layer for 10 m, worked by hand
};

class SavingsAmount : public ::testing::TestWithParam<AmountRow> {};

// Pipe 50 mm and duct 400 x 200 mm; layers of 40, 30 and 20 mm; 10 m.
TEST_P(SavingsAmount, EachLayerAtItsOwnOuterSize) {
  const AmountRow& row = GetParam();
  Case s;
  s.Kind(row.kind);
  s.module.width = 400.0f;
  s.module.height = 200.0f;
  s.in.width = 0.4f;
  s.in.height = 0.2f;
  s.module.length = 10.0f;
  s.module.layer2On = row.layer2On;
  s.module.layer3On = row.layer3On;
  s.module.layers[1].standardThickness = 30.0f;
  s.module.layers[2].standardThickness = 20.0f;
  std::vector<float> used{0.04f};
  if (row.layer2On) used.push_back(0.03f);
  if (row.layer3On) used.push_back(0.02f);
  const auto t = ComputeTotals(s.module, s.in, s.Result(20.0f, used));
  ASSERT_TRUE(t);
  ASSERT_EQ(t->amounts.size(), row.expected.size());
  for (std::size_t k = 0; k < row.expected.size(); ++k)
    ExpectRelative(t->amounts[k], row.expected[k], row.name);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SavingsAmount,
    ::testing::Values(
        // pi x 0.13 x 10
        AmountRow{"PipeOneLayer", ObjectKind::Pipe, 0, 0, {4.08407045}},
        // pi x 0.13 x 10, pi x 0.19 x 10
        AmountRow{"PipeTwoLayers", ObjectKind::Pipe, 1, 0, {4.08407045, 5.96902604}},
        // layer 3 is the outer one: pi x 0.17 x 10
        AmountRow{"PipeLayerThreeOnly", ObjectKind::Pipe, 0, 1, {4.08407045, 5.34070751}},
        // pi x 0.13, 0.19, 0.23, each x 10
        AmountRow{"PipeThreeLayers", ObjectKind::Pipe, 1, 1, {4.08407045, 5.96902604, 7.22566310}},
        // outer 540 x 340 mm: (2 x 0.28 + 2 x 0.48) x 10, (2 x 0.34 + 2 x 0.54) x 10
        AmountRow{"RectDuctTwoLayers", ObjectKind::RectDuctExternal, 1, 0, {15.2, 17.6}},
        AmountRow{"Plane", ObjectKind::Plane, 1, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a temperature difference nothing flows, and the quotients U and the saving have
// no value: they read 0 rather than NaN.
TEST(SavingsTotals, NoTemperatureDifferenceStaysFinite) {
  Case s;
  s.Temperatures(20.0f, 20.0f);
  s.module.hangersOn = 1;
  const auto t = ComputeTotals(s.module, s.in, s.Result(0.0f, {0.04f}));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->transmittance, 0.0f);
  EXPECT_EQ(t->bareQ, 0.0f);
  EXPECT_EQ(t->savingPercent, 0.0f);
  EXPECT_EQ(t->co2Saved, 0.0f);
}

// Cold lines lose negative heat: the bare comparison and the energy keep that sign, and
// no equipment row is shown for a negative Qaux.
TEST(SavingsTotals, ColdLineKeepsItsSign) {
  Case s;
  s.Temperatures(-20.0f, 20.0f);
  s.module.equipmentOn = 1;
  s.AddEquipment(1, 2.0f);
  const auto t = ComputeTotals(s.module, s.in, s.Result(-5.0f, {0.04f}));
  ASSERT_TRUE(t);
  ExpectRelative(t->bareQ, -10.0 * 3.14159265 * 0.05 * 40.0, "q0 = h pi D (Tm - Ta)");
  EXPECT_LT(t->auxLoss, 0.0f);
  EXPECT_FALSE(t->ShowsAuxiliaryRows());
  EXPECT_LT(t->energy, 0.0f);
  EXPECT_GT(t->savingPercent, 0.0f);
}

// ---------------------------------------------------------------------------------------
// Regulation limits

struct LimitRow {
  float diameterMm;
  std::optional<float> limit;
};

class RegulationLimits : public ::testing::TestWithParam<LimitRow> {};

TEST_P(RegulationLimits, ByOutsideDiameter) {
  EXPECT_EQ(RegulationLimit(GetParam().diameterMm), GetParam().limit) << GetParam().diameterMm << " mm";
}

INSTANTIATE_TEST_SUITE_P(Table, RegulationLimits,
                         ::testing::Values(LimitRow{9.9f, std::nullopt}, LimitRow{10.0f, 0.15f},
                                           LimitRow{21.9f, 0.15f}, LimitRow{22.0f, 0.18f},
                                           LimitRow{43.0f, 0.18f}, LimitRow{43.5f, 0.27f},
                                           LimitRow{80.0f, 0.27f}, LimitRow{80.5f, 0.34f},
                                           LimitRow{150.0f, 0.34f}, LimitRow{150.5f, 0.40f},
                                           LimitRow{220.0f, 0.40f}, LimitRow{221.0f, std::nullopt}));

// ---------------------------------------------------------------------------------------
// Verdicts judged by U

struct VerdictRow {
  const char* name;
  ObjectKind kind;
  float diameterMm;
  Environment environment;
  float tm;
  float u;
  std::int32_t layer2On;
  bool placed;
  int verdictId;  // 0 when not placed
  std::uint32_t colour;
  int noteId;  // the same note in both languages
};

class RegulationVerdicts : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(RegulationVerdicts, TextsAndColour) {
  const VerdictRow& row = GetParam();
  Case s;
  s.Kind(row.kind);
  s.Pipe(row.diameterMm);
  s.Surroundings(row.environment);
  s.Temperatures(row.tm, 20.0f);
  s.module.layer2On = row.layer2On;
  const RegulationVerdict v = RegulationCheck(s.module, s.in, row.u, 40.0f, s.messages);
  EXPECT_TRUE(s.messages.shown.empty());
  ASSERT_EQ(v.placed, row.placed);
  if (!row.placed) {
    EXPECT_TRUE(v.verdictCzech.empty() && v.noteCzech.empty());
    return;
  }
  const float limit = *RegulationLimit(row.diameterMm);
  EXPECT_EQ(v.verdictCzech, FormatC(Czech(row.verdictId), {row.u, limit}));
  EXPECT_EQ(v.verdictEnglish, FormatC(English(row.verdictId), {row.u, limit}));
  EXPECT_EQ(v.colour, row.colour);
  EXPECT_EQ(v.noteCzech, Czech(row.noteId));
  EXPECT_EQ(v.noteEnglish, English(row.noteId));
  EXPECT_FALSE(v.requiredThicknessMm);
}

constexpr int kFails = ids::kRegulationFails;
constexpr int kComplies = ids::kRegulationComplies;
constexpr int kWarm = ids::kRegulationNoteWarm;
constexpr int kCold = ids::kRegulationNoteCold;
constexpr int kIndoorsOnly = ids::kRegulationNoteIndoorsOnly;
constexpr auto kIn = Environment::Indoors;
constexpr auto kOut = Environment::Outdoors;
constexpr auto kUser = Environment::UserCoefficient;

INSTANTIATE_TEST_SUITE_P(
    Rows, RegulationVerdicts,
    ::testing::Values(
        VerdictRow{"BelowLimit", ObjectKind::Pipe, 50.0f, kIn, 60.0f, 0.25f, 0, true, kComplies,
                   kVerdictGreen, kWarm},
        VerdictRow{"EqualToLimit", ObjectKind::Pipe, 22.0f, kIn, 60.0f, 0.18f, 0, true, kComplies,
                   kVerdictGreen, kWarm},
        VerdictRow{"AboveLimit", ObjectKind::Pipe, 43.5f, kIn, 60.0f, 0.28f, 0, true, kFails, kVerdictRed,
                   kWarm},
        VerdictRow{"FiveDegreesIsWarm", ObjectKind::Pipe, 220.0f, kIn, 5.0f, 0.41f, 0, true, kFails,
                   kVerdictRed, kWarm},
        VerdictRow{"UserCoefficientWarm", ObjectKind::Pipe, 100.0f, kUser, 60.0f, 0.3f, 0, true, kComplies,
                   kVerdictGreen, kIndoorsOnly},
        // Two layers of a cold line are judged by U too, with the cold note.
        VerdictRow{"ColdTwoLayers", ObjectKind::Pipe, 43.0f, kIn, 4.9f, 0.19f, 1, true, kFails, kVerdictRed,
                   kCold},
        VerdictRow{"ColdTwoLayersUser", ObjectKind::Pipe, 43.0f, kUser, -10.0f, 0.1f, 1, true, kComplies,
                   kVerdictGreen, kIndoorsOnly},
        VerdictRow{"Outdoors", ObjectKind::Pipe, 50.0f, kOut, 60.0f, 0.1f, 0, false, 0, 0, 0},
        VerdictRow{"TooThick", ObjectKind::Pipe, 221.0f, kIn, 60.0f, 0.1f, 0, false, 0, 0, 0},
        VerdictRow{"TooThin", ObjectKind::Pipe, 9.9f, kIn, 60.0f, 0.1f, 0, false, 0, 0, 0},
        VerdictRow{"Duct", ObjectKind::CircularDuct, 50.0f, kIn, 60.0f, 0.1f, 0, false, 0, 0, 0},
        VerdictRow{"NoTemperatureDifference", ObjectKind::Pipe, 50.0f, kIn, 20.0f, 0.0f, 0, false, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegulationVerdictText, PrintsTwoDecimalsAndLessThanAtTheLimit) {
  Case s;
  s.Pipe(22.0f);
  s.Temperatures(60.0f, 20.0f);
  const RegulationVerdict v = RegulationCheck(s.module, s.in, 0.18f, 40.0f, s.messages);
  EXPECT_EQ(v.verdictCzech, "U = 0.18 < 0.18 => VYHOVUJE požadavku vyhlášky č. 193/2007 Sb. ");
  EXPECT_EQ(v.verdictEnglish, "U = 0.18 < 0.18 => Complies with Regulation 193/2007 Coll. ");
}

// ---------------------------------------------------------------------------------------
// Required thickness of cold lines

// Closed form for a constant λ and a fixed surface coefficient h: the outer diameter Do
// at which the pipe loses q per metre solves (Tm - Ta) / q = ln(Do / D) / (2 pi λ) +
// 1 / (h pi Do), whose right side grows with Do; bisection in double.
double ClosedFormThickness(double d, double lambda, double h, double dT, double q) {
  const double resistance = dT / q;
  double lo = d;
  double hi = 100.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2.0;
    const double r =
        std::log(mid / d) / (2.0 * std::numbers::pi * lambda) + 1.0 / (h * std::numbers::pi * mid);
    (r < resistance ? lo : hi) = mid;
  }
  return (lo - d) / 2.0;
}

struct ClosedFormRow {
  const char* name;
  float diameterMm;
  float tm;
  float ta;
  float lambda;  // constant, W/mK
  float h;       // user coefficient, W/m²K
  float uLimit;
};

class RequiredThicknessClosedForm : public ::testing::TestWithParam<ClosedFormRow> {};

// The search stops with its heat-flow residual and its balance residual both under 0.1 W/m,
// so the true flow at the thickness it found lies within 0.2 W/m of q* = (Tm - Ta) U: the
// closed-form thicknesses for |q*| + 0.2 and |q*| - 0.2 bracket the answer (times 1.5).
TEST_P(RequiredThicknessClosedForm, WithinTheSearchTolerance) {
  const ClosedFormRow& row = GetParam();
  Case s;
  s.product.SetPolynomial({0.0f, 0.0f, 0.0f, row.lambda});
  s.Pipe(row.diameterMm);
  s.Temperatures(row.tm, row.ta);
  s.in.userCoefficient = row.h;
  const RequiredThickness r = RequiredThicknessForU(s.module, s.in, row.uLimit, s.messages);
  ASSERT_TRUE(r.found);
  EXPECT_TRUE(s.messages.shown.empty());
  const double d = row.diameterMm / 1000.0;
  const double dT = std::fabs(row.tm - row.ta);
  const double q = dT * row.uLimit;
  EXPECT_GE(r.mm, ClosedFormThickness(d, row.lambda, row.h, dT, q + 0.2) * 1500.0);
  EXPECT_LE(r.mm, ClosedFormThickness(d, row.lambda, row.h, dT, q - 0.2) * 1500.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, RequiredThicknessClosedForm,
                         ::testing::Values(
                             // Cold 30 mm pipe at the regulation limit 0.18 W/mK: q* = -7.2 W/m.
                             ClosedFormRow{"ColdPipeAtItsLimit", 30.0f, -20.0f, 20.0f, 0.04f, 8.0f, 0.18f},
                             // The start assumes 0.036 W/mK: (exp(2 pi 0.036 / 0.05) - 1) x 0.025 = 2.28 m,
                             // beyond 2 m, while the product's 0.008 W/mK needs about 44 mm.
                             ClosedFormRow{"StartBeyondTwoMetres", 50.0f, 80.0f, 20.0f, 0.008f, 10.0f,
                                           0.05f}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailureRow {
  const char* name;
  float tm;
  float ta;
  float uLimit;
  int messageId;
};

class RequiredThicknessFailure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(RequiredThicknessFailure, ShowsItsMessageAndReportsNothingFound) {
  const FailureRow& row = GetParam();
  Case s;
  s.Temperatures(row.tm, row.ta);
  const RequiredThickness r = RequiredThicknessForU(s.module, s.in, row.uLimit, s.messages);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.mm, 0.0f);
  ASSERT_EQ(s.messages.shown.size(), 1u);
  EXPECT_EQ(s.messages.shown[0], Czech(row.messageId));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RequiredThicknessFailure,
    ::testing::Values(
        // q* = 1 W/m at 500 K: exp(2 pi 0.036 x 500) is past the float range, start infinite.
        FailureRow{"StartOverflows", 520.0f, 20.0f, 0.002f, ids::kInsulationThicknessExcess},
        // exp(2 pi 0.036 / 0.02) - 1 = 8.1e4, times D / 2 = 0.025 m: a start of 2 km, from
        // which the product of 0.04 W/mK finds nothing either.
        FailureRow{"StartFarBeyondTwoMetres", -20.0f, 20.0f, 0.02f, ids::kInsulationThicknessExcess},
        // U 0.0001 W/mK: a start of exp(2 pi 0.036 / 0.0001) is infinite.
        FailureRow{"TinyLimit", 20.0f, 40.0f, 0.0001f, ids::kInsulationThicknessExcess}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequiredThickness, WithoutProductFails) {
  Case s;
  s.module.layers[0].Set(0, nullptr, 40.0f, nullptr, 0.0f);
  s.Temperatures(-20.0f, 20.0f);
  const RequiredThickness r = RequiredThicknessForU(s.module, s.in, 0.18f, s.messages);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(s.messages.shown.size(), 1u);
}

// Without a temperature difference the bare pipe loses nothing and meets any limit.
TEST(RequiredThickness, NoTemperatureDifferenceNeedsNone) {
  Case s;
  s.Temperatures(4.0f, 4.0f);
  const RequiredThickness r = RequiredThicknessForU(s.module, s.in, 0.18f, s.messages);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.mm, 0.0f);
  EXPECT_TRUE(s.messages.shown.empty());
}

// A cold single layer is judged by thickness: green only when the given thickness is
// strictly greater than the required one.
TEST(RegulationColdLine, VerdictIsTheRequiredThickness) {
  Case s;
  s.Pipe(30.0f);
  s.Temperatures(4.9f, 20.0f);
  const RequiredThickness required = RequiredThicknessForU(s.module, s.in, 0.18f, s.messages);
  ASSERT_TRUE(required.found);
  for (const auto& [type, layer2On] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{2, 1}, std::pair{3, 0}}) {
    s.module.calculationType = type;
    s.module.layer2On = layer2On;
    for (const auto& [given, colour] :
         {std::pair{required.mm, kVerdictRed}, std::pair{std::nextafter(required.mm, 1e9f), kVerdictGreen},
          std::pair{required.mm / 2.0f, kVerdictRed}}) {
      const RegulationVerdict v = RegulationCheck(s.module, s.in, 0.01f, given, s.messages);
      ASSERT_TRUE(v.placed);
      EXPECT_EQ(v.requiredThicknessMm, required.mm);
      EXPECT_EQ(v.colour, colour) << "type " << type << ", given " << given;
      EXPECT_EQ(v.verdictCzech, FormatC(Czech(ids::kRegulationRequiredThickness), {required.mm}));
      EXPECT_EQ(v.verdictEnglish, FormatC(English(ids::kRegulationRequiredThickness), {required.mm}));
      EXPECT_EQ(v.noteCzech, Czech(kIndoorsOnly)) << "user coefficient";
      EXPECT_EQ(v.noteEnglish, English(kIndoorsOnly)) << "user coefficient";
    }
  }
  EXPECT_TRUE(s.messages.shown.empty());
}

// A failed search shows 0 mm, and no given thickness counts as meeting it.
TEST(RegulationColdLine, FailedSearchIsNeverGreen) {
  Case s;
  s.Pipe(30.0f);
  s.Temperatures(4.9f, 20.0f);
  s.product.SetPolynomial({0.0f, 0.0f, 0.0f, 40.0f});  // conducts so well that no thickness helps
  const RegulationVerdict v = RegulationCheck(s.module, s.in, 0.01f, 100.0f, s.messages);
  ASSERT_TRUE(v.placed);
  EXPECT_FALSE(v.requiredThicknessFound);
  EXPECT_EQ(v.requiredThicknessMm, 0.0f);
  EXPECT_EQ(v.colour, kVerdictRed);
  EXPECT_EQ(s.messages.shown.size(), 1u);
}

// Over pipes, temperatures and surroundings the search either finds a thickness at which
// the single-layer solve loses q* within the tolerances (0.2 W/m for the search's own
// stopping point, 0.1 W/m for the solve's), or shows exactly one message and reports 0.
TEST(RequiredThickness, SweepFindsOnlyWhatSolvesConfirm) {
  const LambdaPolynomial wool{0.0f, 2e-7f, 1e-4f, 0.035f};
  for (const float mm : {10.0f, 21.3f, 33.7f, 48.3f, 88.9f, 159.0f, 219.1f}) {
    for (const float tm : {-40.0f, -10.0f, 0.0f, 4.9f, 60.0f, 150.0f}) {
      for (const float ta : {15.0f, 25.0f}) {
        for (const Environment e : {kIn, kUser, kOut}) {
          Case s;
          s.product.SetPolynomial(wool);
          s.Pipe(mm);
          s.Temperatures(tm, ta);
          s.Surroundings(e);
          s.in.userCoefficient = 8.0f;
          const float limit = *RegulationLimit(mm);
          const std::string where =
              FormatC("D %.1f mm, Tm %.1f, Ta %.1f, environment %d", {mm, tm, ta, static_cast<int>(e)});
          const RequiredThickness r = RequiredThicknessForU(s.module, s.in, limit, s.messages);
          if (!r.found) {
            EXPECT_EQ(r.mm, 0.0f) << where;
            EXPECT_EQ(s.messages.shown.size(), 1u) << where;
            continue;
          }
          EXPECT_TRUE(s.messages.shown.empty()) << where;
          ASSERT_TRUE(std::isfinite(r.mm)) << where;
          if (r.mm == 0.0f) continue;
          const auto solved = SolveSingleLayer(s.in, {wool, r.mm / 1500.0f});
          ASSERT_TRUE(solved) << where;
          EXPECT_NEAR(solved->q, (tm - ta) * limit, 0.3f) << where;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvora
