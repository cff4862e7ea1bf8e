#pragma once

#include <optional>

namespace kelvora {

class CSegment;

// What one section of a run does to the medium flowing through it.
struct RunSectionResult {
  float outlet = 0.0f;           // °C, after the equipment
  float beforeEquipment = 0.0f;  // °C, at the end of the section's own length
  float heatLoss = 0.0f;         // W, with the equipment
  // W/m²K of the last pass; none when the medium enters at the ambient temperature.
  std::optional<float> outerCoefficient;
  float innerCoefficient = 0.0f;  // W/m²K, ducts
};

// The section with the medium entering at `inlet` °C. A liquid is described by
// `density` (kg/m³) and `heatCapacity` (J/kgK); for air in ducts they are not used.
// Nothing when the balance has no physical answer: a value that is not finite, a surface
// the balance put outside the range between the surroundings and the medium, or an air
// property, conductivity or inner coefficient that is not positive.
std::optional<RunSectionResult> ComputeSection(const CSegment& section, float inlet, float density,
                                               float heatCapacity);

// The medium `fraction` (0 to 1) of the way along the section's own length, entering at
// `inlet` °C: the exponential approach to `ambient` that the section's balance settled on.
float TemperatureAlong(const RunSectionResult& result, float inlet, float ambient, float fraction);

// J/m³K of air at `t` °C.
float AirVolumetricHeatCapacity(float t);

}  // namespace kelvora
