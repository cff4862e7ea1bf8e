#pragma once

#include <optional>
#include <string>

#include "core/framework/fieldchecks.h"

namespace kelvora {

class CUtvendigKondensModul;
class CInnvendigKondensModul;

// The input of a condensation dialog a failed check concerns; the dialog focuses its control.
enum class CondensationInput {
  None,
  Kind,
  Environment,
  EmissivityMode,
  FlowUnit,
  MediumTemperature,
  AmbientTemperature,
  Humidity,
  Diameter,
  Height,
  Width,
  Length,
  WindSpeed,
  OuterCoefficient,
  InnerCoefficient,
  UserEmissivity,
  Flow,
  InletTemperature,
  Product,
  Surface,
};

using CondensationFault = InputFault<CondensationInput>;

// The first check the inputs fail, in the order the module's dialog applies them on OK.
// Every value must be a finite number and every stored choice one the dialog offers; a
// layer without a product fails whichever database it draws on.
std::optional<CondensationFault> FirstExternalCondensationFault(const CUtvendigKondensModul& m,
                                                                const WarningAnswer& answer);
std::optional<CondensationFault> FirstInternalCondensationFault(const CInnvendigKondensModul& m,
                                                                const WarningAnswer& answer);

// For a module read from a file or recalculated after a database edit. A failure is told
// through the document's messages; the product-temperature warnings pass unasked.
bool StoredExternalCondensationInputsPass(const CUtvendigKondensModul& m);
bool StoredInternalCondensationInputsPass(const CInnvendigKondensModul& m);

}  // namespace kelvora
