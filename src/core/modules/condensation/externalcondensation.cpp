#include "core/modules/condensation/externalcondensation.h"

#include <cmath>

#include "core/modules/common/outerrows.h"
#include "core/modules/condensation/condensationsearch.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "core/physics/dewpoint.h"
#include "core/physics/thicknessbracket.h"

namespace kelvora {

namespace {

constexpr float kTolerance = 0.1f;  // W/m, W/m²
constexpr float kStartLambda = 0.036f;
constexpr float kStartCoefficient = 10.0f;
constexpr float kPlaneLength = 1.0f;  // m, over which a lying plane convects

// The outer sizes at `thickness`; a rectangle convects like the circle of its outer perimeter.
ObjectGeometry GeometryAt(const PhysicsInput& in, float thickness) {
  const float thicknesses[] = {thickness};
  ObjectGeometry g = Geometry(in.kind, in.diameter, in.width, in.height, thicknesses);
  if (!IsCylindrical(in.kind) && !IsPlane(in.kind)) g.convectionLength = g.perimeter / kPi;
  return g;
}

// The object at `thickness` with its surface at `ts`: its coefficient and the heat that
// leaves the surface. At thickness 0 and ts = Tm this is the bare object.
CondensationState StateAt(const PhysicsInput& in, float thickness, float ts) {
  CondensationState s;
  s.thickness = thickness;
  s.ts = ts;
  s.geometry = GeometryAt(in, thickness);
  s.ho =
      SurfaceCoefficient(in.environment, in.vertical, ts, in.ambientTemperature, s.geometry.convectionLength,
                         IsPlane(in.kind), in.height, in.windSpeed, in.emissivity, in.userCoefficient);
  const float perimeter = IsPlane(in.kind) ? 1.0f : s.geometry.perimeter;
  s.q = s.ho * perimeter * (ts - in.ambientTemperature);
  return s;
}

// Heat through the insulation of the state from the medium to its surface.
float ConductedFlow(const PhysicsInput& in, const LambdaPolynomial& lambda, const CondensationState& s) {
  return lambda.Integral(s.ts, in.mediumTemperature) /
         ShapeFactor(in.kind, in.diameter, s.thickness, s.geometry.perimeter);
}

using Search = CondensationSearch<CondensationState>;

// The thickness whose surface, held at the dew point, passes on what the insulation conducts.
Search RequiredThickness(const PhysicsInput& in, const LambdaPolynomial& lambda, float dewPoint,
                         float start) {
  if (start > ThicknessSecant::kMaxThickness) return {std::nullopt, CondensationStop::ThicknessExcess};
  ThicknessSecant secant(start, false);
  for (int pass = 0; pass < ThicknessSecant::kMaxPasses; ++pass) {
    const CondensationState s = StateAt(in, secant.Thickness(), dewPoint);
    const float residual = ConductedFlow(in, lambda, s) - s.q;
    if (!std::isfinite(residual)) return {std::nullopt, CondensationStop::NotFinite};
    if (std::fabs(residual) < kTolerance) {
      if (s.thickness > ThicknessSecant::kMaxThickness)
        return {std::nullopt, CondensationStop::ThicknessExcess};
      return {s};
    }
    if (secant.Next(pass, residual) == ThicknessSecant::Step::Excess)
      return {std::nullopt, CondensationStop::ThicknessExcess};
  }
  const auto thicker = secant.ThickerOfBracket();
  if (!thicker) return {std::nullopt, CondensationStop::NotFinite};
  return {StateAt(in, *thicker, dewPoint)};
}

// The object insulated `thickness` thick with its surface balanced; `settled` unless the
// iteration ran out or stopped on a value that is no number.
struct Balanced {
  std::optional<CondensationState> state;
  bool settled = false;
};

Balanced BalanceAt(const PhysicsInput& in, const LambdaPolynomial& lambda, float thickness) {
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  SurfaceSecant secant(StartSurfaceTemperature(tm, ta, thickness));
  CondensationState s;
  auto outcome = SurfaceSecant::Outcome::Continue;
  for (int pass = 0; pass < SurfaceSecant::kMaxTrials && outcome == SurfaceSecant::Outcome::Continue;
       ++pass) {
    s = StateAt(in, thickness, secant.Ts());
    const float conducted = ConductedFlow(in, lambda, s);
    if (!std::isfinite(conducted) || !std::isfinite(s.q)) return {};
    outcome = secant.Step(conducted, s.q, tm, ta);
  }
  return {s, outcome != SurfaceSecant::Outcome::OutOfSteps && outcome != SurfaceSecant::Outcome::NotFinite};
}

// The surface temperature a standard thickness settles at; the values of the last pass
// where the iteration does not settle. Nothing when a value is not finite.
std::optional<CondensationState> AtStandardThickness(const PhysicsInput& in, const LambdaPolynomial& lambda,
                                                     float thickness) {
  return BalanceAt(in, lambda, thickness).state;
}

// A thickness solved as given, and by how much its surface falls below the dew point, in
// W/m (W/m² for planes) of the surface flow: at most 0 where it stays dry.
using DryTrial = ThicknessTrial<CondensationState>;

DryTrial TryDry(const PhysicsInput& in, const LambdaPolynomial& lambda, float dewPoint, float d) {
  DryTrial t;
  t.d = d;
  Balanced b = BalanceAt(in, lambda, d);
  if (!b.settled) return t;
  t.state = std::move(b.state);
  const float conductance = t.state->ho * (IsPlane(in.kind) ? 1.0f : t.state->geometry.perimeter);
  const float excess = (dewPoint - t.state->ts) * conductance;
  if (std::isfinite(excess)) t.excess = excess;
  return t;
}

bool Finite(const CondensationState& s) {
  return std::isfinite(s.thickness) && std::isfinite(s.ts) && std::isfinite(s.ho) && std::isfinite(s.q);
}

}  // namespace

PhysicsInput CondensationPhysicsInput(const CUtvendigKondensModul& m) {
  PhysicsInput in;
  in.kind = static_cast<ObjectKind>(m.kind);
  in.vertical = m.vertical != 0;
  in.environment = static_cast<Environment>(m.environment);
  in.mediumTemperature = m.mediumTemperature;
  in.ambientTemperature = m.ambientTemperature;
  in.diameter = Metres(m.diameter);
  in.width = Metres(m.width);
  in.height = IsPlane(in.kind) && !in.vertical ? kPlaneLength : Metres(m.height);
  in.windSpeed = m.windSpeed;
  in.emissivity = OuterEmissivity(m.environment, m.userEmissivityOn, m.Surface(), m.userEmissivity);
  in.userCoefficient = m.userOuterCoefficient;
  return in;
}

std::optional<CondensationState> ExternalCondensationAt(const CUtvendigKondensModul& m, float thickness) {
  Balanced b = BalanceAt(CondensationPhysicsInput(m), m.insulation.Product()->Polynomial(), thickness);
  if (!b.settled) return std::nullopt;
  return b.state;
}

ExternalCondensationOutcome ComputeExternalCondensation(const CUtvendigKondensModul& m) {
  const CIsoProdukt& product = *m.insulation.Product();
  const LambdaPolynomial lambda = product.Polynomial();
  const PhysicsInput in = CondensationPhysicsInput(m);
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  ExternalCondensationResult r;
  r.dewPoint = DewPoint(m.relativeHumidity, ta);
  // A plane wall of 0.036 W/mK behind a surface coefficient of 10 W/m²K.
  const float start = (tm - r.dewPoint) / (r.dewPoint - ta) * kStartLambda / kStartCoefficient;
  if (!(start > 0.0f)) {
    r.bare = true;
    r.required = StateAt(in, 0.0f, tm);
  } else {
    const Search found = DryThickness(RequiredThickness(in, lambda, r.dewPoint, start), kTolerance,
                                      [&](float t) { return TryDry(in, lambda, r.dewPoint, t); });
    if (!found.state) return {std::nullopt, found.stop};
    r.required = *found.state;
    const float s = r.required.thickness;
    if (in.kind == ObjectKind::RectDuctInternal && (in.width < 2.0f * s || in.height < 2.0f * s))
      return {std::nullopt, CondensationStop::TooThickForDuct};
    if (m.insulation.IsStandard()) {
      r.standardRow = true;
      r.standardMm = product.StandardThicknessFor(s, r.standardTextCz, r.standardTextEn);
      if (r.standardMm > 0.0f) {
        r.atStandard = AtStandardThickness(in, lambda, Metres(r.standardMm));
        if (!r.atStandard || !Finite(*r.atStandard)) return {std::nullopt, CondensationStop::NotFinite};
      }
    }
  }
  if (!Finite(r.required)) return {std::nullopt, CondensationStop::NotFinite};
  return {r};
}

}  // namespace kelvora
