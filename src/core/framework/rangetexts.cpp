#include "core/framework/rangetexts.h"

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

std::string_view Czech(int id) { return LoadResourceString(id, Language::Czech); }

}  // namespace

std::string OutOfRangeText(int fieldNameId, float min, float max) {
  return FormatC(Czech(ids::kValueOutOfRange), {Czech(fieldNameId), min, max});
}

std::string NumberBetweenText(float min, float max) {
  return FormatMessage(Czech(ids::kEnterNumberBetween), {FormatC("%.6g", {min}), FormatC("%.6g", {max})});
}

}  // namespace kelvora
