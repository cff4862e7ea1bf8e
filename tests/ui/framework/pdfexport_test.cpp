#include "ui/framework/pdfexport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "core/document/document.h"
#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"
#include "core/report/reportlists.h"
#include "uitests.h"

namespace {

// A heading with a rule under it and a red-blue mark below, laid out in millimetres like the
// real items.
class HeadingItem : public kelvora::CGraphicsItem {
 public:
  explicit HeadingItem(const kelvora::PageModel& page) : CGraphicsItem(page) { Layout(); }
  void BeginPrinting(kelvora::DrawingSurface&) override { Layout(); }
  void EndPrinting() override { Layout(); }
  void Draw(kelvora::DrawingSurface& surface, const kelvora::LayoutRect& visible) override {
    const kelvora::LayoutRect at = rect.ShiftedBack({visible.left, visible.top});
    surface.SelectFont(Page().Font(kelvora::FontTemplate::Bold));
    surface.SetTextColour(kelvora::kReportTextColour);
    surface.SetTextAlign(kelvora::TextAlign::LeftTop);
    surface.DrawText({at.left, at.top}, "Tepelná ztráta potrubí");
    surface.DrawLine({at.left, at.bottom}, {at.right, at.bottom}, 1, kelvora::kReportTextColour);
    const kelvora::RasterPicture mark{"mark", 2, 1, {kelvora::Rgb(255, 0, 0), kelvora::Rgb(0, 0, 255)}};
    surface.DrawPicture(
        mark, {at.left, at.bottom, at.left + Page().MmToUnitsX(20), at.bottom + Page().MmToUnitsY(20)});
  }

 private:
  void Layout() {
    rect = {Page().MmToUnitsX(20), Page().MmToUnitsY(20), Page().MmToUnitsX(120), Page().MmToUnitsY(30)};
  }
};

}  // namespace

class PdfExportTest : public QObject {
  Q_OBJECT

 private slots:
  void writesTheReportAsPdf() {
    kelvora::ReportLists reports;
    HeadingItem heading(reports.Page());
    reports.AddItem(kelvora::ModuleIndex::HeatLoss, heading);
    reports.ActivateList(kelvora::ModuleIndex::HeatLoss);
    const kelvora::LayoutRect onScreen = heading.rect;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zprava.pdf"));
    QString error;
    QVERIFY2(kelvora::ExportReportPdf(reports, path, QPageSize(QPageSize::A4), &error), qPrintable(error));
    QCOMPARE(heading.rect, onScreen);
    QVERIFY(!reports.Page().IsPrinting());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4), QByteArray("%PDF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("zprava.pdf")});

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Tepelná ztráta potrubí")), qPrintable(text));
    // One report page, one paper page.
    QCOMPARE(text.count(QLatin1Char('\f')), 1);

    // The mark spans 20-40 mm across and 30-50 mm down, inside 5 mm margins; rendered at
    // 50 dpi its outer quarters keep their colours through the PDF image encoding.
    QProcess pdftoppm;
    const QString png = dir.filePath(QStringLiteral("page"));
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), path, png});
    QVERIFY(pdftoppm.waitForFinished(30000));
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    const auto at = [&](qreal xMm, qreal yMm) {
      return page.pixelColor(qRound((5 + xMm) * 50 / 25.4), qRound((5 + yMm) * 50 / 25.4));
    };
    const auto near = [](const QColor& c, int r, int g, int b) {
      return qAbs(c.red() - r) < 24 && qAbs(c.green() - g) < 24 && qAbs(c.blue() - b) < 24;
    };
    QVERIFY2(near(at(22, 40), 255, 0, 0), qPrintable(at(22, 40).name()));
    QVERIFY2(near(at(38, 40), 0, 0, 255), qPrintable(at(38, 40).name()));
  }

  void failsWithoutTouchingTheTarget_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing folder") << QStringLiteral("missing");
    QTest::newRow("folder is a file") << QStringLiteral("plain");
    QTest::newRow("read-only folder with an older report") << QStringLiteral("locked");
  }

  void failsWithoutTouchingTheTarget() {
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    QFile older(locked + QStringLiteral("/zprava.pdf"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("older");
    older.close();
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto unlock = qScopeGuard([&] {
      QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    if (folder == QLatin1String("locked") && QFileInfo(locked).isWritable()) {
      QSKIP("permissions do not bind this user");
    }

    kelvora::ReportLists reports;
    const QString path = dir.filePath(folder + QStringLiteral("/zprava.pdf"));
    QString error;
    QVERIFY(!kelvora::ExportReportPdf(reports, path, QPageSize(QPageSize::A4), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QDir(locked).entryList(QDir::Files), QStringList{QStringLiteral("zprava.pdf")});
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll(), QByteArray("older"));
    if (folder != QLatin1String("locked")) QVERIFY(!QFileInfo::exists(path));
  }
};

static RegisterUiTest<PdfExportTest> registered;
#include "pdfexport_test.moc"
