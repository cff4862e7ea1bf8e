#pragma once

#include <QString>

namespace kelvora::testing {

// The message that refuses a value outside its range, with the limits as the dialogs show them.
inline QString RangeMessage(const char* field, const char* min, const char* max) {
  return QStringLiteral("Hodnoty %1 musí být v rozmezí %2-%3")
      .arg(QString::fromUtf8(field), QString::fromLatin1(min), QString::fromLatin1(max));
}

}  // namespace kelvora::testing
