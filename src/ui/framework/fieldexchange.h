#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// The text a float field shows: six significant digits, in exponent form where that is
// shorter ("0.034", "1.51e-09", "1e+06").
std::string ShowFloatField(float value);

// What Czech users type: a decimal comma or point, blanks before the number, a unit or other
// words after it ("12,5 mm" is 12.5). Nothing when no number can be read, when the text reads
// as 0 without starting with the digit 0 ("-0", "abc"), or when a digit or separator follows
// the number ("7,2,5", "1 000").
std::optional<float> ReadFloatField(std::string_view text);

// The plain exchange of a few fields: a decimal comma or point, nothing but blanks around it.
std::optional<float> ReadPlainFloat(std::string_view text);

}  // namespace kelvora
