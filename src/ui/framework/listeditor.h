#pragma once

#include <QListWidget>

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

// Adds, edits, copies and deletes the records of a list shown in a list box. Each record
// is edited through its own dialog (its Edit), with the names of the other records taken.
template <class T>
class ListEditor {
 public:
  // A record the veto answers false for is not deleted (the veto has said why).
  using DeleteVeto = std::function<bool(const T&)>;

  ListEditor(ItemList<T>& list, QListWidget& box, DeleteVeto veto = {})
      : list(list), box(box), veto(std::move(veto)) {
    Fill();
  }

  void Fill() {
    box.clear();
    for (const auto& record : list) box.addItem(QString::fromStdString(record->name));
  }

  // The selected record, or none.
  T* Selected() const {
    const int row = box.currentRow();
    return row >= 0 && row < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(row)].get()
                                                           : nullptr;
  }

  // Kept when its dialog ends with OK: appended and selected.
  bool New(std::unique_ptr<T> record) { return Keep(std::move(record)); }

  // The selected record, or the first one; it stays where it is.
  bool Update() {
    if (Empty()) return false;
    const auto row = static_cast<std::size_t>(std::max(box.currentRow(), 0));
    int edited = 0;
    {
      const TakenNamesScope others(NamesExcept(row));
      edited = list[row]->Edit();
    }
    Fill();
    box.setCurrentRow(static_cast<int>(row));
    return edited != 0;
  }

  bool Copy() {
    if (Empty()) return false;
    const T* selected = Selected() ? Selected() : list.front().get();
    return Keep(CloneItem(*selected));
  }

  bool Delete() {
    if (Empty()) return false;
    const int row = std::max(box.currentRow(), 0);
    T& record = *list[static_cast<std::size_t>(row)];
    if (veto && !veto(record)) return false;
    const std::string question =
        FormatMessage(LoadResourceString(ids::kConfirmDelete, Language::Czech), {record.name});
    if (!Dialogs().messages || !Dialogs().messages->AskOkCancel(question)) return false;
    list.erase(list.begin() + row);
    Fill();
    box.setCurrentRow(std::min(row, static_cast<int>(list.size()) - 1));
    return true;
  }

 private:
  bool Empty() const {
    if (!list.empty()) return false;
    if (Dialogs().messages) Dialogs().messages->Show(LoadResourceString(ids::kListEmpty, Language::Czech));
    return true;
  }

  std::vector<std::string> NamesExcept(std::size_t skipped) const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i != skipped) names.push_back(list[i]->name);
    }
    return names;
  }

  bool Keep(std::unique_ptr<T> record) {
    int edited = 0;
    {
      const TakenNamesScope all(NamesExcept(list.size()));
      edited = record->Edit();
    }
    if (!edited) return false;
    list.push_back(std::move(record));
    Fill();
    box.setCurrentRow(static_cast<int>(list.size()) - 1);
    return true;
  }

  ItemList<T>& list;
  QListWidget& box;
  DeleteVeto veto;
};

}  // namespace kelvora
