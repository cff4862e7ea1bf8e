#pragma once

#include <optional>
#include <string>

#include "core/framework/fieldchecks.h"

namespace kelvora {

class CKanalTempModul;
class CSegment;

// The input of the run dialog a failed check concerns; the dialog focuses its control.
enum class RunInput {
  None,
  Medium,
  LiquidMode,
  Liquid,
  Density,
  HeatCapacity,
  FreezingPoint,
  InletTemperature,
  OperatingHours,
  EnergyPrice,
  Humidity,
  Sections,
};

using RunFault = InputFault<RunInput>;

// The input of the section dialog a failed check concerns.
enum class SectionInput {
  None,
  Kind,
  Orientation,
  Environment,
  EmissivityMode,
  FlowUnit,
  Height,
  Width,
  Diameter,
  Length,
  AmbientTemperature,
  WindSpeed,
  OuterCoefficient,
  InnerCoefficient,
  UserEmissivity,
  Flow,
  Layer1,
  Layer2,
  Surface,
};

using SectionFault = InputFault<SectionInput>;

// The first check the run's own inputs fail, in the order the run dialog applies them on
// OK; the medium is air when isAir is set. Every value must be a finite number and every
// stored choice one the dialog offers.
std::optional<RunFault> FirstRunFault(const CKanalTempModul& m);

// The same for one section, in the order of the section dialog, its name excepted: the
// dialog compares that with the other sections.
std::optional<SectionFault> FirstSectionFault(const CSegment& s, const WarningAnswer& answer);

// For a run read from a file or recalculated after a database edit: the run, then each
// section, which must also be of a kind the medium flows in. A failure is told through the
// document's messages; the product-temperature warnings pass unasked.
bool StoredRunInputsPass(const CKanalTempModul& m);

}  // namespace kelvora
