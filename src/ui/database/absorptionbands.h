#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

#include "core/database/absorpsjon.h"

namespace kelvora {

// The fields of the six absorption coefficients, 125 ... 4000 Hz: their labels and the
// names the tests find them by.
inline constexpr std::array<const char*, kOctaveBands> kBandLabels{
    "125 Hz:", "250 Hz:", "500 Hz:", "1000 Hz:", "2000 Hz:", "4000 Hz:"};
inline constexpr std::array<const char*, kOctaveBands> kBandFields{"alpha125",  "alpha250",  "alpha500",
                                                                   "alpha1000", "alpha2000", "alpha4000"};

// What a coefficient field is called where its band label alone would not say it.
inline QString BandCaption(std::size_t band) {
  return QCoreApplication::translate("kelvora::CAbsorpsjonTykkelseDlg", "Činitel zvukové pohltivosti") +
         QLatin1Char(' ') + QString::fromLatin1(kBandLabels[band]).remove(':');
}

}  // namespace kelvora
