#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "support/fakeplatform.h"
#include "support/recordingsurface.h"
#include "ui/framework/missingentrydlg.h"
#include "ui/framework/qtplatform.h"
#include "uitests.h"

using kelvora::CDatabaseverdiBorteDlg;
using kelvora::Dialogs;
using kelvora::MissingEntrySource;
using kelvora::QtMissingEntryChooser;
using kelvora::testing::RecordingHelp;
using kelvora::testing::RecordingMessages;

Q_DECLARE_METATYPE(MissingEntrySource)

class MissingEntryDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages = RecordingMessages();
    help = RecordingHelp();
    Dialogs() = {&messages, &help};
  }
  void cleanup() { Dialogs() = {}; }

  void insistsOnAChoice_data() {
    QTest::addColumn<MissingEntrySource>("source");
    QTest::addColumn<QString>("topic");
    QTest::newRow("standard database") << MissingEntrySource::StandardDatabase << "::/html/dbverdiborte.htm";
    QTest::newRow("user database") << MissingEntrySource::UserDatabase << "::/html/egenedefdbverdiborte.htm";
  }
  // Cancel, Escape and the close button only say that a choice is needed; OK takes the
  // record chosen.
  void insistsOnAChoice() {
    QFETCH(MissingEntrySource, source);
    QFETCH(QString, topic);
    struct Seen {
      QString title, text;
      int preselected = -1;
      bool openAfterRefusals = false;
    } seen;
    QTimer::singleShot(0, [&seen] {
      auto* dialog = qobject_cast<CDatabaseverdiBorteDlg*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen.title = dialog->windowTitle();
      seen.text = dialog->findChild<QLabel*>(QStringLiteral("message"))->text();
      auto* records = dialog->findChild<QComboBox*>(QStringLiteral("records"));
      seen.preselected = records->currentIndex();
      QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("cancel")), Qt::LeftButton);
      QTest::keyClick(dialog, Qt::Key_Escape);
      dialog->close();
      seen.openAfterRefusals = dialog->isVisible();
      QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("help")), Qt::LeftButton);
      records->setCurrentIndex(1);
      QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("ok")), Qt::LeftButton);
      // A dialog that failed to close must not block the run.
      if (dialog->isVisible()) dialog->done(QDialog::Accepted);
    });
    QtMissingEntryChooser chooser;
    const auto chosen = chooser.Choose(source, "Chybí: Sklo", {"Vata", "Pěna", "Korek"});
    QCOMPARE(chosen, std::optional<std::size_t>(1));
    QCOMPARE(seen.title, QStringLiteral("Databáze položek nenalezena"));
    QCOMPARE(seen.text, QStringLiteral("Chybí: Sklo"));
    QCOMPARE(seen.preselected, 0);
    QVERIFY(seen.openAfterRefusals);
    QCOMPARE(messages.shown,
             std::vector<std::string>(
                 3, "Musíte vybrat hodnotu z rozbalovacího seznamu a pro pokračování kliknout na OK."));
    QCOMPARE(help.topics, std::vector<std::string>{topic.toStdString()});
  }

  void nothingToChooseFromEndsWithoutADialog() {
    QtMissingEntryChooser chooser;
    QCOMPARE(chooser.Choose(MissingEntrySource::StandardDatabase, "Chybí", {}), std::nullopt);
  }

 private:
  RecordingMessages messages;
  RecordingHelp help;
};

static RegisterUiTest<MissingEntryDlgTest> registration;
#include "missingentrydlg_test.moc"
