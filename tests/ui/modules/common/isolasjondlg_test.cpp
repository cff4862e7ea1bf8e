// The insulation dialog as a user meets it: through a layer's Edit or on its own, choosing
// rows and user products, typing thicknesses, sorting by the headings and editing the user
// database from inside it.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <memory>

#include "core/database/database.h"
#include "core/framework/editors.h"
#include "core/physics/isolasjon.h"
#include "database/dialogdriver.h"
#include "support/testdocument.h"
#include "ui/database/databaseeditors.h"
#include "ui/modules/common/isolasjondlg.h"
#include "ui/modules/common/sortlistctrl.h"
#include "ui/modules/heatloss/heatlosseditors.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

constexpr int kPipe = 0;
constexpr int kPlane = 4;
const QString kChooseProduct = QStringLiteral("Vyberte prosím izolační produkt.");

template <class Product, class Stored>
Product& AddProduct(ItemList<Stored>& list, const char* name, int kind,
                    std::initializer_list<float> mm = {}) {
  auto product = std::make_unique<Product>();
  product->name = name;
  product->usage[static_cast<std::size_t>(kind)] = 1;
  for (const float thickness : mm) product->InsertThickness(std::make_unique<CIsoTykkelse>(thickness));
  Product& added = *product;
  list.push_back(std::move(product));
  return added;
}

QStringList Column(const CSortListCtrl& list, int column) {
  QStringList texts;
  for (int row = 0; row < list.topLevelItemCount(); ++row) texts << list.topLevelItem(row)->text(column);
  return texts;
}

QStringList Items(const QComboBox& box) {
  QStringList texts;
  for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
  return texts;
}

// The width a column needs to show its longest text whole, with the margins a cell keeps.
int TextRoom(const CSortListCtrl& list, int column) {
  const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
  int widest = 0;
  for (const QString& text : Column(list, column))
    widest = std::max(widest, list.fontMetrics().horizontalAdvance(text));
  return widest + margins;
}

void ClickHeading(CSortListCtrl& list, int column) {
  QHeaderView& header = *list.header();
  QTest::mouseClick(
      header.viewport(), Qt::LeftButton, {},
      QPoint(header.sectionViewportPosition(column) + header.sectionSize(column) / 2, header.height() / 2));
}

void ClickRow(CSortListCtrl& list, const QString& name) {
  const auto found = list.findItems(name, Qt::MatchExactly);
  QVERIFY(!found.isEmpty());
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
}

void ChooseUserProduct(QWidget& dialog, const QString& name) {
  auto& box = Child<QComboBox>(dialog, "userProduct");
  const int index = box.findText(name);
  QVERIFY(index >= 0);
  box.setCurrentIndex(index);
}

}  // namespace

class IsolasjonDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    wool = static_cast<CIsoProdukt*>(Products()[0].get());
    wool->productType = "Rohož";
    wool->producer = "Gama";
    board = &AddProduct<CIsoProdukt>(Products(), "Deska A", kPipe, {20, 40, 60});
    board->productType = "Deska";
    board->producer = "Beta";
    board->minThickness = 20;
    board->maxThickness = 200;
    section = &AddProduct<CIsoProdukt>(Products(), "Čedičové pouzdro", kPipe);
    section->productType = "Potrubní pouzdro";
    section->producer = "Alfa";
    AddProduct<CIsoProdukt>(Products(), "Jen plocha", kPlane);
    mine = &AddProduct<CEgendefIsoProdukt>(UserProducts(), "Moje A", kPipe, {25, 35});
    mine->minThickness = 10;
    mine->maxThickness = 100;
    AddProduct<CEgendefIsoProdukt>(UserProducts(), "Moje B", kPipe, {30});
    AddProduct<CEgendefIsoProdukt>(UserProducts(), "Moje plocha", kPlane);
  }
  void cleanup() {
    RegisterHeatLossEditors(nullptr);
    Editors().Unregister<CEgendefDatabase>();
    Dialogs() = {};
    doc.reset();
  }

  // Through the layer's Edit: the products of the layer's object kind, the layer's choice
  // selected and its thickness shown.
  void offersTheProductsOfTheObjectKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("standard");
    QTest::addColumn<QStringList>("user");
    QTest::newRow("pipe") << kPipe << QStringList{"Vata", "Deska A", "Čedičové pouzdro"}
                          << QStringList{"Moje A", "Moje B"};
    QTest::newRow("plane") << kPlane << QStringList{"Vata", "Jen plocha"} << QStringList{"Moje plocha"};
  }
  void offersTheProductsOfTheObjectKind() {
    QFETCH(int, kind);
    QFETCH(QStringList, standard);
    QFETCH(QStringList, user);
    RegisterHeatLossEditors(&doc->document);
    CIsolasjon layer;
    layer.Reset(kind, 1);
    layer.Set(0, wool, 40, nullptr, 50);
    bool seen = false;
    OnNextModal([&](QDialog& dialog) {
      seen = true;
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Izolace"));
      auto& list = Child<CSortListCtrl>(dialog, "products");
      QCOMPARE(Column(list, 0), standard);
      QCOMPARE(list.SelectedRecord(), wool);
      QCOMPARE(Items(Child<QComboBox>(dialog, "standardThickness")),
               (QStringList{"20.0", "30.0", "40.0", "50.0", "60.0", "80.0", "100.0", "120.0"}));
      QCOMPARE(Child<QComboBox>(dialog, "standardThickness").currentText(), QStringLiteral("40.0"));
      QCOMPARE(Items(Child<QComboBox>(dialog, "userProduct")), user);
      QCOMPARE(Child<QComboBox>(dialog, "userProduct").currentIndex(), -1);
      QVERIFY(list.isEnabled());
      QVERIFY(!Child<QComboBox>(dialog, "userProduct").isEnabled());
      QVERIFY(!Child<QPushButton>(dialog, "editUserProducts").isEnabled());
      Click(dialog, "userSource");
      QVERIFY(!list.isEnabled());
      QVERIFY(Child<QComboBox>(dialog, "userProduct").isEnabled());
      QVERIFY(Child<QComboBox>(dialog, "userThickness").isEnabled());
      QVERIFY(Child<QPushButton>(dialog, "editUserProducts").isEnabled());
      Click(dialog, "cancel");
    });
    QCOMPARE(layer.Edit(), 0);
    QVERIFY(seen);
  }

  // OK copies the choice back and moves the layer's registration; Cancel changes nothing.
  void editCopiesBackOnOkOnly_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
  }
  void editCopiesBackOnOkOnly() {
    QFETCH(bool, confirm);
    RegisterHeatLossEditors(&doc->document);
    CIsolasjon layer;
    layer.Reset(kPipe, 1);
    layer.Set(0, wool, 40, nullptr, 50);
    OnNextModal([confirm](QDialog& dialog) {
      ClickRow(Child<CSortListCtrl>(dialog, "products"), QStringLiteral("Deska A"));
      Type(dialog, "standardThicknessText", QStringLiteral("60"));
      Click(dialog, "userSource");
      ChooseUserProduct(dialog, QStringLiteral("Moje A"));
      Type(dialog, "userThicknessText", QStringLiteral("35,5 mm"));
      Click(dialog, confirm ? "ok" : "cancel");
    });
    QCOMPARE(layer.Edit(), confirm ? 1 : 0);
    QVERIFY(doc->messages.shown.empty());
    if (confirm) {
      QCOMPARE(layer.source, 1);
      QCOMPARE(layer.UserProduct(), mine);
      QCOMPARE(layer.userThickness, 35.5f);
      // Only the side in use takes its box; the row chosen on the other side is kept.
      QCOMPARE(layer.StandardProduct(), board);
      QCOMPARE(layer.standardThickness, 40.0f);
      QCOMPARE(mine->Users(), std::vector<CItem*>{&layer});
      QCOMPARE(board->Users(), std::vector<CItem*>{&layer});
      QVERIFY(!wool->HasUsers());
    } else {
      QCOMPARE(layer.source, 0);
      QCOMPARE(layer.StandardProduct(), wool);
      QCOMPARE(layer.UserProduct(), nullptr);
      QCOMPARE(layer.standardThickness, 40.0f);
      QCOMPARE(layer.userThickness, 50.0f);
      QCOMPARE(wool->Users(), std::vector<CItem*>{&layer});
      QVERIFY(!mine->HasUsers());
    }
  }

  // Calculation types that find the thickness: nothing to type, nothing checked.
  void thicknessNotGivenIsNeitherAskedNorChecked_data() {
    QTest::addColumn<int>("source");
    QTest::newRow("standard product") << 0;
    QTest::newRow("user product") << 1;
  }
  void thicknessNotGivenIsNeitherAskedNorChecked() {
    QFETCH(int, source);
    // Both thicknesses outside their products' limits.
    CIsolasjonDlg dialog({source, 0, 500, 500, board, mine}, {wool, board}, UserDatabase(), kPipe);
    dialog.show();
    for (const char* box : {"standardThickness", "userThickness"}) {
      QVERIFY2(!Child<QComboBox>(dialog, box).isEnabled(), box);
      QCOMPARE(Child<QComboBox>(dialog, box).currentText(), QString());
    }
    Click(dialog, source == 1 ? "standardSource" : "userSource");
    QVERIFY(!Child<QComboBox>(dialog, "standardThickness").isEnabled());
    QVERIFY(!Child<QComboBox>(dialog, "userThickness").isEnabled());
    Click(dialog, source == 1 ? "userSource" : "standardSource");
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(doc->messages.shown.empty());
    QCOMPARE(dialog.Choice().source, source);
    QCOMPARE(dialog.Choice().standardThickness, 500.0f);
    QCOMPARE(dialog.Choice().userThickness, 500.0f);
  }

  void thicknessMustLieWithinTheProductsLimits_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<float>("taken");
    const auto outside = [](const char* typed, const char* limits) {
      return QStringLiteral("Tloušťka [mm]: %1 je mimo rozsah, zadejte hodnotu od %2.")
          .arg(QString::fromLatin1(typed), QString::fromLatin1(limits));
    };
    QTest::newRow("standard above") << 0 << "200,5" << outside("200,5", "20 do 200") << 0.0f;
    QTest::newRow("standard below") << 0 << "19.9" << outside("19,9", "20 do 200") << 0.0f;
    QTest::newRow("standard at the limit") << 0 << "200" << QString() << 200.0f;
    QTest::newRow("user above") << 1 << "250" << outside("250", "10 do 100") << 0.0f;
    QTest::newRow("user within") << 1 << "12,5" << QString() << 12.5f;
    QTest::newRow("not a number") << 1 << "tlustá"
                                  << QStringLiteral("Tloušťka [mm]: není číslo, zadejte číslo.") << 0.0f;
  }
  void thicknessMustLieWithinTheProductsLimits() {
    QFETCH(int, source);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(float, taken);
    CIsolasjonDlg dialog({source, 1, 40, 25, board, mine}, {wool, board}, UserDatabase(), kPipe);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const char* box = source == 1 ? "userThickness" : "standardThickness";
    Type(dialog, source == 1 ? "userThicknessText" : "standardThicknessText", typed);
    Click(dialog, "ok");
    if (message.isEmpty()) {
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QVERIFY(doc->messages.shown.empty());
      QCOMPARE(source == 1 ? dialog.Choice().userThickness : dialog.Choice().standardThickness, taken);
      return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown, std::vector<std::string>{message.toStdString()});
    auto& thickness = Child<QComboBox>(dialog, box);
    QVERIFY(dialog.focusWidget() == &thickness || dialog.focusWidget() == thickness.lineEdit());
    QCOMPARE(dialog.Choice().standardThickness, 40.0f);
    QCOMPARE(dialog.Choice().userThickness, 25.0f);
  }

  // The same heading twice reverses the order, another heading sorts ascending; the
  // chosen product stays chosen, and a click on a row chooses its product.
  void headingsSortTheRowsAndTheChoiceFollows() {
    CIsolasjonDlg dialog({0, 1, 40, 25, board, nullptr}, {wool, board, section}, UserDatabase(), kPipe);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto& list = Child<CSortListCtrl>(dialog, "products");
    const auto selectedName = [&] { return list.selectedItems().value(0)->text(0); };
    ClickHeading(list, 0);
    QCOMPARE(Column(list, 0), (QStringList{"Čedičové pouzdro", "Deska A", "Vata"}));
    QCOMPARE(selectedName(), QStringLiteral("Deska A"));
    ClickHeading(list, 0);
    QCOMPARE(Column(list, 0), (QStringList{"Vata", "Deska A", "Čedičové pouzdro"}));
    ClickHeading(list, 2);
    QCOMPARE(Column(list, 2), (QStringList{"Alfa", "Beta", "Gama"}));
    QCOMPARE(Column(list, 1), (QStringList{"Potrubní pouzdro", "Deska", "Rohož"}));
    QCOMPARE(selectedName(), QStringLiteral("Deska A"));
    QCOMPARE(list.SelectedRecord(), board);
    ClickHeading(list, 1);
    QCOMPARE(Column(list, 1), (QStringList{"Deska", "Potrubní pouzdro", "Rohož"}));

    ClickRow(list, QStringLiteral("Vata"));
    QCOMPARE(Items(Child<QComboBox>(dialog, "standardThickness")).size(), 8);
    QCOMPARE(Child<QComboBox>(dialog, "standardThickness").currentText(), QStringLiteral("40.0"));
    Click(dialog, "ok");
    QCOMPARE(dialog.Choice().standardProduct, wool);
  }

  // A product chosen where none was comes with its first standard thickness, which OK takes.
  void aChosenProductComesWithItsFirstThickness() {
    CIsolasjonDlg dialog({0, 1, 40, 25, nullptr, nullptr}, {wool, board}, UserDatabase(), kPipe);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto& thickness = Child<QComboBox>(dialog, "standardThickness");
    QCOMPARE(thickness.currentText(), QString());
    ClickRow(Child<CSortListCtrl>(dialog, "products"), QStringLiteral("Deska A"));
    QCOMPARE(Items(thickness), (QStringList{"20.0", "40.0", "60.0"}));
    QCOMPARE(thickness.currentText(), QStringLiteral("20.0"));
    // Another product keeps the thickness the box shows.
    ClickRow(Child<CSortListCtrl>(dialog, "products"), QStringLiteral("Vata"));
    QCOMPARE(thickness.currentText(), QStringLiteral("20.0"));
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Choice().standardProduct, wool);
    QCOMPARE(dialog.Choice().standardThickness, 20.0f);
  }

  // At the size the dialog asks for, every name shows whole; a column no product fills
  // takes no room, and the names take what a wider dialog gives.
  void theColumnsFitTheirTextsAndFollowTheDialog_data() {
    QTest::addColumn<bool>("makers");
    QTest::newRow("makers given") << true;
    QTest::newRow("no maker given") << false;
  }
  void theColumnsFitTheirTextsAndFollowTheDialog() {
    QFETCH(bool, makers);
    board->name = "Minerální vata - izolační pouzdra 140 kg/m3 vysokoteplotní s hliníkovou fólií";
    if (!makers) wool->producer = board->producer = section->producer = "";
    CIsolasjonDlg dialog({0, 1, 40, 25, board, nullptr}, {wool, board, section}, UserDatabase(), kPipe);
    dialog.resize(dialog.sizeHint());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto& list = Child<CSortListCtrl>(dialog, "products");
    QHeaderView& header = *list.header();
    QCOMPARE(list.isColumnHidden(2), !makers);
    for (int column = 0; column < 3; ++column) {
      if (!list.isColumnHidden(column)) QVERIFY(header.sectionSize(column) >= TextRoom(list, column));
    }
    QVERIFY(header.length() <= list.viewport()->width());
    const int name = header.sectionSize(0);
    const int type = header.sectionSize(1);
    dialog.resize(dialog.width() + 150, dialog.height());
    QApplication::processEvents();
    QCOMPARE(header.sectionSize(0), name + 150);
    QCOMPARE(header.sectionSize(1), type);
  }

  // "Upravit produkt..." offers the user database as the user left it: the chosen product
  // stays chosen unless it was deleted, and then OK asks for one.
  void editingTheUserDatabaseKeepsTheChoiceByName_data() {
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("the chosen product") << "Moje B" << QStringList{"Moje A"} << QString();
    QTest::newRow("another product") << "Moje A" << QStringList{"Moje B"} << "Moje B";
  }
  void editingTheUserDatabaseKeepsTheChoiceByName() {
    QFETCH(QString, deleted);
    QFETCH(QStringList, offered);
    QFETCH(QString, chosen);
    RegisterDatabaseEditors();
    CIsolasjonDlg dialog({1, 1, 40, 25, nullptr, nullptr}, {wool}, UserDatabase(), kPipe);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ChooseUserProduct(dialog, QStringLiteral("Moje B"));
    QCOMPARE(Items(Child<QComboBox>(dialog, "userThickness")), QStringList{"30.0"});
    Type(dialog, "userThicknessText", QStringLiteral("30"));
    doc->messages.answers = {true, true};  // delete it, write the database
    OnNextModal([deleted](QDialog& database) {
      auto& records = Child<QListWidget>(database, "records");
      records.setCurrentItem(records.findItems(deleted, Qt::MatchExactly).value(0));
      Click(database, "deleteRecord");
      Click(database, "ok");
    });
    Click(dialog, "editUserProducts");
    QCOMPARE(doc->messages.shown.size(), 2u);
    auto& products = Child<QComboBox>(dialog, "userProduct");
    QCOMPARE(Items(products), offered);
    QCOMPARE(products.currentText(), chosen);
    QCOMPARE(Items(Child<QComboBox>(dialog, "userThickness")),
             chosen.isEmpty() ? QStringList() : QStringList{"30.0"});

    Click(dialog, "ok");
    if (chosen.isEmpty()) {
      QVERIFY(dialog.isVisible());
      QCOMPARE(QString::fromStdString(doc->messages.shown.back()), kChooseProduct);
      QCOMPARE(dialog.focusWidget(), &products);
    } else {
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.Choice().userProduct, UserProducts()[0].get());
      QCOMPARE(dialog.Choice().userProduct->name, chosen.toStdString());
    }
  }

  void okAsksForAStandardProduct() {
    CIsolasjonDlg dialog({0, 1, 40, 25, nullptr, mine}, {wool, board}, UserDatabase(), kPipe);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown, std::vector<std::string>{kChooseProduct.toStdString()});
    QCOMPARE(dialog.focusWidget(), &Child<CSortListCtrl>(dialog, "products"));
  }

 private:
  ItemList<CListItem>& Products() { return doc->document.database.List(DbList::Products); }
  CEgendefDatabase& UserDatabase() { return doc->document.userDatabase; }
  ItemList<CEgendefIsoProdukt>& UserProducts() { return UserDatabase().Products(); }

  std::unique_ptr<TestDocument> doc;
  CIsoProdukt* wool = nullptr;   // "Vata", offered for every kind
  CIsoProdukt* board = nullptr;  // "Deska A", 20 ... 200 mm
  CIsoProdukt* section = nullptr;
  CEgendefIsoProdukt* mine = nullptr;  // "Moje A", 10 ... 100 mm
};

static RegisterUiTest<IsolasjonDlgTest> registration;
#include "isolasjondlg_test.moc"
