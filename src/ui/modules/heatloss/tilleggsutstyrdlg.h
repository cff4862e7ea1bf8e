#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/framework/item.h"
#include "ui/framework/itemdlg.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kelvora {

class CTillegg2;
template <class T>
class RecordCombo;

// What the equipment dialog edits of an equipment entry.
struct EquipmentChoice {
  std::int32_t count = 1;
  std::int32_t userDefined = 0;
  float equivalentLength = 1.0f;  // m, of one piece
  std::string userName;
  CTillegg2* equipment = nullptr;
};

// One auxiliary-equipment entry: a type from the database's equipment list, or a length
// and a name the user gives, and the number of pieces.
class CTilleggsutstyrDlg : public CItemDlg {
  Q_OBJECT

 public:
  CTilleggsutstyrDlg(const EquipmentChoice& entry, ItemList<CListItem>& equipmentList,
                     QWidget* parent = nullptr);
  ~CTilleggsutstyrDlg() override;

  // The choice OK confirmed.
  const EquipmentChoice& Choice() const { return choice; }
  void accept() override;

 private:
  void ApplyRules();

  EquipmentChoice choice;
  QComboBox* typeBox;
  std::unique_ptr<RecordCombo<CListItem>> types;
  QCheckBox* userDefined;
  QLineEdit* userName;
  QLabel* lengthLabel;
  QLineEdit* length;
  QLineEdit* count;
};

}  // namespace kelvora
