#pragma once

#include <optional>
#include <vector>

namespace kelvora {

class CVarmeTapModul;
struct HeatLossResult;

// The heat loss and the surface temperature of the module's build-up while layer 1 runs
// from no insulation to about twice the thickness computed or given, the other layers as
// entered. The point at that thickness is the result itself, so the curve meets the results
// table there, as it does at the next standard thickness and, bare, at no insulation.
struct ThicknessCurve {
  std::vector<float> thicknesses;  // mm of layer 1, rising
  // W/m, or W/m² for planes, with the hanger allowance where the table has it.
  std::vector<float> heatLoss;
  std::vector<float> surfaceTemperatures;  // °C
  float marked = 0.0f;                     // mm: the thickness computed, or layer 1's given one
  std::optional<float> standard;           // mm: the next standard thickness, when the result has one
};

// Points besides the marked ones, evenly spaced from no insulation on.
inline constexpr int kThicknessCurveSteps = 24;

// Nothing where the result has no build-up to vary: degree-hours without a requirement.
std::optional<ThicknessCurve> ThicknessCurveOf(const CVarmeTapModul& m, const HeatLossResult& result);

}  // namespace kelvora
