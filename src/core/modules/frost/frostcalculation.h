#pragma once

#include <optional>

namespace kelvora {

class CFrostModul;

// What an idle water pipe in frost comes to: the water cools to 0 °C, then the given share
// of it freezes.
struct FrostResult {
  float coolingTime = 0.0f;         // h, from the start temperature to 0 °C
  float freezingTime = 0.0f;        // h, of the given share
  float heating = 0.0f;             // W/m that hold the water at 0 °C
  float outerCoefficient = 0.0f;    // W/m²K, of the last surface iteration
  float lambda = 0.0f;              // W/mK, at the mean insulation temperature while cooling
  float surfaceTemperature = 0.0f;  // °C, while cooling
  float outerDiameter = 0.0f;       // m, of the insulation
  // h: while it cools, the water's difference to the air falls by the factor e in this time.
  float timeConstant = 0.0f;

  float TotalTime() const { return coolingTime + freezingTime; }
};

// Expects inputs the frost dialog accepts. Nothing when the inputs give the heat no finite
// way out: no product, a thickness that is not positive, a conductivity that is not
// positive between the air and the water temperature, or a result that is no number.
std::optional<FrostResult> ComputeFrost(const CFrostModul& m);

// °C of the water `hours` after the start: falling towards the air until it reaches 0 °C at
// the end of the cooling time, then held at 0 °C while it freezes.
float WaterTemperature(const CFrostModul& m, const FrostResult& r, float hours);

}  // namespace kelvora
