// The sortable list on more rows than a dialog shows at once, duplicates included: every
// row keeps its texts and its record together whatever the order.

#include <QCollator>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "core/framework/item.h"
#include "ui/modules/common/sortlistctrl.h"
#include "uitests.h"

using kelvora::CListItem;
using kelvora::CSortListCtrl;

class SortListCtrlTest : public QObject {
  Q_OBJECT

 private slots:
  void sortsWholeRowsEitherWay_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");
    for (const int column : {0, 1}) {
      QTest::addRow("column %d ascending", column) << column << true;
      QTest::addRow("column %d descending", column) << column << false;
    }
  }
  void sortsWholeRowsEitherWay() {
    QFETCH(int, column);
    QFETCH(bool, ascending);
    const QStringList words{"Vata", "Čedič", "Azbest", "Cihla", "Hliník", "čep", "Zinek", "Ocel", "Deska"};
    std::vector<std::unique_ptr<CListItem>> records;
    CSortListCtrl list({{QStringLiteral("A"), true}, {QStringLiteral("B")}});
    for (int i = 0; i < 40; ++i) {
      records.push_back(std::make_unique<CListItem>());
      const QStringList texts{words[(i * 7) % words.size()], words[(i * 5 + 3) % words.size()]};
      records.back()->name = texts.join(QLatin1Char('|')).toStdString();
      list.AddRow(texts, records.back().get());
    }
    list.SelectRecord(records[17].get());
    list.SortByColumn(column, ascending);

    QCollator czech{QLocale(QLocale::Czech)};
    QStringList expected;
    for (int row = 0; row < list.topLevelItemCount(); ++row) expected << list.topLevelItem(row)->text(column);
    std::sort(expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
      return ascending ? czech.compare(a, b) < 0 : czech.compare(a, b) > 0;
    });
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
      const QTreeWidgetItem* item = list.topLevelItem(row);
      QCOMPARE(item->text(column), expected[row]);
      QCOMPARE(list.Record(row)->name, (item->text(0) + QLatin1Char('|') + item->text(1)).toStdString());
    }
    QCOMPARE(list.SelectedRecord(), records[17].get());
    QCOMPARE(list.currentItem()->text(0) + QLatin1Char('|') + list.currentItem()->text(1),
             QString::fromStdString(records[17]->name));
  }
};

static RegisterUiTest<SortListCtrlTest> registration;
#include "sortlistctrl_test.moc"
