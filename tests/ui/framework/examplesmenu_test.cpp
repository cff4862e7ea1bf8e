// Help › Examples offers the shipped examples of the interface's language, the Czech ones in
// a Czech interface and their English twins in an English one; File › Open offers the same
// folder.

#include "ui/framework/examplesmenu.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include "core/framework/datafile.h"
#include "core/report/reporttext.h"
#include "framework/startedapp.h"
#include "support/testpaths.h"
#include "ui/framework/mainframe.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::FreshStart;
using kelvora::testing::StartedApp;

namespace {

// The numbers of a report as its copy text shows them: each cell after a row's label, read
// up to its unit, whatever the decimal sign.
QStringList Numbers(const std::string& copyText) {
  static const QRegularExpression number(QStringLiteral("^-?\\d[\\d ]*([.,]\\d+)?"));
  QStringList numbers;
  for (const QString& line : QString::fromStdString(copyText).split(QLatin1Char('\n'))) {
    const QStringList cells = line.split(QLatin1Char('\t'));
    for (qsizetype i = 1; i < cells.size(); ++i) {
      const QRegularExpressionMatch found = number.match(cells[i].trimmed());
      if (found.hasMatch())
        numbers << found.captured().remove(QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char('.'));
    }
  }
  return numbers;
}

QString BuiltExamples(bool english) {
  const QString folder = QString::fromStdString((kelvora::testing::BinDir() / "examples").string());
  return english ? folder + QStringLiteral("/en") : folder;
}

}  // namespace

class ExamplesMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(fresh.Enter()); }

  void eachExampleOpensInTheInterfacesLanguageWithTheSameNumbers() {
    std::map<QString, QStringList> numbers[2];
    for (const bool english : {false, true}) {
      StartedApp started({}, QLocale(english ? QLocale::English : QLocale::Czech));
      CQorApp& app = *started.app;
      const QString folder = BuiltExamples(english);
      const QStringList files = QDir(folder).entryList({QStringLiteral("*.vtp")}, QDir::Files);
      QVERIFY(files.size() >= 10);
      ExamplesMenu& menu = app.MainFrame().Examples();
      QVERIFY(menu.isEnabled());
      QCOMPARE(menu.actions().size(), files.size());
      for (QAction* action : menu.actions()) {
        const QString file = action->objectName() + QStringLiteral(".vtp");
        QVERIFY2(files.contains(file), qPrintable(file));
        action->trigger();
        QCOMPARE(QString::fromStdU16String(app.Document().pathName.u16string()), QDir(folder).filePath(file));
        QVERIFY2(app.Document().English() == english, qPrintable(file));
        const std::string report =
            ReportCopyText(app.Document().reports, static_cast<ModuleIndex>(app.Document().currentModule));
        numbers[english][file] = Numbers(report);
        QVERIFY2(numbers[english][file].size() > 5, report.c_str());
      }
      QVERIFY(started.prompts.asked.isEmpty());

      app.MainFrame().Action(CMainFrame::Command::Open)->trigger();
      QCOMPARE(started.prompts.examplesFolders, QStringList{folder});
    }
    for (const auto& [file, czech] : numbers[0]) QCOMPARE(numbers[1][file], czech);
    QCOMPARE(numbers[1].size(), numbers[0].size());
  }

  // An installed program keeps them with its reference data, a build tree beside the program.
  void theExamplesFolderIsTheInstallationsElseBesideTheProgram_data() {
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("expected");
    QTest::newRow("installed, Czech") << true << false << QStringLiteral("share/kelvora/examples");
    QTest::newRow("installed, English") << true << true << QStringLiteral("share/kelvora/examples/en");
    QTest::newRow("build tree, Czech") << false << false << QStringLiteral("bin/examples");
    QTest::newRow("build tree, English") << false << true << QStringLiteral("bin/examples/en");
  }
  void theExamplesFolderIsTheInstallationsElseBesideTheProgram() {
    QFETCH(bool, installed);
    QFETCH(bool, english);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("bin/examples/en")));
    if (installed) QVERIFY(root.mkpath(QStringLiteral("share/kelvora/examples/en")));
    const DataFolders folders{root.filePath(QStringLiteral("bin")).toStdString(), {}};
    QCOMPARE(ExamplesFolder(folders, english ? InterfaceLanguage::English : InterfaceLanguage::Czech),
             root.filePath(expected));
  }

  // As File › Open: changes are saved or given up first, and cancelling keeps them.
  void anExampleWaitsForTheChangesOfTheOpenDocument() {
    StartedApp started;
    CQorApp& app = *started.app;
    app.Document().SetModified(true);
    QAction* example = app.MainFrame().Examples().actions().value(0);
    QVERIFY(example);
    example->trigger();
    QCOMPARE(started.prompts.asked, QStringList{QStringLiteral("Nový")});
    QVERIFY(app.Document().pathName.empty());
    QVERIFY(app.Document().IsModified());

    started.prompts.saveChanges = FilePrompts::SaveChanges::Discard;
    example->trigger();
    QCOMPARE(started.prompts.asked.size(), 2);
    QVERIFY(!app.Document().pathName.empty());
    QVERIFY(!app.Document().IsModified());
  }

 private:
  FreshStart fresh;
};

static RegisterUiTest<ExamplesMenuTest> registered;
#include "examplesmenu_test.moc"
