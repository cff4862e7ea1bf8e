#pragma once

#include <QScrollArea>
#include <QString>

#include <cstdint>
#include <initializer_list>

#include "core/framework/item.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace kelvora {

// Widgets of the input dialogs, named for the tests that drive them.
QRadioButton* Radio(QWidget& parent, QButtonGroup& group, const QString& caption, const char* name, int id);
QCheckBox* Check(QWidget& parent, const QString& caption, const char* name);
QLabel* Label(QWidget& parent, const QString& caption);
// A wrapped text in a box at least `lines` high that scrolls when the text is longer, so that
// no text makes its dialog grow or is cut off; units such as "kg/m3" are not broken. The
// label inside carries the object name.
class SummaryBox : public QScrollArea {
 public:
  SummaryBox(QWidget& parent, const QString& objectName, int lines);

  void SetText(const QString& text);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  QLabel* label;
};

// The text that sums up an insulation layer ("layerSummary"): four lines, for a product name
// that wraps once.
SummaryBox* LayerSummary(QWidget& parent, const QString& objectName = QStringLiteral("layerSummary"));
// The group "Izolace": the button that chooses the layer beside its summary.
QGroupBox* LayerGroup(QWidget& parent, QWidget& button, QWidget& summary);

void Enable(bool on, std::initializer_list<QWidget*> widgets);

// A value no radio stands for (a damaged file, or one the dialog leaves unoffered) stays
// until the user picks one.
void TakeChecked(const QButtonGroup& group, std::int32_t& value);
void CheckButton(QButtonGroup& group, int id);

// The names of `records`, the chosen one selected (none when it is not among them).
void FillCombo(QComboBox& combo, const ItemList<CListItem>& records, const CListItem* chosen);
// The record a combo row of FillCombo stands for, or none.
template <class T>
T* RecordAt(const ItemList<CListItem>& records, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= records.size()) return nullptr;
  return dynamic_cast<T*>(records[static_cast<std::size_t>(index)].get());
}

// The label of a flow field in the unit m³/h (0), l/s (1) or m/s (2).
QString FlowCaption(int unit);
// The label ("flowLabel") that shows FlowCaption, as wide as the longest of them, so that
// choosing a unit never changes the size of its dialog.
QLabel* FlowLabel(QWidget& parent);

// Labels that name a size or a part for the kind of object (0 pipe, 1-3 ducts, 4-5 planes),
// as the reports do: the diameter of a pipe is its outside diameter.
QString DiameterCaption(int kind);
QString HangersCaption(int kind);

}  // namespace kelvora
