#pragma once

#include <cstdint>
#include <string>

#include "core/physics/physics.h"

namespace kelvora {

// The free cross-section in m² over which a duct flow given as a velocity is converted:
// an internally insulated duct loses its first layer, any other shape counts its full
// height × width. Sizes in mm.
float FlowConversionArea(ObjectKind kind, float diameter, float width, float height,
                         float firstLayerThickness);

// A duct flow in another of the units m³/h (0), l/s (1) and m/s (2). A velocity cannot be
// converted over a cross-section that is not positive: the value is kept.
float ConvertFlow(float value, std::int32_t fromUnit, std::int32_t toUnit, float area);

// A flow value as the input fields show it: the smaller, the more decimals.
std::string ShowFlowValue(float value);

}  // namespace kelvora
