#pragma once

#include <QDialog>
#include <QTest>

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

// A click into the chooser cell of an object kind (ObjectKind) on an object picture.
inline void ChooseObjectKind(QDialog& dialog, int kind) {
  QTest::mouseClick(&Child<CMultiButton2>(dialog, "objectPicture"), Qt::LeftButton, {},
                    QPoint(4 + kind * 31 + 14, 15));
}

// A click into the duct shape (0 circular, 1 rectangular) on the internal condensation picture.
inline void ChooseDuctShape(QDialog& dialog, int rectangular) {
  QTest::mouseClick(&Child<CMultiButton2>(dialog, "ductPicture"), Qt::LeftButton, {},
                    QPoint(rectangular ? 120 : 40, 15));
}

// A click into the orientation (0 lying, 1 upright) of a picture with two orientations.
inline void ChooseOrientation(QDialog& dialog, const char* picture, int vertical) {
  QTest::mouseClick(&Child<CMultiButton2>(dialog, picture), Qt::LeftButton, {},
                    QPoint(175, vertical ? 78 : 46));
}

}  // namespace kelvora::testing
