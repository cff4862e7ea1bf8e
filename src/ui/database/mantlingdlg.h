#pragma once

#include <memory>

#include "core/database/mantling.h"
#include "ui/framework/itemdlg.h"

class QLineEdit;
class QListWidget;
class QScrollBar;

namespace kelvora {

class ColourField;
class ScrollFloatField;
// "typename": after "template <class T>" here lupdate loses the namespace of the next class.
template <typename T>
class SortedListEditor;

// A surface finish: names, emissivity with its scroll bar, colour.
class CMantlingDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CMantlingDlg(CMantling& surface, QWidget* parent = nullptr);
  void accept() override;

 private:
  CMantling& surface;
  QLineEdit* name;
  QLineEdit* secondName;
  QLineEdit* emissivity;
  QScrollBar* emissivityBar;
  ColourField* colour;
};

// A liquid: names, density, heat capacity, freezing point.
class CVeskeDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CVeskeDlg(CVeske& liquid, QWidget* parent = nullptr);
  void accept() override;

 private:
  CVeske& liquid;
  QLineEdit* name;
  QLineEdit* secondName;
  QLineEdit* density;
  QLineEdit* heatCapacity;
  QLineEdit* freezingPoint;
};

// An equipment type: names and the added length by pipe-diameter range, edited on a copy
// of the ranges that replaces them on OK.
class CTillegg2Dlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CTillegg2Dlg(CTillegg2& equipment, QWidget* parent = nullptr);
  ~CTillegg2Dlg() override;
  void accept() override;

 private:
  CTillegg2& equipment;
  ClonedList<CTilleggslengde> lengths;
  QLineEdit* name;
  QLineEdit* secondName;
  QListWidget* lengthList;
  std::unique_ptr<SortedListEditor<CTilleggslengde>> lengthEditor;
};

// One diameter range of an equipment type; the range names the entry on OK.
class CTilleggslengdeDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CTilleggslengdeDlg(CTilleggslengde& length, QWidget* parent = nullptr);
  void accept() override;

 private:
  CTilleggslengde& length;
  QLineEdit* addedLength;
  QLineEdit* minDiameter;
  QLineEdit* maxDiameter;
};

}  // namespace kelvora
