#pragma once

#include <string>

#include "core/database/kostnad.h"
#include "ui/framework/itemdlg.h"

class QLineEdit;

namespace kelvora {

class CSortListCtrl;

// One preset price: its name and the price in the shared currency and unit.
class CIsoKostnadDlg : public CItemDlg {
  Q_OBJECT

 public:
  CIsoKostnadDlg(const std::string& name, float price, QWidget* parent = nullptr);

  const std::string& Name() const { return nameValue; }
  float Price() const { return priceValue; }
  void accept() override;

 private:
  std::string nameValue;
  float priceValue;
  QLineEdit* name;
  QLineEdit* price;
};

// The preset prices, sorted by name, in columns of name, whole price, and the currency and
// unit of the label, so that no price is cut off however long a name; OK chooses the
// selected one. Works on the list handed in, which the caller puts in place on OK.
class CKostnadDlg : public CItemDlg {
  Q_OBJECT

 public:
  CKostnadDlg(ItemList<CIsoKostnad>& presets, const CIsoKostnad* chosen, QWidget* parent = nullptr);

  CIsoKostnad* Chosen() const { return chosenPreset; }
  bool Changed() const { return changed; }
  void accept() override;
  void reject() override;

 private:
  void Fill(const CIsoKostnad* selected);
  // The preset of the selected row (not of the same place in the list, which is in file
  // order); none told the user to choose one.
  CIsoKostnad* Selected() const;
  void NewPreset();
  void UpdatePreset();
  void DeletePreset();
  // Edits a preset in its dialog with the names of the others taken, as stored and as shown.
  bool EditPreset(CIsoKostnad& preset) const;

  ItemList<CIsoKostnad>& presets;
  CIsoKostnad* chosenPreset = nullptr;
  bool changed = false;
  CSortListCtrl* list;
};

}  // namespace kelvora
