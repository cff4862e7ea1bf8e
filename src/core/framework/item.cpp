#include "core/framework/item.h"

#include <algorithm>

#include "core/framework/archive.h"
#include "core/framework/editors.h"
#include "core/framework/stringtable.h"

namespace kelvora {

void CItem::Serialize(CArchive&) {}

int CItem::Edit() { return Editors().Edit(*this); }

int EditorRegistry::Edit(CItem& item) const {
  const auto it = editors.find(typeid(item));
  return it == editors.end() ? 0 : it->second(item);
}

EditorRegistry& Editors() {
  static EditorRegistry registry;
  return registry;
}

void CItem::ReplaceReference(CItem&) {}

void CListItem::NotifyUsers() {
  // A user may re-register while being told; walk a snapshot.
  const std::vector<CItem*> snapshot = users;
  for (CItem* user : snapshot) user->ReplaceReference(*this);
}

std::unique_ptr<CListItem> CListItem::Clone() const { return std::make_unique<CListItem>(*this); }

bool CListItem::IsEqual(const CListItem& other) const { return name == other.name; }

void CListItem::Serialize(CArchive& ar) {
  ar.Exchange(name, secondName, description);
  if (ar.IsLoading()) users.clear();
}

std::string CListItem::DisplayName() const {
  return DisplayLanguage() == Language::English && !secondName.empty() ? secondName : name;
}

void CListItem::AddUser(CItem& user) {
  if (std::find(users.begin(), users.end(), &user) == users.end()) users.push_back(&user);
}

void CListItem::RemoveUser(const CItem& user) {
  const auto it = std::find(users.begin(), users.end(), &user);
  if (it != users.end()) users.erase(it);
}

std::string CQorModul::GetSymbol(SymbolInfo&) const { return {}; }

}  // namespace kelvora
