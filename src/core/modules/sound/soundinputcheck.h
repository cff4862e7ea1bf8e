#pragma once

#include "core/framework/fieldchecks.h"

#include <optional>
#include <string>

namespace kelvora {

class CLydModul;

// The input of the sound dialog a failed check concerns; the dialog focuses its control.
enum class SoundInput {
  None,
  DuctType,
  LiningMode,
  Diameter,
  Height,
  Width,
  Absorber,
  Thickness,
  OwnThickness,
  Alpha125,  // the other bands follow in order
  Alpha250,
  Alpha500,
  Alpha1000,
  Alpha2000,
  Alpha4000,
};

using SoundFault = InputFault<SoundInput>;

// The first check the sound module's inputs fail, in the order the sound dialog applies
// them on OK: every value a finite number, the lining, the duct's sizes, and room for the
// lining on both sides.
std::optional<SoundFault> FirstSoundFault(const CLydModul& m);

// For a module read from a file or recalculated after a database edit, whose thickness
// may have been replaced or changed. A failure is told through the document's messages.
bool StoredSoundInputsPass(const CLydModul& m);

}  // namespace kelvora
