#include "ui/controls/colorbtn.h"

#include <QTest>

#include "ui/controls/controlpictures.h"
#include "uitests.h"

class ColorBtnTest : public QObject {
  Q_OBJECT

 private slots:
  void fillsTheFrameInside() {
    kelvora::CColorBtn button;
    button.Setup(kelvora::Rgb(255, 255, 0));
    const QImage frame = kelvora::LoadControlPicture("ColorBtn");
    QCOMPARE(button.size(), frame.size());
    button.SetColour(kelvora::Rgb(0, 128, 255));
    const QImage drawn = button.Drawn();
    const QRect inside = frame.rect().adjusted(1, 1, -1, -1);
    for (const QPoint at : {inside.topLeft(), inside.center(), inside.bottomRight()}) {
      QCOMPARE(drawn.pixel(at) & 0xFFFFFFu, 0x0080FFu);
    }
    for (const QPoint at :
         {frame.rect().topLeft(), frame.rect().bottomRight(), QPoint(inside.center().x(), 0)}) {
      QCOMPARE(drawn.pixel(at), frame.pixel(at));
    }
  }
};

static RegisterUiTest<ColorBtnTest> registerColorBtnTest;

#include "colorbtn_test.moc"
