#include "core/framework/rangetexts.h"

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"

namespace kelvora {

std::string OutOfRangeText(int fieldNameId, float min, float max) {
  return FormatC(MessageText(ids::kValueOutOfRange), {MessageText(fieldNameId), min, max});
}

std::string NumberBetweenText(float min, float max) {
  return FormatMessage(MessageText(ids::kEnterNumberBetween),
                       {FormatC("%.6g", {min}), FormatC("%.6g", {max})});
}

}  // namespace kelvora
