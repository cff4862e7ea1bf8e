#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

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

std::string& Stored(CProject& project, const QString& field) {
  if (field == QLatin1String("calculatedBy")) return project.calculatedBy;
  if (field == QLatin1String("projectName")) return project.projectName;
  if (field == QLatin1String("reference")) return project.reference;
  if (field == QLatin1String("remark")) return project.remark;
  return project.plantName;
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
    QCOMPARE(int(Stored(project, field).size()), storedLength);
    QCOMPARE(messages.shown, accepted ? std::vector<std::string>{}
                                      : std::vector<std::string>{"Prosím nevkládejte více než 255 znaků."});
    if (!accepted) QCOMPARE(dialog.focusWidget(), &edit);
  }

  // A file may hold a longer line than the dialog lets anyone type; it is kept whole until
  // the user shortens it. The limit counts characters, not the bytes of their encoding.
  void aLongStoredLineIsKeptUntilShortened_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("calculatedBy, 129") << "calculatedBy" << QString(129, 'x');
    QTest::newRow("projectName, 200 with accents") << "projectName" << QString(100, u'č') + QString(100, 'x');
    QTest::newRow("plantName, 128 accented") << "plantName" << QString(128, u'ž');
  }
  void aLongStoredLineIsKeptUntilShortened() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    CProject project;
    Stored(project, field) = text.toStdString();
    CProjectDlg dialog(project);
    dialog.show();
    auto& edit = Child<QLineEdit>(dialog, field.toLatin1().constData());
    QCOMPARE(edit.text(), text);
    edit.end(false);
    QTest::keyClick(&edit, 'a');
    QCOMPARE(edit.text(), text);

    const int excess = int(text.size()) - 128;
    Click(dialog, "ok");
    QCOMPARE(dialog.isVisible(), excess > 0);
    if (excess <= 0) {
      QVERIFY(messages.shown.empty());
      QCOMPARE(QString::fromStdString(Stored(project, field)), text);
      return;
    }
    QCOMPARE(messages.shown, std::vector<std::string>{"Prosím nevkládejte více než 128 znaků."});
    QCOMPARE(dialog.focusWidget(), &edit);
    QCOMPARE(QString::fromStdString(Stored(project, field)), text);
    QCOMPARE(edit.text(), text);

    edit.end(false);
    for (int i = 0; i < excess; ++i) QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, 'a');
    Click(dialog, "ok");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(Stored(project, field)), text.left(128));
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
