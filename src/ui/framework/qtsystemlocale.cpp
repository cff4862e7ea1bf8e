#include "ui/framework/qtsystemlocale.h"

namespace kelvora {

std::string QtSystemLocale::CurrencySymbol() const {
  return locale.currencySymbol(QLocale::CurrencySymbol).toStdString();
}

std::string QtSystemLocale::CurrencyCode() const {
  return locale.currencySymbol(QLocale::CurrencyIsoCode).toStdString();
}

}  // namespace kelvora
