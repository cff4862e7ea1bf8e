#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "core/framework/editors.h"
#include "support/testdocument.h"
#include "ui/database/databaseeditors.h"
#include "ui/framework/projectdlg.h"
#include "uitests.h"

using kelvora::CProject;
using kelvora::CProjectDlg;
using kelvora::Dialogs;
using kelvora::testing::RecordingMessages;

namespace {

template <class W>
W& Child(QWidget& dialog, const char* name) {
  auto* widget = dialog.findChild<W*>(QString::fromLatin1(name));
  if (!widget) qFatal("no widget named %s", name);
  return *widget;
}

// Key clicks know ASCII only; other characters come as an input method brings them.
void Type(QWidget& field, const QString& text) {
  for (const QChar c : text) {
    if (c == QLatin1Char('\n')) {
      QTest::keyClick(&field, Qt::Key_Return);
    } else if (c.unicode() < 0x80) {
      QTest::keyClick(&field, c.toLatin1());
    } else {
      QInputMethodEvent event;
      event.setCommitString(QString(c));
      QApplication::sendEvent(&field, &event);
    }
  }
}

void Click(QWidget& dialog, const char* name) {
  QTest::mouseClick(&Child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

}  // namespace

class ProjectDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages = RecordingMessages();
    Dialogs() = {&messages, nullptr};
  }
  void cleanup() { Dialogs() = {}; }

  // Multi-line fields hold their line breaks as CR LF, as files of the program keep them.
  void okStoresWhatWasTyped() {
    CProject project;
    project.remark = "první\r\ndruhá";
    CProjectDlg dialog(project);
    dialog.show();
    QCOMPARE(Child<QPlainTextEdit>(dialog, "remark").toPlainText(), QStringLiteral("první\ndruhá"));
    Type(Child<QLineEdit>(dialog, "calculatedBy"), QStringLiteral("Ing. Novák"));
    Type(Child<QLineEdit>(dialog, "projectName"), QStringLiteral("Výměník"));
    Type(Child<QPlainTextEdit>(dialog, "reference"), QStringLiteral("A-1\nB-2"));
    Type(Child<QLineEdit>(dialog, "plantName"), QStringLiteral("Kotelna"));
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(project.calculatedBy, std::string("Ing. Novák"));
    QCOMPARE(project.projectName, std::string("Výměník"));
    QCOMPARE(project.reference, std::string("A-1\r\nB-2"));
    QCOMPARE(project.remark, std::string("první\r\ndruhá"));
    QCOMPARE(project.plantName, std::string("Kotelna"));
    QVERIFY(messages.shown.empty());
  }

  void cancelKeepsTheProject() {
    CProject project;
    project.projectName = "Stará";
    CProjectDlg dialog(project);
    dialog.show();
    Type(Child<QLineEdit>(dialog, "projectName"), QStringLiteral("nová"));
    Click(dialog, "cancel");
    QCOMPARE(project.projectName, std::string("Stará"));
  }

  void lengthLimits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("storedLength");
    QTest::newRow("line takes 128") << "projectName" << QString(130, 'x') << true << 128;
    QTest::newRow("block of 255") << "remark" << QString(255, 'x') << true << 255;
    QTest::newRow("block of 256") << "reference" << QString(256, 'x') << false << 0;
    QTest::newRow("line break counts two")
        << "remark" << QString(127, 'x') + '\n' + QString(127, 'y') << false << 0;
  }
  void lengthLimits() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, storedLength);
    CProject project;
    CProjectDlg dialog(project);
    dialog.show();
    QWidget& edit = Child<QWidget>(dialog, field.toLatin1().constData());
    if (auto* line = qobject_cast<QLineEdit*>(&edit)) {
      Type(*line, text);
    } else {
      qobject_cast<QPlainTextEdit*>(&edit)->setPlainText(text);
    }
    Click(dialog, "ok");
    QCOMPARE(dialog.isVisible(), !accepted);
    const std::string& stored = field == "projectName" ? project.projectName
                                : field == "remark"    ? project.remark
                                                       : project.reference;
    QCOMPARE(int(stored.size()), storedLength);
    QCOMPARE(messages.shown, accepted ? std::vector<std::string>{}
                                      : std::vector<std::string>{"Prosím nevkládejte více než 255 znaků."});
    if (!accepted) QCOMPARE(dialog.focusWidget(), &edit);
  }

  // The Project command of a document opens this dialog once the program has registered it.
  void projectCommandEditsTheDocumentsProject() {
    kelvora::testing::TestDocument doc;
    kelvora::RegisterDatabaseEditors();
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<CProjectDlg*>(QApplication::activeModalWidget());
      if (!dialog) return;
      Type(Child<QLineEdit>(*dialog, "projectName"), QStringLiteral("Sklad"));
      Click(*dialog, "ok");
    });
    doc->SetModified(false);
    doc->EditProject();
    kelvora::Editors().Unregister<CProject>();
    QCOMPARE(doc->project.projectName, std::string("Sklad"));
    QVERIFY(doc->IsModified());
  }

 private:
  RecordingMessages messages;
};

static RegisterUiTest<ProjectDlgTest> registration;
#include "projectdlg_test.moc"
