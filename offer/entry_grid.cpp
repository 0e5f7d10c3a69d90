#include "offer/entry_grid.h"

#include "ui/colors.h"
#include "ui/live_cell_delegate.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace kalmoris {

// Text cells, one of which may be marked as refused.
class EntryGrid::MarkedCells : public StringCells {
 public:
  explicit MarkedCells(int colCount) : StringCells(colCount, 2, 0, true) {}

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::BackgroundRole && marked_.isValid() && index == marked_) return colors::Yellow;
    return StringCells::data(index, role);
  }

  void mark(const QModelIndex& index) {
    const QModelIndex previous = std::exchange(marked_, QPersistentModelIndex(index));
    if (previous.isValid()) emit dataChanged(previous, previous, {Qt::BackgroundRole});
    if (marked_.isValid()) emit dataChanged(marked_, marked_, {Qt::BackgroundRole});
  }

 private:
  QPersistentModelIndex marked_;
};

EntryGrid::EntryGrid(QWidget* parent, const char* name, QRect place, const QStringList& captions,
                     const QList<int>& widths)
    : StringGrid(parent, name, place, new MarkedCells(int(captions.size()))),
      cells_(static_cast<MarkedCells*>(cells())) {
  setItemDelegate(new LiveCellDelegate(this));
  setFont(QFont(QStringLiteral("Arial"), 8));
  setDefaultRowHeight(20);
  verticalHeader()->setVisible(true);  // the rows' numbers
  verticalHeader()->setFixedWidth(24);
  for (int col = 0; col < int(captions.size()); ++col) {
    cells_->setCell(col, 0, captions[col]);
    horizontalHeader()->resizeSection(col, widths.value(col, 80));
  }
  horizontalHeader()->setStretchLastSection(true);

  connect(cells_, &StringCells::cellEdited, this, &EntryGrid::edited);
  // A mark coloured or taken away is not a change of the entries.
  connect(cells_, &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
            if (roles != QList<int>{Qt::BackgroundRole}) emit changed();
          });
  connect(cells_, &QAbstractItemModel::rowsInserted, this, &EntryGrid::changed);
  connect(cells_, &QAbstractItemModel::rowsRemoved, this, &EntryGrid::changed);
}

GridTexts EntryGrid::rows() const {
  GridTexts texts;
  for (int row = 1; row <= dataRows(); ++row) {
    QStringList cellsOfRow;
    for (int col = 0; col < colCount(); ++col) cellsOfRow.append(cell(col, row));
    texts.push_back(cellsOfRow);
  }
  return texts;
}

void EntryGrid::setRows(const GridTexts& rows) {
  clearMark();
  setRowCount(int(std::max<std::size_t>(rows.size(), 1)) + 1);
  emptyRowsFrom(1);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    for (int col = 0; col < colCount(); ++col) setCell(col, int(k) + 1, rows[k].value(col));
  }
}

void EntryGrid::addRow() {
  setRowCount(rowCount() + 1);
  setCurrentIndex(model()->index(dataRows() - 1, 0));
  emit edited();
}

void EntryGrid::removeRow() {
  clearMark();
  const int removed = currentIndex().isValid() ? currentIndex().row() + 1 : dataRows();
  if (dataRows() == 1) {
    emptyRowsFrom(1);
  } else {
    for (int row = removed; row < dataRows(); ++row) {
      for (int col = 0; col < colCount(); ++col) setCell(col, row, cell(col, row + 1));
    }
    setRowCount(rowCount() - 1);
    // The cells of the row gone would come back with a row added.
    emptyRowsFrom(rowCount());
  }
  emit edited();
}

void EntryGrid::markCell(int column, int row) {
  const QModelIndex at = model()->index(row - 1, column);
  cells_->mark(at);
  // Current but not selected, so that the selection's colour does not cover the mark.
  selectionModel()->clearSelection();
  selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
  setFocus();
}

void EntryGrid::clearMark() {
  cells_->mark({});
}

}  // namespace kalmoris
