#pragma once

#include <QObject>

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/framework/itemdlg.h"

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace kelvora {

// Widgets of the record dialogs, named for the tests that drive them. A text field with a
// maximum length takes no more characters.
QLineEdit* NewField(QWidget& parent, const char* objectName, int maxLength = 0);
QPushButton* NewButton(QWidget& parent, const QString& caption, const char* objectName);
// A stored text longer than the field's maximum is shown whole, so that opening a dialog and
// confirming it never cuts it; typing stays within the longer of the two.
void ShowStoredText(QLineEdit& field, const std::string& text);

// The record dialogs' number fields: an unreadable field or a value outside [min, max]
// says so, takes the focus and keeps `value`. The plain form takes a decimal point only.
bool ExchangeFloatBetween(QLineEdit& field, float& value, float min, float max);
bool ExchangePlainFloatBetween(QLineEdit& field, float& value, float min, float max);
// A whole number, blanks around it allowed.
bool ExchangeIntBetween(QLineEdit& field, std::int32_t& value, std::int32_t min, std::int32_t max);

class CColorBtn;

// A colour of a record (0x00BBGGRR) shown on its swatch, changed through the colour-choice
// dialog that the button or the swatch opens.
class ColourField : public QObject {
  Q_OBJECT

 public:
  ColourField(QAbstractButton& choose, CColorBtn& swatch, std::uint32_t colour);

  std::uint32_t Colour() const { return colour; }
  void Choose();

 private:
  CColorBtn& swatch;
  std::uint32_t colour;
};

}  // namespace kelvora
