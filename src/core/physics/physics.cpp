#include "core/physics/physics.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kelvora {
namespace {

constexpr float kTwoPi = 2.0f * kPi;
constexpr float kStartLambda = 0.036f;
constexpr float kTolerance = 0.1f;
constexpr float kMediumGuard = 0.05f;
constexpr int kThreeLayerPasses = 20;

float TotalThickness(std::span<const float> thicknesses) {
  float d = 0.0f;
  for (const float t : thicknesses) d += t;
  return d;
}

// Heat leaving the outer surface: per metre, or per m² for planes.
float SurfaceFlow(ObjectKind kind, float ho, float perimeter, float ts, float ta) {
  return IsPlane(kind) ? ho * (ts - ta) : ho * perimeter * (ts - ta);
}

bool AllFinite(std::initializer_list<float> values) {
  return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

std::optional<HeatFlowSolution> Finite(const HeatFlowSolution& s) {
  if (!AllFinite({s.q, s.ts, s.ti, s.ho, s.hi, s.t12, s.t23, s.lambdas[0], s.lambdas[1], s.lambdas[2]})) {
    return std::nullopt;
  }
  return s;
}

// A settled secant may still be no solution: a wild step (two layers right after their
// conductivities first change) can reach temperatures far below absolute zero, where the
// radiation quotient or the conductivity polynomial changes sign and the balance has roots
// no object has. A real balance puts the surface between Ta and Tm, up to the guard near Tm
// and the residual tolerance expressed in kelvin.
std::optional<HeatFlowSolution> Settled(const HeatFlowSolution& s, ObjectKind kind, float perimeter, float tm,
                                        float ta) {
  if (!(s.ho >= 0.0f)) return std::nullopt;
  const float conductance = IsPlane(kind) ? s.ho : s.ho * perimeter;
  const float slack = kMediumGuard + kTolerance / conductance;
  if (s.ts < std::min(tm, ta) - slack || s.ts > std::max(tm, ta) + slack) return std::nullopt;
  return Finite(s);
}

// The solution a finished surface iteration leaves: the conductive flow when it converged
// (or settled at the jump of free convection), the surface flow when it stopped at the medium temperature,
// else nothing.
std::optional<HeatFlowSolution> Conclude(SurfaceSecant::Outcome outcome, HeatFlowSolution& s, float qc,
                                         float qs, ObjectKind kind, float perimeter, float tm, float ta) {
  switch (outcome) {
    case SurfaceSecant::Outcome::Converged:
    case SurfaceSecant::Outcome::AtJump:
      s.q = qc;
      return Settled(s, kind, perimeter, tm, ta);
    case SurfaceSecant::Outcome::AtMedium:
      s.q = qs;
      return Settled(s, kind, perimeter, tm, ta);
    default:
      return std::nullopt;
  }
}

}  // namespace

SurfaceSecant::Outcome SurfaceSecant::Step(float qc, float qs, float tm, float ta) {
  const float r = qc - qs;
  ++trials;
  if (!std::isfinite(r)) return Outcome::NotFinite;
  if (std::fabs(r) < kTolerance) return Outcome::Converged;
  if (bisections >= 0) return Bisect(r);
  (r > 0.0f ? above : below) = Side{ts, r};
  return Advance(r, tm, ta);
}

SurfaceSecant::Outcome SurfaceSecant::Advance(float r, float tm, float ta) {
  if (trials == 1) {
    tsPrev = ts;
    rPrev = r;
    ts = ts + 3.0f;
    // Not onto Ta, where the radiation quotient has no value.
    if (std::fabs(ts - ta) < kTolerance) ts = ts - 1.0f;
    return Outcome::Continue;
  }
  // Two equal residuals in a row leave the step undefined: it divides by zero. The
  // current values are no result then: their residual already missed the tolerance, and
  // after a wild step the secant can freeze on a trial whose flows differ by tens of
  // thousands of W/m.
  const float next = ts + (ts - tsPrev) * r / (rPrev - r);
  if (!std::isfinite(next)) return StartBisection() ? Outcome::Continue : Outcome::NotFinite;
  // The surface sits at the medium temperature: the conductive flow is then a difference
  // of nearly equal numbers and the surface flow the better value.
  if (std::fabs(next - tm) < kMediumGuard && std::fabs(ts - tm) < kMediumGuard) return Outcome::AtMedium;
  rPrev = r;
  tsPrev = ts;
  ts = next;
  if (trials < kSteps) return Outcome::Continue;
  return StartBisection() ? Outcome::Continue : Outcome::OutOfSteps;
}

bool SurfaceSecant::StartBisection() {
  if (!above || !below) return false;
  bisections = 0;
  ts = (above->ts + below->ts) / 2.0f;
  return true;
}

SurfaceSecant::Outcome SurfaceSecant::Bisect(float r) {
  if (bisections == kBisections) return Outcome::AtJump;
  (r > 0.0f ? above : below) = Side{ts, r};
  ts = ++bisections < kBisections                  ? (above->ts + below->ts) / 2.0f
       : std::fabs(above->r) < std::fabs(below->r) ? above->ts
                                                   : below->ts;
  return Outcome::Continue;
}

DuctFilm MakeDuctFilm(const PhysicsInput& in, float firstLayerThickness, float perimeter) {
  DuctFilm film;
  film.area = FlowArea(in.kind, in.diameter, in.width, in.height, firstLayerThickness);
  film.hydraulicDiameter = HydraulicDiameter(in.kind, in.diameter, film.area, perimeter);
  film.hi = DuctInnerCoefficient(in.mediumTemperature, VolumeFlow(in.flowUnit, in.flowValue, film.area),
                                 film.area, film.hydraulicDiameter);
  return film;
}

ObjectGeometry Geometry(ObjectKind kind, float diameter, float width, float height,
                        std::span<const float> thicknesses) {
  ObjectGeometry g;
  if (IsCylindrical(kind)) {
    float outer = diameter;
    for (const float t : thicknesses) outer = outer + 2.0f * t;
    g.outerDiameter = outer;
    g.perimeter = kPi * outer;
    g.convectionLength = outer;
  } else if (IsPlane(kind)) {
    g.convectionLength = height;
  } else {
    const float d = kind == ObjectKind::RectDuctInternal ? 0.0f : TotalThickness(thicknesses);
    g.outerWidth = width + 2.0f * d;
    g.outerHeight = height + 2.0f * d;
    g.perimeter = 2.0f * g.outerWidth + 2.0f * g.outerHeight;
    g.convectionLength = std::max(g.outerWidth, g.outerHeight);
  }
  return g;
}

float ShapeFactor(ObjectKind kind, float innerDiameter, float thickness, float perimeter) {
  if (IsCylindrical(kind)) return std::log((innerDiameter + 2.0f * thickness) / innerDiameter) / kTwoPi;
  if (IsPlane(kind)) return thickness;
  return thickness / perimeter;
}

float FlowArea(ObjectKind kind, float diameter, float width, float height, float firstLayerThickness) {
  switch (kind) {
    case ObjectKind::CircularDuct:
      return kPi * diameter * diameter / 4.0f;
    case ObjectKind::RectDuctExternal:
      return width * height;
    case ObjectKind::RectDuctInternal:
      return (width - 2.0f * firstLayerThickness) * (height - 2.0f * firstLayerThickness);
    default:
      return 0.0f;
  }
}

float VolumeFlow(std::int32_t flowUnit, float value, float area) {
  switch (flowUnit) {
    case 0:
      return value / 3600.0f;
    case 1:
      return value / 1000.0f;
    case 2:
      return value * area;
    default:
      return 0.0f;
  }
}

float HydraulicDiameter(ObjectKind kind, float diameter, float area, float perimeter) {
  return IsCylindrical(kind) ? diameter : 4.0f * area / perimeter;
}

float ConvectiveCoefficient(bool free, bool vertical, float dT, float convectionLength, bool plane,
                            float plateHeight, float v) {
  if (free) {
    float l = plane ? plateHeight : convectionLength;
    if (plane && !vertical) l = 1.0f;
    if (l * l * l * dT > 10.0f) return (vertical ? 1.74f : 1.21f) * std::pow(dT, 0.33333f);
    return (vertical ? 1.32f : 1.25f) * std::pow(dT / l, 0.25f);
  }
  if (!plane) {
    const float dc = convectionLength;
    if (v * dc > 0.00855f) return 8.9f * std::pow(v, 0.9f) / std::pow(dc, 0.1f);
    return 0.0081f / dc + 3.14f * std::pow(v / dc, 0.5f);
  }
  const float l = vertical ? plateHeight : 1.0f;
  // The turbulent form divides by the plate height even where the length is 1 m.
  if (v * l > 8.0f) return 5.76f * std::pow(v * v * v * v / plateHeight, 0.2f);
  return 3.96f * std::pow(v / l, 0.5f);
}

float RadiativeCoefficient(float eps, float ts, float ta) {
  const float s = (ts + 273.15f) / 100.0f;
  if (ts == ta) return 4.0f * eps * 5.67f * (s * s * s) / 100.0f;
  const float a = (ta + 273.15f) / 100.0f;
  return eps * 5.67f * (s * s * s * s - a * a * a * a) / (ts - ta);
}

float SurfaceCoefficient(Environment environment, bool vertical, float ts, float ta, float convectionLength,
                         bool plane, float plateHeight, float v, float eps, float userCoefficient) {
  if (environment == Environment::UserCoefficient) return userCoefficient;
  const bool free = environment != Environment::Outdoors;
  return ConvectiveCoefficient(free, vertical, std::fabs(ts - ta), convectionLength, plane, plateHeight, v) +
         RadiativeCoefficient(eps, ts, ta);
}

float AirKinematicViscosity(float tm) { return (13.45f + 0.1f * tm) * 1e-6f; }

float AirConductivity(float tm) { return (24.1f + 0.0764f * tm) * 1e-3f; }

float AirFilmCoefficient(float tm, float velocity, float length) {
  const float re = length * velocity / AirKinematicViscosity(tm);
  return 0.0207f * AirConductivity(tm) * std::pow(re, 0.8f) / length;
}

float DuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter) {
  const float hi = AirFilmCoefficient(tm, volumeFlow / area, hydraulicDiameter);
  // Written so that a film without a value (air below the viscosity fit's range, a negative
  // Reynolds number) also takes the floor.
  return hi >= 2.5f ? hi : 2.5f;
}

