#include "core/framework/document.h"

namespace kelvora {

// The eight modules in their fixed order.
std::unique_ptr<CQorModul> CreateModule(ModuleIndex index, CQorDoc& document) {
  switch (index) {
    default:
      return std::make_unique<CQorModul>(&document);
  }
}

}  // namespace kelvora
