#pragma once

#include <string>
#include <string_view>

namespace kelvora {

// The texts that refuse a value, shared by the dialogs, the checks of values read from files
// and the line list. Every refusal reads "<field>: <what is wrong>, <what is allowed>."; a
// dialog names the field by the caption it shows, a file's check by the field's name.

std::string FieldRefusal(std::string_view field, std::string_view reason);
// What is wrong with `value` and what is allowed: no number at all, or a number outside
// min..max. Without finite bounds any number is allowed.
std::string RangeReason(float value, float min, float max);

}  // namespace kelvora
