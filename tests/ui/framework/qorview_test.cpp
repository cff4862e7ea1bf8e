#include "ui/framework/qorview.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <string>
#include <vector>

#include "core/framework/help.h"
#include "core/report/drawingsurface.h"
#include "core/report/graph.h"
#include "core/report/graphicsitem.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/framework/mainframe.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::TestDocument;

namespace {

class RecordingHelp : public HelpViewer {
 public:
  void OpenTopic(std::string_view topic) override { topics.emplace_back(topic); }
  std::vector<std::string> topics;
};

// A plain box at a fixed place on screen; on paper it reaches the given number of
// printable pages across and down.
class BoxItem : public CGraphicsItem {
 public:
  BoxItem(const PageModel& page, LayoutRect onScreen, double pagesAcross = 0.5, double pagesDown = 0.5)
      : CGraphicsItem(page), onScreen(onScreen), pagesAcross(pagesAcross), pagesDown(pagesDown) {
    rect = onScreen;
  }
  void BeginPrinting(DrawingSurface& printer) override {
    const PrintableArea area = printer.Printable();
    rect = {0, 0, static_cast<std::int32_t>(pagesAcross * area.widthPx),
            static_cast<std::int32_t>(pagesDown * area.heightPx)};
  }
  void EndPrinting() override { rect = onScreen; }
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override {
    const LayoutRect at = rect.ShiftedBack({visible.left, visible.top});
    surface.DrawLine({at.left, at.top}, {at.right, at.bottom}, 1, kReportTextColour);
  }

 private:
  LayoutRect onScreen;
  double pagesAcross;
  double pagesDown;
};

// The heat-loss report with only these items, so that its reach is known exactly.
void ShowOnly(CQorDoc& doc, std::initializer_list<CGraphicsItem*> items) {
  doc.reports.RemoveItem(ModuleIndex::HeatLoss, *doc.headers[0]);
  doc.reports.RemoveItem(ModuleIndex::HeatLoss, *doc.footer);
  for (CGraphicsItem* item : items) doc.reports.AddItem(ModuleIndex::HeatLoss, *item);
  doc.Refresh(kLayoutChangedHint);
}

void ShowWithClientSize(CQorView& view, QSize client) {
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  view.resize(view.size() + client - view.viewport()->size());
  QTRY_COMPARE(view.viewport()->size(), client);
}

QPoint OnScreen(const CQorView& view, const LayoutRect& rect) {
  const LayoutRect visible = view.VisibleRect();
  return {(rect.left + rect.right) / 2 - visible.left, (rect.top + rect.bottom) / 2 - visible.top};
}

void Wheel(QWidget* target, int angle) {
  QWheelEvent event(QPointF(10, 10), target->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, angle),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

enum class Scroll {
  PageDown,
  PageDownMany,
  LineDown,
  LineUp,
  PageRight,
  LineRight,
  WheelDown,
  WheelUp,
  Thumb,
  ResizeAfterPageDown
};

}  // namespace

Q_DECLARE_METATYPE(Scroll)

class QorViewTest : public QObject {
  Q_OBJECT

 private slots:
  void scrolls_data() {
    QTest::addColumn<bool>("longReport");
    QTest::addColumn<Scroll>("action");
    QTest::addColumn<QPoint>("expected");
    // Client 480 x 400: a line is 60 across, 50 down. The long report reaches 2364 units
    // down (1182 across), so the top stops at 2364 - 400.
    QTest::newRow("page down") << true << Scroll::PageDown << QPoint(0, 400);
    QTest::newRow("page down stops at the bottom") << true << Scroll::PageDownMany << QPoint(0, 1964);
    QTest::newRow("line down") << true << Scroll::LineDown << QPoint(0, 50);
    QTest::newRow("line up at the top") << true << Scroll::LineUp << QPoint(0, 0);
    QTest::newRow("end: page right") << true << Scroll::PageRight << QPoint(480, 0);
    QTest::newRow("line right") << true << Scroll::LineRight << QPoint(60, 0);
    QTest::newRow("wheel notch down") << true << Scroll::WheelDown << QPoint(0, 120);
    QTest::newRow("wheel up at the top") << true << Scroll::WheelUp << QPoint(0, 0);
    QTest::newRow("thumb") << true << Scroll::Thumb << QPoint(0, 1000);
    QTest::newRow("resize goes back to the corner") << true << Scroll::ResizeAfterPageDown << QPoint(0, 0);
    QTest::newRow("short: page down") << false << Scroll::PageDown << QPoint(0, 0);
    QTest::newRow("short: line down") << false << Scroll::LineDown << QPoint(0, 0);
    QTest::newRow("short: end") << false << Scroll::PageRight << QPoint(0, 0);
    QTest::newRow("short: wheel") << false << Scroll::WheelDown << QPoint(0, 0);
    QTest::newRow("short: thumb") << false << Scroll::Thumb << QPoint(0, 0);
  }

