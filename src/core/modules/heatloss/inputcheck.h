#pragma once

#include <optional>
#include <string>

#include "core/framework/fieldchecks.h"

namespace kelvora {

class CVarmeTapModul;

// The input a failed check concerns; the input dialog puts the focus on its control.
enum class HeatLossInput {
  None,
  CalculationType,
  Orientation,
  SurfaceMode,
  HeatLossUnit,
  FlowUnit,
  MediumTemperature,
  AmbientTemperature,
  Diameter,
  Height,
  Width,
  Length,
  Area,
  BareEmissivity,
  WindSpeed,
  UserCoefficient,
  UserEmissivity,
  SurfaceTemperature,
  MaxHeatLossPerMetre,
  MaxHeatLossPerSquareMetre,
  OperatingHours,
  EnergyPrice,
  Co2Factor,
  FlowValue,
  Layer1,
  Layer2,
  Layer3,
  Equipment,
  Surface,
};

using HeatLossFault = InputFault<HeatLossInput>;

// The first check the inputs fail, in the order the input dialog applies them on OK, or
// nothing when the module may be calculated. Every value must be a finite number (NaN fails
// every range); a stored choice outside those the program offers fails as well.
std::optional<HeatLossFault> FirstHeatLossFault(const CVarmeTapModul& m, const WarningAnswer& answer);

// For a module read from a file: whether it may be calculated. A failure is told through
// the document's messages. The product-temperature warnings pass unasked: the user let
// them pass when entering the values, and a file being opened has nothing to go back to.
bool StoredHeatLossInputsPass(const CVarmeTapModul& m);

}  // namespace kelvora
