#include "core/modules/heatloss/thicknesscurve.h"

#include <algorithm>
#include <array>

#include "core/modules/heatloss/calculationtypes.h"
#include "core/modules/heatloss/savings.h"
#include "core/modules/heatloss/varmetapmodul.h"

namespace kelvora {

namespace {

// mm: how far a curve reaches when nothing was needed and no standard thickness is known.
constexpr float kReachWithoutThickness = 100.0f;

struct Point {
  float q = 0.0f;
  float ts = 0.0f;
};

// The layers the module solves, inner first; a thickness found is for layer 1 alone.
std::vector<InsulationLayer> BuildUp(const CVarmeTapModul& m) {
  std::vector<InsulationLayer> layers;
  const std::array<bool, 3> used{true, m.calculationType == 0 && m.layer2On != 0,
                                 m.calculationType == 0 && m.layer3On != 0};
  for (std::size_t k = 0; k < used.size(); ++k) {
    if (!used[k]) continue;
    const CIsoProdukt* product = m.layers[k].Product();
    if (!product) return {};
    layers.push_back({product->Polynomial(), Metres(m.layers[k].Thickness())});
  }
  return layers;
}

}  // namespace

std::optional<ThicknessCurve> ThicknessCurveOf(const CVarmeTapModul& m, const HeatLossResult& result) {
  if (result.noRequirement) return std::nullopt;
  std::vector<InsulationLayer> layers = BuildUp(m);
  if (layers.empty()) return std::nullopt;
  const PhysicsInput in = ModulePhysicsInput(m);
  // The bare object as the results table compares with it.
  const auto bare = BareSurfaceLoss(in, Metres(m.layers[0].Thickness()));
  if (!bare) return std::nullopt;

  ThicknessCurve curve;
  curve.marked = m.calculationType == 0 ? m.layers[0].Thickness() : result.thickness * 1000.0f;
  if (result.standardThickness && result.atStandardThickness) curve.standard = result.standardThickness;

  const float end = std::max(2.0f * curve.marked, curve.standard ? 1.25f * *curve.standard : 0.0f);
  const float reach = end > 0.0f ? end : kReachWithoutThickness;
  std::vector<float> xs{curve.marked};
  if (curve.standard) xs.push_back(*curve.standard);
  for (int i = 0; i <= kThicknessCurveSteps; ++i) {
    xs.push_back(reach * (static_cast<float>(i) / static_cast<float>(kThicknessCurveSteps)));
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

  const auto at = [&](float mm) -> std::optional<Point> {
    if (mm == curve.marked) return Point{WithHangers(m, in, result.flow.q), result.flow.ts};
    if (curve.standard && mm == *curve.standard) {
      return Point{result.atStandardThickness->q, result.atStandardThickness->ts};
    }
    // Without layer 1 the other layers stay, or the object is bare.
    std::span<const InsulationLayer> solved = layers;
    if (mm == 0.0f) {
      if (layers.size() == 1) return Point{bare->q, bare->ts};
      solved = solved.subspan(1);
    } else {
      layers[0].thickness = Metres(mm);
    }
    const auto flow = SolveBuildUp(in, solved);
    if (!flow) return std::nullopt;
    return Point{WithHangers(m, in, flow->q), flow->ts};
  };
  for (float mm : xs) {
    const auto point = at(mm);
    if (!point) continue;
    curve.thicknesses.push_back(mm);
    curve.heatLoss.push_back(point->q);
    curve.surfaceTemperatures.push_back(point->ts);
  }
  return curve;
}

}  // namespace kelvora
