#pragma once

#include <string>

#include "core/framework/cformat.h"

namespace kelvora {

// The currency and the unit of length the economics dialogs share while they are open: the
// module dialog sets them, the alternative and price dialogs name their costs in them.
struct CostUnit {
  std::string currency;
  bool plane = false;  // costs per square metre

  const char* Unit() const { return plane ? "m2" : "m"; }
  // The label of a price field.
  std::string PriceCaption() const { return FormatC("Náklady [%s/%s]:", {currency, Unit()}); }
};

inline CostUnit& SharedCostUnit() {
  static CostUnit unit;
  return unit;
}

}  // namespace kelvora
