#include "ui/framework/dialogwidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>

namespace kelvora {

QRadioButton* Radio(QWidget& parent, QButtonGroup& group, const QString& caption, const char* name, int id) {
  auto* radio = new QRadioButton(caption, &parent);
  radio->setObjectName(QString::fromLatin1(name));
  group.addButton(radio, id);
  return radio;
}

QCheckBox* Check(QWidget& parent, const QString& caption, const char* name) {
  auto* box = new QCheckBox(caption, &parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QLabel* Label(QWidget& parent, const QString& caption) { return new QLabel(caption, &parent); }

SummaryBox::SummaryBox(QWidget& parent, const QString& objectName, int lines)
    : QScrollArea(&parent), label(new QLabel(this)) {
  setObjectName(objectName + QStringLiteral("Box"));
  label->setObjectName(objectName);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  setWidget(label);
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The dialog's colour shows through, as behind any label.
  viewport()->setAutoFillBackground(false);
  label->setAutoFillBackground(false);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
  // As high as the label needs for that many lines, with the margins it keeps around them.
  label->setText(QStringList(lines, QStringLiteral("X")).join(QLatin1Char('\n')));
  setMinimumHeight(label->heightForWidth(sizeHint().width()));
  label->clear();
}

void SummaryBox::SetText(const QString& text) {
  // A unit such as "kg/m3" stays on one line: a word joiner after the slash, which the text
  // would otherwise break after.
  static const QRegularExpression slash(QStringLiteral("(?<=\\S)/(?=\\S)"));
  label->setText(QString(text).replace(slash, QStringLiteral("/\u2060")));
}

QSize SummaryBox::sizeHint() const { return {32 * fontMetrics().averageCharWidth(), minimumHeight()}; }

QSize SummaryBox::minimumSizeHint() const { return {16 * fontMetrics().averageCharWidth(), minimumHeight()}; }

SummaryBox* LayerSummary(QWidget& parent, const QString& objectName) {
  return new SummaryBox(parent, objectName, 4);
}

QGroupBox* LayerGroup(QWidget& parent, QWidget& button, QWidget& summary) {
  auto* group = new QGroupBox(QCoreApplication::translate("kelvora::CItemDlg", "Izolace"), &parent);
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
    combo.addItem(QString::fromStdString(record->DisplayName()));
  }
  combo.setCurrentIndex(current);
}

QString FlowCaption(int unit) {
  switch (unit) {
    case 1:
      return QCoreApplication::translate("kelvora::CItemDlg", "Průtok média [l/s]:");
    case 2:
      return QCoreApplication::translate("kelvora::CItemDlg", "Rychlost průtoku média [m/s]:");
    default:
      return QCoreApplication::translate("kelvora::CItemDlg", "Průtok média [m3/h]:");
  }
}

QString DiameterCaption(int kind) {
  return kind == 0 ? QCoreApplication::translate("kelvora::CItemDlg", "Průměr [mm]:", "pipe")
                   : QCoreApplication::translate("kelvora::CItemDlg", "Průměr [mm]:", "duct");
}

QString HangersCaption(int kind) {
  return kind == 0 ? QCoreApplication::translate("kelvora::CItemDlg", "Neizolované potrubní závěsy", "pipe")
                   : QCoreApplication::translate("kelvora::CItemDlg", "Neizolované potrubní závěsy", "duct");
}

QLabel* FlowLabel(QWidget& parent) {
  auto* label = new QLabel(&parent);
  label->setObjectName(QStringLiteral("flowLabel"));
  int widest = 0;
  for (int unit = 0; unit < 3; ++unit)
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(FlowCaption(unit)));
  label->setMinimumWidth(widest);
  return label;
}

}  // namespace kelvora
