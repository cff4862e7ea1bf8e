#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace kelvora {

class COkonomiModul;

// Present values of a yearly amount of 1 over the life span: `capital` at the interest
// rate, `energy` at the real rate left after the energy price's inflation.
struct PresentValueFactors {
  float capital = 0.0f;
  float energy = 0.0f;
};
PresentValueFactors AnnuityFactors(float interestPercent, float inflationPercent, float years);

// One candidate per year and metre (per m² for planes), in the module's currency.
struct EconomicsCandidate {
  float heatLoss = 0.0f;  // W/m or W/m²; negative for a cold line
  float outerCoefficient = 0.0f;
  float energyCost = 0.0f;
  float investment = 0.0f;
  float total = 0.0f;
};

struct EconomicsResult {
  // The uninsulated object first, then the alternatives in list order.
  std::vector<EconomicsCandidate> candidates;
  // The cheapest; an equal total never displaces an earlier candidate.
  std::size_t optimum = 0;
};

// The candidate with the smallest total; an equal total never displaces an earlier one.
std::size_t Cheapest(std::span<const EconomicsCandidate> candidates);

// Nothing when a heat flow has no physical solution or a value is not finite; every
// alternative must have a product.
std::optional<EconomicsResult> ComputeEconomics(const COkonomiModul& m);

}  // namespace kelvora
