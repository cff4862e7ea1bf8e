#pragma once

#include <QLocale>

#include "core/framework/platform.h"

namespace kelvora {

// The system locale as Qt reads it (LANG, LC_ALL, the desktop's regional settings); a test
// or the caller may hand in another.
class QtSystemLocale : public SystemLocale {
 public:
  explicit QtSystemLocale(QLocale locale = QLocale::system()) : locale(std::move(locale)) {}

  std::string CurrencySymbol() const override;
  std::string CurrencyCode() const override;

 private:
  QLocale locale;
};

}  // namespace kelvora
