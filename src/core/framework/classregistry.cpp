#include "core/framework/classregistry.h"

namespace kelvora {

void ClassRegistry::Add(const ClassInfo& info) { byName[info.name] = &info; }

const ClassInfo* ClassRegistry::Find(std::string_view name) const {
  const auto it = byName.find(name);
  return it == byName.end() ? nullptr : it->second;
}

}  // namespace kelvora
