#include "ui/framework/qpaintersurface.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPdfWriter>
#include <QTest>

#include "uitests.h"

using kelvora::FontSpec;
using kelvora::LayoutRect;
using kelvora::QPainterSurface;
using kelvora::ScreenMeasuringSurface;

class QPainterSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void measuresArialAtScreenScale() {
    ScreenMeasuringSurface surface;
    surface.SelectFont(FontSpec{});
    const QString family = QFontInfo(surface.CurrentFont()).family();
    QVERIFY2(family == QLatin1String("Liberation Sans") || family == QLatin1String("Arial"),
             qPrintable(family));

    const auto one = surface.MeasureText("T");
    const auto word = surface.MeasureText("Tepelná");
    const auto words = surface.MeasureText("Tepelná ztráta");
    QVERIFY2(one.height >= 10 && one.height <= 13, qPrintable(QString::number(one.height)));
    QCOMPARE(words.height, one.height);
    QVERIFY(one.width > 0 && one.width < word.width && word.width < words.width);

    FontSpec bold;
    bold.weight = kelvora::kFontWeightBold;
    surface.SelectFont(bold);
    QVERIFY(surface.MeasureText("Tepelná ztráta").width > words.width);
    FontSpec large;
    large.height = 20;
    surface.SelectFont(large);
    QVERIFY(surface.MeasureText("Tepelná ztráta").width > words.width * 3 / 2);
  }

  void givesTheMetricsGraphsAreLaidOutWith() {
    ScreenMeasuringSurface surface;
    surface.SelectFont(FontSpec{});
    const auto metrics = surface.FontMetrics();
    QVERIFY2(metrics.lineHeight >= surface.MeasureText("T").height,
             qPrintable(QString::number(metrics.lineHeight)));
    QVERIFY2(metrics.averageCharWidth >= 3 && metrics.averageCharWidth <= 7,
             qPrintable(QString::number(metrics.averageCharWidth)));
  }

  void drawsGridLinesDotted() {
    QImage image(100, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      surface.DrawDottedLine({0, 5}, {100, 5}, 1, kelvora::Rgb(0, 0, 0));
    }
    int dark = 0;
    for (int x = 0; x < 100; ++x) dark += image.pixelColor(x, 5).lightness() < 128 ? 1 : 0;
    QVERIFY2(dark > 20 && dark < 80, qPrintable(QString::number(dark)));
  }

  void wrapsNarrowerRectanglesIntoMoreLines() {
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SelectFont(FontSpec{});
    const std::string text = "Tloušťka izolace potřebná pro zadanou povrchovou teplotu je větší než 2 m";
    const std::int32_t line = surface.MeasureText("x").height;

    std::int32_t previous = 0;
    for (const std::int32_t width : {2000, 200, 80, 1}) {
      const LayoutRect rect{10, 10, 10 + width, 400};
      const std::int32_t height = surface.WrappedTextHeight(rect, text);
      QVERIFY2(height > previous, qPrintable(QString::number(width)));
      QCOMPARE(height % line, 0);
      QCOMPARE(surface.DrawWrappedText(rect, text), height);
      previous = height;
    }
    QCOMPARE(surface.WrappedTextHeight({0, 0, 2000, 10}, text), line);
    // One word a line at the narrowest: 12 words, none cut.
    QCOMPARE(previous, 12 * line);
    QCOMPARE(surface.WrappedTextHeight({0, 0, 2000, 10}, "jedna\r\ndvě\ntři"), 3 * line);
  }

  void stretchesPicturesKeepingTheirColours() {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      const kelvora::RasterPicture picture{"two", 2, 1, {kelvora::Rgb(255, 0, 0), kelvora::Rgb(0, 0, 255)}};
      surface.DrawPicture(picture, {0, 0, 40, 10});
    }
    QCOMPARE(image.pixelColor(1, 5), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(38, 5), QColor(0, 0, 255));
    const QColor middle = image.pixelColor(20, 5);
    QVERIFY(middle.red() > 0 && middle.blue() > 0);  // smooth, not nearest-pixel
  }

  void printerReportsItsPrintableArea() {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    const QPainterSurface printer(painter, kelvora::SurfaceKind::Printer);
    QVERIFY(printer.IsPrinter());
    const auto area = printer.Printable();
    QCOMPARE(area.widthMm, 200);
    QCOMPARE(area.heightMm, 287);
    // 600 dpi; the device rounds its margins to points, so allow a millimetre.
    QVERIFY(qAbs(area.widthPx - 4724) <= 24);
    QVERIFY(qAbs(area.heightPx - 6780) <= 24);
    QVERIFY(!QPainterSurface(painter).IsPrinter());
  }
};

static RegisterUiTest<QPainterSurfaceTest> registered;
#include "qpaintersurface_test.moc"
