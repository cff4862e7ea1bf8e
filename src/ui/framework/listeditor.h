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
#include "ui/framework/czechorder.h"
#include "ui/framework/itemdlg.h"

namespace kelvora {

// Adds, edits, copies and deletes the records of a list shown in a list box. Each record
// is edited through its own dialog (its Edit), with the names of the other records taken.
template <class T>
class ListEditor {
 public:
  // A record the veto answers false for is not deleted (the veto has said why).
  using DeleteVeto = std::function<bool(const T&)>;
  // Sorted shows the names alphabetically (Czech order, English in an English interface)
  // while the list keeps its own order; a shown row stands for the first record of its name.
  enum class Display { ListOrder, Sorted };

  ListEditor(ItemList<T>& list, QListWidget& box, DeleteVeto veto = {}, Display display = Display::ListOrder)
      : list(list), box(box), veto(std::move(veto)), display(display) {
    Fill();
  }

  void Fill() {
    box.clear();
    rows.clear();
    std::vector<QString> names;
    for (const auto& record : list) names.push_back(QString::fromStdString(record->DisplayName()));
    std::vector<std::size_t> order(list.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (display == Display::Sorted) {
      const QCollator collator = DisplayOrder();
      std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return collator.compare(names[a], names[b]) < 0;
      });
    }
    for (const std::size_t index : order) {
      box.addItem(names[index]);
      rows.push_back(*FindByName(list, list[index]->name));
    }
  }

  // The selected record, or none.
  T* Selected() const {
    const int row = box.currentRow();
    return row >= 0 && row < static_cast<int>(rows.size()) ? list[rows[static_cast<std::size_t>(row)]].get()
                                                           : nullptr;
  }

  // Kept when its dialog ends with OK: appended and selected.
  bool New(std::unique_ptr<T> record) { return Keep(std::move(record)); }

  // The selected record, or the first one shown; it stays where it is in the list.
  bool Update() {
    if (Empty()) return false;
    const std::size_t index = SelectedIndex();
    int edited = 0;
    {
      const TakenNamesScope others(NamesExcept(index));
      edited = list[index]->Edit();
    }
    Fill();
    Select(index);
    return edited != 0;
  }

  bool Copy() {
    if (Empty()) return false;
    auto copy = CloneItem(*list[SelectedIndex()]);
    // Nothing refers to a new record yet; a clone would otherwise take over the users of
    // its original when the list is put in place.
    const std::vector<CItem*> users = copy->Users();
    for (const CItem* user : users) copy->RemoveUser(*user);
    return Keep(std::move(copy));
  }

  bool Delete() {
    if (Empty()) return false;
    const int row = std::max(box.currentRow(), 0);
    const std::size_t index = SelectedIndex();
    T& record = *list[index];
    if (veto && !veto(record)) return false;
    const std::string question = FormatMessage(MessageText(ids::kConfirmDelete), {record.DisplayName()});
    if (!Dialogs().messages || !Dialogs().messages->AskOkCancel(question)) return false;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    Fill();
    box.setCurrentRow(std::min(row, static_cast<int>(list.size()) - 1));
    return true;
  }

 private:
  bool Empty() const {
    if (!list.empty()) return false;
    if (Dialogs().messages) Dialogs().messages->Show(MessageText(ids::kListEmpty));
    return true;
  }

  // The list index of the selected row, or of the first row when none is selected.
  std::size_t SelectedIndex() const {
    const int row = box.currentRow();
    return rows[row >= 0 && row < static_cast<int>(rows.size()) ? static_cast<std::size_t>(row) : 0];
  }

  void Select(std::size_t index) {
    const auto row = std::find(rows.begin(), rows.end(), index);
    if (row != rows.end()) box.setCurrentRow(static_cast<int>(row - rows.begin()));
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
    Select(list.size() - 1);
    return true;
  }

  ItemList<T>& list;
  QListWidget& box;
  DeleteVeto veto;
  Display display;
  // The list index each row of the box stands for.
  std::vector<std::size_t> rows;
};

}  // namespace kelvora
