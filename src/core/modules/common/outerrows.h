#pragma once

#include <cstdint>

#include "core/database/mantling.h"
#include "core/report/tablerows.h"

namespace kelvora {

// The emissivity of the outer surface: the user's where the user gives it, replaces the
// surface's part by a coefficient or has chosen no surface.
inline float OuterEmissivity(std::int32_t environment, std::int32_t userEmissivityOn,
                             const CMantling* surface, float userEmissivity) {
  const bool own = environment == 2 || userEmissivityOn || !surface;
  return own ? userEmissivity : surface->emissivity;
}

// The input rows of an outer surface and its surroundings, alike for a run's sections and
// a tank. A user coefficient replaces the surface's part, so it shows no surface rows.

inline void OuterSurfaceRows(TableRows& rows, std::int32_t environment, const CMantling* surface,
                             float userEmissivity) {
  if (environment == 2) return;
  if (surface) {
    rows.AddTexts(ids::kHlOuterSurface, surface->name, surface->secondName);
  } else {
    rows.AddTexts(ids::kHlOuterSurface, ids::kHlUserSurface);
  }
  rows.Add(ids::kHlEmissivity, "%.2f", surface ? surface->emissivity : userEmissivity);
}

// `coefficientLabel` names the user coefficient's row.
inline void SurroundingsRows(TableRows& rows, std::int32_t environment, float windSpeed,
                             float userCoefficient, int coefficientLabel = ids::kHlCoefficient) {
  switch (environment) {
    case 1:
      rows.AddTexts(ids::kHlSurroundings, ids::kHlOutdoors);
      rows.Add(ids::kHlWindSpeed, "%.1f m/s", windSpeed);
      break;
    case 2:
      rows.AddTexts(ids::kHlSurroundings, ids::kRunUserCoefficient);
      rows.Add(coefficientLabel, "%.1f", userCoefficient);
      break;
    default:
      rows.AddTexts(ids::kHlSurroundings, ids::kHlIndoors);
      break;
  }
}

}  // namespace kelvora
