#pragma once

#include <functional>
#include <typeindex>
#include <unordered_map>

namespace kelvora {

class CItem;

// The dialogs that edit items, by class. The desktop program registers one function per
// class at start; without one, `Edit` changes nothing and answers 0. Tests register
// scripted editors.
class EditorRegistry {
 public:
  using EditFunction = std::function<int(CItem&)>;

  template <class T>
  void Register(std::function<int(T&)> edit) {
    editors[typeid(T)] = [edit = std::move(edit)](CItem& item) { return edit(static_cast<T&>(item)); };
  }
  template <class T>
  void Unregister() {
    editors.erase(typeid(T));
  }
  int Edit(CItem& item) const;

 private:
  std::unordered_map<std::type_index, EditFunction> editors;
};

// The registry of the running program.
EditorRegistry& Editors();

}  // namespace kelvora
