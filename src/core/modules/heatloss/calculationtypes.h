#pragma once

#include <optional>
#include <span>

#include "core/modules/heatloss/heatlossresult.h"
#include "core/physics/physics.h"

namespace kelvora {

class CVarmeTapModul;
class Messages;

// The module's inputs in the units of the physics: sizes in m, the emissivity of the
// chosen surface (or the user's, which also stands in when no surface is chosen).
PhysicsInput ModulePhysicsInput(const CVarmeTapModul& m);

// Each solver tells the user through the document's messages why it failed and returns
// nothing then.

// Heat loss of the build-up as entered: one, two or three layers.
std::optional<HeatLossResult> SolveGivenThickness(const CVarmeTapModul& m);
// One, two or three layers, inner first, each count by its own solve; nothing for any other
// count and where the solve fails. Shows nothing.
std::optional<HeatFlowSolution> SolveBuildUp(const PhysicsInput& in, std::span<const InsulationLayer> layers);
// The first layer's thickness that holds the surface at the module's surface temperature.
std::optional<HeatLossResult> SolveForSurfaceTemperature(const CVarmeTapModul& m);
// The first layer's thickness that holds the heat loss at the module's maximum.
std::optional<HeatLossResult> SolveForHeatLoss(const CVarmeTapModul& m);
// The first layer's thickness that holds the heat loss at `limit` (signed as Tm - Ta; per m²
// of the outer surface when `perSquareMetre`): the two-phase secant, and where that finds
// nothing the smallest thickness from which the limit holds up to 2 m. Nothing after its
// message (to `messages` when given) when no thickness up to 2 m meets it.
std::optional<HeatLossResult> SearchForHeatLoss(const PhysicsInput& in, const LambdaPolynomial& lambda,
                                                float limit, bool perSquareMetre, Messages* messages);
// The bare object already stays within the limit.
bool BareMeetsLimit(const PhysicsInput& in, const BareSurfaceSolution& bare, float limit,
                    bool perSquareMetre);
// Stores the heat-loss limit of the degree-hour band in the module's maximum (and unit) and
// solves for it; below the first band the result is the bare object with `noRequirement`.
std::optional<HeatLossResult> SolveDegreeHourLimit(CVarmeTapModul& m);

// The limit of the degree-hour band (W/m², or W/m for every kind but planes), or nothing
// below the first band, where no requirement applies.
std::optional<float> DegreeHourLimit(ObjectKind kind, float tm, float ta, float operatingHours,
                                     float diameter, float width, float height);

// The single-layer balance again at a standard thickness (m), as the standard column of the
// results shows it; where it does not settle, the layer solved as given. Nothing when a
// value is not finite.
std::optional<HeatFlowSolution> ResolveAtStandardThickness(const PhysicsInput& in,
                                                           const LambdaPolynomial& product, float thickness);

}  // namespace kelvora
