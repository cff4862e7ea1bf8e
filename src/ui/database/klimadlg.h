#pragma once

#include "core/database/klima.h"
#include "ui/framework/itemdlg.h"

class QLineEdit;
class QListWidget;

namespace kelvora {

// The climate locations: pick one to take its temperature and wind speed, and add, change
// or delete locations on the way. The list is edited on clones; OK puts them in place,
// makes the selected one current and saves the file if anything was changed.
class CKlimaDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CKlimaDlg(CKlima& climate, QWidget* parent = nullptr);
  void accept() override;
  void reject() override;

 private:
  // Shows the locations sorted by their text and selects `chosen`.
  void Fill(const CKlimasted* chosen);
  CKlimasted* Selected() const;
  std::vector<std::string> NamesExcept(const CKlimasted* skipped) const;
  void NewLocation();
  void UpdateLocation();
  void DeleteLocation();

  CKlima& climate;
  ItemList<CKlimasted> working;
  bool changed = false;
  QListWidget* locations;
};

// One location: name, mean annual temperature and wind speed.
class CKlimastedDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CKlimastedDlg(CKlimasted& location, QWidget* parent = nullptr);
  void accept() override;

 private:
  CKlimasted& location;
  QLineEdit* name;
  QLineEdit* temperature;
  QLineEdit* windSpeed;
};

}  // namespace kelvora
