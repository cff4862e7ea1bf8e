// Help as the user reaches it in the running program: F1 in a dialog that waits for its
// answer, and a double click on a part of the report.

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>

#include "core/modules/heatloss/varmetapmodul.h"
#include "database/dialogdriver.h"
#include "framework/startedapp.h"
#include "ui/framework/helpwindow.h"
#include "ui/framework/qorview.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Click;
using kelvora::testing::FreshStart;
using kelvora::testing::OnNextModal;
using kelvora::testing::StartedApp;

Q_DECLARE_METATYPE(kelvora::CMainFrame::Command)

namespace {

const std::string kPipeSection = "Minerální vata - izolační pouzdra 80 kg/m3";

struct Link {
  QPoint at;  // in the browser's viewport
  QUrl target;
};

Link FirstLink(QTextBrowser& browser) {
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
      QTextCursor cursor(browser.document());
      cursor.setPosition(fragment.fragment().position() + fragment.fragment().length() / 2);
      browser.setTextCursor(cursor);
      browser.ensureCursorVisible();
      return {browser.cursorRect(cursor).center(), browser.source().resolved(QUrl(format.anchorHref()))};
    }
  }
  return {};
}

// F1 in the waiting dialog, then a click on a link of the page and Alt+Left back. The
// help window must take them although the dialog waits, while the main window stays
// blocked; input goes in through the window system, which drops it for a blocked window.
void UseHelpFrom(QDialog& dialog, CQorApp& app, const QUrl& page) {
  CMainFrame& frame = app.MainFrame();
  QToolBar& toolbar = *frame.MainToolBar();
  const QWidget& english = *toolbar.widgetForAction(frame.Action(CMainFrame::Command::EnglishResults));
  QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, english.mapTo(&frame, english.rect().center()));
  QCOMPARE(app.Document().englishResults, 0);

  HelpWindow& help = app.Help();
  QTest::keyClick(dialog.windowHandle(), Qt::Key_F1);
  QVERIFY(help.isVisible());
  QCOMPARE(help.Page(), page);
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  auto& browser = *help.findChild<QTextBrowser*>(QStringLiteral("page"));
  const Link link = FirstLink(browser);
  QVERIFY(!link.target.isEmpty());
  QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, browser.viewport()->mapTo(&help, link.at));
  QCOMPARE(help.Page(), link.target);
  QTest::keyClick(help.windowHandle(), Qt::Key_Left, Qt::AltModifier);
  QCOMPARE(help.Page(), page);
  QVERIFY(dialog.isVisible());
}

}  // namespace

class ProgramHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void helpTakesInputWhileADialogWaits_data() {
    QTest::addColumn<CMainFrame::Command>("command");
    QTest::addColumn<QString>("opensNested");
    QTest::addColumn<QString>("page");
    QTest::newRow("project") << CMainFrame::Command::Project << QString()
                             << QStringLiteral("qrc:/help/html/prosjekt.htm");
    QTest::newRow("heat loss") << CMainFrame::Command::InputData << QString()
                               << QStringLiteral("qrc:/help/html/varmetap.htm");
    QTest::newRow("product opened from the database")
        << CMainFrame::Command::Database << QStringLiteral("updateRecord")
        << QStringLiteral("qrc:/help/html/isoprodukt.htm");
  }
  void helpTakesInputWhileADialogWaits() {
    QFETCH(CMainFrame::Command, command);
    QFETCH(QString, opensNested);
    QFETCH(QString, page);
    StartedApp started;
    CQorApp& app = *started.app;
    // It would block the main window by itself.
    app.TitleDialog()->close();
    bool reached = false;
    OnNextModal([&](QDialog& dialog) {
      if (opensNested.isEmpty()) {
        UseHelpFrom(dialog, app, QUrl(page));
        reached = true;
        return;
      }
      OnNextModal([&](QDialog& nested) {
        UseHelpFrom(nested, app, QUrl(page));
        reached = true;
      });
      Click(dialog, opensNested.toLatin1().constData());
    });
    app.MainFrame().Action(command)->trigger();
    QVERIFY(reached);
  }

  void doubleClickOnTheHeatLossReportOpensThePageOfThePart_data() {
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("page");
    QTest::newRow("results") << 0 << QStringLiteral("qrc:/help/html/varmetap_restabell.htm");
    QTest::newRow("verdict") << 1 << QStringLiteral("qrc:/help/html/vyhlaska193.htm");
    QTest::newRow("note") << 2 << QStringLiteral("qrc:/help/html/vyhlaska193.htm");
    QTest::newRow("input") << 3 << QStringLiteral("qrc:/help/html/varmetap_inputtabell.htm");
  }
  void doubleClickOnTheHeatLossReportOpensThePageOfThePart() {
    QFETCH(int, part);
    QFETCH(QString, page);
    StartedApp started;
    CQorDoc& doc = started.app->Document();
    auto& module = dynamic_cast<CVarmeTapModul&>(doc.Module(ModuleIndex::HeatLoss));
    // An indoor pipe, which the report judges by the regulation.
    const auto& products = doc.database.List(DbList::Products);
    const auto product = FindByName(products, kPipeSection);
    QVERIFY(product);
    module.layers[0].Set(0, dynamic_cast<CIsoProdukt*>(products[*product].get()), 50, nullptr, 50);
    module.SetSurface(dynamic_cast<CMantling*>(doc.database.List(DbList::OuterFinishes).front().get()));
    module.diameter = 60.3f;
    module.mediumTemperature = 150;
    module.Recalculate();
    QCOMPARE(module.calculated, 1);
    doc.Refresh(kLayoutChangedHint);

    const HeatLossReport& report = module.Report();
    const CGraphicsItem* parts[] = {&report.results, &report.verdict, &report.note, &report.input};
    const LayoutRect& rect = parts[part]->rect;
    CQorView& view = started.app->View();
    view.horizontalScrollBar()->setValue(rect.left);
    view.verticalScrollBar()->setValue(rect.top);
    const LayoutRect& visible = view.VisibleRect();
    const QPoint inside(rect.left + 4 - visible.left, rect.top + 4 - visible.top);
    QVERIFY(view.viewport()->rect().contains(inside));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, inside);
    QCOMPARE(started.app->Help().Page(), QUrl(page));
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<ProgramHelpTest> registration;

#include "programhelp_test.moc"
