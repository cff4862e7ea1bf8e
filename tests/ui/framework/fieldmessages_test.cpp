// Every number field of every dialog, refused as a user meets it: a text that is no number,
// a value far too large and one far too small. Whatever the check behind it, the message
// names the field by its caption as the dialog shows it, then says what is wrong and what is
// allowed, in one style for both languages.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "database/dialogdriver.h"
#include "dialogcatalogue.h"
#include "support/fakeplatform.h"
#include "support/testpaths.h"
#include "ui/framework/itemdlg.h"
#include "uitests.h"

using namespace kelvora;

namespace {

struct Refusal {
  QString where;
  QString caption;
  QString message;
};

bool HasFocus(QLineEdit& field) {
  QWidget* focus = QApplication::focusWidget();
  return focus == &field || (focus && focus->focusProxy() == &field);
}

QList<QLineEdit*> NumberFieldCandidates(QDialog& dialog) {
  QList<QLineEdit*> fields;
  for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
    if (field->isVisibleTo(&dialog) && field->isEnabled() && !field->isReadOnly()) fields << field;
  }
  return fields;
}

// Types each text into each field in turn and presses OK; what is said with the keyboard
// left in that very field is the field's refusal.
QList<Refusal> Refusals(const char* name, QDialog& dialog, testing::RecordingMessages& messages) {
  QList<Refusal> found;
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog)) return found;
  auto* ok = dialog.findChild<QWidget*>(QStringLiteral("ok"));
  if (!ok) return found;
  for (QLineEdit* field : NumberFieldCandidates(dialog)) {
    const QString kept = field->text();
    for (const QString& typed : {QStringLiteral("x"), QStringLiteral("1e30"), QStringLiteral("-1e30")}) {
      if (!dialog.isVisible()) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return found;
      }
      field->setText(typed);
      messages.shown.clear();
      QTest::mouseClick(ok, Qt::LeftButton);
      if (messages.shown.empty() || !dialog.isVisible() || !HasFocus(*field)) continue;
      found.push_back({QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(name), field->objectName(), typed),
                       FieldCaption(*field), QString::fromStdString(messages.shown.back())});
    }
    field->setText(kept);
  }
  return found;
}

QStringList StyleFaults(InterfaceLanguage language) {
  const InterfaceTranslators translators(language);
  // "<caption>: <what is wrong>, <what is allowed>."
  const QRegularExpression style(language == InterfaceLanguage::English
                                     ? QStringLiteral("^(.+?): .+, enter .+\\.$")
                                     : QStringLiteral("^(.+?): .+, zadejte .+\\.$"));
  testing::RecordingMessages messages;
  Dialogs() = {&messages, nullptr};
  QTemporaryDir scratch;
  QStringList faults;
  int refusals = 0;
  VisitEveryDialog(kelvora::testing::BinDir().string(), scratch.path().toStdString(), language, messages,
                   [&](const char* name, QDialog& dialog) {
                     for (const Refusal& refusal : Refusals(name, dialog, messages)) {
                       ++refusals;
                       const auto match = style.match(refusal.message);
                       if (!match.hasMatch() || match.captured(1) != refusal.caption)
                         faults << refusal.where + QStringLiteral(" [") + refusal.caption +
                                       QStringLiteral("]: ") + refusal.message;
                     }
                   });
  Dialogs() = {};
  if (refusals < 50) faults << QStringLiteral("only %1 refusals met").arg(refusals);
  return faults;
}

class FieldMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyRefusalNamesItsFieldInOneStyle_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("cs") << static_cast<int>(InterfaceLanguage::Czech);
    QTest::newRow("en") << static_cast<int>(InterfaceLanguage::English);
  }
  void everyRefusalNamesItsFieldInOneStyle() {
    QFETCH(int, language);
    const QStringList faults = StyleFaults(static_cast<InterfaceLanguage>(language));
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY(faults.isEmpty());
  }
};

}  // namespace

static RegisterUiTest<FieldMessagesTest> registration;
#include "fieldmessages_test.moc"
