#include <QAbstractButton>
#include <QButtonGroup>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "core/database/database.h"
#include "core/framework/editors.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "support/testdocument.h"
#include "ui/database/databasedlg.h"
#include "ui/database/egendefdatabasedlg.h"
#include "uitests.h"

using kelvora::CDataBase;
using kelvora::CDatabaseDlg;
using kelvora::CEgendefDatabase;
using kelvora::CEgendefDatabaseDlg;
using kelvora::CEgendefIsoProdukt;
using kelvora::CIsoProdukt;
using kelvora::CListItem;
using kelvora::CMantling;
using kelvora::CVarmeTapModul;
using kelvora::DbList;
using kelvora::Dialogs;
using kelvora::Editors;
using kelvora::ModuleIndex;
using kelvora::testing::FileBytes;
using kelvora::testing::TestDocument;

namespace {

const std::string kInUse =
    "Tento vstup je vybrán v jednom nebo více případech. To znamená, že nemůže být smazán.";
const std::string kWrite = "Povolit změny a zapsat databázi na disk?";
const std::string kDiscard = "Zrušit všechny změny v databázi?";

QStringList Shown(const QWidget& dialog) {
  const auto* box = dialog.findChild<QListWidget*>(QStringLiteral("records"));
  QStringList names;
  for (int i = 0; i < box->count(); ++i) names << box->item(i)->text();
  return names;
}

void Select(QWidget& dialog, const QString& name) {
  auto* box = dialog.findChild<QListWidget*>(QStringLiteral("records"));
  const auto found = box->findItems(name, Qt::MatchExactly);
  QVERIFY(!found.isEmpty());
  box->setCurrentItem(found.front());
}

void Click(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
  QVERIFY2(button, name);
  QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<std::string> Names(const kelvora::ItemList<CListItem>& list) {
  std::vector<std::string> names;
  for (const auto& record : list) names.push_back(record->name);
  return names;
}

}  // namespace

class DatabaseDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    // Record dialogs that take the name the test gives, or cancel when it gives none.
    nextName.clear();
    Register<CIsoProdukt>();
    Register<CMantling>();
    Register<CEgendefIsoProdukt>();
    heatLoss().SetSurface(static_cast<CMantling*>(List(DbList::OuterFinishes)[0].get()));
    heatLoss().layers[0].Set(0, static_cast<CIsoProdukt*>(List(DbList::Products)[0].get()), 50, nullptr, 0);
  }
  void cleanup() {
    Editors().Unregister<CIsoProdukt>();
    Editors().Unregister<CMantling>();
    Editors().Unregister<CEgendefIsoProdukt>();
    Dialogs() = {};
    doc.reset();
  }

  // The open document keeps referring to the product under its new name, on screen and
  // in the file it saves; the database file holds the new name too.
  void renamedProductStaysTheDocumentsProduct() {
    CDatabaseDlg dialog(db());
    dialog.show();
    QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("category0"))->isChecked());
    Select(dialog, QStringLiteral("Vata"));
    nextName = "Vata nová";
    Click(dialog, "updateRecord");
    QCOMPARE(Shown(dialog), QStringList{QStringLiteral("Vata nová")});

    // Refusing the question keeps the dialog and the file as they were.
    const std::string before = FileBytes(db().FileName());
    doc->messages.answers = {false, true};
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(FileBytes(db().FileName()), before);
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc->messages.shown, (std::vector<std::string>{kWrite, kWrite}));

    QVERIFY(!db().IsEditing());
    const CListItem* product = List(DbList::Products)[0].get();
    QCOMPARE(heatLoss().layers[0].StandardProduct(), product);
    QCOMPARE(product->name, std::string("Vata nová"));
    QCOMPARE(product->Users().size(), 1u);

    CDataBase reread(db().FileName());
    reread.Load(doc->messages);
    QCOMPARE(reread.List(DbList::Products)[0]->name, std::string("Vata nová"));
    QVERIFY(doc->document.Save(doc->dir / "a.vtp"));
    QVERIFY(FileBytes(doc->dir / "a.vtp").find("Vata nov\xE1") != std::string::npos);
  }

  void surfaceInUseIsNotDeleted() {
    CDatabaseDlg dialog(db());
    dialog.show();
    Click(dialog, "category3");
    QCOMPARE(Shown(dialog), QStringList{QStringLiteral("Hliník")});
    Select(dialog, QStringLiteral("Hliník"));
    Click(dialog, "deleteRecord");
    QCOMPARE(doc->messages.shown, std::vector<std::string>{kInUse});
    QCOMPARE(Shown(dialog), QStringList{QStringLiteral("Hliník")});
    // Nothing changed, so Cancel asks nothing.
    Click(dialog, "cancel");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), 1u);
  }

  void cancelAfterChangesLeavesListsUsersAndFile() {
    const std::string file = FileBytes(db().FileName());
    CMantling* surface = heatLoss().Surface();
    CDatabaseDlg dialog(db());
    dialog.show();
    Click(dialog, "category3");
    nextName = "Zinek";
    Click(dialog, "newRecord");
    Select(dialog, QStringLiteral("Hliník"));
    nextName = "Hliník lesklý";
    Click(dialog, "updateRecord");
    Click(dialog, "category4");
    Select(dialog, QStringLiteral("Ocel"));
    doc->messages.answers = {true, false, true};
    Click(dialog, "deleteRecord");
    QCOMPARE(Shown(dialog), QStringList());
    Click(dialog, "cancel");
    QVERIFY(dialog.isVisible());
    Click(dialog, "cancel");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(doc->messages.shown,
             (std::vector<std::string>{"Opravdu chcete smazat \"Ocel\" ?", kDiscard, kDiscard}));

    QVERIFY(!db().IsEditing());
    QCOMPARE(Names(List(DbList::OuterFinishes)), std::vector<std::string>{"Hliník"});
    QCOMPARE(Names(List(DbList::PipeSurfaces)), std::vector<std::string>{"Ocel"});
    QCOMPARE(heatLoss().Surface(), surface);
    QCOMPARE(surface, List(DbList::OuterFinishes)[0].get());
    QCOMPARE(surface->Users(), std::vector<kelvora::CItem*>{&heatLoss()});
    QCOMPARE(FileBytes(db().FileName()), file);
  }

  // A copy is a new record: the document keeps the original.
  void copyOfARecordInUseLeavesTheUsersWithTheOriginal() {
    CDatabaseDlg dialog(db());
    dialog.show();
    Click(dialog, "category3");
    nextName = "Hliník 2";
    Click(dialog, "copyRecord");
    doc->messages.answers = {true};
    Click(dialog, "ok");
    QCOMPARE(Names(List(DbList::OuterFinishes)), (std::vector<std::string>{"Hliník", "Hliník 2"}));
    QCOMPARE(heatLoss().Surface(), List(DbList::OuterFinishes)[0].get());
    QVERIFY(!List(DbList::OuterFinishes)[1]->HasUsers());
  }

  // Names show in Czech alphabetical order; a row stands for its own record; the dialog
  // opens on the category it was closed on.
  void sortedRowsMapToTheirRecords() {
    for (const char* name : {"Zinek", "Čedič", "Azbest"}) {
      auto product = std::make_unique<CIsoProdukt>();
      product->name = name;
      List(DbList::Products).push_back(std::move(product));
    }
    {
      CDatabaseDlg dialog(db());
      dialog.show();
      QCOMPARE(Shown(dialog), (QStringList{"Azbest", "Čedič", "Vata", "Zinek"}));
      Select(dialog, QStringLiteral("Čedič"));
      doc->messages.answers = {true, true};
      Click(dialog, "deleteRecord");
      QCOMPARE(Shown(dialog), (QStringList{"Azbest", "Vata", "Zinek"}));
      Click(dialog, "category6");
      QCOMPARE(Shown(dialog), QStringList{QStringLiteral("Ventil")});
      Click(dialog, "ok");
    }
    QCOMPARE(Names(List(DbList::Products)), (std::vector<std::string>{"Vata", "Zinek", "Azbest"}));
    CDatabaseDlg again(db());
    QVERIFY(again.findChild<QRadioButton*>(QStringLiteral("category6"))->isChecked());
    QCOMPARE(Shown(again), QStringList{QStringLiteral("Ventil")});
  }

  void userDatabaseIsWrittenOnOk_data() {
    QTest::addColumn<QString>("added");
    QTest::addColumn<std::vector<std::string>>("asked");
    QTest::newRow("unchanged") << QString() << std::vector<std::string>{};
    QTest::newRow("new product") << QStringLiteral("Můj výrobek") << std::vector<std::string>{kWrite};
  }
  // Starting without the file is silent; confirming the dialog creates it.
  void userDatabaseIsWrittenOnOk() {
    QFETCH(QString, added);
    QFETCH(std::vector<std::string>, asked);
    CEgendefDatabase& userDb = doc->document.userDatabase;
    QVERIFY(!std::filesystem::exists(userDb.FileName()));
    QVERIFY(doc->messages.shown.empty());
    CEgendefDatabaseDlg dialog(userDb);
    dialog.show();
    nextName = added.toStdString();
    if (!added.isEmpty()) Click(dialog, "newRecord");
    doc->messages.answers = {true};
    Click(dialog, "ok");
    QCOMPARE(doc->messages.shown, asked);
    QVERIFY(!userDb.IsEditing());
    CEgendefDatabase reread(userDb.FileName());
    reread.Load(doc->messages);
    QCOMPARE(reread.Products().size(), added.isEmpty() ? 0u : 1u);
    if (!added.isEmpty()) QCOMPARE(reread.Products()[0]->name, nextName);
  }

  void userProductInUseIsNotDeleted() {
    CEgendefDatabase& userDb = doc->document.userDatabase;
    auto product = std::make_unique<CEgendefIsoProdukt>();
    product->name = "Můj";
    heatLoss().layers[1].Set(1, nullptr, 0, product.get(), 40);
    userDb.Products().push_back(std::move(product));
    CEgendefDatabaseDlg dialog(userDb);
    dialog.show();
    Click(dialog, "deleteRecord");
    QCOMPARE(doc->messages.shown, std::vector<std::string>{kInUse});
    QCOMPARE(Shown(dialog), QStringList{QStringLiteral("Můj")});
  }

 private:
  template <class T>
  void Register() {
    Editors().Register<T>([this](T& record) {
      if (nextName.empty()) return 0;
      record.name = nextName;
      return 1;
    });
  }
  CDataBase& db() { return doc->document.database; }
  kelvora::ItemList<CListItem>& List(DbList list) { return db().List(list); }
  CVarmeTapModul& heatLoss() {
    return static_cast<CVarmeTapModul&>(doc->document.Module(ModuleIndex::HeatLoss));
  }

  std::unique_ptr<TestDocument> doc;
  std::string nextName;
};

static RegisterUiTest<DatabaseDlgTest> registration;
#include "databasedlg_test.moc"