float InnerFaceTemperature(ObjectKind kind, float tm, float ta, float hi, float ho, float area,
                           float hydraulicDiameter, float diameter, float width, float height,
                           std::span<const float> thicknesses, std::span<const float> lambdas) {
  // Rectangular ducts mix the flow area and the outer face with per-area layer
  // resistances; the chain only positions Ti, so it stays as the method has it.
  const bool cylindrical = IsCylindrical(kind);
  const float ri = cylindrical ? 1.0f / (hi * kPi * hydraulicDiameter) : 1.0f / (hi * area);
  float sum = ri;
  float inner = diameter;
  for (std::size_t k = 0; k < thicknesses.size(); ++k) {
    if (cylindrical) {
      const float outer = inner + 2.0f * thicknesses[k];
      sum += std::log(outer / inner) / (kTwoPi * lambdas[k]);
      inner = outer;
    } else {
      sum += thicknesses[k] / lambdas[k];
    }
  }
  if (cylindrical) {
    sum += 1.0f / (ho * kPi * inner);
  } else {
    const ObjectGeometry g = Geometry(kind, diameter, width, height, thicknesses);
    sum += 1.0f / (ho * g.outerHeight * g.outerWidth);
  }
  return tm - ri / sum * (tm - ta);
}

std::array<float, 3> MidPlaneConductivities(float tm, float ta, std::span<const InsulationLayer> layers) {
  float total = 0.0f;
  for (const InsulationLayer& layer : layers) total += layer.thickness;
  std::array<float, 3> lambdas{};
  float before = 0.0f;  // from the inner face to the start of layer k
  for (std::size_t k = 0; k < layers.size() && k < lambdas.size(); ++k) {
    const float middle = before + layers[k].thickness / 2.0f;
    const float t = tm - (middle + 0.004f) * (tm - ta) / (total + 0.008f);
    lambdas[k] = layers[k].lambda.At(t);
    before += layers[k].thickness;
  }
  return lambdas;
}

