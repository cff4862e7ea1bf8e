#include "core/physics/flowunits.h"

#include "core/framework/cformat.h"

namespace kelvora {

namespace {

constexpr std::int32_t kCubicMetresPerHour = 0;
constexpr std::int32_t kLitresPerSecond = 1;
constexpr std::int32_t kMetresPerSecond = 2;

// m³/h and l/s per m/s over an area of 1 m².
float PerVelocity(std::int32_t unit) { return unit == kCubicMetresPerHour ? 3600.0f : 1000.0f; }

}  // namespace

float FlowConversionArea(ObjectKind kind, float diameter, float width, float height,
                         float firstLayerThickness) {
  constexpr float kMetresPerMm = 0.001f;
  if (kind == ObjectKind::CircularDuct || kind == ObjectKind::RectDuctInternal) {
    return FlowArea(kind, diameter * kMetresPerMm, width * kMetresPerMm, height * kMetresPerMm,
                    firstLayerThickness * kMetresPerMm);
  }
  return width * kMetresPerMm * (height * kMetresPerMm);
}

float ConvertFlow(float value, std::int32_t fromUnit, std::int32_t toUnit, float area) {
  if (fromUnit == toUnit) return value;
  if (fromUnit == kCubicMetresPerHour && toUnit == kLitresPerSecond) return value / 3.6f;
  if (fromUnit == kLitresPerSecond && toUnit == kCubicMetresPerHour) return value * 3.6f;
  if (!(area > 0.0f)) return value;
  if (toUnit == kMetresPerSecond) return value / (area * PerVelocity(fromUnit));
  if (fromUnit == kMetresPerSecond) return value * (area * PerVelocity(toUnit));
  return value;
}

std::string ShowFlowValue(float value) {
  const char* format = value > 1000.0f  ? "%.0f"
                       : value > 100.0f ? "%.1f"
                       : value > 10.0f  ? "%.2f"
                       : value > 1.0f   ? "%.3f"
                       : value > 0.1f   ? "%.4f"
                       : value > 0.01f  ? "%.5f"
                                        : "%.6f";
  return FormatC(format, {value});
}

}  // namespace kelvora
