#include <QtTest>

#include "ui/framework/mainframe.h"

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

QTEST_MAIN(MainFrameTest)
#include "mainframe_test.moc"
