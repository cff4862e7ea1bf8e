#include "ui/modules/common/sortlistctrl.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

#include "ui/framework/czechorder.h"

namespace kelvora {

CSortListCtrl::CSortListCtrl(const std::vector<Column>& columns, QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setColumnCount(static_cast<int>(columns.size()));
  QStringList headings;
  for (const Column& column : columns) headings << column.heading;
  setHeaderLabels(headings);
  header()->setStretchLastSection(false);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int column = static_cast<int>(i);
    header()->setSectionResizeMode(
        column, columns[i].stretches ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    setColumnHidden(column, !columns[i].stretches);
  }
  header()->setSectionsClickable(true);
  connect(header(), &QHeaderView::sectionClicked, this, &CSortListCtrl::HeadingClicked);
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    emit RecordSelected(current ? Record(indexOfTopLevelItem(current)) : nullptr);
  });
}

QSize CSortListCtrl::sizeHint() const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < columnCount(); ++column) {
    if (!isColumnHidden(column))
      width += std::max(header()->sectionSizeHint(column), sizeHintForColumn(column));
  }
  return {width, QTreeWidget::sizeHint().height()};
}

void CSortListCtrl::AddRow(const QStringList& texts, CListItem* record) {
  addTopLevelItem(new QTreeWidgetItem(texts));
  for (int column = 0; column < texts.size(); ++column) {
    if (!texts[column].isEmpty()) setColumnHidden(column, false);
  }
  records.push_back(record);
}

void CSortListCtrl::Clear() {
  clear();
  records.clear();
}

CListItem* CSortListCtrl::Record(int row) const {
  return row >= 0 && row < static_cast<int>(records.size()) ? records[static_cast<std::size_t>(row)]
                                                            : nullptr;
}

CListItem* CSortListCtrl::SelectedRecord() const {
  const auto selected = selectedItems();
  return selected.isEmpty() ? nullptr : Record(indexOfTopLevelItem(selected.front()));
}

void CSortListCtrl::SelectRecord(const CListItem* record) {
  const QSignalBlocker quiet(this);
  for (std::size_t row = 0; row < records.size(); ++row) {
    if (records[row] != record) continue;
    setCurrentItem(topLevelItem(static_cast<int>(row)));
    return;
  }
  setCurrentItem(nullptr);
  clearSelection();
}

void CSortListCtrl::HeadingClicked(int column) {
  const bool ascending = column != sortedColumn || !sortedAscending;
  sortedColumn = column;
  SortByColumn(column, ascending);
}

void CSortListCtrl::SortByColumn(int column, bool ascending) {
  sortedAscending = ascending;
  const CListItem* selected = SelectedRecord();
  const QCollator czech = CzechOrder();
  QuickSort(0, topLevelItemCount() - 1, column, ascending, czech);
  header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  header()->setSortIndicatorShown(true);
  if (selected) SelectRecord(selected);
}

void CSortListCtrl::QuickSort(int first, int last, int column, bool ascending, const QCollator& order) {
  if (first >= last) return;
  const QString pivot = topLevelItem((first + last) / 2)->text(column);
  const auto compared = [&](int row) { return order.compare(topLevelItem(row)->text(column), pivot); };
  const auto goesLeft = [&](int row) { return ascending ? compared(row) < 0 : compared(row) > 0; };
  const auto goesRight = [&](int row) { return ascending ? compared(row) > 0 : compared(row) < 0; };
  int i = first;
  int j = last;
  while (i <= j) {
    while (goesLeft(i)) ++i;
    while (goesRight(j)) --j;
    if (i <= j) SwapRows(i++, j--);
  }
  QuickSort(first, j, column, ascending, order);
  QuickSort(i, last, column, ascending, order);
}

void CSortListCtrl::SwapRows(int a, int b) {
  if (a == b) return;
  QTreeWidgetItem* first = topLevelItem(a);
  QTreeWidgetItem* second = topLevelItem(b);
  for (int column = 0; column < columnCount(); ++column) {
    const QString text = first->text(column);
    first->setText(column, second->text(column));
    second->setText(column, text);
  }
  std::swap(records[static_cast<std::size_t>(a)], records[static_cast<std::size_t>(b)]);
}

}  // namespace kelvora
