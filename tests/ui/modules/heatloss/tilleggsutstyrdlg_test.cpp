// The equipment dialog as a user meets it: through an entry's Edit, and on its own with the
// checks on OK.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/database/mantling.h"
#include "core/framework/editors.h"
#include "core/physics/isolasjon.h"
#include "database/dialogdriver.h"
#include "support/testdocument.h"
#include "ui/modules/heatloss/heatlosseditors.h"
#include "ui/modules/heatloss/tilleggsutstyrdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

const QString kChooseType = QStringLiteral("Vyberte prosím jeden typ vybavení z rozbalovacího seznamu.");

bool Enabled(const QWidget& dialog, const char* name) { return Child<QWidget>(dialog, name).isEnabled(); }

}  // namespace

class TilleggsutstyrDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    RegisterHeatLossEditors(&doc->document);
    valve = static_cast<CTillegg2*>(Equipment()[0].get());
    valve->secondName = "Valve";
    auto flange = std::make_unique<CTillegg2>();
    flange->name = "Příruba";
    flange->secondName = "Flange";
    this->flange = flange.get();
    Equipment().push_back(std::move(flange));
  }
  void cleanup() {
    RegisterHeatLossEditors(nullptr);
    Dialogs() = {};
    doc.reset();
  }

  // The type list for a database entry, the name and the length for the user's own; the
  // count for both.
  void userDefinedSwitchesTheFields() {
    CTilleggsutstyrDlg dialog({2, 0, 1.5f, "", flange}, Equipment());
    dialog.show();
    QCOMPARE(Child<QComboBox>(dialog, "type").currentText(), QStringLiteral("Příruba"));
    QCOMPARE(Child<QLineEdit>(dialog, "count").text(), QStringLiteral("2"));
    QCOMPARE(Child<QLineEdit>(dialog, "length").text(), QStringLiteral("1.5"));
    for (const bool user : {false, true, false}) {
      QVERIFY(Enabled(dialog, "type") != user);
      QVERIFY(Enabled(dialog, "userName") == user);
      QVERIFY(Enabled(dialog, "length") == user);
      QVERIFY(Enabled(dialog, "count"));
      Click(dialog, "userDefined");
    }
  }

  void okChecksTheFields_data() {
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<bool>("user");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no type to choose") << true << false << "1"
                                       << "1" << kChooseType << "type";
    QTest::newRow("user's own needs no type") << true << true << "1"
                                              << "1" << QString() << QString();
    QTest::newRow("length not a number")
        << false << true << "dlouhá"
        << "1"
        << "Přidaná délka potrubí [m]: není číslo, zadejte hodnotu od 0 do 1000."
        << "length";
    QTest::newRow("length too long")
        << false << true << "1000,5"
        << "1"
        << "Přidaná délka potrubí [m]: 1000,5 je mimo rozsah, zadejte hodnotu od 0 do 1000."
        << "length";
    QTest::newRow("count not whole") << false << false << "1"
                                     << "2,5"
                                     << "Počet kusů: není celé číslo, zadejte celé číslo."
                                     << "count";
    QTest::newRow("count too many") << false << false << "1"
                                    << "1001"
                                    << "Počet kusů: 1001 je mimo rozsah, zadejte hodnotu od 0 do 1000."
                                    << "count";
    QTest::newRow("at the limits") << false << false << "0"
                                   << "1000" << QString() << QString();
  }
  void okChecksTheFields() {
    QFETCH(bool, emptyList);
    QFETCH(bool, user);
    QFETCH(QString, length);
    QFETCH(QString, count);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    ItemList<CListItem> none;
    CTilleggsutstyrDlg dialog({1, user ? 1 : 0, 1, "", nullptr}, emptyList ? none : Equipment());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // A disabled length is read too, as it was shown.
    Child<QLineEdit>(dialog, "length").setText(length);
    Type(dialog, "count", count);
    Click(dialog, "ok");
    if (message.isEmpty()) {
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QVERIFY(doc->messages.shown.empty());
      return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown, std::vector<std::string>{message.toStdString()});
    QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.toLatin1().constData()));
  }

  // OK stores the fields, moves the registration and names the entry; the name typed
  // comes back without its count; Cancel changes nothing.
  void editThroughTheRegistry() {
    CTilleggsutstyr entry;
    entry.count = 2;
    entry.SetEquipment(valve);
    entry.UpdateNames({});
    OnNextModal([](QDialog& dialog) {
      QCOMPARE(Child<QComboBox>(dialog, "type").currentText(), QStringLiteral("Ventil"));
      Child<QComboBox>(dialog, "type").setCurrentIndex(1);
      Type(dialog, "count", QStringLiteral("3"));
      Click(dialog, "ok");
    });
    QCOMPARE(entry.Edit(), 1);
    QCOMPARE(entry.Equipment(), flange);
    QCOMPARE(flange->Users(), std::vector<CItem*>{&entry});
    QVERIFY(!valve->HasUsers());
    QCOMPARE(entry.name, std::string("Příruba; 3"));
    QCOMPARE(entry.secondName, std::string("Flange; 3"));

    OnNextModal([](QDialog& dialog) {
      QCOMPARE(Child<QLineEdit>(dialog, "userName").text(), QString());
      Click(dialog, "userDefined");
      Type(dialog, "userName", QStringLiteral("Kompenzátor"));
      Type(dialog, "length", QStringLiteral("2,5"));
      Click(dialog, "ok");
    });
    QCOMPARE(entry.Edit(), 1);
    QCOMPARE(entry.userDefined, 1);
    QCOMPARE(entry.equivalentLength, 2.5f);
    QCOMPARE(entry.name, std::string("Kompenzátor; 3"));
    QCOMPARE(entry.secondName, std::string("Kompenzátor; 3"));
    QCOMPARE(entry.EquivalentLength(60.3f), 7.5f);

    OnNextModal([](QDialog& dialog) {
      QCOMPARE(Child<QLineEdit>(dialog, "userName").text(), QStringLiteral("Kompenzátor"));
      QVERIFY(Child<QCheckBox>(dialog, "userDefined").isChecked());
      Click(dialog, "userDefined");
      Type(dialog, "count", QStringLiteral("7"));
      Click(dialog, "cancel");
    });
    QCOMPARE(entry.Edit(), 0);
    QCOMPARE(entry.userDefined, 1);
    QCOMPARE(entry.count, 3);
    QCOMPARE(entry.name, std::string("Kompenzátor; 3"));
    QCOMPARE(entry.Equipment(), flange);
  }

 private:
  ItemList<CListItem>& Equipment() { return doc->document.database.List(DbList::Equipment); }

  std::unique_ptr<TestDocument> doc;
  CTillegg2* valve = nullptr;  // "Ventil"
  CTillegg2* flange = nullptr;
};

static RegisterUiTest<TilleggsutstyrDlgTest> registration;
#include "tilleggsutstyrdlg_test.moc"