float StartSurfaceTemperature(float tm, float ta, float totalThickness) {
  const float u0 = kStartLambda / totalThickness;
  return (u0 * tm + 10.0f * ta) / (u0 + 10.0f);
}

std::optional<HeatFlowSolution> SolveSingleLayer(const PhysicsInput& in, const InsulationLayer& layer,
                                                 SolveTrace* trace) {
  const ObjectKind kind = in.kind;
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float d = layer.thickness;
  const float thicknesses[] = {d};
  const ObjectGeometry g = Geometry(kind, in.diameter, in.width, in.height, thicknesses);
  const float shape = ShapeFactor(kind, in.diameter, d, g.perimeter);
  const bool duct = HasAirFlow(kind);
  DuctFilm film;
  float chainLambda[] = {0.0f};
  if (duct) {
    film = MakeDuctFilm(in, d, g.perimeter);
    // Half the temperature difference, not the mean temperature: that is the method.
    chainLambda[0] = layer.lambda.At((tm - ta) / 2.0f);
  }

  HeatFlowSolution s;
  s.hi = film.hi;
  SurfaceSecant secant(StartSurfaceTemperature(tm, ta, d));
  for (int n = 0; n < SurfaceSecant::kMaxTrials; ++n) {
    s.ts = secant.Ts();
    if (trace) trace->surfaceTemperatures.push_back(s.ts);
    s.ho = SurfaceCoefficient(in.environment, in.vertical, s.ts, ta, g.convectionLength, IsPlane(kind),
                              in.height, in.windSpeed, in.emissivity, in.userCoefficient);
    s.ti = duct ? InnerFaceTemperature(kind, tm, ta, film.hi, s.ho, film.area, film.hydraulicDiameter,
                                       in.diameter, in.width, in.height, thicknesses, chainLambda)
                : tm;
    const float qc = layer.lambda.Integral(s.ts, s.ti) / shape;
    const float qs = SurfaceFlow(kind, s.ho, g.perimeter, s.ts, ta);
    const auto outcome = secant.Step(qc, qs, tm, ta);
    if (outcome != SurfaceSecant::Outcome::Continue)
      return Conclude(outcome, s, qc, qs, kind, g.perimeter, tm, ta);
  }
  return std::nullopt;
}

