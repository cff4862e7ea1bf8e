#include "core/framework/document.h"
#include "core/heatloss/varmetapmodul.h"
#include "core/thermal/innvendigkondensmodul.h"
#include "core/thermal/tanktempmodul.h"
#include "core/thermal/utvendigkondensmodul.h"

namespace kelvora {

// The eight modules in their fixed order.
std::unique_ptr<CQorModul> CreateModule(ModuleIndex index, CQorDoc& document) {
  switch (index) {
    case ModuleIndex::HeatLoss:
      return std::make_unique<CVarmeTapModul>(&document);
    case ModuleIndex::Tank:
      return std::make_unique<CTankTempModul>(&document);
    case ModuleIndex::ExternalCondensation:
      return std::make_unique<CUtvendigKondensModul>(&document);
    case ModuleIndex::InternalCondensation:
      return std::make_unique<CInnvendigKondensModul>(&document);
    default:
      return std::make_unique<CQorModul>(&document);
  }
}

}  // namespace kelvora
