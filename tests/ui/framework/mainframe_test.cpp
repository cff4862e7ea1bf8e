#include "ui/framework/mainframe.h"

#include <QtTest>

#include "uitests.h"

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheProgramTitle() {
    kelvora::CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Kelvora®"));
  }
};

static RegisterUiTest<MainFrameTest> registered;
#include "mainframe_test.moc"
