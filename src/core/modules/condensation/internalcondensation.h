#pragma once

#include <optional>
#include <string>

#include "core/modules/condensation/condensationsearch.h"

namespace kelvora {

class CInnvendigKondensModul;

// The duct at one insulation thickness, the air cooled along it.
struct DuctCondensationState {
  float thickness = 0.0f;     // m
  float ts = 0.0f;            // outer surface, °C
  float ho = 0.0f;            // W/m²K
  float u = 0.0f;             // per metre of duct, W/mK
  float outlet = 0.0f;        // air at the outlet, °C
  float innerSurface = 0.0f;  // inner duct surface at the outlet, °C
  float heatLoss = 0.0f;      // per metre of the entered length, W/m
};

struct InternalCondensationResult {
  float dewPoint = 0.0f;  // of the air in the duct
  float hi = 0.0f;        // inner film, W/m²K
  // The least thickness that keeps the inner surface at the outlet at the dew point.
  DuctCondensationState required;
  bool bare = false;
  // A standard product's nearest standard thickness (mm) and its texts; -1 when none is
  // large enough.
  bool standardRow = false;
  float standardMm = -1.0f;
  std::string standardTextCz;
  std::string standardTextEn;
  std::optional<DuctCondensationState> atStandard;
};

struct InternalCondensationOutcome {
  std::optional<InternalCondensationResult> result;
  CondensationStop stop = CondensationStop::None;
};

// The required thickness, the bare duct when its surroundings are not colder than the dew
// point, and the standard thickness beside it. Shows nothing; the stop says why there is
// no result. The product must be set.
InternalCondensationOutcome ComputeInternalCondensation(const CInnvendigKondensModul& m);

// The duct insulated `thickness` m thick, as the search judges a thickness it tries; nothing
// when its surface balance does not settle.
std::optional<DuctCondensationState> InternalCondensationAt(const CInnvendigKondensModul& m, float thickness);

}  // namespace kelvora
