#include "ui/framework/qorapp.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/modules/heatloss/heatlossreport.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "framework/startedapp.h"
#include "support/fakeplatform.h"
#include "support/testpaths.h"
#include "ui/framework/appdialogs.h"
#include "ui/framework/helpwindow.h"
#include "ui/framework/mainframe.h"
#include "ui/framework/qorview.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::FreshStart;
using kelvora::testing::RecordingMessages;
using kelvora::testing::ScriptedPrompts;
using kelvora::testing::StartedApp;

Q_DECLARE_METATYPE(kelvora::FilePrompts::SaveChanges)
Q_DECLARE_METATYPE(kelvora::CommandLine::Request)

namespace {

const QString kExample =
    QString::fromStdString((kelvora::testing::SourceDir() / "examples/heatloss-pipe.vtp").string());

}  // namespace

class QorAppTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void parsesTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Request>("request");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QString>("screenshot");
    using Request = CommandLine::Request;
    const QString usage = QStringLiteral("Usage: kelvora [options] [document]\n");
    const QString none;
    QTest::newRow("nothing") << QStringList{} << Request::Start << none << QStringList{} << none;
    QTest::newRow("document") << QStringList{"my pipes.vtp"} << Request::Start << none
                              << QStringList{"my pipes.vtp"} << none;
    QTest::newRow("document in words")
        << QStringList{"my", "pipes.vtp"} << Request::Start << none << QStringList{"my", "pipes.vtp"} << none;
    QTest::newRow("help") << QStringList{"--help"} << Request::Usage << usage << QStringList{} << none;
    QTest::newRow("-h") << QStringList{"-h"} << Request::Usage << usage << QStringList{} << none;
    QTest::newRow("help after a document")
        << QStringList{"a.vtp", "--help"} << Request::Usage << usage << QStringList{} << none;
    QTest::newRow("version") << QStringList{"--version"} << Request::Version
                             << QStringLiteral("kelvora " KELVORA_VERSION "\n") << QStringList{} << none;
    QTest::newRow("version after an unknown option")
        << QStringList{"-platform", "--version"} << Request::Version << QStringLiteral("kelvora ")
        << QStringList{} << none;
    QTest::newRow("unknown option") << QStringList{"a.vtp", "--halp"} << Request::Mistake
                                    << QStringLiteral("kelvora: unknown option \"--halp\"\n") + usage
                                    << QStringList{} << none;
    QTest::newRow("screenshot without file")
        << QStringList{"--screenshot"} << Request::Mistake
        << QStringLiteral("kelvora: unknown option \"--screenshot\"") << QStringList{} << none;
    QTest::newRow("document after --")
        << QStringList{"--", "-odd.vtp"} << Request::Start << none << QStringList{"-odd.vtp"} << none;
    QTest::newRow("screenshot") << QStringList{"a.vtp", "--screenshot", "shot.png"} << Request::Start << none
                                << QStringList{"a.vtp"} << QStringLiteral("shot.png");
  }
  void parsesTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Request, request);
    QFETCH(QString, textStart);
    QFETCH(QStringList, document);
    QFETCH(QString, screenshot);
    const CommandLine line = ParseCommandLine(arguments);
    QCOMPARE(line.request, request);
    QVERIFY2(line.text.startsWith(textStart), qPrintable(line.text));
    QCOMPARE(line.text.isEmpty(), textStart.isEmpty());
    QCOMPARE(line.options.arguments, document);
    QCOMPARE(line.options.screenshot, screenshot);
    QCOMPARE(line.options.modelessTitle, !screenshot.isEmpty());
  }

  void startsWithDefaultsWhenNothingIsStored() {
    StartedApp started;
    CQorApp& app = *started.app;
    QVERIFY(app.TitleDialog() && app.TitleDialog()->isVisible());
    QVERIFY(app.MainFrame().isMaximized());
    QCOMPARE(app.MainFrame().windowTitle(), QStringLiteral("Nový - Kelvora®"));
    CQorDoc& doc = app.Document();
    QCOMPARE(doc.database.FileName().filename().string(), std::string("kelvora.dat"));
    QCOMPARE(doc.userDatabase.FileName().filename().string(), std::string("egendef.dat"));
    QCOMPARE(doc.climate.FileName().filename().string(), std::string("kelvora.cli"));
    QCOMPARE(doc.costs.FileName().filename().string(), std::string("kelvora.cst"));
    QVERIFY(app.MainFrame().ModuleAction(0)->isChecked());
  }

  void showsTheTitleOnlyForExactlyYes_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Yes") << "Yes" << true;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("No") << "No" << false;
    QTest::newRow("empty") << "" << false;
  }
  void showsTheTitleOnlyForExactlyYes() {
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    QtSettingsStore().SetString("Settings", "HelpWindow", stored.toStdString());
    StartedApp started;
    QCOMPARE(started.app->TitleDialog() != nullptr, shown);
  }

  // The interface speaks the language stored; on the first start, Czech for a Czech locale
  // and English otherwise, Qt's own buttons included.
  void speaksTheChosenLanguageOrTheSystems_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("buttonNo");
    QTest::newRow("Czech locale") << "" << QLocale(QLocale::Czech) << "&Soubor"
                                  << "&Ne";
    QTest::newRow("German locale") << "" << QLocale(QLocale::German) << "&File"
                                   << "&No";
    QTest::newRow("English chosen") << "en" << QLocale(QLocale::Czech) << "&File"
                                    << "&No";
    QTest::newRow("Czech chosen") << "cs" << QLocale(QLocale::English) << "&Soubor"
                                  << "&Ne";
  }
  void speaksTheChosenLanguageOrTheSystems() {
    QFETCH(QString, stored);
    QFETCH(QLocale, system);
    QFETCH(QString, fileMenu);
    QFETCH(QString, buttonNo);
    if (!stored.isEmpty()) QtSettingsStore().SetString("Settings", "LANGUAGE", stored.toStdString());
    StartedApp started({}, system);
    CMainFrame& frame = started.app->MainFrame();
    QCOMPARE(frame.menuBar()->actions().constFirst()->text(), fileMenu);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), buttonNo);
    const bool english = fileMenu == QStringLiteral("&File");
    QVERIFY(frame.Action(english ? CMainFrame::Command::LanguageEnglish : CMainFrame::Command::LanguageCzech)
                ->isChecked());
  }

  // A new document's currency is the system locale's as far as the document file, written
  // in Windows-1250, can keep it: the pound sign it cannot, so the currency code stands in.
  void startsANewDocumentInTheCurrencyOfTheSystemLocale_data() {
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<QString>("currency");
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::Czechia) << "Kč";
    QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << "$";
    QTest::newRow("UK") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "GBP";
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "€";
    QTest::newRow("no currency") << QLocale::c() << "EUR";
  }
  void startsANewDocumentInTheCurrencyOfTheSystemLocale() {
    QFETCH(QLocale, system);
    QFETCH(QString, currency);
    StartedApp started({}, system);
    CQorDoc& document = started.app->Document();
    QCOMPARE(QString::fromStdString(
                 dynamic_cast<CVarmeTapModul&>(document.Module(ModuleIndex::HeatLoss)).currency),
             currency);
  }

  // A language chosen in the menu is stored for the next start, which the user is told of
  // in the language the windows speak until then.
  void choosingALanguageTakesEffectOnTheNextStart() {
    {
      StartedApp started;
      started.app->MainFrame().Action(CMainFrame::Command::LanguageCzech)->trigger();
      QVERIFY(started.messages.shown.empty());
      started.app->MainFrame().Action(CMainFrame::Command::LanguageEnglish)->trigger();
      QCOMPARE(started.messages.shown,
               std::vector<std::string>{"Jazyk se změní při příštím spuštění programu."});
      QCOMPARE(started.app->MainFrame().menuBar()->actions().constFirst()->text(), QStringLiteral("&Soubor"));
    }
    StartedApp restarted;
    QCOMPARE(restarted.app->MainFrame().menuBar()->actions().constFirst()->text(), QStringLiteral("&File"));
  }

  void opensTheDocumentOnTheCommandLineInsteadOfTheTitle() {
    const QString saved = fresh.FilePath(QStringLiteral("kondenzace.vtp"));
    {
      StartedApp first({kExample});
      CQorApp& app = *first.app;
      QVERIFY(!app.TitleDialog());
      QCOMPARE(app.MainFrame().windowTitle(), QStringLiteral("heatloss-pipe.vtp - Kelvora®"));
      app.MainFrame().ModuleAction(3)->trigger();
      first.prompts.saveName = saved;
      QVERIFY(app.SaveAs());
    }
    StartedApp second({saved});
    QVERIFY(!second.app->TitleDialog());
    QCOMPARE(second.app->Document().currentModule, 3);
    QVERIFY(second.app->MainFrame().ModuleAction(3)->isChecked());
  }

  void copyFollowsTheSelectionInTheView() {
    StartedApp started({kExample});
    CQorApp& app = *started.app;
    QVERIFY(QTest::qWaitForWindowExposed(&app.MainFrame()));
    QAction* copy = app.MainFrame().Action(CMainFrame::Command::Copy);
    QVERIFY(!copy->isEnabled());
    auto click = [&app](const LayoutRect& rect) {
      const LayoutRect visible = app.View().VisibleRect();
      const QPoint at((rect.left + rect.right) / 2 - visible.left,
                      (rect.top + rect.bottom) / 2 - visible.top);
      QTest::mouseClick(app.View().viewport(), Qt::LeftButton, {}, at);
    };
    const auto& heatLoss = static_cast<const CVarmeTapModul&>(app.Document().Module(ModuleIndex::HeatLoss));
    click(heatLoss.Report().results.rect);
    QVERIFY(copy->isEnabled());
    click(app.Document().headers[0]->rect);
    QVERIFY(!copy->isEnabled());
  }

  void keepsTheWindowPlacementAcrossRestarts_data() {
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal") << false;
    QTest::newRow("maximized") << true;
  }
  void keepsTheWindowPlacementAcrossRestarts() {
    QFETCH(bool, maximized);
    const QRect normal(130, 90, 700, 500);
    {
      StartedApp first({kExample});
      CMainFrame& frame = first.app->MainFrame();
      frame.showNormal();
      frame.setGeometry(normal);
      if (maximized) frame.showMaximized();
      QVERIFY(frame.close());
    }
    StartedApp second({kExample});
    CMainFrame& frame = second.app->MainFrame();
    QCOMPARE(frame.isMaximized(), maximized);
    QCOMPARE(frame.normalGeometry(), normal);
  }

  void dialogCheckBoxesWriteYesOrNo_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checkedAtStart");
    QTest::addColumn<QString>("writtenWhenToggled");
    QTest::newRow("about, shown") << true << "Yes" << true << "No";
    QTest::newRow("about, hidden") << true << "No" << false << "Yes";
    QTest::newRow("about, other case") << true << "YES" << false << "Yes";
    QTest::newRow("title, shown") << false << "Yes" << false << "No";
    QTest::newRow("title, hidden") << false << "No" << true << "Yes";
  }
  void dialogCheckBoxesWriteYesOrNo() {
    QFETCH(bool, about);
    QFETCH(QString, stored);
    QFETCH(bool, checkedAtStart);
    QFETCH(QString, writtenWhenToggled);
    QtSettingsStore settings;
    settings.SetString("Settings", "HelpWindow", stored.toStdString());
    RecordingMessages messages;
    HelpWindow help(messages);
    std::unique_ptr<QDialog> dialog;
    if (about) {
      dialog = std::make_unique<CAboutDlg>(settings, help);
    } else {
      dialog = std::make_unique<CTitleDlg>(settings, help);
    }
    auto* box = dialog->findChild<QCheckBox*>(about ? "showTitle" : "hideTitle");
    QVERIFY(box);
    QCOMPARE(box->isChecked(), checkedAtStart);
    box->toggle();
    dialog->accept();
    QCOMPARE(QString::fromStdString(settings.GetString("Settings", "HelpWindow", "")), writtenWhenToggled);
  }

  // Without the document the button shows the page that states the limits instead.
  void opensTheRegulationDocumentFoundBesideTheProgramOrInTheWorkingFolder() {
    StartedApp started({kExample});
    QtSettingsStore().SetString("Files", "V193", "predpis.pdf");
    QAction* button = started.app->MainFrame().Action(CMainFrame::Command::RegulationDocument);
    button->trigger();
    QVERIFY(started.opened.isEmpty());
    QCOMPARE(started.messages.shown, std::vector<std::string>{});
    QVERIFY(started.app->Help().isVisible());
    QCOMPARE(started.app->Help().Page(), QUrl(QStringLiteral("qrc:/help/html/vyhlaska193.htm")));

    started.app->Help().close();
    QFile file(fresh.FilePath(QStringLiteral("predpis.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    button->trigger();
    QCOMPARE(started.opened, QList<QUrl>{QUrl::fromLocalFile(file.fileName())});
    QVERIFY(!started.app->Help().isVisible());
  }

  void asksToSaveChangesBeforeNew_data() {
    QTest::addColumn<FilePrompts::SaveChanges>("answer");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<bool>("written");
    QTest::newRow("save") << FilePrompts::SaveChanges::Save << true << true;
    QTest::newRow("discard") << FilePrompts::SaveChanges::Discard << true << false;
    QTest::newRow("cancel") << FilePrompts::SaveChanges::Cancel << false << false;
  }
  void asksToSaveChangesBeforeNew() {
    QFETCH(FilePrompts::SaveChanges, answer);
    QFETCH(bool, reset);
    QFETCH(bool, written);
    StartedApp started;
    CQorApp& app = *started.app;
    app.Document().ChooseModule(5);
    started.prompts.saveChanges = answer;
    const QString name = fresh.FilePath(QString::fromUtf8(QTest::currentDataTag()));
    started.prompts.saveName = name;
    QCOMPARE(app.New(), reset);
    QCOMPARE(started.prompts.asked, QStringList{QStringLiteral("Nový")});
    QCOMPARE(started.prompts.suggestions,
             written ? QStringList{QDir::current().filePath(QStringLiteral("Nový.vtp"))} : QStringList{});
    QCOMPARE(QFile::exists(name + QStringLiteral(".vtp")), written);
    QCOMPARE(app.Document().currentModule, reset ? 0 : 5);
    app.Document().SetModified(false);
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<QorAppTest> registered;
#include "qorapp_test.moc"