std::optional<HeatFlowSolution> SolveTwoLayers(const PhysicsInput& in, const InsulationLayer& inner,
                                               const InsulationLayer& outer, SolveTrace* trace) {
  const ObjectKind kind = in.kind;
  const bool cylindrical = IsCylindrical(kind);
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float d1 = inner.thickness;
  const float d2 = outer.thickness;
  const float thicknesses[] = {d1, d2};
  const ObjectGeometry g = Geometry(kind, in.diameter, in.width, in.height, thicknesses);
  const float d0Diameter = in.diameter;
  const float d1Diameter = d0Diameter + 2.0f * d1;
  const float d2Diameter = d1Diameter + 2.0f * d2;
  const float outerShape = ShapeFactor(kind, d1Diameter, d2, g.perimeter);
  const bool duct = HasAirFlow(kind);
  DuctFilm film;
  std::array<float, 3> chainLambdas{};
  if (duct) {
    film = MakeDuctFilm(in, d1, g.perimeter);
    const InsulationLayer layers[] = {inner, outer};
    chainLambdas = MidPlaneConductivities(tm, ta, layers);
  }

  HeatFlowSolution s;
  s.hi = film.hi;
  float lambda1 = kStartLambda;
  float lambda2 = kStartLambda;
  SurfaceSecant secant(StartSurfaceTemperature(tm, ta, d1 + d2));
  for (int n = 0; n < SurfaceSecant::kMaxTrials; ++n) {
    s.ts = secant.Ts();
    if (trace) trace->surfaceTemperatures.push_back(s.ts);
    if (n > 0) {
      lambda1 = inner.lambda.At((s.t12 + s.ti) / 2.0f);
      lambda2 = outer.lambda.At((s.t12 + s.ts) / 2.0f);
    }
    s.lambdas = {lambda1, lambda2, 0.0f};
    const float k1 = cylindrical ? kTwoPi * lambda1 / std::log(d1Diameter / d0Diameter) : lambda1 / d1;
    const float k2 = cylindrical ? kTwoPi * lambda2 / std::log(d2Diameter / d1Diameter) : lambda2 / d2;
    s.ho = SurfaceCoefficient(in.environment, in.vertical, s.ts, ta, g.convectionLength, IsPlane(kind),
                              in.height, in.windSpeed, in.emissivity, in.userCoefficient);
    s.ti = duct ? InnerFaceTemperature(kind, tm, ta, film.hi, s.ho, film.area, film.hydraulicDiameter,
                                       in.diameter, in.width, in.height, thicknesses,
                                       std::span(chainLambdas).first(2))
                : tm;
    const float kOut =
        cylindrical ? k2 * s.ho * g.perimeter / (k2 + s.ho * g.perimeter) : k2 * s.ho / (k2 + s.ho);
    s.t12 = (s.ti * k1 + ta * kOut) / (k1 + kOut);
    const float qc = outer.lambda.Integral(s.ts, s.t12) / outerShape;
    const float qs = SurfaceFlow(kind, s.ho, g.perimeter, s.ts, ta);
    const auto outcome = secant.Step(qc, qs, tm, ta);
    if (outcome != SurfaceSecant::Outcome::Continue)
      return Conclude(outcome, s, qc, qs, kind, g.perimeter, tm, ta);
  }
  return std::nullopt;
}

