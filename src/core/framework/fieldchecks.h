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
// input they concern.

// A failed check of the inputs of a module's dialog.
template <class Input>
struct InputFault {
  // As a file's check shows it; empty when the user stopped at a warning, which said enough.
  std::string message;
  Input input = Input::None;
  // A refused number's "what is wrong, what is allowed", for the dialog to put the caption of
  // its field before; empty for other faults.
  std::string reason = {};
};

// Asked with a warning the user may let pass; true goes on with the checks.
using WarningAnswer = std::function<bool(std::string_view warning)>;

// Written so that NaN fails.
inline bool Within(float value, float min, float max) { return min <= value && value <= max; }

// A number field named by its string id, with the value it reads; unbounded: any finite number.
template <class Input>
struct NumberRange {
  Input input;
  int nameId;
  float value;
  float min = -std::numeric_limits<float>::infinity();
  float max = std::numeric_limits<float>::infinity();
};

// `value` of the field `name` refused: no number, or outside min..max.
template <class Fault, class Input>
Fault NamedFieldFault(Input input, std::string_view name, float value, float min, float max) {
  std::string reason = RangeReason(value, min, max);
  return Fault{FieldRefusal(name, reason), input, std::move(reason)};
}

template <class Fault, class Input>
Fault FieldFault(Input input, int nameId, float value, float min, float max) {
  return NamedFieldFault<Fault>(input, MessageText(nameId), value, min, max);
}

// The first field, in the order given, that holds no number or one outside its bounds.
template <class Fault, class Input>
std::optional<Fault> FirstFieldFault(std::span<const NumberRange<Input>> fields) {
  for (const auto& field : fields) {
    if (!Within(field.value, field.min, field.max) || !std::isfinite(field.value))
      return FieldFault<Fault>(field.input, field.nameId, field.value, field.min, field.max);
  }
  return std::nullopt;
}

// A value a later check bounds.
template <class Fault, class Input>
std::optional<Fault> RangeFault(Input input, int nameId, float value, float min, float max) {
  if (Within(value, min, max)) return std::nullopt;
  return FieldFault<Fault>(input, nameId, value, min, max);
}

}  // namespace kelvora
