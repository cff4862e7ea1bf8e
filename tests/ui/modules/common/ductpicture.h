#pragma once

#include <QDialog>
#include <QTest>

#include "database/dialogdriver.h"
#include "ui/controls/multibutton.h"

namespace kelvora::testing {

// A click into the chooser cell of a duct type (DuctType) along the top of the sound dialog's picture.
inline void ChooseDuctType(QDialog& soundDialog, int ductType) {
  QTest::mouseClick(&Child<CMultiButton>(soundDialog, "ductPicture"), Qt::LeftButton, {},
                    QPoint(4 + 46 * ductType + 20, 15));
}

}  // namespace kelvora::testing