  void scrolls() {
    QFETCH(bool, longReport);
    QFETCH(Scroll, action);
    QFETCH(QPoint, expected);
    TestDocument doc;
    BoxItem box(doc->reports.Page(), longReport ? LayoutRect{0, 0, 1000, 2000} : LayoutRect{0, 0, 100, 100});
    RecordingHelp help;
    CQorView view(*doc, help);
    ShowOnly(*doc, {&box});
    ShowWithClientSize(view, QSize(480, 400));

    switch (action) {
      case Scroll::PageDown:
        QTest::keyClick(&view, Qt::Key_PageDown);
        break;
      case Scroll::PageDownMany:
        for (int i = 0; i < 10; ++i) QTest::keyClick(&view, Qt::Key_PageDown);
        break;
      case Scroll::LineDown:
        QTest::keyClick(&view, Qt::Key_Down);
        break;
      case Scroll::LineUp:
        QTest::keyClick(&view, Qt::Key_Up);
        break;
      case Scroll::PageRight:
        QTest::keyClick(&view, Qt::Key_End);
        break;
      case Scroll::LineRight:
        QTest::keyClick(&view, Qt::Key_Right);
        break;
      case Scroll::WheelDown:
        Wheel(view.viewport(), -120);
        break;
      case Scroll::WheelUp:
        Wheel(view.viewport(), 120);
        break;
      case Scroll::Thumb:
        view.verticalScrollBar()->setValue(1000);
        break;
      case Scroll::ResizeAfterPageDown:
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(view.VisibleRect().top, 400);
        view.resize(view.size() + QSize(40, 40));
        QTRY_COMPARE(view.viewport()->size(), QSize(520, 440));
        break;
    }
    const LayoutRect visible = view.VisibleRect();
    QCOMPARE(QPoint(visible.left, visible.top), expected);
    QCOMPARE(QSize(visible.Width(), visible.Height()), view.viewport()->size());
    QCOMPARE(view.horizontalScrollBar()->value(), visible.left);
    QCOMPARE(view.verticalScrollBar()->value(), visible.top);
  }

  void keepsEachModulesScrollPosition() {
    TestDocument doc;
    RecordingHelp help;
    CQorView view(*doc, help);
    auto& m = kelvora::testing::FillHeatLoss(*doc);
    m.Recalculate();
    QCOMPARE(m.calculated, 1);
    doc->Refresh(kLayoutChangedHint);
    ShowWithClientSize(view, QSize(480, 400));

    view.verticalScrollBar()->setValue(500);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(240, 200));
    QVERIFY(view.SelectedItem());
    CGraphicsItem* const picked = view.SelectedItem();
    doc->ChooseModule(3);
    QCOMPARE(view.VisibleRect().top, 0);
    // The selection belongs to the page it was made on.
    QVERIFY(!view.SelectedItem());
    QCOMPARE(picked->selected, 0);
    view.verticalScrollBar()->setValue(200);

    doc->ChooseModule(0);
    QCOMPARE(view.VisibleRect().left, 0);
    QCOMPARE(view.VisibleRect().top, 500);
    doc->ChooseModule(3);
    QCOMPARE(view.VisibleRect().top, 200);
  }

