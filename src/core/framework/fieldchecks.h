#pragma once

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"

namespace kelvora {

// The checks an input dialog applies to its number fields on OK, for faults that name the
// input they concern (`Fault{message, input}`).

// Asked with a warning the user may let pass; true goes on with the checks.
using WarningAnswer = std::function<bool(std::string_view warning)>;

// Written so that NaN fails.
inline bool Within(float value, float min, float max) { return min <= value && value <= max; }

// A number field, with the values it reads; unbounded: any finite number.
template <class Input>
struct NumberRange {
  Input input;
  float value;
  float min = -std::numeric_limits<float>::infinity();
  float max = std::numeric_limits<float>::infinity();
};

// The first field, in the order given, that holds no number or one outside its bounds.
template <class Fault, class Input>
std::optional<Fault> FirstFieldFault(std::span<const NumberRange<Input>> fields) {
  for (const auto& field : fields) {
    if (!std::isfinite(field.value)) return Fault{std::string(MessageText(ids::kEnterNumber)), field.input};
    if (!Within(field.value, field.min, field.max))
      return Fault{NumberBetweenText(field.min, field.max), field.input};
  }
  return std::nullopt;
}

// "Hodnoty <field> musí být v rozmezí …" for a value a later check bounds.
template <class Fault, class Input>
std::optional<Fault> RangeFault(Input input, int nameId, float value, float min, float max) {
  if (Within(value, min, max)) return std::nullopt;
  return Fault{OutOfRangeText(nameId, min, max), input};
}

}  // namespace kelvora
