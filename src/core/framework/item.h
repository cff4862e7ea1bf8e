#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

class CArchive;
struct ClassInfo;

// Root of everything the program stores or shows. Items hold no data of their own.
class CItem {
 public:
  CItem() = default;
  CItem(const CItem&) = default;
  CItem& operator=(const CItem&) = default;
  virtual ~CItem() = default;

  // The class under which the archive stores the item as a tagged object; null for
  // items that are only ever written in place.
  virtual const ClassInfo* RuntimeClass() const { return nullptr; }
  virtual void Serialize(CArchive& ar);

  // Edits the item in its dialog (see Editors()); nonzero when the user confirmed.
  virtual int Edit();
  // Told that a record this item refers to was replaced by `replacement`.
  virtual void ReplaceReference(CItem& replacement);
};

// An element of the program's lists: a name that is its key, and the register of the
// items that refer to it, which is what makes deleting a record in use detectable.
class CListItem : public CItem {
 public:
  CListItem() = default;
  // A copy knows the same users: an edited copy of a whole list can take the place of
  // the original and tell each user of its new record.
  CListItem(const CListItem&) = default;
  CListItem& operator=(const CListItem&) = default;

  virtual void NotifyUsers();
  virtual std::unique_ptr<CListItem> Clone() const;
  virtual bool IsEqual(const CListItem& other) const;
  void Serialize(CArchive& ar) override;

  void AddUser(CItem& user);
  void RemoveUser(const CItem& user);
  const std::vector<CItem*>& Users() const { return users; }
  bool HasUsers() const { return !users.empty(); }
  // The name lists show: the English one in an English interface, where the record has one.
  virtual std::string DisplayName() const;

  std::string name;
  std::string secondName;
  std::string description;

 private:
  std::vector<CItem*> users;
};

// Six 0x00BBGGRR colour words, read as three (from, to) pairs by the page header.
struct SymbolInfo {
  std::array<std::uint32_t, 6> words{};
};

class ModuleContext;

// Common base of the eight calculation modules. A module belongs to one owner, through
// which it reaches the messages, the settings and its report list.
class CQorModul : public CListItem {
 public:
  explicit CQorModul(ModuleContext* owner = nullptr) : context(owner) {}

  virtual void Recalculate() {}
  virtual void Reset() {}
  virtual std::string GetSymbol(SymbolInfo& symbol) const;

  std::int32_t calculated = 0;

 protected:
  ModuleContext* context;
};

// Lists own their elements; the order is significant everywhere.
template <class T>
using ItemList = std::vector<std::unique_ptr<T>>;

template <class T>
std::unique_ptr<T> CloneItem(const T& item) {
  return std::unique_ptr<T>(static_cast<T*>(item.Clone().release()));
}

template <class T>
void DeleteAll(ItemList<T>& list) {
  for (auto& element : list) element.reset();
  list.clear();
}

template <class T>
void CopyList(ItemList<T>& dst, const ItemList<T>& src) {
  DeleteAll(dst);
  dst.reserve(src.size());
  for (const auto& element : src) dst.push_back(CloneItem(*element));
}

template <class T>
void ReplaceList(ItemList<T>& dst, ItemList<T>& src, bool notify) {
  DeleteAll(dst);
  dst = std::move(src);
  src.clear();
  if (notify) {
    for (auto& element : dst) element->NotifyUsers();
  }
}

template <class T>
bool ListsEqual(const ItemList<T>& a, const ItemList<T>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!a[i]->IsEqual(*b[i])) return false;
  }
  return true;
}

template <class T>
std::optional<std::size_t> FindByName(const ItemList<T>& list, const std::string& name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i]->name == name) return i;
  }
  return std::nullopt;
}

// An owned list inside a record: copying the record clones the elements.
template <class T>
class ClonedList : public ItemList<T> {
 public:
  ClonedList() = default;
  ClonedList(const ClonedList& other) : ItemList<T>() { CopyList(*this, other); }
  ClonedList& operator=(const ClonedList& other) {
    if (this != &other) {
      ItemList<T> copy;
      CopyList(copy, other);
      ItemList<T>::operator=(std::move(copy));
    }
    return *this;
  }
  ClonedList(ClonedList&&) noexcept = default;
  ClonedList& operator=(ClonedList&&) noexcept = default;
  ~ClonedList() = default;
};

// Inserts `item` before the first element whose key is greater, so a list kept this way
// stays ascending; returns the position.
template <class T, class Key>
std::size_t InsertAscending(ItemList<T>& list, std::unique_ptr<T> item, Key key) {
  const auto value = key(*item);
  std::size_t position = 0;
  while (position < list.size() && !(key(*list[position]) > value)) ++position;
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), std::move(item));
  return position;
}

// Deletes the element at `index` unless something refers to it; false when it is in use.
template <class T>
bool RemoveIfUnused(ItemList<T>& list, std::size_t index) {
  if (list[index]->HasUsers()) return false;
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

// A stored list and, while a dialog edits it, the working copy the dialog changes. On
// confirmation the copy takes the place of the stored list and every user of a replaced
// record is re-pointed to its successor; on cancel the copy is dropped.
template <class T>
class EditableList {
 public:
  ItemList<T>& Current() { return working ? *working : stored; }
  const ItemList<T>& Current() const { return working ? *working : stored; }
  ItemList<T>& Stored() { return stored; }
  const ItemList<T>& Stored() const { return stored; }
  bool IsEditing() const { return working.has_value(); }

  void BeginEdit() {
    working.emplace();
    CopyList(*working, stored);
  }
  void CommitEdit() {
    if (!working) return;
    ReplaceList(stored, *working, true);
    working.reset();
  }
  void CancelEdit() { working.reset(); }

 private:
  ItemList<T> stored;
  std::optional<ItemList<T>> working;
};

// Points `slot` at `record` under the users protocol: the item leaves the old record's
// users and joins the new one's.
template <class T>
void SetReference(CItem& user, T*& slot, T* record) {
  if (slot == record) return;
  if (slot) slot->RemoveUser(user);
  slot = record;
  if (slot) slot->AddUser(user);
}

// What `ReplaceReference` does with its slot: the record that `slot` named has already
// been deleted by `ReplaceList`, so it is not touched; the successor already lists the
// user, as it was cloned with the users of the record it replaces.
template <class T>
void RepointReference(CItem& user, T*& slot, T& successor) {
  slot = &successor;
  successor.AddUser(user);
}

}  // namespace kelvora
