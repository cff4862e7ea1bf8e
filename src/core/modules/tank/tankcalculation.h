#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kelvora {

class CTankTempModul;

// Outer sizes of an insulated tank for an insulation thickness.
struct TankShell {
  float area = 0.0f;              // Ao, m²
  float volume = 0.0f;            // V, m³, of the medium
  float shapeFactor = 0.0f;       // S, m: conducted flow = S·∫λ dT
  float convectionHeight = 0.0f;  // Hc, m, of the walls
};

TankShell TankGeometry(std::int32_t shape, float width, float height, float depth, float diameter,
                       float length, float thickness);

// W/m²K; the walls take the vertical wall form with their height Hc.
float TankOuterCoefficient(std::int32_t environment, float ts, float ta, float eps, float hc, float windSpeed,
                           float userCoefficient);

// Why a tank has no result.
enum class TankStop {
  EndTemperatureOutside,  // the given end temperature is not strictly between Ta and T0
  EndNeverReached,        // no heat is exchanged, so the given end temperature never comes
  NotFinite,
};

struct TankResult {
  float endTemperature = 0.0f;  // °C, the freezing point when the medium freezes
  float coolingTime = 0.0f;     // h, given end temperature
  float surfaceTemperature = 0.0f;
  float outerCoefficient = 0.0f;
  TankShell shell;
  float energy = 0.0f;                // kWh
  float initialHeatLoss = 0.0f;       // W; negative for a warming tank
  std::optional<float> freezingTime;  // h, given storage time
  bool constantConductivity = false;  // the thin-insulation scheme answered
  // Temperature against time at ten even steps to the end of storage (given storage time).
  std::array<float, 10> curveTimes{};
  std::array<float, 10> curveTemperatures{};
};

struct TankOutcome {
  std::optional<TankResult> result;
  TankStop stop = TankStop::NotFinite;
};

// Both modes of the tank. Expects inputs the tank dialog accepts: a product, and a
// liquid and a surface unless the user gives their values.
TankOutcome ComputeTank(const CTankTempModul& m);

}  // namespace kelvora
