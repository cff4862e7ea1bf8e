#include "ui/controls/multibutton.h"

#include <QSignalSpy>
#include <QTest>

#include "ui/controls/controlpictures.h"
#include "uitests.h"

using kelvora::CMultiButton;
using kelvora::CMultiButton2;
using kelvora::Colour;
using kelvora::RegionSeeds;
using kelvora::Rgb;

namespace {

// The chooser cells of the duct-type picture, right and bottom exclusive.
std::vector<QRect> DuctTypeCells() {
  return {QRect(4, 4, 46, 22), QRect(50, 4, 47, 22), QRect(97, 4, 48, 22), QRect(145, 4, 47, 22)};
}

// In KANALTYPE0 the ring at (72, 80) is yellow, the thin ring at (72, 86) olive and the
// inside at (72, 100) cyan.
const QPoint kYellowRing(72, 80);
const QPoint kYellowRingOppositeSide(72, 140);
const QPoint kOliveRing(72, 86);
const QPoint kInside(72, 100);

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGreen = Rgb(0, 255, 0);

QRgb Pixel(const QImage& image, QPoint at) { return image.pixel(at) & 0xFFFFFFu; }
QRgb Q(Colour colour) { return kelvora::ToQColor(colour).rgb() & 0xFFFFFFu; }

// Every picture of the duct type gets the same seeds: region 1 the yellow ring, with a
// second seed on the cyan inside that must stay untouched, region 2 the olive ring.
std::vector<RegionSeeds> DuctTypeSeeds() {
  const RegionSeeds seeds{std::vector<QPoint>{kYellowRing, kInside}, std::vector<QPoint>{kOliveRing},
                          std::vector<QPoint>{QPoint(-1, -1), kInside}};
  return std::vector<RegionSeeds>(4, seeds);
}

}  // namespace

class MultiButtonTest : public QObject {
  Q_OBJECT

  static void SetupDuctType(CMultiButton& button, int current, bool greyed) {
    button.setText(QStringLiteral("Kanaltype"));
    button.Setup(DuctTypeCells(), DuctTypeSeeds(), {kRed, kBlue, kGreen}, current, greyed);
  }

 private slots:
  void takesTheSizeOfItsFirstPicture() {
    CMultiButton button;
    SetupDuctType(button, 2, false);
    QCOMPARE(button.size(), kelvora::LoadControlPicture("KANALTYPE0").size());
    QCOMPARE(button.Current(), 2);
  }

  void fillsTheRegionsAroundTheirSeeds() {
    CMultiButton button;
    SetupDuctType(button, 0, false);
    const QImage drawn = button.Drawn(false);
    QCOMPARE(Pixel(drawn, kYellowRing), Q(kRed));
    QCOMPARE(Pixel(drawn, kYellowRingOppositeSide), Q(kRed));
    QCOMPARE(Pixel(drawn, kOliveRing), Q(kBlue));
    // Only the colour of a region's first seed is filled, and a list ends at (-1, -1).
    QCOMPARE(Pixel(drawn, kInside), 0x00FFFFu);
  }

  void greyedShowsTheGreyPictureWithoutColours() {
    CMultiButton button;
    SetupDuctType(button, 0, true);
    QCOMPARE(button.Drawn(false), kelvora::LoadControlPicture("KANALTYPEX0"));
    button.SetState(1, kRed, kBlue, kGreen, false);
    QCOMPARE(Pixel(button.Drawn(false), kYellowRing), Q(kRed));
    button.SetState(1, kRed, kBlue, kGreen, true);
    QCOMPARE(button.Drawn(false), kelvora::LoadControlPicture("KANALTYPEX1"));
  }

