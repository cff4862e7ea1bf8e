#pragma once

#include <QListWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/framework/cformat.h"
#include "core/framework/item.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "ui/framework/itemdlg.h"

namespace kelvora {

// The list inside a record (an equipment type's lengths, an absorber's thicknesses): kept
// in ascending order of a key, shown by name in a list box at the same rows. Each entry is
// edited through its own dialog with the names of the other entries taken.
template <class T>
class SortedListEditor {
 public:
  using Key = std::function<float(const T&)>;
  // An entry the veto answers false for is not deleted (the veto has said why).
  using DeleteVeto = std::function<bool(const T&)>;

  SortedListEditor(ItemList<T>& list, QListWidget& box, Key key, DeleteVeto veto = {})
      : list(list), box(box), key(std::move(key)), veto(std::move(veto)) {
    box.clear();
    for (const auto& entry : list) box.addItem(QString::fromStdString(entry->name));
  }

  // A new entry with its defaults, kept when its dialog ends with OK.
  bool New() {
    auto entry = std::make_unique<T>();
    {
      const TakenNamesScope all(NamesExcept(list.size()));
      if (!entry->Edit()) return false;
    }
    Insert(std::move(entry));
    return true;
  }

  // The selected entry, or the first; it goes back by its key whatever the dialog's end.
  bool Update() {
    if (Empty()) return false;
    const auto row = Row();
    int edited = 0;
    {
      const TakenNamesScope others(NamesExcept(row));
      edited = list[row]->Edit();
    }
    auto entry = std::move(list[row]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
    delete box.takeItem(static_cast<int>(row));
    Insert(std::move(entry));
    return edited != 0;
  }

  bool Delete() {
    if (Empty()) return false;
    const auto row = Row();
    const T& entry = *list[row];
    if (veto && !veto(entry)) return false;
    const std::string question = FormatMessage(MessageText(ids::kConfirmDelete), {entry.name});
    if (!Dialogs().messages || !Dialogs().messages->AskOkCancel(question)) return false;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
    delete box.takeItem(static_cast<int>(row));
    return true;
  }

 private:
  std::size_t Row() const { return static_cast<std::size_t>(std::max(box.currentRow(), 0)); }

  bool Empty() const {
    if (!list.empty()) return false;
    if (Dialogs().messages) Dialogs().messages->Show(MessageText(ids::kListEmpty));
    return true;
  }

  std::vector<std::string> NamesExcept(std::size_t skipped) const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i != skipped) names.push_back(list[i]->name);
    }
    return names;
  }

  void Insert(std::unique_ptr<T> entry) {
    const QString name = QString::fromStdString(entry->name);
    const auto row = static_cast<int>(InsertAscending(list, std::move(entry), key));
    box.insertItem(row, name);
    box.setCurrentRow(row);
  }

  ItemList<T>& list;
  QListWidget& box;
  Key key;
  DeleteVeto veto;
};

}  // namespace kelvora
