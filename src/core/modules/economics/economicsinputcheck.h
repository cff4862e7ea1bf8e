#pragma once

#include <optional>
#include <string>

#include "core/framework/fieldchecks.h"

namespace kelvora {

class COkoIsolasjon;
class COkonomiModul;

// The input of the economics dialog a failed check concerns; the dialog focuses its control.
enum class EconomicsInput {
  None,
  ObjectKind,
  Environment,
  FlowUnit,
  Diameter,
  Height,
  Width,
  BareEmissivity,
  MediumTemperature,
  Flow,
  AmbientTemperature,
  WindSpeed,
  UserCoefficient,
  EnergyPrice,
  OperatingHours,
  LifeSpan,
  EnergyInflation,
  InterestRate,
  Alternatives,
};

using EconomicsFault = InputFault<EconomicsInput>;

// The first check the module's inputs fail, in the order the economics dialog applies them
// on OK. Every value must be a finite number and every stored choice one the dialog offers.
std::optional<EconomicsFault> FirstEconomicsFault(const COkonomiModul& m, const WarningAnswer& answer);

// The input of the alternative dialog a failed check concerns.
enum class AlternativeInput { None, Product, Thickness, Emissivity, Surface, Price };

using AlternativeFault = InputFault<AlternativeInput>;

// The checks of one alternative, in the order its dialog applies them on OK (all but the
// uniqueness of its name, which concerns the list).
std::optional<AlternativeFault> FirstAlternativeFault(const COkoIsolasjon& a);

// For a module read from a file or recalculated after a database edit: every alternative,
// then the module. A failure is told through the document's messages; the product
// warnings pass unasked.
bool StoredEconomicsInputsPass(const COkonomiModul& m);

}  // namespace kelvora
