#pragma once

#include <string>

namespace kelvora {

// The texts that refuse a value outside its range, shared by the dialogs and by the checks
// of values read from files.

// "Hodnoty <field> musí být v rozmezí <min>-<max>", the field named by its string id.
std::string OutOfRangeText(int fieldNameId, float min, float max);
// "Prosím vložte číslo mezi <min> a <max>.", the limits as a number field shows them.
std::string NumberBetweenText(float min, float max);

}  // namespace kelvora