  void setStateIgnoresAChoiceOutsideThePictures_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 2 << 2;
    QTest::newRow("one past the last") << 4 << 1;
    QTest::newRow("negative") << -1 << 1;
  }
  void setStateIgnoresAChoiceOutsideThePictures() {
    QFETCH(int, choice);
    QFETCH(int, expected);
    CMultiButton button;
    SetupDuctType(button, 1, false);
    button.SetState(choice, kGreen, kBlue, kRed, false);
    QCOMPARE(button.Current(), expected);
    QCOMPARE(Pixel(button.Drawn(false), kYellowRing), Q(kGreen));
  }

  void clickChoosesTheCellUnderTheMouse_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("changed");
    QTest::newRow("first cell") << QPoint(10, 10) << 0 << true;
    QTest::newRow("last cell, right edge") << QPoint(191, 25) << 3 << true;
    QTest::newRow("current cell") << QPoint(60, 10) << 1 << false;
    QTest::newRow("below the cells") << QPoint(60, 26) << 1 << false;
  }
  void clickChoosesTheCellUnderTheMouse() {
    QFETCH(QPoint, at);
    QFETCH(int, expected);
    QFETCH(bool, changed);
    CMultiButton button;
    SetupDuctType(button, 1, false);
    button.show();
    QSignalSpy clicks(&button, &CMultiButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, at);
    QCOMPARE(button.Current(), expected);
    QCOMPARE(button.Changed(), changed);
    QCOMPARE(clicks.count(), 1);
  }

  void arrowKeysStepAroundTheChoices_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("right on the last wraps to the first") << 3 << int(Qt::Key_Right) << 0;
    QTest::newRow("up on the last wraps to the first") << 3 << int(Qt::Key_Up) << 0;
    QTest::newRow("left on the first wraps to the last") << 0 << int(Qt::Key_Left) << 3;
    QTest::newRow("down steps back") << 2 << int(Qt::Key_Down) << 1;
    QTest::newRow("right steps on") << 1 << int(Qt::Key_Right) << 2;
  }
  void arrowKeysStepAroundTheChoices() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    CMultiButton button;
    SetupDuctType(button, start, false);
    QSignalSpy clicks(&button, &CMultiButton::clicked);
    QTest::keyClick(&button, static_cast<Qt::Key>(key));
    QCOMPARE(button.Current(), expected);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!button.Changed());
  }

  void focusInvertsTheCurrentCell() {
    CMultiButton button;
    SetupDuctType(button, 2, false);
    const QImage plain = button.Drawn(false);
    const QImage focused = button.Drawn(true);
    const QRect cell = DuctTypeCells()[2];
    for (const QPoint at : {cell.topLeft(), cell.bottomRight(), cell.center()}) {
      QCOMPARE(Pixel(focused, at), Pixel(plain, at) ^ 0xFFFFFFu);
    }
    for (const QPoint at : {DuctTypeCells()[1].center(), cell.bottomRight() + QPoint(1, 1), kYellowRing}) {
      QCOMPARE(Pixel(focused, at), Pixel(plain, at));
    }
  }

  void kindsAndOrientationsChooseThePicture() {
    // MATERIALTYPE: six kinds, horizontal pictures 0-5 and vertical 6-11.
    std::vector<QRect> kinds;
    for (int i = 0; i < 6; ++i) kinds.emplace_back(4 + 31 * i, 4, 29, 22);
    CMultiButton2 button;
    button.setText(QStringLiteral("Materialtype"));
    button.Setup(kinds, QRect(164, 32, 24, 28), QRect(164, 64, 24, 28), {}, {kRed, kBlue, kGreen}, 2, false,
                 0);
    button.show();
    QSignalSpy clicks(&button, &CMultiButton2::clicked);

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(170, 70));
    QCOMPARE(button.Orientation(), 1);
    QCOMPARE(button.Kind(), 2);
    QVERIFY(button.Changed());
    QCOMPARE(button.Drawn(false), kelvora::LoadControlPicture("MATERIALTYPE8"));

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(160, 10));
    QCOMPARE(button.Kind(), 5);
    QTest::keyClick(&button, Qt::Key_Right);
    QCOMPARE(button.Kind(), 0);
    QCOMPARE(button.Orientation(), 1);
    QCOMPARE(clicks.count(), 3);

    button.SetState(4, 2, kRed, kBlue, kGreen, true);
    QCOMPARE(button.Kind(), 4);
    QCOMPARE(button.Orientation(), 1);
    QCOMPARE(button.Drawn(false), kelvora::LoadControlPicture("MATERIALTYPEX10"));
    button.SetState(6, 0, kRed, kBlue, kGreen, true);
    QCOMPARE(button.Kind(), 4);
    QCOMPARE(button.Orientation(), 0);
  }
};

static RegisterUiTest<MultiButtonTest> registerMultiButtonTest;

#include "multibutton_test.moc"
