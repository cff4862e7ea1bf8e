// The program as a reader of English meets it: every dialog, the main window and the
// messages, with not one Czech word left; and in Czech the dialogs as they always were.

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <filesystem>
#include <map>

#include "core/database/klima.h"
#include "database/dialogdriver.h"
#include "dialogcatalogue.h"
#include "startedapp.h"
#include "support/fakeplatform.h"
#include "support/testpaths.h"
#include "ui/framework/itemdlg.h"
#include "uitests.h"

using namespace kelvora;

namespace {

// Letters that English never has; a text with one of them was left untranslated.
const QRegularExpression kCzechLetters(QStringLiteral("[ěščřžýáíéůúňťďĚŠČŘŽÝÁÍÉŮÚŇŤĎ]"));

void AddTree(const QTreeWidget& tree, QStringList& texts) {
  const QTreeWidgetItem* header = tree.headerItem();
  for (int column = 0; column < header->columnCount(); ++column) texts << header->text(column);
  for (int row = 0; row < tree.topLevelItemCount(); ++row) {
    for (int column = 0; column < tree.columnCount(); ++column) texts << tree.topLevelItem(row)->text(column);
  }
}

// Every text the user can read in `dialog`: what the user types into fields is the user's.
QStringList VisibleTexts(QDialog& dialog) {
  QStringList texts{dialog.windowTitle()};
  for (QWidget* widget : dialog.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&dialog)) continue;
    texts << widget->toolTip();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable()) {
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
      for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(widget)) AddTree(*tree, texts);
    if (auto* browser = qobject_cast<QTextBrowser*>(widget)) texts << browser->toPlainText();
  }
  return texts;
}

QStringList CzechIn(const QStringList& texts) { return texts.filter(kCzechLetters); }

// Towns keep their own letters in English ("Ústí nad Labem"): the English names the climate
// data give their locations.
QSet<QString> PlaceNames() {
  CKlima climate(kelvora::testing::BinDir() / "kelvora.cli");
  testing::RecordingMessages messages;
  climate.Load(messages);
  QSet<QString> names;
  for (const auto& location : climate.locations) names.insert(QString::fromStdString(location->secondName));
  return names;
}

bool IsPlaceLine(const QString& text, const QSet<QString>& places) {
  return places.contains(text.section(QLatin1Char('\t'), 0, 0));
}

// Czech words in the main window: its title, menus, commands, tips and toolbars.
QStringList CzechInMainWindow(CMainFrame& frame) {
  QStringList texts{frame.windowTitle()};
  for (const QAction* action : frame.findChildren<QAction*>()) {
    // Each language is named in itself.
    if (action == frame.Action(CMainFrame::Command::LanguageCzech)) continue;
    texts << action->text() << action->toolTip() << action->statusTip();
  }
  for (const QToolBar* bar : frame.findChildren<QToolBar*>()) texts << bar->windowTitle();
  return CzechIn(texts);
}

}  // namespace

class InterfaceLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void everyDialogSpeaksEnglish() {
    const InterfaceTranslators english(InterfaceLanguage::English);
    testing::RecordingMessages messages;
    Dialogs() = {&messages, nullptr};
    QTemporaryDir scratch;
    QStringList untranslated;
    int visited = 0;
    const QSet<QString> places = PlaceNames();
    QVERIFY(places.contains(QStringLiteral("Vienna")));
    const auto visit = [&](const char* name, QDialog& dialog) {
      ++visited;
      for (const QString& text : CzechIn(VisibleTexts(dialog))) {
        if (!IsPlaceLine(text, places))
          untranslated << QString::fromLatin1(name) + QStringLiteral(": ") + text;
      }
    };
    QVERIFY(VisitEveryDialog(kelvora::testing::BinDir().string(), scratch.path().toStdString(),
                             InterfaceLanguage::English, messages, visit));
    Dialogs() = {};
    QVERIFY(visited > 30);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    for (const std::string& message : messages.shown)
      QVERIFY2(!QString::fromStdString(message).contains(kCzechLetters), message.c_str());
  }

  // Czech stays the language of the sources: the dialogs keep the titles they always had.
  void theCzechDialogsKeepTheirTitles() {
    const InterfaceTranslators czech(InterfaceLanguage::Czech);
    testing::RecordingMessages messages;
    Dialogs() = {&messages, nullptr};
    QTemporaryDir scratch;
    std::map<QString, QString> titles;
    QVERIFY(VisitEveryDialog(kelvora::testing::BinDir().string(), scratch.path().toStdString(),
                             InterfaceLanguage::Czech, messages, [&](const char* name, QDialog& dialog) {
                               titles[QString::fromLatin1(name)] = dialog.windowTitle();
                             }));
    Dialogs() = {};
    const std::map<QString, QString> expected{
        {"projectdlg", "Projekt"},
        {"missingentrydlg", "Databáze položek nenalezena"},
        {"isoproduktdlg", "Izolační produkt"},
        {"isotykkelsedlg", "Standardní tl. izolace"},
        {"koeffberegningdlg", "Výpočet koeficientů"},
        {"egendefisoproduktdlg", "Izolační výrobek definovaný uživatelem"},
        {"egendefdatabasedlg", "Izolační výrobek definovaný uživatelem"},
        {"klimadlg", "Místní klimatická data"},
        {"varmetapdlg-pipe", "Tepelná ztráta"},
        {"kanaltempdlg-pipes", "Změna teploty v potrubí"},
        {"segmentdlg-pipe", "Úsek"},
        {"tanktempdlg", "Teplota v nádrži"},
        {"utvendigkondensdlg", "Izolace proti vnější kondenzaci"},
        {"innvendigkondensdlg", "Izolace proti vnitřní kondenzaci"},
        {"frostdlg", "Protimrazová ochrana vodovodních potrubí"},
        {"lyddlg", "Útlum hluku ve vzduchovodu"},
        {"okonomidlg", "Ekonomika izolace"},
        {"okoisolasjondlg", "Ekonomika izolace - izolační produkt"},
        {"databasedlg-0", "Databáze"},
    };
    for (const auto& [name, title] : expected) {
      QVERIFY2(titles.contains(name), qPrintable(name));
      QCOMPARE(titles[name], title);
    }
  }

  // Labels name the object's own sizes, as the reports do: a pipe has an outside diameter
  // and pipe hangers, a duct a diameter and duct hangers.
  void eachObjectNamesItsOwnSizes() {
    const InterfaceTranslators english(InterfaceLanguage::English);
    testing::RecordingMessages messages;
    Dialogs() = {&messages, nullptr};
    QTemporaryDir scratch;
    const std::map<QString, QStringList> expected{
        {"varmetapdlg-pipe", {"Outside diameter [mm]:", "Uninsulated pipe hangers"}},
        {"varmetapdlg-duct", {"Diameter [mm]:", "Uninsulated duct hangers"}},
        {"segmentdlg-pipe", {"Outside diameter [mm]:", "Uninsulated pipe hangers"}},
        {"segmentdlg-duct", {"Diameter [mm]:", "Uninsulated duct hangers"}},
        {"innvendigkondensdlg", {"Duct diameter [mm]:", "Uninsulated duct hangers"}},
    };
    std::map<QString, QStringList> shown;
    VisitEveryDialog(kelvora::testing::BinDir().string(), scratch.path().toStdString(),
                     InterfaceLanguage::English, messages, [&](const char* name, QDialog& dialog) {
                       const QString key = QString::fromLatin1(name);
                       if (expected.contains(key)) shown[key] = VisibleTexts(dialog);
                     });
    Dialogs() = {};
    for (const auto& [name, texts] : expected) {
      for (const QString& text : texts)
        QVERIFY2(shown[name].contains(text), qPrintable(name + QStringLiteral(": ") + text));
    }
  }

  // What the user is told comes in the language of the windows, and the focus goes where
  // the fault is.
  void aRefusalSpeaksEnglish() {
    const InterfaceTranslators english(InterfaceLanguage::English);
    testing::RecordingMessages messages;
    Dialogs() = {&messages, nullptr};
    QTemporaryDir scratch;
    bool refused = false;
    VisitEveryDialog(kelvora::testing::BinDir().string(), scratch.path().toStdString(),
                     InterfaceLanguage::English, messages, [&](const char* name, QDialog& dialog) {
                       if (QByteArray(name) != "varmetapdlg-pipe") return;
                       dialog.show();
                       if (!QTest::qWaitForWindowExposed(&dialog)) return;
                       messages.shown.clear();
                       testing::Type(dialog, "diameter", QStringLiteral("7,2,5"));
                       testing::Click(dialog, "ok");
                       refused =
                           dialog.isVisible() && !messages.shown.empty() &&
                           messages.shown.back() == "Outside diameter [mm]: not a number, enter a number." &&
                           dialog.focusWidget() == dialog.findChild<QWidget*>(QStringLiteral("diameter"));
                     });
    Dialogs() = {};
    QVERIFY2(refused, messages.shown.empty() ? "nothing said" : messages.shown.back().c_str());
  }

  // The main window in English, and a new document whose report starts in English too.
  void theMainWindowSpeaksEnglish() {
    QtSettingsStore().SetString("Settings", "LANGUAGE", "en");
    testing::StartedApp started;
    CMainFrame& frame = started.app->MainFrame();
    const QStringList czech = CzechInMainWindow(frame);
    QVERIFY2(czech.isEmpty(), qPrintable(czech.join(QLatin1Char('\n'))));
    QVERIFY(started.app->Document().English());
    QtSettingsStore().SetString("Settings", "LANGUAGE", "cs");
  }

  void theCzechMainWindowStartsACzechReport() {
    QtSettingsStore().SetString("Settings", "LANGUAGE", "cs");
    testing::StartedApp started;
    QVERIFY(!started.app->Document().English());
    QVERIFY(!CzechInMainWindow(started.app->MainFrame()).isEmpty());
  }
};

static RegisterUiTest<InterfaceLanguageTest> registered;

#include "interfacelanguage_test.moc"
