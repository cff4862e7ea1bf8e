#include "ui/framework/mainframe.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "ui/framework/interfacelanguage.h"
#include "uitests.h"

using kelvora::CMainFrame;
using Command = CMainFrame::Command;

Q_DECLARE_METATYPE(CMainFrame::Command)

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void offersTheCommandsUnderTheirKeys_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("copy") << Command::Copy << QKeySequence(Qt::CTRL | Qt::Key_C);
    QTest::newRow("new") << Command::New << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("open") << Command::Open << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("print") << Command::Print << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("save") << Command::Save << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("help") << Command::HelpContents << QKeySequence(Qt::Key_F1);
    QTest::newRow("context help") << Command::ContextHelp << QKeySequence(Qt::SHIFT | Qt::Key_F1);
  }
  void offersTheCommandsUnderTheirKeys() {
    QFETCH(Command, command);
    QFETCH(QKeySequence, keys);
    CMainFrame frame;
    QCOMPARE(frame.Action(command)->shortcut(), keys);
    // Reachable while the toolbars are hidden and no menu is open.
    QVERIFY(frame.actions().contains(frame.Action(command)));
  }

  void menusAndToolbarsInTheirOrder() {
    CMainFrame frame;
    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, (QStringList{"&Soubor", "&Editovat", "&Zobrazit", "&Nápověda"}));

    QList<QAction*> file = frame.menuBar()->actions().first()->menu()->actions();
    file.removeIf([](QAction* a) { return a->isSeparator(); });
    QCOMPARE(file.indexOf(frame.Action(Command::ExportPdf)),
             file.indexOf(frame.Action(Command::PrintPreview)) + 1);

    const QList<QAction*> main = frame.MainToolBar()->actions();
    QList<QAction*> buttons;
    for (QAction* a : main) {
      if (a->isSeparator()) continue;
      buttons << a;
      QCOMPARE(frame.MainToolBar()->widgetForAction(a)->size(), QSize(42, 42));
    }
    const QList<QAction*> expected{frame.Action(Command::New),
                                   frame.Action(Command::Open),
                                   frame.Action(Command::Save),
                                   frame.Action(Command::Print),
                                   frame.Action(Command::PrintPreview),
                                   frame.Action(Command::Project),
                                   frame.Action(Command::InputData),
                                   frame.Action(Command::Database),
                                   frame.Action(Command::EnglishResults),
                                   frame.Action(Command::RegulationDocument),
                                   frame.Action(Command::HelpContents)};
    QCOMPARE(buttons, expected);
    QCOMPARE(frame.toolBarArea(frame.MainToolBar()), Qt::TopToolBarArea);
    QCOMPARE(frame.toolBarArea(frame.ModuleToolBar()), Qt::BottomToolBarArea);
    QCOMPARE(frame.ModuleToolBar()->actions().size(), 8);
    QCOMPARE(frame.ModuleToolBar()->widgetForAction(frame.ModuleAction(7))->size(), QSize(58, 26));
    QCOMPARE(frame.ModuleAction(6)->text(), QStringLiteral("Útlum hluku ve vzduchovodu"));
  }

  // The regulation's toolbar button is labelled in the interface's language ("Vyhl. 193",
  // "Reg. 193"), as the help pages name it.
  void regulationButtonReadsInTheInterfaceLanguage() {
    const auto icon = [] {
      CMainFrame frame;
      return frame.Action(Command::RegulationDocument)->icon().pixmap(32, 32).toImage();
    };
    const QImage czech = icon();
    QImage english;
    {
      const kelvora::DisplayLanguageScope scope(kelvora::InterfaceLanguage::English);
      english = icon();
    }
    QVERIFY(!czech.isNull() && !english.isNull());
    QVERIFY(english != czech);
  }

  void moduleCommandsAreExclusive() {
    CMainFrame frame;
    frame.ShowDocumentState(2, true);
    frame.ModuleAction(5)->trigger();
    for (int i = 0; i < 8; ++i) QCOMPARE(frame.ModuleAction(i)->isChecked(), i == 5);
    QVERIFY(frame.Action(Command::EnglishResults)->isChecked());
    frame.ShowDocumentState(0, false);
    QVERIFY(frame.ModuleAction(0)->isChecked() && !frame.ModuleAction(5)->isChecked());
    QVERIFY(!frame.Action(Command::EnglishResults)->isChecked());
  }

  void toolbarSwitchHidesAndShowsBoth() {
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QAction* toggle = frame.Action(Command::ToolBars);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(!frame.MainToolBar()->isVisible() && !frame.ModuleToolBar()->isVisible());
    toggle->trigger();
    QVERIFY(frame.MainToolBar()->isVisible() && frame.ModuleToolBar()->isVisible());
  }

  void closingCanBeRefused() {
    CMainFrame frame;
    frame.show();
    int closings = 0;
    connect(&frame, &CMainFrame::Closing, [&closings] { ++closings; });
    bool allow = false;
    frame.SetCloseGuard([&allow] { return allow; });
    QVERIFY(!frame.close());
    QCOMPARE(closings, 0);
    allow = true;
    QVERIFY(frame.close());
    QCOMPARE(closings, 1);
  }
};

static RegisterUiTest<MainFrameTest> registered;
#include "mainframe_test.moc"
