#include "core/modules/tank/tankcalculation.h"

#include <cmath>
#include <cstddef>

#include "core/modules/tank/tanktempmodul.h"
#include "core/physics/physics.h"

namespace kelvora {

namespace {

constexpr int kMaxPasses = 100;
constexpr int kInnerPasses = 10;
constexpr float kMinHeatFlow = 0.1f;        // W/m², floor of a cooling tank's flow
constexpr float kStartCoefficient = 10.0f;  // W/m²K
constexpr float kStartLambda = 0.036f;      // W/mK
constexpr float kThinInsulation = 0.25f;    // m²K/W, s/λ0 below which λ is taken as constant
constexpr float kJoulesPerKwh = 3600000.0f;

// What every step of the calculation needs of the module.
struct Tank {
  const CTankTempModul& m;
  const CIsoProdukt& product;
  TankShell shell;
  float s = 0.0f;  // m
  float eps = 0.0f;
  float rho = 0.0f;
  float cp = 0.0f;
  float freezingPoint = 0.0f;
  float t0 = 0.0f;
  float ta = 0.0f;

  float Outer(float ts) const {
    return TankOuterCoefficient(m.environment, ts, ta, eps, shell.convectionHeight, m.windSpeed,
                                m.userOuterCoefficient);
  }
  // Time constant in h of an overall coefficient per m² of outer area.
  float Tau(float u) const { return rho * cp * shell.volume / (3600.0f * u * shell.area); }
  float Mean(float tau, float t) const { return ta + (t0 - ta) * (tau / t) * (1.0f - std::exp(-t / tau)); }
  float At(float tau, float t) const { return ta + (t0 - ta) * std::exp(-t / tau); }
  // Conducted flow per m² from the medium at `tm` to the surface; a cooling tank always
  // loses a little, a warming one keeps its (negative) gain.
  float Conducted(float ts, float tm) const {
    const float q = shell.shapeFactor / shell.area * product.LambdaIntegral(ts, tm);
    return t0 > ta && q < kMinHeatFlow ? kMinHeatFlow : q;
  }
  float Energy(float tend) const { return rho * cp * shell.volume * (t0 - tend) / kJoulesPerKwh; }
};

// U = q/(T̄ − Ta); with the medium at the ambient temperature the quotient is 0/0 and the
// last coefficient stands.
void UpdateCoefficient(float& u, float q, float tbar, float ta) {
  if (tbar != ta) u = q / (tbar - ta);
}

struct PassResult {
  float u = 0.0f;
  float ts = 0.0f;
  float ho = 0.0f;
};

// Balances the conducted and the surface flow over a period `t` at the mean temperature
// of that period; the last values stand after 100 passes.
std::optional<PassResult> Passes(const Tank& k, float u, float t) {
  SurfaceSecant secant(StartSurfaceTemperature(k.t0, k.ta, k.s));
  PassResult r{u, 0.0f, 0.0f};
  float tbar = k.Mean(k.Tau(r.u), t);
  float q = 0.0f;
  for (int pass = 0; pass < SurfaceSecant::kMaxTrials; ++pass) {
    r.ts = secant.Ts();
    if (pass > 0) {
      for (int i = 0; i < kInnerPasses; ++i) {
        UpdateCoefficient(r.u, q, tbar, k.ta);
        tbar = k.Mean(k.Tau(r.u), t);
        q = k.Conducted(r.ts, tbar);
      }
    }
    r.ho = k.Outer(r.ts);
    q = k.Conducted(r.ts, tbar);
    const float qo = (r.ts - k.ta) * r.ho;
    UpdateCoefficient(r.u, q, tbar, k.ta);
    const auto outcome = secant.Step(q, qo, tbar, k.ta);
    if (outcome == SurfaceSecant::Outcome::NotFinite) return std::nullopt;
    if (outcome != SurfaceSecant::Outcome::Continue) break;
  }
  return r;
}

float InitialHeatLoss(const Tank& k) {
  SurfaceSecant secant(StartSurfaceTemperature(k.t0, k.ta, k.s));
  float q = 0.0f;
  for (int pass = 0; pass < SurfaceSecant::kMaxTrials; ++pass) {
    const float ts = secant.Ts();
    q = k.Conducted(ts, k.t0);
    const float qo = (ts - k.ta) * k.Outer(ts);
    if (secant.Step(q, qo, k.t0, k.ta) != SurfaceSecant::Outcome::Continue) break;
  }
  return q * k.shell.area;
}

void Curve(const Tank& k, TankResult& r, float tau, float tend) {
  for (std::size_t i = 0; i < r.curveTimes.size(); ++i) {
    const float t = static_cast<float>(i) * tend / 9.0f;
    r.curveTimes[i] = t;
    r.curveTemperatures[i] = k.At(tau, t);
  }
}

// Ends the storage at the freezing point when the medium gets there first.
void EndOfStorage(const Tank& k, TankResult& r, float tau) {
  float curveEnd = k.m.storageTime;
  if (k.freezingPoint > r.endTemperature) {
    float tf = -tau * std::log((k.freezingPoint - k.ta) / (k.t0 - k.ta));
    // A medium that starts at its freezing point freezes at once, not at "-0.0 h".
    if (tf <= 0.0f) tf = 0.0f;
    r.freezingTime = tf;
    r.endTemperature = k.freezingPoint;
    curveEnd = tf;
  }
  Curve(k, r, tau, curveEnd);
}

void StorageTime(const Tank& k, TankResult& r) {
  const float u = 1.0f / (k.s / kStartLambda + 1.0f / kStartCoefficient);
  const auto passes = Passes(k, u, k.m.storageTime);
  if (!passes) return;
  const float tau = k.Tau(passes->u);
  r.surfaceTemperature = passes->ts;
  r.outerCoefficient = passes->ho;
  r.endTemperature = k.At(tau, k.m.storageTime);
  EndOfStorage(k, r, tau);
  r.energy = std::fabs(k.Energy(r.endTemperature));
}

// The time, in whole steps of te/100, until the medium has passed the end temperature.
bool StepToEnd(const Tank& k, float tau, float te, float& time) {
  const float dt = te / 100.0f;
  const float tend = k.m.endTemperature;
  const bool cooling = k.t0 > k.ta;
  float t = 0.0f;
  float temperature = k.t0;
  while (cooling ? tend < temperature : tend > temperature) {
    const float next = t + dt;
    // A step lost in the rounding of t would never end.
    if (!(next > t)) return false;
    t = next;
    temperature = k.At(tau, t);
  }
  time = t;
  return true;
}

void EndTemperature(const Tank& k, TankResult& r) {
  const float ts = StartSurfaceTemperature(k.t0, k.ta, k.s);
  const float ho0 = k.Outer(ts);
  const TankShell& g = k.shell;
  const float u = 1.0f / (g.area / (kStartLambda * g.shapeFactor) + 1.0f / ho0);
  const float te = -(k.rho * g.volume * k.cp / (u * g.area)) *
                   std::log((k.m.endTemperature - k.ta) / (k.t0 - k.ta)) / 3600.0f;
  const auto passes = Passes(k, u, te);
  if (!passes) return;
  r.surfaceTemperature = passes->ts;
  r.outerCoefficient = ho0;
  r.endTemperature = k.m.endTemperature;
  if (!StepToEnd(k, k.Tau(passes->u), te, r.coolingTime)) r.coolingTime = NAN;
  r.energy = k.Energy(k.m.endTemperature);
}

void ConstantConductivity(const Tank& k, float lambda0, TankResult& r) {
  r.constantConductivity = true;
  const TankShell& g = k.shell;
  if (k.m.mode == static_cast<std::int32_t>(TankMode::GivenEndTemperature)) {
    const float ts = StartSurfaceTemperature(k.t0, k.ta, k.s);
    const float ho = k.Outer(ts);
    const float u = 1.0f / (g.area / (lambda0 * g.shapeFactor) + 1.0f / ho);
    r.coolingTime = -(k.rho * g.volume * k.cp / (u * g.area)) *
                    std::log((k.m.endTemperature - k.ta) / (k.t0 - k.ta)) / 3600.0f;
    r.surfaceTemperature = ts;
    r.outerCoefficient = ho;
    r.endTemperature = k.m.endTemperature;
    r.energy = k.Energy(k.m.endTemperature);
    return;
  }
  const float conductance = lambda0 / k.s;
  float ho = kStartCoefficient;
  float ts = 0.0f;
  float tau = 0.0f;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    const float u = 1.0f / (k.s / lambda0 + 1.0f / ho);
    tau = k.Tau(u);
    const float tbar = k.Mean(tau, k.m.storageTime);
    const float previous = ts;
    ts = (tbar * conductance + ho * k.ta) / (conductance + ho);
    ho = k.Outer(ts);
    if (pass > 0 && std::fabs(ts - previous) <= 0.1f) break;
  }
  r.surfaceTemperature = ts;
  r.outerCoefficient = ho;
  r.endTemperature = k.At(tau, k.m.storageTime);
  EndOfStorage(k, r, tau);
  r.energy = k.Energy(r.endTemperature);
}

bool AllFinite(const TankResult& r) {
  bool finite = std::isfinite(r.endTemperature) && std::isfinite(r.coolingTime) &&
                std::isfinite(r.surfaceTemperature) && std::isfinite(r.outerCoefficient) &&
                std::isfinite(r.energy) && std::isfinite(r.initialHeatLoss) && std::isfinite(r.shell.area) &&
                std::isfinite(r.shell.volume) && (!r.freezingTime || std::isfinite(*r.freezingTime));
  for (float t : r.curveTemperatures) finite = finite && std::isfinite(t);
  return finite;
}

}  // namespace

