#pragma once

#include <optional>
#include <string>

#include "core/modules/condensation/condensationsearch.h"
#include "core/physics/physics.h"

namespace kelvora {

class CUtvendigKondensModul;

// The object at one insulation thickness with its surface at `ts`.
struct CondensationState {
  float thickness = 0.0f;  // m
  float ts = 0.0f;         // °C
  float ho = 0.0f;         // W/m²K
  float q = 0.0f;          // W/m, W/m² for planes
  ObjectGeometry geometry;
};

struct ExternalCondensationResult {
  float dewPoint = 0.0f;
  // The least thickness that holds the surface at the dew point; 0 for the bare object,
  // whose surface is the medium's temperature.
  CondensationState required;
  bool bare = false;
  // A standard product's nearest standard thickness (mm) and its texts; -1 when none is
  // large enough.
  bool standardRow = false;
  float standardMm = -1.0f;
  std::string standardTextCz;
  std::string standardTextEn;
  // The standard thickness evaluated, when there is one.
  std::optional<CondensationState> atStandard;
};

struct ExternalCondensationOutcome {
  std::optional<ExternalCondensationResult> result;
  CondensationStop stop = CondensationStop::None;
};

// The module's inputs in the units of the physics; sizes in m. Planes convect over the
// wall height when vertical and over 1 m otherwise, in every evaluation.
PhysicsInput CondensationPhysicsInput(const CUtvendigKondensModul& m);

// The required thickness, the bare object when the medium is not below the dew point, and
// the standard thickness beside it. Shows nothing; the stop says why there is no result.
// The product must be set.
ExternalCondensationOutcome ComputeExternalCondensation(const CUtvendigKondensModul& m);

// The object insulated `thickness` m thick with its surface balanced, as the search judges a
// thickness it tries; nothing when the balance does not settle.
std::optional<CondensationState> ExternalCondensationAt(const CUtvendigKondensModul& m, float thickness);

}  // namespace kelvora