std::optional<HeatFlowSolution> SolveThreeLayers(const PhysicsInput& in,
                                                 const std::array<InsulationLayer, 3>& layers,
                                                 SolveTrace* trace) {
  const ObjectKind kind = in.kind;
  const bool cylindrical = IsCylindrical(kind);
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float thicknesses[] = {layers[0].thickness, layers[1].thickness, layers[2].thickness};
  const ObjectGeometry g = Geometry(kind, in.diameter, in.width, in.height, thicknesses);
  std::array<float, 4> diameters{in.diameter};
  for (int k = 0; k < 3; ++k) diameters[k + 1] = diameters[k] + 2.0f * thicknesses[k];
  const bool duct = HasAirFlow(kind);
  DuctFilm film;
  HeatFlowSolution s;
  s.lambdas = {kStartLambda, kStartLambda, kStartLambda};
  if (duct) {
    film = MakeDuctFilm(in, thicknesses[0], g.perimeter);
    s.lambdas = MidPlaneConductivities(tm, ta, layers);
  }
  s.hi = film.hi;
  s.ts = StartSurfaceTemperature(tm, ta, thicknesses[0] + thicknesses[1] + thicknesses[2]);

  for (int n = 0; n < kThreeLayerPasses; ++n) {
    if (trace) trace->surfaceTemperatures.push_back(s.ts);
    if (n > 0) {
      s.lambdas = {layers[0].lambda.At((s.ti + s.t12) / 2.0f), layers[1].lambda.At((s.t12 + s.t23) / 2.0f),
                   layers[2].lambda.At((s.t23 + s.ts) / 2.0f)};
    }
    s.ho = SurfaceCoefficient(in.environment, in.vertical, s.ts, ta, g.convectionLength, IsPlane(kind),
                              in.height, in.windSpeed, in.emissivity, in.userCoefficient);
    s.ti = duct ? InnerFaceTemperature(kind, tm, ta, film.hi, s.ho, film.area, film.hydraulicDiameter,
                                       in.diameter, in.width, in.height, thicknesses, s.lambdas)
                : tm;
    std::array<float, 3> r{};
    for (int k = 0; k < 3; ++k) {
      r[k] = cylindrical ? std::log(diameters[k + 1] / diameters[k]) / (kTwoPi * s.lambdas[k])
                         : thicknesses[k] / s.lambdas[k];
    }
    const float rs = cylindrical ? 1.0f / (s.ho * kPi * diameters[3]) : 1.0f / s.ho;
    const float u = 1.0f / (r[0] + r[1] + r[2] + rs);
    s.q = (s.ti - ta) * u;
    s.t12 = s.ti - s.q * r[0];
    s.t23 = s.t12 - s.q * r[1];
    s.ts = s.t23 - s.q * r[2];
  }
  // Rectangular passes run per m² of surface; the module reports per metre.
  if (!cylindrical && !IsPlane(kind)) s.q = s.q * g.perimeter;
  return Finite(s);
}

std::optional<BareSurfaceSolution> BareSurfaceLoss(const PhysicsInput& in, float firstLayerThickness) {
  const ObjectKind kind = in.kind;
  const bool cylindrical = IsCylindrical(kind);
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float perimeter = cylindrical ? kPi * in.diameter : 2.0f * in.width + 2.0f * in.height;
  // A rectangle convects like the circle of the same perimeter.
  const float dc = cylindrical ? in.diameter : perimeter / kPi;
  const bool user = in.environment == Environment::UserCoefficient;
  const float hcv =
      user ? in.userCoefficient
           : ConvectiveCoefficient(in.environment != Environment::Outdoors, in.vertical, std::fabs(tm - ta),
                                   dc, IsPlane(kind), in.height, in.windSpeed);
  BareSurfaceSolution s;
  s.ts = tm;
  if (HasAirFlow(kind)) {
    const float area = FlowArea(kind, in.diameter, in.width, in.height, firstLayerThickness);
    s.hi = DuctInnerCoefficient(tm, VolumeFlow(in.flowUnit, in.flowValue, area), area, dc);
    float ro = 0.0f;
    float ri = 0.0f;
    if (cylindrical) {
      ro = 1.0f / (kTwoPi * dc * hcv);
      ri = 1.0f / (kTwoPi * dc * s.hi);
    } else {
      ro = 1.0f / (in.height * hcv * in.width);
      ri = 1.0f / (area * s.hi);
    }
    s.ts = tm - ri / (ri + ro) * (tm - ta);
  }
  s.ho = user ? hcv : hcv + RadiativeCoefficient(in.bareEmissivity, s.ts, ta);
  s.q = IsPlane(kind) ? s.ho * (s.ts - ta) : s.ho * perimeter * (s.ts - ta);
  if (!AllFinite({s.q, s.ts, s.ho, s.hi})) return std::nullopt;
  return s;
}

}  // namespace kelvora
