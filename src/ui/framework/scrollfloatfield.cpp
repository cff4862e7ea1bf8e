#include "ui/framework/scrollfloatfield.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

#include "core/framework/cformat.h"
#include "ui/framework/fieldexchange.h"

namespace kelvora {

namespace {

int Positions(float value, float scale) { return static_cast<int>(std::lround(value * scale)); }

}  // namespace

ScrollFloatField::ScrollFloatField(QScrollBar& bar, QLineEdit& field, const Range& range, float initial,
                                   QString format)
    : QObject(&field), bar(bar), field(field), scale(range.scale), format(std::move(format)) {
  bar.setRange(Positions(range.min, scale), Positions(range.max, scale));
  bar.setSingleStep(Positions(range.lineStep, scale));
  bar.setPageStep(Positions(range.pageStep, scale));
  bar.setValue(Positions(initial, scale));
  BarMoved(bar.value());
  connect(&bar, &QScrollBar::valueChanged, this, &ScrollFloatField::BarMoved);
  connect(&field, &QLineEdit::textEdited, this, &ScrollFloatField::FieldEdited);
}

float ScrollFloatField::Value() const { return static_cast<float>(bar.value()) / scale; }

void ScrollFloatField::BarMoved(int position) {
  const float value = static_cast<float>(position) / scale;
  field.setText(QString::fromStdString(FormatC(format.toStdString(), {value})));
}

void ScrollFloatField::FieldEdited(const QString& text) {
  const auto value = ReadPlainFloat(text.toStdString());
  if (!value) return;
  const int position = Positions(*value, scale);
  if (position < bar.minimum() || position > bar.maximum()) return;
  // The field keeps what the user is typing; only the bar follows.
  const QSignalBlocker quiet(&bar);
  bar.setValue(position);
}

}  // namespace kelvora
