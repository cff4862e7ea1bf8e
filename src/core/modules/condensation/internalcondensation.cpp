#include "core/modules/condensation/internalcondensation.h"

#include <cmath>
#include <optional>

#include "core/modules/common/outerrows.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/physics/dewpoint.h"
#include "core/physics/physics.h"
#include "core/physics/thicknessbracket.h"

namespace kelvora {

namespace {

constexpr float kTwoPi = 2.0f * kPi;
constexpr float kTolerance = 0.1f;  // K on the inner surface
constexpr float kStartLambda = 0.036f;
constexpr float kStartCoefficient = 10.0f;
constexpr float kNeedsInsulationAbove = 1.0001f;
constexpr float kBarePlateHeight = 1.0f;  // m

// The air in the duct and the duct's surroundings, computed once.
struct Duct {
  PhysicsInput in;  // surroundings and outer surface
  bool rectangular = false;
  float inlet = 0.0f;
  float dewPoint = 0.0f;
  float length = 0.0f;          // m, as entered
  float exchangeLength = 0.0f;  // m, with the allowance for suspensions
  float perimeter = 0.0f;       // inner, m
  float volumeFlow = 0.0f;      // m³/s
  float heatCapacity = 0.0f;    // J/m³K of the air
  float hi = 0.0f;
};

Duct DuctOf(const CInnvendigKondensModul& m) {
  Duct d;
  d.rectangular = m.rectangular != 0;
  d.in.kind = d.rectangular ? ObjectKind::RectDuctExternal : ObjectKind::CircularDuct;
  d.in.vertical = m.vertical != 0;
  d.in.environment = static_cast<Environment>(m.environment);
  d.in.ambientTemperature = m.ambientTemperature;
  d.in.diameter = Metres(m.diameter);
  d.in.width = Metres(m.width);
  d.in.height = Metres(m.height);
  d.in.windSpeed = m.windSpeed;
  d.in.emissivity = OuterEmissivity(m.environment, m.userEmissivityOn, m.Surface(), m.userEmissivity);
  d.in.userCoefficient = m.userOuterCoefficient;

  d.inlet = m.inletTemperature;
  d.dewPoint = DewPoint(m.relativeHumidity, d.inlet);
  d.length = m.length;
  const float allowance = !m.suspensionsOn ? 1.0f : m.environment == 1 ? 1.25f : 1.15f;
  d.exchangeLength = m.length * allowance;
  float area = 0.0f;
  float hydraulicDiameter = 0.0f;
  if (d.rectangular) {
    area = d.in.width * d.in.height;
    d.perimeter = 2.0f * d.in.width + 2.0f * d.in.height;
    hydraulicDiameter = 4.0f * area / d.perimeter;
  } else {
    area = kPi * d.in.diameter * d.in.diameter / 4.0f;
    d.perimeter = kPi * d.in.diameter;
    hydraulicDiameter = d.in.diameter;
  }
  d.heatCapacity = 1000.0f * (1.29f - 0.00346f * d.inlet);
  d.volumeFlow = VolumeFlow(m.flowUnit, m.flow, area);
  d.hi = m.userInnerCoefficientOn ? m.userInnerCoefficient
                                  : AirFilmCoefficient(d.inlet, d.volumeFlow / area, hydraulicDiameter);
  return d;
}

float OuterCoefficient(const Duct& d, float ts, float convectionLength, float plateHeight) {
  const PhysicsInput& in = d.in;
  return SurfaceCoefficient(in.environment, in.vertical, ts, in.ambientTemperature, convectionLength, false,
                            plateHeight, in.windSpeed, in.emissivity, in.userCoefficient);
}

// The air cooled along the duct by the per-metre coefficient of the state.
void Cool(const Duct& d, DuctCondensationState& s) {
  const float ta = d.in.ambientTemperature;
  s.outlet = ta + (d.inlet - ta) * std::exp(-d.exchangeLength * s.u / (d.volumeFlow * d.heatCapacity));
  s.innerSurface = s.outlet - (s.outlet - ta) * s.u / (d.hi * d.perimeter);
  // A duct of no length loses what its inlet loses.
  s.heatLoss = d.length > 0.0f ? d.heatCapacity * d.volumeFlow * (d.inlet - s.outlet) / d.length
                               : s.u * (d.inlet - ta);
}

bool Finite(const DuctCondensationState& s) {
  return std::isfinite(s.thickness) && std::isfinite(s.ts) && std::isfinite(s.ho) && std::isfinite(s.u) &&
         std::isfinite(s.outlet) && std::isfinite(s.innerSurface) && std::isfinite(s.heatLoss);
}

// One surface temperature tried by the balance of a thickness.
struct SurfaceTrial {
  float ts = 0.0f;
  float ho = 0.0f;
  float conducted = 0.0f;  // through the insulation, W/m
  float residual = 0.0f;   // conducted less what leaves the surface
};

// The duct insulated `thickness` thick, its outer surface balanced from `ts`, which takes
// the settled surface for the next thickness. Nothing when the balance does not settle.
std::optional<DuctCondensationState> AtThickness(const Duct& d, const LambdaPolynomial& lambda,
                                                 float thickness, float& ts) {
  const float ta = d.in.ambientTemperature;
  float outerPerimeter = 0.0f;
  float shape = 0.0f;
  float convectionLength = 0.0f;
  if (d.rectangular) {
    outerPerimeter = 2.0f * (d.in.width + 2.0f * thickness) + 2.0f * (d.in.height + 2.0f * thickness);
    shape = thickness / d.perimeter;
    convectionLength = outerPerimeter / kPi;
  } else {
    const float outer = d.in.diameter + 2.0f * thickness;
    outerPerimeter = kPi * outer;
    shape = std::log(outer / d.in.diameter) / kTwoPi;
    convectionLength = outer;
  }
  const auto trial = [&](float surface) {
    SurfaceTrial t;
    t.ts = surface;
    t.ho = OuterCoefficient(d, surface, convectionLength, d.in.height);
    t.conducted = lambda.Integral(surface, d.inlet) / shape;
    t.residual = t.conducted - t.ho * outerPerimeter * (surface - ta);
    return t;
  };
  DuctCondensationState s;
  s.thickness = thickness;
  SurfaceSecant secant(ts);
  float conducted = NAN;
  for (int pass = 0; pass < SurfaceSecant::kMaxTrials && std::isnan(conducted); ++pass) {
    const SurfaceTrial t = trial(secant.Ts());
    s.ts = t.ts;
    s.ho = t.ho;
    switch (secant.Step(t.conducted, t.conducted - t.residual, d.inlet, ta)) {
      case SurfaceSecant::Outcome::Continue:
        break;
      case SurfaceSecant::Outcome::Converged:
      case SurfaceSecant::Outcome::AtJump:
        conducted = t.conducted;
        break;
      case SurfaceSecant::Outcome::AtMedium:
        conducted = t.conducted - t.residual;
        break;
      default:
        return std::nullopt;
    }
  }
  if (std::isnan(conducted)) return std::nullopt;
  ts = s.ts;
  s.u = 1.0f / ((d.inlet - ta) / conducted + 1.0f / (d.hi * d.perimeter));
  Cool(d, s);
  if (!Finite(s)) return std::nullopt;
  return s;
}

DuctCondensationState Bare(const Duct& d) {
  DuctCondensationState s;
  s.ts = d.inlet;
  const float convectionLength = d.rectangular ? d.perimeter / kPi : d.in.diameter;
  s.ho = OuterCoefficient(d, d.inlet, convectionLength, kBarePlateHeight);
  s.u = 1.0f / (1.0f / (d.perimeter * d.hi) + 1.0f / (d.perimeter * s.ho));
  Cool(d, s);
  return s;
}

using Search = CondensationSearch<DuctCondensationState>;

// The first surface tried at `thickness`: a wall of λ0 behind the start coefficient.
float StartSurface(const Duct& d, float lambda0, float thickness) {
  const float ta = d.in.ambientTemperature;
  const float u0 = lambda0 / thickness;
  return (u0 * d.inlet + kStartCoefficient * ta) / (u0 + kStartCoefficient);
}

// The thickness that brings the inner surface at the outlet to the dew point.
Search RequiredThickness(const Duct& d, const LambdaPolynomial& lambda, float lambda0, float start) {
  if (start > ThicknessSecant::kMaxThickness) return {std::nullopt, CondensationStop::ThicknessExcess};
  float ts = StartSurface(d, lambda0, start);
  ThicknessSecant secant(start, true);
  for (int pass = 0; pass < ThicknessSecant::kMaxPasses; ++pass) {
    const auto s = AtThickness(d, lambda, secant.Thickness(), ts);
    if (!s) return {std::nullopt, CondensationStop::NotFinite};
    const float residual = s->innerSurface - d.dewPoint;
    if (std::fabs(residual) < kTolerance) {
      if (s->thickness > ThicknessSecant::kMaxThickness)
        return {std::nullopt, CondensationStop::ThicknessExcess};
      return {s};
    }
    switch (secant.Next(pass, residual)) {
      case ThicknessSecant::Step::Continue:
        break;
      case ThicknessSecant::Step::Excess:
        return {std::nullopt, CondensationStop::ThicknessExcess};
      case ThicknessSecant::Step::TooThin:
        return {s};
    }
  }
  const auto thicker = secant.ThickerOfBracket();
  if (!thicker) return {std::nullopt, CondensationStop::NotFinite};
  const auto s = AtThickness(d, lambda, *thicker, ts);
  if (!s) return {std::nullopt, CondensationStop::NotFinite};
  return {s};
}

// A thickness solved as given, and by how much the inner surface at the outlet falls below
// the dew point, in K: at most 0 where the duct stays dry.
using DryTrial = ThicknessTrial<DuctCondensationState>;

DryTrial TryDry(const Duct& d, const LambdaPolynomial& lambda, float lambda0, float thickness) {
  DryTrial t;
  t.d = thickness;
  float ts = StartSurface(d, lambda0, thickness);
  t.state = AtThickness(d, lambda, thickness, ts);
  if (t.state && std::isfinite(t.state->innerSurface)) t.excess = d.dewPoint - t.state->innerSurface;
  return t;
}

// A product whose curve has no positive constant starts from an ordinary wool.
float StartLambda(const LambdaPolynomial& lambda) { return lambda.c0 > 0.0f ? lambda.c0 : kStartLambda; }

}  // namespace

std::optional<DuctCondensationState> InternalCondensationAt(const CInnvendigKondensModul& m,
                                                            float thickness) {
  const LambdaPolynomial lambda = m.insulation.Product()->Polynomial();
  return TryDry(DuctOf(m), lambda, StartLambda(lambda), thickness).state;
}

InternalCondensationOutcome ComputeInternalCondensation(const CInnvendigKondensModul& m) {
  const CIsoProdukt& product = *m.insulation.Product();
  const LambdaPolynomial lambda = product.Polynomial();
  const float lambda0 = StartLambda(lambda);
  const Duct d = DuctOf(m);
  const float ta = d.in.ambientTemperature;
  InternalCondensationResult r;
  r.dewPoint = d.dewPoint;
  r.hi = d.hi;
  const float ratio = (d.inlet - ta) / (d.dewPoint - ta);
  // A wall of λ0 alone that brings the air at the outlet to the dew point.
  const float start =
      d.perimeter * d.exchangeLength * lambda0 / (d.volumeFlow * d.heatCapacity * std::log(ratio));
  if (!(ratio > kNeedsInsulationAbove) || !(start > 0.0f)) {
    r.bare = true;
    r.required = Bare(d);
  } else {
    const Search found = DryThickness(RequiredThickness(d, lambda, lambda0, start), kTolerance,
                                      [&](float t) { return TryDry(d, lambda, lambda0, t); });
    if (!found.state) return {std::nullopt, found.stop};
    r.required = *found.state;
    if (m.insulation.IsStandard()) {
      r.standardRow = true;
      r.standardMm = product.StandardThicknessFor(r.required.thickness, r.standardTextCz, r.standardTextEn);
      if (r.standardMm >= 0.0f) {
        float ts = r.required.ts;
        r.atStandard = AtThickness(d, lambda, Metres(r.standardMm), ts);
        if (!r.atStandard) return {std::nullopt, CondensationStop::NotFinite};
      }
    }
  }
  if (!Finite(r.required) || !std::isfinite(r.hi) || !std::isfinite(r.dewPoint))
    return {std::nullopt, CondensationStop::NotFinite};
  return {r};
}

}  // namespace kelvora
