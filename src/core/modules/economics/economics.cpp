#include "core/modules/economics/economics.h"

#include <algorithm>
#include <cmath>

#include "core/modules/economics/okonomimodul.h"
#include "core/physics/physics.h"

namespace kelvora {

namespace {

constexpr float kZeroRate = 0.0001f;

// A rate within kZeroRate of 0 earns nothing: the factor is the number of years. A negative
// rate (energy dearer faster than money earns) is valid and makes the factor larger.
float PresentValue(float rate, float years) {
  if (std::fabs(rate) <= kZeroRate) return years;
  return (1.0f - std::pow(1.0f + rate, -years)) / rate;
}

PhysicsInput ObjectInput(const COkonomiModul& m) {
  PhysicsInput in;
  in.kind = static_cast<ObjectKind>(m.objectKind);
  in.vertical = m.vertical != 0;
  in.environment = static_cast<Environment>(m.environment);
  in.mediumTemperature = m.mediumTemperature;
  in.ambientTemperature = m.ambientTemperature;
  in.diameter = Metres(m.diameter);
  in.width = Metres(m.width);
  in.height = Metres(m.height);
  in.windSpeed = m.windSpeed;
  in.userCoefficient = m.userCoefficient;
  in.bareEmissivity = m.bareEmissivity;
  in.flowUnit = m.flowUnit;
  in.flowValue = m.flow;
  return in;
}

std::optional<EconomicsCandidate> Insulated(const PhysicsInput& object, const COkoIsolasjon& a) {
  const CIsoProdukt* product = a.Product();
  if (!product) return std::nullopt;
  PhysicsInput in = object;
  const bool own = a.ownEmissivity || !a.OuterSurface();
  in.emissivity = own ? a.emissivity : a.OuterSurface()->emissivity;
  const auto flow = SolveSingleLayer(in, {product->Polynomial(), Metres(a.Thickness())});
  if (!flow) return std::nullopt;
  return EconomicsCandidate{flow->q, flow->ho};
}

void Price(EconomicsCandidate& c, float price, const COkonomiModul& m, const PresentValueFactors& pv) {
  c.energyCost = std::fabs(c.heatLoss) * m.operatingHours / 1000.0f * m.energyPrice * pv.energy / pv.capital;
  c.investment = price / pv.capital;
  c.total = c.energyCost + c.investment;
}

bool Finite(const EconomicsCandidate& c) {
  return std::isfinite(c.heatLoss) && std::isfinite(c.outerCoefficient) && std::isfinite(c.total);
}

}  // namespace

PresentValueFactors AnnuityFactors(float interestPercent, float inflationPercent, float years) {
  const float i = interestPercent / 100.0f;
  const float f = inflationPercent / 100.0f;
  const float real = (1.0f + i) / (1.0f + f) - 1.0f;
  return {PresentValue(i, years), PresentValue(real, years)};
}

std::size_t Cheapest(std::span<const EconomicsCandidate> candidates) {
  std::size_t cheapest = 0;
  for (std::size_t k = 1; k < candidates.size(); ++k) {
    if (candidates[k].total < candidates[cheapest].total) cheapest = k;
  }
  return cheapest;
}

std::optional<EconomicsResult> ComputeEconomics(const COkonomiModul& m) {
  const PhysicsInput object = ObjectInput(m);
  const PresentValueFactors pv = AnnuityFactors(m.interestRate, m.energyInflation, m.lifeSpan);
  EconomicsResult result;
  // The bare duct carries its air through its whole section.
  const auto bare = BareSurfaceLoss(object, 0.0f);
  if (!bare) return std::nullopt;
  result.candidates.push_back({bare->q, bare->ho});
  Price(result.candidates.back(), 0.0f, m, pv);
  for (const auto& alternative : m.alternatives) {
    auto candidate = Insulated(object, *alternative);
    if (!candidate) return std::nullopt;
    Price(*candidate, alternative->price, m, pv);
    result.candidates.push_back(*candidate);
  }
  if (!std::all_of(result.candidates.begin(), result.candidates.end(), Finite)) return std::nullopt;
  result.optimum = Cheapest(result.candidates);
  return result;
}

}  // namespace kelvora
