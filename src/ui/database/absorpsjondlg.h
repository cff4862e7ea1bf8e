#pragma once

#include <array>
#include <memory>

#include "core/database/absorpsjon.h"
#include "ui/framework/itemdlg.h"

class QLineEdit;
class QListWidget;

namespace kelvora {

class ColourField;
// "typename": after "template <class T>" here lupdate loses the namespace of the next class.
template <typename T>
class SortedListEditor;

// A sound absorber: names, the thicknesses it is made in (edited on a copy that replaces
// them on OK) and the colours of the lining and its surface.
class CAbsorpsjonDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CAbsorpsjonDlg(CAbsorpsjon& absorber, QWidget* parent = nullptr);
  ~CAbsorpsjonDlg() override;
  void accept() override;

 private:
  CAbsorpsjon& absorber;
  ClonedList<CAbsorpsjonTykkelse> thicknesses;
  QLineEdit* name;
  QLineEdit* secondName;
  QListWidget* thicknessList;
  std::unique_ptr<SortedListEditor<CAbsorpsjonTykkelse>> thicknessEditor;
  ColourField* insulationColour;
  ColourField* surfaceColour;
};

// One thickness of an absorber with its absorption coefficients; the thickness names it.
class CAbsorpsjonTykkelseDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CAbsorpsjonTykkelseDlg(CAbsorpsjonTykkelse& record, QWidget* parent = nullptr);
  void accept() override;

 private:
  CAbsorpsjonTykkelse& record;
  QLineEdit* thickness;
  std::array<QLineEdit*, kOctaveBands> alpha{};
};

}  // namespace kelvora
