#pragma once

#include <QString>
#include <QTreeWidget>

#include <vector>

class QCollator;

namespace kelvora {

class CListItem;

// Records in columns of text, one record a row. A click on a column heading sorts by that
// column: ascending, or the other way round when it was the column sorted last. Each column
// is as wide as its texts, but the one that stretches takes the width the list has beyond
// them, and the list asks for room to show every text whole. A column no row fills is not
// shown: it would take room from the others.
class CSortListCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  struct Column {
    QString heading;
    bool stretches = false;
  };
  explicit CSortListCtrl(const std::vector<Column>& columns, QWidget* parent = nullptr);

  QSize sizeHint() const override;

  void AddRow(const QStringList& texts, CListItem* record);
  void Clear();
  CListItem* Record(int row) const;
  // The record of the selected row, or none.
  CListItem* SelectedRecord() const;
  // Selects the row of `record`; none when no row stands for it.
  void SelectRecord(const CListItem* record);
  // The selected record stays selected.
  void SortByColumn(int column, bool ascending);

 signals:
  // The user chose another row.
  void RecordSelected(CListItem* record);

 private:
  void HeadingClicked(int column);
  void QuickSort(int first, int last, int column, bool ascending, const QCollator& order);
  void SwapRows(int a, int b);

  // Parallel to the rows.
  std::vector<CListItem*> records;
  int sortedColumn = -1;
  bool sortedAscending = true;
};

}  // namespace kelvora
