#include "ui/framework/dialogwidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace kelvora {

QRadioButton* Radio(QWidget& parent, QButtonGroup& group, const char* caption, const char* name, int id) {
  auto* radio = new QRadioButton(QString::fromUtf8(caption), &parent);
  radio->setObjectName(QString::fromLatin1(name));
  group.addButton(radio, id);
  return radio;
}

QCheckBox* Check(QWidget& parent, const char* caption, const char* name) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), &parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QLabel* Label(QWidget& parent, const char* caption) {
  return new QLabel(QString::fromUtf8(caption), &parent);
}

QLabel* LayerSummary(QWidget& parent) {
  auto* summary = new QLabel(&parent);
  summary->setObjectName(QStringLiteral("layerSummary"));
  summary->setMinimumHeight(3 * parent.fontMetrics().lineSpacing());
  summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  summary->setWordWrap(true);
  return summary;
}

QGroupBox* LayerGroup(QWidget& parent, QWidget& button, QWidget& summary) {
  auto* group = new QGroupBox(QStringLiteral("Izolace"), &parent);
  auto* grid = new QGridLayout(group);
  grid->addWidget(&button, 0, 0, Qt::AlignTop);
  grid->addWidget(&summary, 0, 1);
  grid->setColumnStretch(1, 1);
  return group;
}

void Enable(bool on, std::initializer_list<QWidget*> widgets) {
  for (QWidget* widget : widgets) widget->setEnabled(on);
}

void TakeChecked(const QButtonGroup& group, std::int32_t& value) {
  if (group.checkedId() >= 0) value = group.checkedId();
}

void CheckButton(QButtonGroup& group, int id) {
  if (auto* button = group.button(id)) button->setChecked(true);
}

void FillCombo(QComboBox& combo, const ItemList<CListItem>& records, const CListItem* chosen) {
  combo.clear();
  int current = -1;
  for (const auto& record : records) {
    if (record.get() == chosen) current = combo.count();
    combo.addItem(QString::fromStdString(record->name));
  }
  combo.setCurrentIndex(current);
}

QString FlowCaption(int unit) {
  switch (unit) {
    case 1:
      return QStringLiteral("Průtok média [l/s]:");
    case 2:
      return QStringLiteral("Rychlost průtoku média [m/s]:");
    default:
      return QStringLiteral("Průtok média [m3/h]:");
  }
}

}  // namespace kelvora
