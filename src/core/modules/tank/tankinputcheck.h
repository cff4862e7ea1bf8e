#pragma once

#include <optional>
#include <string>

#include "core/framework/fieldchecks.h"

namespace kelvora {

class CTankTempModul;

// The input of the tank dialog a failed check concerns; the dialog focuses its control.
enum class TankInput {
  None,
  Shape,
  Mode,
  Environment,
  EmissivityMode,
  LiquidMode,
  Diameter,
  Length,
  Width,
  Height,
  Depth,
  AmbientTemperature,
  WindSpeed,
  OuterCoefficient,
  UserEmissivity,
  Density,
  HeatCapacity,
  FreezingPoint,
  StartTemperature,
  StorageTime,
  EndTemperature,
  Product,
  Surface,
  Liquid,
};

using TankFault = InputFault<TankInput>;

// The first check the tank's inputs fail, in the order the tank dialog applies them on OK.
// Every value must be a finite number and every stored choice one the dialog offers.
std::optional<TankFault> FirstTankFault(const CTankTempModul& m, const WarningAnswer& answer);

// For a tank read from a file or recalculated after a database edit. A failure is told
// through the document's messages; the product-temperature warnings pass unasked.
bool StoredTankInputsPass(const CTankTempModul& m);

}  // namespace kelvora
