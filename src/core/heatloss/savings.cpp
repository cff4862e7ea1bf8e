#include "core/heatloss/savings.h"

#include <cmath>

#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/heatloss/varmetapmodul.h"

namespace kelvora {
namespace {

constexpr float kTolerance = 0.1f;
constexpr int kMaxIterations = 100;
constexpr float kMaxThickness = 2.0f;      // m
constexpr float kMinThickness = 0.00005f;  // m
constexpr float kFirstStep = 0.02f;        // m
constexpr float kStartLambda = 0.036f;
constexpr float kColdLine = 5.0f;  // °C
constexpr float kColdLineFactor = 1.5f;

bool Hanging(ObjectKind kind) {
  return kind == ObjectKind::Pipe || kind == ObjectKind::CircularDuct || kind == ObjectKind::RectDuctExternal;
}

float HangerFactor(Environment environment) { return environment == Environment::Outdoors ? 1.25f : 1.15f; }

// The thicknesses in m of the layers a solve used, inner first.
std::vector<float> UsedThicknesses(const CVarmeTapModul& module, const HeatLossResult& result) {
  if (module.calculationType != 0) return {result.thickness};
  std::vector<float> d{module.layers[0].Thickness() / 1000.0f};
  if (module.layer2On) d.push_back(module.layers[1].Thickness() / 1000.0f);
  if (module.layer3On) d.push_back(module.layers[2].Thickness() / 1000.0f);
  return d;
}

// Each layer's outer surface: its own outer size, that is the build-up's outer size less
// the layers outside it.
std::vector<float> Amounts(ObjectKind kind, const ObjectGeometry& g, const std::vector<float>& thicknesses,
                           float length) {
  std::vector<float> amounts;
  if (IsPlane(kind)) return amounts;
  for (std::size_t k = 0; k < thicknesses.size(); ++k) {
    float outside = 0.0f;
    for (std::size_t j = k + 1; j < thicknesses.size(); ++j) outside += thicknesses[j];
    if (IsCylindrical(kind)) {
      amounts.push_back(kPi * (g.outerDiameter - 2.0f * outside) * length);
    } else {
      amounts.push_back((2.0f * (g.outerHeight - 2.0f * outside) + 2.0f * (g.outerWidth - 2.0f * outside)) *
                        length);
    }
  }
  return amounts;
}

std::string Text(int id, Language language, float a, float b) {
  return FormatC(LoadResourceString(id, language), {a, b});
}

std::string Text(int id, Language language) { return std::string(LoadResourceString(id, language)); }

// The two-phase search of the heat-loss target for a pipe of one layer: alternately the
// thickness that conducts the target and the surface temperature that balances the
// conducted and the surface flows. Thickness in m, or nothing after its message.
std::optional<float> SearchPipeThickness(const PhysicsInput& in, const LambdaPolynomial& lambda, float target,
                                         Messages& messages) {
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float dPipe = in.diameter;
  const float sign = tm < ta ? -1.0f : 1.0f;
  auto tooThick = [&messages]() -> std::optional<float> {
    messages.Show(LoadResourceString(ids::kInsulationThicknessExcess, Language::Czech));
    return std::nullopt;
  };
  // A small target against a large difference puts the exponent past single precision.
  float d =
      (std::exp(2.0f * kPi * kStartLambda * std::fabs(tm - ta) / std::fabs(target)) - 1.0f) * dPipe / 2.0f;
  if (!std::isfinite(d)) return tooThick();
  // A start beyond 2 m is still searched from, as the heat-loss search does, since the
  // product's conductivity may bring it back; finding nothing from there is excess thickness.
  const int unfoundId = d > kMaxThickness ? ids::kInsulationThicknessExcess : ids::kCalculationInterrupted;
  auto unsettled = [&messages, unfoundId]() -> std::optional<float> {
    messages.Show(LoadResourceString(unfoundId, Language::Czech));
    return std::nullopt;
  };
  if (!(d >= kMinThickness)) return unsettled();
  auto found = [&tooThick](float thickness) { return thickness > kMaxThickness ? tooThick() : thickness; };
  float ts = StartSurfaceTemperature(tm, ta, d);

  bool thicknessPhase = true;
  float rPrev = 0.0f;
  float dPrev = 0.0f;
  float tsPrev = 0.0f;
  for (int n = 0; n < kMaxIterations; ++n) {
    const float thicknesses[] = {d};
    const ObjectGeometry g = Geometry(ObjectKind::Pipe, dPipe, 0.0f, 0.0f, thicknesses);
    const float ho = SurfaceCoefficient(in.environment, in.vertical, ts, ta, g.outerDiameter, false,
                                        in.height, in.windSpeed, in.emissivity, in.userCoefficient);
    const float qc = lambda.Integral(ts, tm) / ShapeFactor(ObjectKind::Pipe, dPipe, d, g.perimeter);
    const float qs = ho * g.perimeter * (ts - ta);
    const float r = qc - target;  // thickness residual, the same sign in both phases
    const float s = qc - qs;      // surface residual
    if (!std::isfinite(r) || !std::isfinite(s)) return unsettled();

    if (thicknessPhase) {
      if (std::fabs(r) < kTolerance) {
        if (std::fabs(s) < kTolerance) return found(d);
        thicknessPhase = false;
        rPrev = s;
        tsPrev = ts;
        ts = ts + 3.0f;
        if (std::fabs(ts - ta) < kTolerance) ts = ts - 1.0f;
        continue;
      }
      if (n == 0) {
        rPrev = r;
        dPrev = d;
        if (d + kFirstStep > kMaxThickness && d <= kMaxThickness) return tooThick();
        d = d + kFirstStep;
        continue;
      }
      // Equal residuals leave the step undefined; this residual already missed.
      if (r == rPrev) return unsettled();
      float next = d + (d - dPrev) * r / (rPrev - r);
      if (!std::isfinite(next) || next > kMaxThickness) return tooThick();
      if (next < kMinThickness) {
        // Both trials are bare: that is an answer only when the bare pipe stays within the
        // target. Where thin insulation loses more than none, the secant also ends here.
        if (d < kMinThickness) return sign * r < kTolerance ? std::optional<float>(0.0f) : unsettled();
        next = d / 2.0f;
      }
      rPrev = r;
      dPrev = d;
      d = next;
      continue;
    }

    if (std::fabs(s) >= kTolerance) {
      if (s == rPrev) return unsettled();
      const float next = ts + (ts - tsPrev) * s / (rPrev - s);
      if (!std::isfinite(next)) return unsettled();
      rPrev = s;
      tsPrev = ts;
      ts = next;
      continue;
    }
    if (std::fabs(r) < kTolerance) return found(d);
    thicknessPhase = true;
    rPrev = r;
    dPrev = d;
    if (d + kFirstStep > kMaxThickness && d <= kMaxThickness) return tooThick();
    d = d + kFirstStep;
  }
  return unsettled();
}

}  // namespace

std::optional<SavingsResult> ComputeTotals(const CVarmeTapModul& module, const PhysicsInput& in,
                                           const HeatLossResult& result) {
  const ObjectKind kind = in.kind;
  const bool typeZero = module.calculationType == 0;
  const std::vector<float> thicknesses = UsedThicknesses(module, result);
  const auto bare = BareSurfaceLoss(in, thicknesses.front());
  if (!bare) return std::nullopt;

  SavingsResult s;
  s.q = result.flow.q;
  s.qWithHangers = typeZero && module.hangersOn && Hanging(kind) ? s.q * HangerFactor(in.environment) : s.q;
  const float dT = in.mediumTemperature - in.ambientTemperature;
  // No temperature difference drives no flow; the quotient has no value then.
  s.transmittance = dT != 0.0f ? s.q / dT : 0.0f;
  const float extent = IsPlane(kind) ? module.area : module.length;
  s.total = s.qWithHangers * extent;
  if (typeZero && kind == ObjectKind::Pipe && module.equipmentOn) {
    for (const auto& entry : module.equipment) s.auxLength += entry->EquivalentLength(module.diameter);
  }
  s.bareQ = bare->q;
  s.auxLoss = s.bareQ * s.auxLength;
  s.bareTotal = s.bareQ * extent;
  s.savingPercent = s.bareQ != 0.0f ? (1.0f - s.qWithHangers / s.bareQ) * 100.0f : 0.0f;
  s.energy = (s.total + s.auxLoss) * module.operatingHours / 1000.0f;
  s.bareEnergy = s.bareTotal * module.operatingHours / 1000.0f;
  s.cost = s.energy * module.energyPrice;
  s.bareCost = s.bareEnergy * module.energyPrice;
  s.co2Saved = (s.bareEnergy - s.energy) * module.co2Factor / 1000.0f;
  s.amounts = Amounts(kind, result.geometry, thicknesses, module.length);
  return s;
}

std::optional<float> RegulationLimit(float diameterMm) {
  const float d = diameterMm;
  if (d < 10.0f || d > 220.0f) return std::nullopt;
  if (d < 22.0f) return 0.15f;
  if (d <= 43.0f) return 0.18f;
  if (d <= 80.0f) return 0.27f;
  if (d <= 150.0f) return 0.34f;
  return 0.40f;
}

RegulationVerdict RegulationCheck(const CVarmeTapModul& module, const PhysicsInput& in, float u,
                                  float thicknessMm, Messages& messages) {
  RegulationVerdict v;
  const auto limit = RegulationLimit(module.diameter);
  const float tm = in.mediumTemperature;
  // Without a temperature difference U has no value to compare.
  if (in.kind != ObjectKind::Pipe || !limit || in.environment == Environment::Outdoors ||
      tm == in.ambientTemperature || !std::isfinite(u)) {
    return v;
  }

  const bool cold = tm < kColdLine;
  const int layerCount = 1 + (module.layer2On ? 1 : 0) + (module.layer3On ? 1 : 0);
  if (cold && (module.calculationType != 0 || layerCount == 1)) {
    const RequiredThickness required = RequiredThicknessForU(module, in, *limit, messages);
    v.requiredThicknessMm = required.mm;
    v.requiredThicknessFound = required.found;
    v.verdictCzech =
        FormatC(LoadResourceString(ids::kRegulationRequiredThickness, Language::Czech), {required.mm});
    v.verdictEnglish =
        FormatC(LoadResourceString(ids::kRegulationRequiredThickness, Language::English), {required.mm});
    // A search that found nothing shows 0 mm, which no thickness may be said to meet.
    v.colour = required.found && thicknessMm > required.mm ? kVerdictGreen : kVerdictRed;
  } else {
    const bool complies = u <= *limit;
    const int id = complies ? ids::kRegulationComplies : ids::kRegulationFails;
    v.verdictCzech = Text(id, Language::Czech, u, *limit);
    v.verdictEnglish = Text(id, Language::English, u, *limit);
    v.colour = complies ? kVerdictGreen : kVerdictRed;
  }

  const int note = cold ? ids::kRegulationNoteCold : ids::kRegulationNoteWarm;
  v.noteCzech = Text(in.environment == Environment::UserCoefficient ? ids::kRegulationNoteIndoorsOnly : note,
                     Language::Czech);
  v.noteEnglish = Text(note, Language::English);
  v.placed = true;
  return v;
}

RequiredThickness RequiredThicknessForU(const CVarmeTapModul& module, const PhysicsInput& in, float uLimit,
                                        Messages& messages) {
  const CIsoProdukt* product = module.layers[0].Product();
  if (!product) {
    messages.Show(LoadResourceString(ids::kCalculationInterrupted, Language::Czech));
    return {};
  }
  PhysicsInput pipe = in;
  pipe.kind = ObjectKind::Pipe;
  const float target = (in.mediumTemperature - in.ambientTemperature) * uLimit;
  const auto d = SearchPipeThickness(pipe, product->Polynomial(), target, messages);
  if (!d) return {};
  return {*d * 1000.0f * kColdLineFactor, true};
}

}  // namespace kelvora
