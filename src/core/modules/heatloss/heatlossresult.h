#pragma once

#include <optional>

#include "core/physics/physics.h"

namespace kelvora {

// What one solve of the heat-loss module leaves for the savings, the regulation check and
// the report.
struct HeatLossResult {
  float thickness = 0.0f;  // m: the layers' sum (given thickness) or the thickness found
  HeatFlowSolution flow;   // q, Ts, Ti, h_o, h_i, T12, T23 and the layer conductivities
  ObjectGeometry geometry;
  // For a thickness found with a standard product: its next standard thickness in mm, or
  // none when the product has none thick enough.
  std::optional<float> standardThickness;
  // The thickness search stopped at d = 0: the bare object already meets the target.
  bool uninsulated = false;
  // The first layer is a standard product, so the report shows the standard-thickness row.
  bool standardRow = false;
  // The single layer solved again at `standardThickness`, and its outer sizes.
  std::optional<HeatFlowSolution> atStandardThickness;
  ObjectGeometry standardGeometry;
  // Degree-hours below the first band: no requirement, only the bare object is reported.
  bool noRequirement = false;
};

}  // namespace kelvora
