// The economics dialogs as a user meets them: the module dialog's rules and checks, its list
// of alternatives with the alternative dialog, and the preset prices with their file.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "core/database/kostnad.h"
#include "core/document/document.h"
#include "core/framework/stringtable.h"
#include "core/modules/economics/okonomimodul.h"
#include "database/dialogdriver.h"
#include "modules/common/recordchoice.h"
#include "modules/common/thermalpictures.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/framework/interfacelanguage.h"
#include "ui/modules/economics/costunit.h"
#include "ui/modules/economics/economicseditors.h"
#include "ui/modules/economics/okonomidlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::AddAlternative;
using kelvora::testing::Child;
using kelvora::testing::ChooseInCombo;
using kelvora::testing::ChooseObjectKind;
using kelvora::testing::ChooseProduct;
using kelvora::testing::Click;
using kelvora::testing::FileBytes;
using kelvora::testing::ModuleOf;
using kelvora::testing::OnNextModal;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

std::string Czech(int id) { return std::string(LoadResourceString(id, Language::Czech)); }

QStringList Rows(const QListWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
  return rows;
}

// The rows of the preset list: name, price and its currency and unit.
QList<QStringList> PresetRows(const QTreeWidget& list) {
  QList<QStringList> rows;
  for (int i = 0; i < list.topLevelItemCount(); ++i) {
    const QTreeWidgetItem& row = *list.topLevelItem(i);
    rows << QStringList{row.text(0), row.text(1), row.text(2)};
  }
  return rows;
}

void SelectPreset(QTreeWidget& list, const QString& name) {
  const auto found = list.findItems(name, Qt::MatchExactly, 0);
  QVERIFY2(!found.isEmpty(), qPrintable(name));
  list.setCurrentItem(found.front());
}

void AddPreset(CKostnad& costs, const char* name, float price, const char* unit) {
  auto preset = std::make_unique<CIsoKostnad>();
  preset->name = name;
  preset->price = price;
  preset->UpdateLabel("Kč", unit);
  costs.presets.push_back(std::move(preset));
}

// Every column of the shown list lies inside it, wider than each of its texts.
void ExpectEveryTextWhole(const QTreeWidget& list) {
  const QHeaderView& header = *list.header();
  for (int column = 0; column < list.columnCount(); ++column) {
    QVERIFY2(header.sectionViewportPosition(column) + header.sectionSize(column) <= list.viewport()->width(),
             qPrintable(QString::number(column)));
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
      const QString text = list.topLevelItem(row)->text(column);
      QVERIFY2(list.fontMetrics().horizontalAdvance(text) < header.sectionSize(column), qPrintable(text));
    }
  }
}

// Enters an alternative of the small database's product in the alternative dialog.
void EnterAlternative(QDialog& dialog, const QString& thickness, const QString& price) {
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Ekonomika izolace - izolační produkt"));
  ChooseProduct(dialog, QStringLiteral("Vata"));
  Type(dialog, "standardThicknessText", thickness);
  Click(dialog, "surfaceFromDatabase");
  ChooseInCombo(dialog, "surface", QStringLiteral("Hliník"));
  Type(dialog, "price", price);
  Click(dialog, "ok");
}

}  // namespace

class EconomicsDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    RegisterEconomicsEditors(&**doc);
    m = &ModuleOf<COkonomiModul>(**doc, ModuleIndex::Economics);
    m->currency = "EUR";
  }
  void cleanup() {
    RegisterEconomicsEditors(nullptr);
    Dialogs() = {};
    doc.reset();
  }

  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen_data() {
    QTest::addColumn<bool>("withAlternative");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");
    QTest::newRow("no alternative") << false << 0 << false << QByteArray() << QString()
                                    << QString::fromStdString(Czech(ids::kEcoNeedAlternative))
                                    << QByteArray("alternatives");
    QTest::newRow("life span") << true << 0 << false << QByteArray("lifeSpan") << "0"
                               << "Odpisová doba [roky]: 0 je mimo rozsah, zadejte hodnotu od 0,1 do 100."
                               << QByteArray("lifeSpan");
    QTest::newRow("pipe diameter") << true << 0 << false << QByteArray("diameter") << "1501"
                                   << "Průměr [mm]: 1501 je mimo rozsah, zadejte hodnotu od 1 do 1500."
                                   << QByteArray("diameter");
    QTest::newRow("vertical plane height")
        << true << 4 << true << QByteArray("height") << "0"
        << "Výška [mm]: 0 je mimo rozsah, zadejte hodnotu od 1 do 5000." << QByteArray("height");
    QTest::newRow("equal temperatures") << true << 0 << false << QByteArray("ambientTemperature") << "50,05"
                                        << QString::fromStdString(Czech(ids::kTemperatureDifferenceTooSmall))
                                        << QByteArray("mediumTemperature");
  }
  void eachCheckOnOkTellsWhyAndKeepsTheDialogOpen() {
    QFETCH(bool, withAlternative);
    QFETCH(int, kind);
    QFETCH(bool, vertical);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    m->objectKind = kind;
    m->vertical = vertical ? 1 : 0;
    if (withAlternative) AddAlternative(**doc, kind);
    COkonomiDlg dialog(*m, nullptr);
    dialog.show();
    if (!field.isEmpty()) Type(dialog, field.constData(), text);
    Click(dialog, "ok");
    QVERIFY(dialog.isVisible());
    QCOMPARE(doc->messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(doc->messages.shown.front()), message);
    QCOMPARE(dialog.focusWidget(), &Child<QWidget>(dialog, focus.constData()));
  }

  // Entered, the alternative is named from its product, thickness and price; the same again
  // is refused, and a price makes it another.
  void alternativesAreNamedOnceEach() {
    COkonomiDlg dialog(*m, nullptr);
    dialog.show();
    for (const auto& [price, refused] :
         {std::pair{QStringLiteral("250"), false}, std::pair{QStringLiteral("250"), true},
          std::pair{QStringLiteral("260"), false}}) {
      OnNextModal([&price, refused](QDialog& alternative) {
        EnterAlternative(alternative, QStringLiteral("40"), price);
        QCOMPARE(alternative.isVisible(), refused);
        if (refused) Click(alternative, "cancel");
      });
      Click(dialog, "newAlternative");
    }
    QCOMPARE(Rows(Child<QListWidget>(dialog, "alternatives")),
             (QStringList{"Vata, 40.0mm, 250.00 EUR/m", "Vata, 40.0mm, 260.00 EUR/m"}));
    QCOMPARE(doc->messages.shown, std::vector<std::string>{Czech(ids::kEcoDuplicateAlternative)});
    QCOMPARE(dialog.Inputs().alternatives[0]->secondName, std::string("Wool, 40.0 mm, 250.00 EUR/m"));
  }

  // 25 alternatives are the most: neither New nor Copy makes a 26th.
  void aTwentySixthAlternativeIsRefused() {
    for (int i = 0; i < 25; ++i) AddAlternative(**doc, 0).name = "Vata " + std::to_string(i);
    COkonomiDlg dialog(*m, nullptr);
    dialog.show();
    Child<QListWidget>(dialog, "alternatives").setCurrentRow(0);
    for (const char* button : {"newAlternative", "copyAlternative"}) {
      doc->messages.shown.clear();
      Click(dialog, button);
      QCOMPARE(doc->messages.shown, std::vector<std::string>{Czech(ids::kEcoMaxAlternatives)});
      QCOMPARE(dialog.Inputs().alternatives.size(), std::size_t{25});
    }
  }

  void aNewCurrencyOrObjectKindAsksBeforeItDropsTheAlternatives() {
    AddAlternative(**doc, 0);
    COkonomiDlg dialog(*m, nullptr);
    dialog.show();
    auto& currency = Child<QLineEdit>(dialog, "currency");
    doc->messages.answers = {false};
    QTest::keyClick(&currency, Qt::Key_K);
    QCOMPARE(currency.text(), QStringLiteral("EUR"));
    QCOMPARE(dialog.Inputs().alternatives.size(), std::size_t{1});
    doc->messages.answers = {true};
    QTest::keyClick(&currency, Qt::Key_K);
    QCOMPARE(dialog.Inputs().alternatives.size(), std::size_t{0});
    QCOMPARE(doc->messages.shown,
             (std::vector<std::string>{Czech(ids::kEcoCurrencyWarning), Czech(ids::kEcoCurrencyWarning)}));

    AddAlternative(**doc, 0);
    COkonomiDlg again(*m, nullptr);
    again.show();
    doc->messages.shown.clear();
    doc->messages.answers = {true};
    ChooseObjectKind(again, 4);
    QCOMPARE(again.Inputs().objectKind, 4);
    QCOMPARE(again.Inputs().alternatives.size(), std::size_t{0});
    QCOMPARE(Child<QLineEdit>(again, "height").text(), QStringLiteral("1000"));
    QCOMPARE(doc->messages.shown, std::vector<std::string>{Czech(ids::kEcoKindChangeWarning)});
  }

  // A velocity needs a cross-section; without readable sizes the unit changes, the number
  // stays.
  void aFlowUnitOverNoCrossSectionKeepsTheNumber() {
    m->objectKind = 2;
    COkonomiDlg dialog(*m, nullptr);
    dialog.show();
    Type(dialog, "flow", QStringLiteral("360"));
    Click(dialog, "flowLs");
    QCOMPARE(Child<QLineEdit>(dialog, "flow").text(), QStringLiteral("100.00"));
    Type(dialog, "height", QStringLiteral("0"));
    Click(dialog, "flowMs");
    QCOMPARE(dialog.Inputs().flowUnit, 2);
    QCOMPARE(dialog.Inputs().flow, 100.0f);
  }

  void theBareEmissivityTellsItIsNotSaved() {
    COkonomiDlg dialog(*m, nullptr);
    QVERIFY(Child<QLabel>(dialog, "bareEmissivityNote").text().contains(QStringLiteral("neukládá")));
  }

  // The list shows the presets sorted while the file keeps its order: Update and Delete act
  // on the preset selected, an updated one moves to the end of the file.
  void presetsAreChosenUpdatedAndDeletedByWhatTheListShows() {
    CKostnad& costs = (*doc)->costs;
    for (const auto& [name, price] : {std::pair{"Pouzdra", 300.0f}, std::pair{"Desky", 120.0f}}) {
      auto preset = std::make_unique<CIsoKostnad>();
      preset->name = name;
      preset->price = price;
      preset->UpdateLabel("EUR", "m");
      costs.presets.push_back(std::move(preset));
    }
    QVERIFY(costs.Save(doc->messages));
    const std::string saved = FileBytes(doc->dir / "kelvora.cst");

    // Cancel leaves list and file as they were.
    OnNextModal([](QDialog& list) {
      OnNextModal([](QDialog& preset) {
        Type(preset, "name", QStringLiteral("Rohože"));
        Type(preset, "price", QStringLiteral("80"));
        Click(preset, "ok");
      });
      Click(list, "newPreset");
      Click(list, "cancel");
    });
    doc->messages.answers = {true};
    QCOMPARE(costs.Edit(), 0);
    QCOMPARE(costs.presets.size(), std::size_t{2});
    QCOMPARE(FileBytes(doc->dir / "kelvora.cst"), saved);

    // "Desky" shows first; its update and then "Pouzdra"'s deletion hit those presets.
    OnNextModal([](QDialog& list) {
      auto& rows = Child<QTreeWidget>(list, "presets");
      QCOMPARE(PresetRows(rows).front(), (QStringList{"Desky", "120", "EUR/m"}));
      SelectPreset(rows, QStringLiteral("Desky"));
      OnNextModal([](QDialog& preset) {
        Type(preset, "price", QStringLiteral("130"));
        Click(preset, "ok");
      });
      Click(list, "updatePreset");
      SelectPreset(rows, QStringLiteral("Pouzdra"));
      Click(list, "deletePreset");
      SelectPreset(rows, QStringLiteral("Desky"));
      Click(list, "ok");
    });
    doc->messages.answers = {true};
    QCOMPARE(costs.Edit(), 1);
    QCOMPARE(costs.presets.size(), std::size_t{1});
    QCOMPARE(costs.presets[0]->name, std::string("Desky"));
    QCOMPARE(costs.presets[0]->price, 130.0f);
    QCOMPARE(costs.Chosen(), costs.presets[0].get());
    CKostnad reread(doc->dir / "kelvora.cst");
    reread.Load(doc->messages);
    QCOMPARE(reread.presets.size(), std::size_t{1});
    QCOMPARE(reread.presets[0]->price, 130.0f);
  }

  // Prices show whole however long a name, the shipped presets in the language of the
  // windows and the user's as typed; a shipped preset edited in English keeps the name it
  // is stored under unless the user renames it.
  void presetsShowWholePricesAndTheirNamesInTheLanguageOfTheWindows() {
    CKostnad& costs = (*doc)->costs;
    AddPreset(costs, "Pouzdra 80 mm, DN 100, oplechování Al", 1350.0f, "m");
    AddPreset(costs, "Rohož na pletivu 100 mm, oplechování", 1450.0f, "m2");
    AddPreset(costs, "Moje desky s dlouhým názvem, který se vejde jen tak tak", 12.5f, "m2");
    SharedCostUnit() = {"Kč", false};
    const auto rowsShown = [&](QList<QStringList> expected) {
      OnNextModal([expected](QDialog& list) {
        auto& rows = Child<QTreeWidget>(list, "presets");
        QCOMPARE(PresetRows(rows), expected);
        ExpectEveryTextWhole(rows);
        Click(list, "cancel");
      });
      QCOMPARE(costs.Edit(), 0);
    };
    rowsShown({{"Moje desky s dlouhým názvem, který se vejde jen tak tak", "12.5", "Kč/m2"},
               {"Pouzdra 80 mm, DN 100, oplechování Al", "1350", "Kč/m"},
               {"Rohož na pletivu 100 mm, oplechování", "1450", "Kč/m2"}});

    const DisplayLanguageScope english(InterfaceLanguage::English);
    rowsShown({{"Moje desky s dlouhým názvem, který se vejde jen tak tak", "12.5", "Kč/m2"},
               {"Pipe sections 80 mm, DN 100, aluminium cladding", "1350", "Kč/m"},
               {"Wired mat 100 mm, cladding", "1450", "Kč/m2"}});
    OnNextModal([](QDialog& list) {
      SelectPreset(Child<QTreeWidget>(list, "presets"),
                   QStringLiteral("Pipe sections 80 mm, DN 100, aluminium cladding"));
      OnNextModal([](QDialog& preset) {
        QCOMPARE(Child<QLineEdit>(preset, "name").text(),
                 QStringLiteral("Pipe sections 80 mm, DN 100, aluminium cladding"));
        QCOMPARE(Child<QLineEdit>(preset, "price").text(), QStringLiteral("1350"));
        Type(preset, "price", QStringLiteral("1400"));
        Click(preset, "ok");
      });
      Click(list, "updatePreset");
      SelectPreset(Child<QTreeWidget>(list, "presets"), QStringLiteral("Wired mat 100 mm, cladding"));
      OnNextModal([](QDialog& preset) {
        Type(preset, "name", QStringLiteral("Wired mat 100 mm, stainless cladding"));
        Click(preset, "ok");
      });
      Click(list, "updatePreset");
      Click(list, "ok");
    });
    QCOMPARE(costs.Edit(), 1);
    QCOMPARE(costs.presets[1]->name, std::string("Pouzdra 80 mm, DN 100, oplechování Al"));
    QCOMPARE(costs.presets[1]->label, std::string("Pouzdra 80 mm, DN 100, oplechování Al\t1400.0 Kč/m"));
    QCOMPARE(costs.presets[2]->name, std::string("Wired mat 100 mm, stainless cladding"));
  }

  // The alternative dialog takes the chosen preset's price.
  void anAlternativeTakesAPresetPrice() {
    auto preset = std::make_unique<CIsoKostnad>();
    preset->name = "Pouzdra";
    preset->price = 345.5f;
    preset->UpdateLabel("EUR", "m");
    (*doc)->costs.presets.push_back(std::move(preset));
    COkonomiDlg dialog(*m, nullptr);
    dialog.show();
    OnNextModal([](QDialog& alternative) {
      OnNextModal([](QDialog& list) {
        SelectPreset(Child<QTreeWidget>(list, "presets"), QStringLiteral("Pouzdra"));
        Click(list, "ok");
      });
      Click(alternative, "presets");
      QCOMPARE(Child<QLineEdit>(alternative, "price").text(), QStringLiteral("345.5"));
      EnterAlternative(alternative, QStringLiteral("50"), Child<QLineEdit>(alternative, "price").text());
    });
    Click(dialog, "newAlternative");
    QCOMPARE(Rows(Child<QListWidget>(dialog, "alternatives")), QStringList{"Vata, 50.0mm, 345.50 EUR/m"});
  }

 private:
  std::unique_ptr<TestDocument> doc;
  COkonomiModul* m = nullptr;
};

static RegisterUiTest<EconomicsDlgTest> registration;

#include "economicsdlg_test.moc"
