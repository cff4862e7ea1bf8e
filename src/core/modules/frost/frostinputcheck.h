#pragma once

#include <optional>
#include <string>

#include "core/framework/fieldchecks.h"

namespace kelvora {

class CFrostModul;

// The input of the frost dialog a failed check concerns; the dialog focuses its control.
enum class FrostInput {
  None,
  PipeDiameter,
  WallThickness,
  AmbientTemperature,
  WindSpeed,
  OuterCoefficient,
  StartTemperature,
  PercentageFrozen,
  Emissivity,
  Product,
  Surface,
};

using FrostFault = InputFault<FrostInput>;

// The first check the frost inputs fail, in the order the frost dialog applies them on OK.
// Every value must be a finite number, and the pipe must keep a bore inside its wall.
std::optional<FrostFault> FirstFrostFault(const CFrostModul& m, const WarningAnswer& answer);

// For a pipe read from a file or recalculated after a database edit, where no dialog has
// checked the inputs; the product-temperature warning passes unasked.
bool StoredFrostInputsPass(const CFrostModul& m);

}  // namespace kelvora