TankShell TankGeometry(std::int32_t shape, float width, float height, float depth, float diameter,
                       float length, float thickness) {
  const float s = thickness;
  TankShell g;
  switch (static_cast<TankShape>(shape)) {
    case TankShape::Cylindrical: {
      const float d = diameter;
      const float outer = d + 2.0f * s;
      const float lo = length + 2.0f * s;
      g.area = kPi * outer * lo + 2.0f * kPi * outer * outer / 4.0f;
      g.volume = kPi * d * d * length / 4.0f;
      g.shapeFactor = 2.0f * kPi * (d * d / (4.0f * s) + length / std::log(outer / d) + 0.54f * d);
      g.convectionHeight = lo;
      break;
    }
    case TankShape::Spherical: {
      const float d = diameter;
      const float outer = d + 2.0f * s;
      g.area = kPi * outer * outer;
      g.volume = kPi * d * d * d / 6.0f;
      g.shapeFactor = 2.0f * kPi / (1.0f / d - 1.0f / outer);
      g.convectionHeight = outer;
      break;
    }
    default: {
      const float h = height;
      const float w = width;
      const float p = depth;
      g.area = 2.0f * (w + 2.0f * s) * (h + 2.0f * s) + 2.0f * (p + 2.0f * s) * (h + 2.0f * s) +
               2.0f * (w + 2.0f * s) * (p + 2.0f * s);
      g.volume = h * w * p;
      g.shapeFactor = 2.0f * (w * h + h * p + w * p) / s + 2.16f * (h + w + p) + 1.2f * s;
      g.convectionHeight = h + 2.0f * s;
      break;
    }
  }
  return g;
}

