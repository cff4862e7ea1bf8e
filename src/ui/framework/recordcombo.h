#pragma once

#include <QComboBox>
#include <QLabel>

#include <functional>
#include <string>

#include "core/framework/item.h"

namespace kelvora {

// A combo box that picks a record of a list by name and shows the chosen record's
// description beside it. A row shows the record's DisplayName and keeps its name, by which
// the choice is found.
template <class T>
class RecordCombo {
 public:
  using Describe = std::function<std::string(const T&)>;

  // A preselected record the list lacks (one a document brought along) joins the list as a
  // copy, so that the choice the user had stays on offer.
  RecordCombo(ItemList<T>& list, QComboBox& combo, const T* preselected, QLabel* description = nullptr,
              Describe describe = {})
      : list(list), combo(combo), description(description), describe(std::move(describe)) {
    combo.clear();
    for (const auto& record : list) AddRow(*record);
    if (!preselected) return;
    const QString name = QString::fromStdString(preselected->name);
    if (combo.findData(name, Qt::UserRole, Qt::MatchExactly) < 0) {
      list.push_back(CloneItem(*preselected));
      AddRow(*preselected);
    }
    combo.setCurrentIndex(combo.findData(name, Qt::UserRole, Qt::MatchExactly));
    Selected();
  }

  // The first record of the chosen name; its description goes to the description field.
  T* Selected() const {
    const std::string name = combo.currentData().toString().toStdString();
    for (const auto& record : list) {
      if (record->name != name) continue;
      if (description && describe) description->setText(QString::fromStdString(describe(*record)));
      return record.get();
    }
    return nullptr;
  }

 private:
  void AddRow(const T& record) {
    combo.addItem(QString::fromStdString(record.DisplayName()), QString::fromStdString(record.name));
  }

  ItemList<T>& list;
  QComboBox& combo;
  QLabel* description;
  Describe describe;
};

}  // namespace kelvora
