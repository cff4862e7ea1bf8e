#include "core/framework/document.h"
#include "core/heatloss/varmetapmodul.h"
#include "core/modules/frostmodul.h"
#include "core/modules/lydmodul.h"
#include "core/modules/okonomimodul.h"
#include "core/thermal/innvendigkondensmodul.h"
#include "core/thermal/kanaltempmodul.h"
#include "core/thermal/tanktempmodul.h"
#include "core/thermal/utvendigkondensmodul.h"

namespace kelvora {

// The eight modules in their fixed order.
std::unique_ptr<CQorModul> CreateModule(ModuleIndex index, CQorDoc& document) {
  switch (index) {
    case ModuleIndex::HeatLoss:
      return std::make_unique<CVarmeTapModul>(&document);
    case ModuleIndex::PipeRun:
      return std::make_unique<CKanalTempModul>(&document);
    case ModuleIndex::Tank:
      return std::make_unique<CTankTempModul>(&document);
    case ModuleIndex::ExternalCondensation:
      return std::make_unique<CUtvendigKondensModul>(&document);
    case ModuleIndex::InternalCondensation:
      return std::make_unique<CInnvendigKondensModul>(&document);
    case ModuleIndex::Frost:
      return std::make_unique<CFrostModul>(&document);
    case ModuleIndex::Sound:
      return std::make_unique<CLydModul>(&document);
    case ModuleIndex::Economics:
      return std::make_unique<COkonomiModul>(&document);
    default:
      return std::make_unique<CQorModul>(&document);
  }
}

}  // namespace kelvora
