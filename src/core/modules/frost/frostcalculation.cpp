#include "core/modules/frost/frostcalculation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/modules/frost/frostmodul.h"
#include "core/physics/physics.h"

namespace kelvora {

namespace {

constexpr float kWaterHeatCapacity = 4182.0f;  // J/kgK
constexpr float kWaterDensity = 1000.0f;       // kg/m³
constexpr float kLatentHeat = 334000.0f;       // J/kg
constexpr float kIceDensity = 920.0f;          // kg/m³
constexpr float kSecondsPerHour = 3600.0f;
// The water's mean temperature bounds nothing here, so the surface secant never stops at it.
constexpr float kNoMediumStop = std::numeric_limits<float>::infinity();

// The smallest value of the cubic on [low, high] lies at an end or where it turns.
bool PositiveBetween(const LambdaPolynomial& p, float low, float high) {
  const auto positiveAt = [&](double t) { return t < low || t > high || p.At(static_cast<float>(t)) > 0.0f; };
  if (!positiveAt(low) || !positiveAt(high)) return false;
  // Turning points: 3 c3 T² + 2 c2 T + c1 = 0.
  const double a = 3.0 * p.c3;
  const double b = 2.0 * p.c2;
  const double c = p.c1;
  if (a == 0.0) return b == 0.0 || positiveAt(-c / b);
  const double discriminant = b * b - 4.0 * a * c;
  if (discriminant < 0.0) return true;
  const double root = std::sqrt(discriminant);
  return positiveAt((-b - root) / (2.0 * a)) && positiveAt((-b + root) / (2.0 * a));
}

struct Pipe {
  float outerDiameter = 0.0f;  // Do, m
  float shapeFactor = 0.0f;    // G
  float perimeter = 0.0f;      // Po, m
  float waterArea = 0.0f;      // A, m²
};

Pipe PipeOf(const CFrostModul& m) {
  const float d = m.pipeDiameter / 1000.0f;
  const float outer = d + 2.0f * (m.insulation.Thickness() / 1000.0f);
  const float bore = d - 2.0f * m.wallThickness / 1000.0f;
  return {outer, std::log(outer / d) / (2.0f * kPi), kPi * outer, kPi * bore * bore / 4.0f};
}

// The logarithmic mean water temperature while it cools from `tw` to 0 °C.
float MeanWaterTemperature(float tw, float ta, float ratio) {
  if (tw <= 0.0001f) return 0.0f;
  return ta + (tw - ta) * (1.0f - 1.0f / ratio) / std::log(ratio);
}

struct SurfaceState {
  float ts = 0.0f;
  float h = 0.0f;
  float qc = 0.0f;  // W/m conducted from the water
};

// Balances the conducted and the surface flow while the water cools. A step that is no
// number (a repeated residual leaves the secant undefined) ends the iteration on the last
// state that was one; after 100 iterations the last values stand.
std::optional<SurfaceState> CoolingSurface(const CFrostModul& m, const CIsoProdukt& product, const Pipe& pipe,
                                           float eps, float tmean) {
  const float ta = m.ambientTemperature;
  SurfaceSecant secant(StartSurfaceTemperature(m.startTemperature, ta, m.insulation.Thickness() / 1000.0f));
  std::optional<SurfaceState> last;
  auto outcome = SurfaceSecant::Outcome::Continue;
  for (int n = 0; n < SurfaceSecant::kMaxTrials && outcome == SurfaceSecant::Outcome::Continue; ++n) {
    const float ts = secant.Ts();
    const float h = SurfaceCoefficient(static_cast<Environment>(m.environment), m.vertical != 0, ts, ta,
                                       pipe.outerDiameter, false, 0.0f, m.windSpeed, eps, m.userCoefficient);
    const float qc = product.LambdaIntegral(ts, tmean) / pipe.shapeFactor;
    const float qs = h * pipe.perimeter * (ts - ta);
    if (std::isfinite(qc - qs)) last = SurfaceState{ts, h, qc};
    outcome = secant.Step(qc, qs, kNoMediumStop, ta);
  }
  // Out of iterations, the surface has taken the last step.
  if (last && outcome == SurfaceSecant::Outcome::OutOfSteps) last->ts = secant.Ts();
  return last;
}

bool Finite(const FrostResult& r) {
  const float values[] = {r.coolingTime, r.freezingTime,       r.heating,     r.outerCoefficient,
                          r.lambda,      r.surfaceTemperature, r.timeConstant};
  return std::all_of(std::begin(values), std::end(values), [](float v) { return std::isfinite(v); });
}

}  // namespace

std::optional<FrostResult> ComputeFrost(const CFrostModul& m) {
  const CIsoProdukt* product = m.insulation.Product();
  const bool ownEmissivity = m.environment == 2 || m.ownEmissivity;
  if (!product || !(m.insulation.Thickness() > 0.0f) || (!ownEmissivity && !m.Surface())) return std::nullopt;
  const float tw = m.startTemperature;
  const float ta = m.ambientTemperature;
  const LambdaPolynomial lambda = product->Polynomial();
  if (!PositiveBetween(lambda, ta, tw)) return std::nullopt;

  const Pipe pipe = PipeOf(m);
  const float eps = ownEmissivity ? m.emissivity : m.Surface()->emissivity;
  const float ratio = (ta - tw) / ta;
  const float tmean = MeanWaterTemperature(tw, ta, ratio);
  const auto surface = CoolingSurface(m, *product, pipe, eps, tmean);
  if (!surface) return std::nullopt;

  FrostResult r;
  r.outerDiameter = pipe.outerDiameter;
  r.surfaceTemperature = surface->ts;
  r.outerCoefficient = surface->h;
  const float u = surface->qc / (tmean - ta);
  const float tau = kWaterHeatCapacity * kWaterDensity * pipe.waterArea / (u * kSecondsPerHour);
  r.timeConstant = tau;
  r.coolingTime = tau * std::log(ratio);
  // The ice forms at 0 °C, so the insulation lies between 0 °C and the air.
  const float uf = 1.0f / (pipe.shapeFactor / lambda.At(ta / 2.0f) + 1.0f / (surface->h * pipe.perimeter));
  const float allFrozen = -kLatentHeat * kIceDensity * pipe.waterArea / (uf * kSecondsPerHour * ta);
  r.freezingTime = allFrozen * m.percentageFrozen / 100.0f;
  r.heating = -uf * ta;
  r.lambda = lambda.At((tmean + surface->ts) / 2.0f);
  if (!Finite(r)) return std::nullopt;
  return r;
}

float WaterTemperature(const CFrostModul& m, const FrostResult& r, float hours) {
  if (hours >= r.coolingTime) return 0.0f;
  const float ta = m.ambientTemperature;
  return ta + (m.startTemperature - ta) * std::exp(-hours / r.timeConstant);
}

}  // namespace kelvora
