#include "core/framework/rangetexts.h"

#include <algorithm>
#include <cmath>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

// As the user types it back: shortest form, with the decimal separator of the language.
std::string Limit(float value) {
  std::string text = FormatC("%.7g", {value});
  if (DisplayLanguage() == Language::Czech) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

}  // namespace

std::string FieldRefusal(std::string_view field, std::string_view reason) {
  std::string text(field);
  text += ": ";
  text += reason;
  return text;
}

std::string RangeReason(float value, float min, float max) {
  const bool bounded = std::isfinite(min) && std::isfinite(max);
  if (!std::isfinite(value)) {
    return bounded ? FormatMessage(MessageText(ids::kEnterNumberBetween), {Limit(min), Limit(max)})
                   : std::string(MessageText(ids::kEnterNumber));
  }
  return FormatMessage(MessageText(ids::kValueOutOfRange), {Limit(value), Limit(min), Limit(max)});
}

}  // namespace kelvora
