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

// A click into the chooser cell of a tank shape (TankShape) along the top of the tank dialog's picture.
inline void ChooseShape(QDialog& tankDialog, int shape) {
  const int left[] = {4, 65, 131};
  QTest::mouseClick(&Child<CMultiButton>(tankDialog, "tankPicture"), Qt::LeftButton, {},
                    QPoint(left[shape] + 20, 14));
}

}  // namespace kelvora::testing
