#pragma once

#include <QCollator>
#include <QLocale>

namespace kelvora {

// The order Czech users expect names in (Ch after H, Č after C), whatever the system's
// locale.
inline QCollator CzechOrder() { return QCollator(QLocale(QLocale::Czech)); }

}  // namespace kelvora
