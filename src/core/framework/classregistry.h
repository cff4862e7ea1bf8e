#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace kelvora {

class CItem;

// What the archive needs to know of a class it stores as a tagged object.
struct ClassInfo {
  std::string_view name;
  std::uint16_t schema;
  std::unique_ptr<CItem> (*create)();
};

template <class T>
std::unique_ptr<CItem> CreateItem() {
  return std::make_unique<T>();
}

// Every serializable class has schema 1.
template <class T>
constexpr ClassInfo MakeClassInfo(std::string_view name) {
  return ClassInfo{name, 1, &CreateItem<T>};
}

// The classes a reading archive may create, by the name stored in the file.
class ClassRegistry {
 public:
  ClassRegistry() = default;
  ClassRegistry(std::initializer_list<const ClassInfo*> infos) {
    for (const ClassInfo* info : infos) Add(*info);
  }

  void Add(const ClassInfo& info);
  const ClassInfo* Find(std::string_view name) const;

 private:
  std::unordered_map<std::string_view, const ClassInfo*> byName;
};

}  // namespace kelvora
