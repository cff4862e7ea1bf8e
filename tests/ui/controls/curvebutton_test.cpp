#include "ui/controls/curvebutton.h"

#include <QTest>

#include "uitests.h"

using kelvora::CCurveButton;
using kelvora::CurveAxesFor;

class CurveButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void axesReachAStepBeyondThePoints_data() {
    QTest::addColumn<float>("tLow");
    QTest::addColumn<float>("tHigh");
    QTest::addColumn<float>("tStep");
    QTest::addColumn<float>("tMin");
    QTest::addColumn<float>("tMax");
    QTest::newRow("span 1000") << 0.0f << 1000.0f << 200.0f << -200.0f << 1200.0f;
    QTest::newRow("span 90") << 10.0f << 100.0f << 10.0f << 0.0f << 110.0f;
    QTest::newRow("span 100 is not above 100") << -40.0f << 60.0f << 10.0f << -50.0f << 70.0f;
    QTest::newRow("span 300") << 20.0f << 320.0f << 50.0f << -50.0f << 350.0f;
    QTest::newRow("span 500") << 0.0f << 500.0f << 100.0f << -100.0f << 600.0f;
    QTest::newRow("span 150") << 0.0f << 150.0f << 25.0f << -25.0f << 175.0f;
    QTest::newRow("one temperature") << 50.0f << 50.0f << 10.0f << 40.0f << 60.0f;
  }
  void axesReachAStepBeyondThePoints() {
    QFETCH(float, tLow);
    QFETCH(float, tHigh);
    QFETCH(float, tStep);
    QFETCH(float, tMin);
    QFETCH(float, tMax);
    const auto axes = CurveAxesFor({tHigh, tLow, (tLow + tHigh) / 2}, {0.04f, 0.05f, 0.06f});
    QCOMPARE(axes.tStep, tStep);
    QCOMPARE(axes.tMin, tMin);
    QCOMPARE(axes.tMax, tMax);
  }

  void lambdaAxisRoundsToItsScale_data() {
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");
    QTest::addColumn<float>("step");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::newRow("span 0.067") << 0.033f << 0.1f << 0.01f << 0.02f << 0.11f;
    QTest::newRow("span 0.17") << 0.03f << 0.2f << 0.02f << 0.0f << 0.22f;
    QTest::newRow("span 0.03") << 0.034f << 0.064f << 0.005f << 0.025f << 0.065f;
    QTest::newRow("span 0.01") << 0.04f << 0.05f << 0.002f << 0.038f << 0.052f;
    QTest::newRow("span 30") << 1.0f << 31.0f << 2.5f << -1.5f << 33.5f;
  }
  void lambdaAxisRoundsToItsScale() {
    QFETCH(float, low);
    QFETCH(float, high);
    QFETCH(float, step);
    QFETCH(float, min);
    QFETCH(float, max);
    const auto axes = CurveAxesFor({0, 100}, {high, low});
    QCOMPARE(axes.lambdaStep, step);
    QCOMPARE(axes.lambdaMin, min);
    QCOMPARE(axes.lambdaMax, max);
  }

  void mapsTheAxesOntoThePicture() {
    CCurveButton curve;
    QVERIFY(curve.SetFourPoints({0, 250, 500, 1000}, {0.033f, 0.05f, 0.07f, 0.1f}));
    QCOMPARE(curve.size(), QSize(600, 400));
    const auto& axes = curve.Axes();
    QCOMPARE(curve.PixelOf(axes.tMin, axes.lambdaMin), QPoint(60, 350));
    QCOMPARE(curve.PixelOf(axes.tMax, axes.lambdaMax), QPoint(560, 50));
    // 700 of 1400 degrees, and 0.045 of 0.09 W/mK up to a float's rounding.
    const QPoint middle = curve.PixelOf(500, 0.065f);
    QCOMPARE(middle.x(), 310);
    QVERIFY(qAbs(middle.y() - 200) <= 1);

    QStringList temperatureLabels, lambdaLabels;
    for (const auto& tick : curve.TemperatureTicks()) {
      QCOMPARE(tick.at.y(), 350);
      temperatureLabels << tick.label;
    }
    for (const auto& tick : curve.LambdaTicks()) {
      QCOMPARE(tick.at.x(), 60);
      lambdaLabels << tick.label;
    }
    QCOMPARE(temperatureLabels, QStringList({"-200", "0", "200", "400", "600", "800", "1000", "1200"}));
    QCOMPARE(lambdaLabels, QStringList({"0.020", "0.030", "0.040", "0.050", "0.060", "0.070", "0.080",
                                        "0.090", "0.100", "0.110"}));
  }

  void drawsTheCurveThroughThePoints() {
    CCurveButton curve;
    QVERIFY(curve.SetThreePoints({0, 50, 100}, {0.04f, 0.045f, 0.052f}));
    const auto c = curve.Coefficients();
    QCOMPARE(c.c3, 0.0f);
    QVERIFY(qAbs(c.c2 - 4.0e-7f) < 1e-12f);
    QVERIFY(qAbs(c.c1 - 8.0e-5f) < 1e-10f);
    QVERIFY(qAbs(c.c0 - 0.04f) < 1e-7f);

    const auto pixels = curve.CurvePixels();
    QCOMPARE(pixels.size(), std::size_t{21});
    QCOMPARE(pixels.front().x(), 60);
    QCOMPARE(pixels.back().x(), 560);
    QCOMPARE(curve.PointPixels().size(), std::size_t{3});

    const QImage drawn = curve.Drawn();
    QCOMPARE(drawn.pixel(pixels[7]) & 0xFFFFFFu, 0x0000FFu);
    // The point squares lie on the curve; their centre is covered by the square.
    QCOMPARE(drawn.pixel(curve.PointPixels()[1]) & 0xFFFFFFu, 0x000000u);
  }

  void equalTemperaturesGiveNoCurve() {
    CCurveButton curve;
    QVERIFY(curve.SetFourPoints({0, 50, 100, 150}, {0.037f, 0.045f, 0.053f, 0.057f}));
    const auto before = curve.Coefficients();
    QVERIFY(!curve.SetFourPoints({0, 50, 50, 150}, {0.037f, 0.045f, 0.053f, 0.057f}));
    QVERIFY(!curve.Fitted());
    QCOMPARE(curve.Coefficients().c0, before.c0);
    QCOMPARE(curve.Coefficients().c3, before.c3);
  }
};

static RegisterUiTest<CurveButtonTest> registerCurveButtonTest;

#include "curvebutton_test.moc"
