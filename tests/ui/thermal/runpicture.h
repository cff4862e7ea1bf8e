#pragma once

#include <QDialog>
#include <QtTest>

#include "database/dialogdriver.h"
#include "ui/controls/multibutton.h"

namespace kelvora::testing {

// A click into the chooser cell of a section kind (CSegment::Kind) on the run dialog's picture.
inline void ChooseKind(QDialog& runDialog, int kind) {
  const int left[] = {4, 49, 95, 142};
  QTest::mouseClick(&Child<CMultiButton>(runDialog, "runPicture"), Qt::LeftButton, {},
                    QPoint(left[kind] + 20, 15));
}

}  // namespace kelvora::testing
