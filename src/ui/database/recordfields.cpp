#include "ui/database/recordfields.h"

#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <optional>

#include "core/framework/platform.h"
#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"
#include "ui/controls/colorbtn.h"
#include "ui/framework/fieldexchange.h"
#include "ui/framework/itemdlg.h"

namespace kelvora {

namespace {

// Refuses no number as well as one out of range, saying what the field allows.
bool WithinOrTell(QLineEdit& field, std::optional<float> value, float min, float max) {
  if (value && min <= *value && *value <= max) return true;
  RefuseField(RangeReason(value.value_or(std::numeric_limits<float>::quiet_NaN()), min, max), field);
  return false;
}

}  // namespace

QLineEdit* NewField(QWidget& parent, const char* objectName, int maxLength) {
  auto* field = new QLineEdit(&parent);
  field->setObjectName(QString::fromLatin1(objectName));
  if (maxLength > 0) field->setMaxLength(maxLength);
  return field;
}

void ShowStoredText(QLineEdit& field, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (shown.size() > field.maxLength()) field.setMaxLength(static_cast<int>(shown.size()));
  field.setText(shown);
}

QPushButton* NewButton(QWidget& parent, const QString& caption, const char* objectName) {
  auto* button = new QPushButton(caption, &parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  return button;
}

bool ExchangeFloatBetween(QLineEdit& field, float& value, float min, float max) {
  const auto read = ReadFloatField(field.text().toStdString());
  if (!WithinOrTell(field, read, min, max)) return false;
  value = *read;
  return true;
}

bool ExchangePlainFloatBetween(QLineEdit& field, float& value, float min, float max) {
  const auto read = ReadPlainFloat(field.text().toStdString());
  if (!WithinOrTell(field, read, min, max)) return false;
  value = *read;
  return true;
}

bool ExchangeIntBetween(QLineEdit& field, std::int32_t& value, std::int32_t min, std::int32_t max) {
  bool read = false;
  const int number = field.text().trimmed().toInt(&read);
  if (!read) {
    RefuseField(MessageText(ids::kEnterWholeNumber), field);
    return false;
  }
  if (!WithinOrTell(field, static_cast<float>(number), static_cast<float>(min), static_cast<float>(max)))
    return false;
  value = number;
  return true;
}

ColourField::ColourField(QAbstractButton& choose, CColorBtn& swatch, std::uint32_t colour)
    : QObject(&swatch), swatch(swatch), colour(colour) {
  swatch.Setup(colour);
  connect(&choose, &QAbstractButton::clicked, this, &ColourField::Choose);
  connect(&swatch, &QAbstractButton::clicked, this, &ColourField::Choose);
}

void ColourField::Choose() {
  if (!ColourDialog()) return;
  const auto chosen = ColourDialog()(colour, swatch.window());
  if (!chosen) return;
  colour = *chosen;
  swatch.SetColour(colour);
}

}  // namespace kelvora
