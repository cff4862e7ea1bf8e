#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

#include "core/database/kostnad.h"
#include "core/framework/cformat.h"

namespace kelvora {

// The currency and the unit of length the economics dialogs share while they are open: the
// module dialog sets them, the alternative and price dialogs name their costs in them.
struct CostUnit {
  std::string currency;
  bool plane = false;  // costs per square metre

  const char* Unit() const { return plane ? "m2" : "m"; }
  // The label of a price field.
  QString PriceCaption() const {
    const QString format = QCoreApplication::translate("kelvora::CIsoKostnadDlg", "Náklady [%s/%s]:");
    return QString::fromStdString(FormatC(format.toStdString(), {currency, Unit()}));
  }
};

// What a price field shows: the whole price ("1350", "12.5").
inline QString PriceFieldText(float price) { return QString::fromStdString(PriceText(price)); }

inline CostUnit& SharedCostUnit() {
  static CostUnit unit;
  return unit;
}

}  // namespace kelvora