float TankOuterCoefficient(std::int32_t environment, float ts, float ta, float eps, float hc, float windSpeed,
                           float userCoefficient) {
  float h = 10.0f;
  switch (static_cast<Environment>(environment)) {
    case Environment::Indoors:
      h = ConvectiveCoefficient(true, true, std::fabs(ts - ta), 1.0f, true, hc, windSpeed);
      break;
    case Environment::Outdoors:
      h = ConvectiveCoefficient(false, true, std::fabs(ts - ta), 1.0f, true, hc, windSpeed);
      break;
    case Environment::UserCoefficient:
      return userCoefficient;
  }
  return h + RadiativeCoefficient(eps, ts, ta);
}

TankOutcome ComputeTank(const CTankTempModul& m) {
  const bool givenEnd = m.mode == static_cast<std::int32_t>(TankMode::GivenEndTemperature);
  const float t0 = m.startTemperature;
  const float ta = m.ambientTemperature;
  if (givenEnd && !(std::fmin(t0, ta) < m.endTemperature && m.endTemperature < std::fmax(t0, ta))) {
    return {std::nullopt, TankStop::EndTemperatureOutside};
  }
  const bool userLiquid = m.userDefinedLiquid || !m.Liquid();
  const bool userEmissivity = m.environment == 2 || m.userEmissivityOn || !m.Surface();
  Tank k{m,
         *m.insulation.Product(),
         {},
         m.insulation.Thickness() / 1000.0f,
         userEmissivity ? m.userEmissivity : m.Surface()->emissivity,
         userLiquid ? m.liquidDensity : m.Liquid()->density,
         userLiquid ? m.liquidHeatCapacity : m.Liquid()->heatCapacity,
         userLiquid ? m.liquidFreezingPoint : m.Liquid()->freezingPoint,
         t0,
         ta};
  k.shell = TankGeometry(m.shape, m.width, m.height, m.depth, m.diameter, m.length, k.s);

  TankResult r;
  r.shell = k.shell;
  if (m.environment == 2 && m.userOuterCoefficient == 0.0f) {
    // Nothing crosses the surface: the medium keeps its temperature.
    if (givenEnd) return {std::nullopt, TankStop::EndNeverReached};
    r.endTemperature = t0;
    r.surfaceTemperature = t0;
    Curve(k, r, INFINITY, m.storageTime);
    return {r};
  }

  const float lambda0 = k.product.Polynomial().c0;
  if (lambda0 > 0.0f && k.s / lambda0 < kThinInsulation) {
    ConstantConductivity(k, lambda0, r);
  } else if (givenEnd) {
    r.coolingTime = NAN;
    EndTemperature(k, r);
  } else {
    r.endTemperature = NAN;
    StorageTime(k, r);
  }
  r.initialHeatLoss = InitialHeatLoss(k);
  if (!AllFinite(r)) return {std::nullopt, TankStop::NotFinite};
  return {r};
}

}  // namespace kelvora
