#include <QListWidget>
#include <QTest>

#include <filesystem>

#include "core/database/klima.h"
#include "core/framework/editors.h"
#include "database/dialogdriver.h"
#include "support/fakeplatform.h"
#include "support/recordingsurface.h"
#include "support/tempdir.h"
#include "ui/database/klimadlg.h"
#include "ui/database/recordeditors.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::RecordingHelp;
using kelvora::testing::RecordingMessages;
using kelvora::testing::TempDir;
using kelvora::testing::Type;

namespace {

QStringList Lines(const QListWidget& box) {
  QStringList lines;
  for (int i = 0; i < box.count(); ++i) lines << box.item(i)->text();
  return lines;
}

QStringList Names(const CKlima& climate) {
  QStringList names;
  for (const auto& location : climate.locations) names << QString::fromStdString(location->name);
  return names;
}

void Select(QListWidget& box, const QString& name) {
  for (int i = 0; i < box.count(); ++i) {
    if (box.item(i)->text().startsWith(name + '\t')) {
      box.setCurrentRow(i);
      return;
    }
  }
  QFAIL("no such location");
}

// Answers the next location dialog with these entries and OK.
void EnterLocation(const QString& name, const QString& temperature, const QString& wind) {
  OnNextModal([=](QDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Klimatická data"));
    Type(dialog, "name", name);
    Type(dialog, "temperature", temperature);
    Type(dialog, "windSpeed", wind);
    Click(dialog, "ok");
  });
}

}  // namespace

class ClimateDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { RegisterRecordEditors(); }
  void init() {
    messages = RecordingMessages();
    help = RecordingHelp();
    Dialogs() = {&messages, &help};
    dir = std::make_unique<TempDir>();
    climate = std::make_unique<CKlima>(dir->path() / "kelvora.cli");
    for (const auto& [name, temperature, wind] :
         {std::tuple{"Ostrava", 7.9f, 3.5f}, std::tuple{"Brno", 8.7f, 2.6f},
          std::tuple{"Cheb", 7.0f, 3.0f}}) {
      auto location = std::make_unique<CKlimasted>();
      location->name = name;
      location->temperature = temperature;
      location->windSpeed = wind;
      location->UpdateDisplayText();
      climate->locations.push_back(std::move(location));
    }
    climate->currentLocation = climate->locations[2].get();
  }
  void cleanup() {
    Dialogs() = {};
    climate.reset();
    dir.reset();
  }

  // Lines are sorted by their text, with the numbers in tab-separated columns, and the
  // current location is chosen.
  void showsLocationsSortedWithTheCurrentChosen() {
    CKlimaDlg dialog(*climate);
    dialog.show();
    auto& box = Child<QListWidget>(dialog, "locations");
    QCOMPARE(Lines(box), (QStringList{"Brno\t8.7\t2.6", "Cheb\t7.0\t3.0", "Ostrava\t7.9\t3.5"}));
    QCOMPARE(box.currentItem()->text(), QStringLiteral("Cheb\t7.0\t3.0"));
  }

  // Choosing from an unchanged list leaves the file alone.
  void choosingWithoutChangesDoesNotWriteTheFile() {
    CKlimaDlg dialog(*climate);
    dialog.show();
    auto& box = Child<QListWidget>(dialog, "locations");
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Select(box, "Ostrava");
    kelvora::testing::DoubleClick(*box.viewport(), box.visualItemRect(box.currentItem()).center());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(messages.shown.empty());
    QCOMPARE(climate->GetCurrentLocation()->name, std::string("Ostrava"));
    QCOMPARE(climate->GetCurrentLocation(), climate->locations[0].get());
    QVERIFY(!std::filesystem::exists(climate->FileName()));
  }

  void newLocationIsShownWithTabsAndSaved() {
    CKlimaDlg dialog(*climate);
    dialog.show();
    auto& box = Child<QListWidget>(dialog, "locations");
    EnterLocation("Praha", "8,4", "3,2");
    Click(dialog, "newLocation");
    QCOMPARE(Lines(box),
             (QStringList{"Brno\t8.7\t2.6", "Cheb\t7.0\t3.0", "Ostrava\t7.9\t3.5", "Praha\t8.4\t3.2"}));
    QCOMPARE(box.currentItem()->text(), QStringLiteral("Praha\t8.4\t3.2"));
    QCOMPARE(climate->locations.size(), 3u);

    // The names of the other locations are taken.
    EnterLocation("Brno", "9", "3");
    Click(dialog, "newLocation");
    QCOMPARE(messages.shown, std::vector<std::string>{"Prosím vložte specifický název."});
    QCOMPARE(box.count(), 4);

    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Names(*climate), (QStringList{"Ostrava", "Brno", "Cheb", "Praha"}));
    const CKlimasted* praha = climate->GetCurrentLocation();
    QCOMPARE(praha, climate->locations[3].get());
    QCOMPARE(praha->displayText, std::string("Praha\t8.4\t3.2"));
    QCOMPARE(praha->temperature, 8.4f);
    QCOMPARE(praha->windSpeed, 3.2f);

    CKlima saved(climate->FileName());
    saved.Load(messages);
    QCOMPARE(Names(saved), Names(*climate));
  }

  // An updated location goes to the end of the list, also when its dialog is cancelled.
  void updateMovesTheLocationToTheEnd() {
    CKlimaDlg dialog(*climate);
    dialog.show();
    auto& box = Child<QListWidget>(dialog, "locations");
    Select(box, "Ostrava");
    OnNextModal([](QDialog& location) { Click(location, "cancel"); });
    Click(dialog, "updateLocation");
    Select(box, "Brno");
    EnterLocation("Brno-Tuřany", "8,5", "2,9");
    Click(dialog, "updateLocation");
    QCOMPARE(box.currentItem()->text(), QStringLiteral("Brno-Tuřany\t8.5\t2.9"));
    Click(dialog, "ok");
    QCOMPARE(Names(*climate), (QStringList{"Cheb", "Ostrava", "Brno-Tuřany"}));
    QCOMPARE(climate->GetCurrentLocation()->name, std::string("Brno-Tuřany"));
    QVERIFY(std::filesystem::exists(climate->FileName()));
  }

  void deletingTheCurrentLocationAndChoosingAnother() {
    CKlimaDlg dialog(*climate);
    dialog.show();
    auto& box = Child<QListWidget>(dialog, "locations");
    messages.answers = {false, true};
    Click(dialog, "deleteLocation");
    Click(dialog, "deleteLocation");
    QCOMPARE(messages.shown, (std::vector<std::string>{"Opravdu chcete smazat \"Cheb\" ?",
                                                       "Opravdu chcete smazat \"Cheb\" ?"}));
    QCOMPARE(box.count(), 2);
    messages.shown.clear();
    Click(dialog, "ok");
    QCOMPARE(messages.shown, std::vector<std::string>{"Vyberte prosím umístění ze seznamu"});
    QVERIFY(dialog.isVisible());
    Select(box, "Brno");
    Click(dialog, "ok");
    QCOMPARE(Names(*climate), (QStringList{"Ostrava", "Brno"}));
    QCOMPARE(climate->GetCurrentLocation(), climate->locations[1].get());
  }

  // Without a selection the buttons that need one say so and the dialog stays.
  void actionsNeedASelection_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("ok") << "ok";
    QTest::newRow("update") << "updateLocation";
    QTest::newRow("delete") << "deleteLocation";
  }
  void actionsNeedASelection() {
    QFETCH(QString, button);
    climate->currentLocation = nullptr;
    CKlimaDlg dialog(*climate);
    dialog.show();
    Click(dialog, button.toLatin1().constData());
    QCOMPARE(messages.shown, std::vector<std::string>{"Vyberte prosím umístění ze seznamu"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(climate->locations.size(), 3u);
  }

  // An empty list refuses OK; only Cancel closes it.
  void emptyListClosesOnlyByCancel() {
    climate->locations.clear();
    climate->currentLocation = nullptr;
    CKlimaDlg dialog(*climate);
    dialog.show();
    Click(dialog, "ok");
    QCOMPARE(messages.shown, std::vector<std::string>{"Vyberte prosím umístění ze seznamu"});
    QVERIFY(dialog.isVisible());
    Click(dialog, "cancel");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  // Cancelling after a change asks first; a cancelled dialog leaves the list and the file.
  void cancelAfterAChangeAsks() {
    CKlimaDlg dialog(*climate);
    dialog.show();
    messages.answers = {true, false, true};
    Click(dialog, "deleteLocation");
    Click(dialog, "cancel");
    QVERIFY(dialog.isVisible());
    Click(dialog, "cancel");
    QVERIFY(!dialog.isVisible());
    const std::string question =
        "Provedené změny budou ztraceny. Klikněte na OK, pokud chcete přesto pokračovat. ";
    QCOMPARE(messages.shown,
             (std::vector<std::string>{"Opravdu chcete smazat \"Cheb\" ?", question, question}));
    QCOMPARE(Names(*climate), (QStringList{"Ostrava", "Brno", "Cheb"}));
    QCOMPARE(climate->GetCurrentLocation()->name, std::string("Cheb"));
    QVERIFY(!std::filesystem::exists(climate->FileName()));
  }

  void editOfTheClimateOpensTheDialog() {
    int answer = -1;
    OnNextModal([](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Místní klimatická data"));
      Click(dialog, "help");
      Select(Child<QListWidget>(dialog, "locations"), "Brno");
      Click(dialog, "ok");
    });
    answer = climate->Edit();
    QCOMPARE(answer, 1);
    QCOMPARE(help.topics, std::vector<std::string>{"::/html/klimasteder.htm"});
    QCOMPARE(climate->GetCurrentLocation()->name, std::string("Brno"));
  }

 private:
  RecordingMessages messages;
  RecordingHelp help;
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<CKlima> climate;
};

static RegisterUiTest<ClimateDialogTest> registration;
#include "klimadlg_test.moc"
