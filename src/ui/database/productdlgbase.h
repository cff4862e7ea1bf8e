#pragma once

#include <QString>
#include <array>
#include <initializer_list>

#include "core/database/isoprodukt.h"
#include "core/report/drawingsurface.h"
#include "ui/framework/itemdlg.h"

class QCheckBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QListWidget;

namespace kelvora {

class CColorBtn;

// What the two product dialogs share: the standard thicknesses, the two colours and the
// applications. The thicknesses are edited on a copy that replaces the product's list on
// OK; the product itself changes only in WriteShared().
class CProductDlgBase : public CItemDlg {
  Q_OBJECT

 public:
  QListWidget& ThicknessList() const { return *thicknessList; }

 protected:
  CProductDlgBase(std::string helpTopic, CIsoProdukt& product, QWidget* parent);

  QGroupBox* MakeThicknessGroup();
  QLayout* MakeColourButtons();
  QGroupBox* MakeUsageGroup();

  struct NumberRow {
    QLineEdit* field;
    float* value;
    float min, max;
  };
  // Reads and range-checks the fields in order; stops at the first fault, with the focus
  // in its field.
  bool ReadNumbers(std::initializer_list<NumberRow> rows) const;
  // The OK checks of the thickness list against the product's thickness range.
  bool CheckThicknesses(float minMm, float maxMm) const;
  void WriteShared();

 private:
  void NewThickness();
  void UpdateThickness();
  void DeleteThickness();
  void ShowThicknesses(int selected);
  // The selected row, the first when none is; nothing (and a message) for an empty list.
  std::optional<std::size_t> ChosenThickness() const;
  void ChooseColour(Colour& colour, CColorBtn& swatch);

  CIsoProdukt& product;
  ItemList<CIsoTykkelse> thicknesses;
  Colour insulationColour;
  Colour surfaceColour;
  QListWidget* thicknessList = nullptr;
  CColorBtn* insulationSwatch = nullptr;
  CColorBtn* surfaceSwatch = nullptr;
  std::array<QCheckBox*, kUsageCount> usage{};
};

}  // namespace kelvora
