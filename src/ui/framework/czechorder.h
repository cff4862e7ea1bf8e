#pragma once

#include <QCollator>
#include <QLocale>

#include "core/framework/stringtable.h"

namespace kelvora {

// The order Czech users expect names in (Ch after H, Č after C), whatever the system's
// locale.
inline QCollator CzechOrder() { return QCollator(QLocale(QLocale::Czech)); }

// The order of the names lists show (CListItem::DisplayName): an English interface shows
// English names, which Czech order would sort "Chilled" after "Hot".
inline QCollator DisplayOrder() {
  return DisplayLanguage() == Language::English ? QCollator(QLocale(QLocale::English)) : CzechOrder();
}

}  // namespace kelvora