  void aNewOrOpenedDocumentShowsEveryReportFromTheTop_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("other");
    QTest::newRow("new") << false << 0 << 3;
    QTest::newRow("open") << true << 3 << 0;
  }

  void aNewOrOpenedDocumentShowsEveryReportFromTheTop() {
    QFETCH(bool, open);
    QFETCH(int, shown);
    QFETCH(int, other);
    TestDocument doc;
    RecordingHelp help;
    CQorView view(*doc, help);
    kelvora::testing::FillHeatLoss(*doc).Recalculate();
    doc->Refresh(kLayoutChangedHint);
    ShowWithClientSize(view, QSize(480, 400));
    view.verticalScrollBar()->setValue(500);
    doc->ChooseModule(3);
    view.verticalScrollBar()->setValue(200);
    const std::filesystem::path file = doc.dir / "zprava.vtp";
    QVERIFY(doc->Save(file));
    doc->ChooseModule(0);
    QCOMPARE(view.VisibleRect().top, 500);

    if (open) {
      QVERIFY(doc->Open(file));
    } else {
      doc->New();
    }
    QCOMPARE(doc->currentModule, shown);
    QCOMPARE(view.VisibleRect().top, 0);
    QCOMPARE(view.verticalScrollBar()->value(), 0);
    doc->ChooseModule(other);
    QCOMPARE(view.VisibleRect().top, 0);
    doc->ChooseModule(shown);
    QCOMPARE(view.VisibleRect().top, 0);
  }

  void clicksSelectAndHoverShowsTheHand_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("copyable");
    QTest::newRow("results table") << QStringLiteral("results") << true;
    QTest::newRow("page header") << QStringLiteral("header") << false;
    QTest::newRow("empty margin") << QString() << false;
  }

  void clicksSelectAndHoverShowsTheHand() {
    QFETCH(QString, target);
    QFETCH(bool, copyable);
    TestDocument doc;
    RecordingHelp help;
    CQorView view(*doc, help);
    auto& m = kelvora::testing::FillHeatLoss(*doc);
    m.Recalculate();
    QCOMPARE(m.calculated, 1);
    doc->Refresh(kLayoutChangedHint);
    ShowWithClientSize(view, QSize(800, 600));
    QSignalSpy selectionChanged(&view, &CQorView::SelectionChanged);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    const CGraphicsItem* item = nullptr;
    if (target == QLatin1String("results")) item = &m.Report().results;
    if (target == QLatin1String("header")) item = doc->headers[0].get();
    const QPoint at = item ? OnScreen(view, item->rect) : QPoint(10, 10);

    QTest::mouseMove(view.viewport(), at);
    QCOMPARE(view.viewport()->cursor().shape(), item ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(static_cast<const CGraphicsItem*>(view.SelectedItem()), item);
    QVERIFY(!selectionChanged.isEmpty());
    QCOMPARE(view.CanCopy(), copyable);
    view.Copy();
    const QString expected =
        copyable ? QString::fromStdString(m.Report().results.CopyText()) : QStringLiteral("before");
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  }

  void graphsCopyThemselves() {
    TestDocument doc;
    RecordingHelp help;
    CQorView view(*doc, help);
    kelvora::CGraph graph(doc->reports.Page());
    graph.Setup(10, 10, 60, 30, {}, {}, {}, {}, {}, {}, false);
    kelvora::CSoundGraph sound(doc->reports.Page());
    sound.Setup(10, 70, 60, 30);
    ShowOnly(*doc, {&graph, &sound});
    ShowWithClientSize(view, QSize(800, 600));

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, OnScreen(view, graph.rect));
    QVERIFY(view.CanCopy());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, OnScreen(view, sound.rect));
    QCOMPARE(static_cast<const CGraphicsItem*>(view.SelectedItem()), &sound);
    QVERIFY(view.CanCopy());
    view.Copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(sound.CopyText()));
  }

  void aClickOnOverlappingItemsSelectsTheLaterOne() {
    TestDocument doc;
    BoxItem below(doc->reports.Page(), {50, 50, 300, 300});
    BoxItem above(doc->reports.Page(), {200, 200, 400, 400});
    RecordingHelp help;
    CQorView view(*doc, help);
    ShowOnly(*doc, {&below, &above});
    ShowWithClientSize(view, QSize(480, 400));

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(view.SelectedItem(), &below);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(250, 250));
    QCOMPARE(view.SelectedItem(), &above);
    QCOMPARE(below.selected, 0);
    QCOMPARE(above.selected, 1);
  }

  void doubleClickOpensTheHelpOfTheItem() {
    TestDocument doc;
    doc->Refresh(kLayoutChangedHint);
    RecordingHelp help;
    CQorView view(*doc, help);
    ShowWithClientSize(view, QSize(800, 600));
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, OnScreen(view, doc->footer->rect));
    QCOMPARE(help.topics, std::vector<std::string>{"::/html/footer.htm"});
  }

  void printsEveryPageOfTheGrid_data() {
    QTest::addColumn<double>("across");
    QTest::addColumn<double>("down");
    QTest::addColumn<int>("pages");
    QTest::newRow("within one page") << 0.5 << 0.5 << 1;
    QTest::newRow("exactly one page wide") << 1.0 << 0.5 << 2;
    QTest::newRow("long and wide") << 1.5 << 2.5 << 6;
  }

  void printsEveryPageOfTheGrid() {
    QFETCH(double, across);
    QFETCH(double, down);
    QFETCH(int, pages);
    TestDocument doc;
    const LayoutRect onScreen{20, 30, 300, 400};
    BoxItem box(doc->reports.Page(), onScreen, across, down);
    RecordingHelp help;
    CQorView view(*doc, help);
    ShowOnly(*doc, {&box});
    ShowWithClientSize(view, QSize(480, 400));
    QTest::keyClick(&view, Qt::Key_Down);
    const LayoutRect visible = view.VisibleRect();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zprava.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QCOMPARE(view.PrintOn(printer), pages);

    QCOMPARE(view.VisibleRect(), visible);
    QCOMPARE(box.rect, onScreen);
    QVERIFY(!doc->reports.Page().IsPrinting());
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(pdfinfo.waitForFinished(30000));
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const QRegularExpressionMatch count = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(count.hasMatch(), qPrintable(info));
    QCOMPARE(count.captured(1).toInt(), pages);
  }

  void anEmptyModuleSaysOnScreenHowToStart_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("words");
    QTest::newRow("Czech") << false << QStringLiteral("Zadejte vstupní data");
    QTest::newRow("English") << true << QStringLiteral("Enter the input data");
  }

  // The page of a module without a report says where its input is entered, naming the
  // menu item as the main window has it; the printed pages never show it.
  void anEmptyModuleSaysOnScreenHowToStart() {
    QFETCH(bool, english);
    QFETCH(QString, words);
    TestDocument doc;
    doc->englishResults = english ? 1 : 0;
    RecordingHelp help;
    CQorView view(*doc, help);
    doc->Refresh(kLayoutChangedHint);
    ShowWithClientSize(view, QSize(600, 900));

    const CMainFrame frame;
    const QString menuItem = frame.Action(CMainFrame::Command::InputData)->text().remove(QLatin1Char('&'));
    QVERIFY2(view.StartHint().startsWith(words), qPrintable(view.StartHint()));
    QVERIFY2(view.StartHint().contains(menuItem), qPrintable(menuItem));
    // Below the page header, halfway down the client area, the hint is the only ink.
    const auto inkInTheMiddle = [&] {
      const QImage shown = view.viewport()->grab().toImage();
      int dark = 0;
      for (int y = 430; y < 470; ++y)
        for (int x = 50; x < 550; ++x) dark += QColor(shown.pixel(x, y)).lightness() < 128 ? 1 : 0;
      return dark;
    };
    QVERIFY(inkInTheMiddle() > 0);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("prazdna.pdf"));
    QVERIFY(view.ExportPdf(pdf));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(!printed.isEmpty() && !printed.contains(menuItem) && !printed.contains(words),
             qPrintable(printed));

    // With a report there is nothing to say, even where the report leaves the page blank.
    doc->Module(ModuleIndex::HeatLoss).calculated = 1;
    doc->Refresh(kLayoutChangedHint);
    QVERIFY(view.StartHint().isEmpty());
    QCOMPARE(inkInTheMiddle(), 0);
  }

  void unregistersFromTheDocument() {
    TestDocument doc;
    RecordingHelp help;
    {
      CQorView view(*doc, help);
      QVERIFY(doc->reports.Page().Measuring());
    }
    QCOMPARE(doc->reports.Page().Measuring(), nullptr);
    doc->Refresh(kLayoutChangedHint);
  }
};

static RegisterUiTest<QorViewTest> registered;
#include "qorview_test.moc"
