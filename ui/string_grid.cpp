#include "ui/string_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace kalmoris {

GridCells::GridCells(int colCount, int fixedCols, QObject* parent)
    : QAbstractTableModel(parent), colCount_(colCount), fixedCols_(fixedCols) {}

int GridCells::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : qMax(0, gridRowCount() - 1);
}

int GridCells::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : colCount_ - fixedCols_;
}

QVariant GridCells::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole)
    return cell(index.column() + fixedCols_, index.row() + 1);
  return {};
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) return cell(section + fixedCols_, 0);
  return fixedCols_ > 0 ? QVariant(cell(0, section + 1)) : QVariant(section + 1);
}

QModelIndex GridCells::indexOf(int col, int row) const {
  if (row < 1 || col < fixedCols_) return {};
  return index(row - 1, col - fixedCols_);
}

void GridCells::cellChanged(int col, int row) {
  if (row >= gridRowCount()) return;
  if (row == 0) {
    emit headerDataChanged(Qt::Horizontal, col - fixedCols_, col - fixedCols_);
  } else if (col < fixedCols_) {
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
  } else {
    const QModelIndex at = indexOf(col, row);
    emit dataChanged(at, at);
  }
}

StringCells::StringCells(int colCount, int rowCount, int fixedCols, bool editable, QObject* parent)
    : GridCells(colCount, fixedCols, parent), rowCount_(qMax(1, rowCount)), editable_(editable) {}

QString StringCells::cell(int col, int row) const {
  const auto found = rows_.find(row);
  if (found == rows_.end() || col < 0 || col >= colCount()) return {};
  return found->second[col];
}

void StringCells::setCell(int col, int row, const QString& text) {
  if (col < 0 || col >= colCount() || row < 0) return;
  auto found = rows_.find(row);
  if (found == rows_.end()) {
    if (text.isEmpty()) return;
    found = rows_.emplace(row, std::vector<QString>(colCount())).first;
  }
  if (found->second[col] == text) return;
  found->second[col] = text;
  cellChanged(col, row);
}

void StringCells::setRowCount(int rowCount) {
  rowCount = qMax(1, rowCount);
  if (rowCount == rowCount_) return;
  if (rowCount > rowCount_) {
    beginInsertRows({}, rowCount_ - 1, rowCount - 2);
    rowCount_ = rowCount;
    endInsertRows();
  } else {
    beginRemoveRows({}, rowCount - 1, rowCount_ - 2);
    rowCount_ = rowCount;
    endRemoveRows();
  }
}

void StringCells::emptyRowsFrom(int row) {
  std::vector<int> held;
  for (const auto& [number, cells] : rows_)
    if (number >= row) held.push_back(number);
  for (int number : held)
    for (int col = 0; col < colCount(); ++col) setCell(col, number, QString());
}

Qt::ItemFlags StringCells::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = GridCells::flags(index);
  if (editable_) flags |= Qt::ItemIsEditable;
  return flags;
}

bool StringCells::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !editable_) return false;
  const int col = index.column() + fixedCols();
  const int row = index.row() + 1;
  const QString text = value.toString();
  if (cell(col, row) == text) return true;
  setCell(col, row, text);
  emit cellEdited();
  return true;
}

StringGrid::StringGrid(QWidget* parent, const char* name, QRect place, int colCount, int rowCount,
                       int fixedCols, bool editable)
    : QTableView(parent), cells_(new StringCells(colCount, rowCount, fixedCols, editable, this)) {
  setUp(name, place);
}

StringGrid::StringGrid(QWidget* parent, const char* name, QRect place, GridCells* cells)
    : QTableView(parent), cells_(cells) {
  cells_->setParent(this);
  setUp(name, place);
}

void StringGrid::setUp(const char* name, QRect place) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(place);
  setModel(cells_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setVisible(cells_->fixedCols() > 0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  connect(this, &QAbstractItemView::pressed, this, &StringGrid::cellClicked);
}

StringCells* StringGrid::stringCells() const {
  return qobject_cast<StringCells*>(cells_);
}

void StringGrid::setCell(int col, int row, const QString& text) {
  if (StringCells* cells = stringCells()) cells->setCell(col, row, text);
}

void StringGrid::setRowCount(int rowCount) {
  if (StringCells* cells = stringCells()) cells->setRowCount(rowCount);
}

void StringGrid::emptyRowsFrom(int row) {
  if (StringCells* cells = stringCells()) cells->emptyRowsFrom(row);
}

void StringGrid::setDefaultColumnWidth(int width) {
  horizontalHeader()->setDefaultSectionSize(width);
  verticalHeader()->setFixedWidth(width);
}

void StringGrid::setDefaultRowHeight(int height) {
  verticalHeader()->setDefaultSectionSize(height);
  verticalHeader()->setMinimumSectionSize(qMin(height, verticalHeader()->minimumSectionSize()));
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  const QModelIndex before = currentIndex();
  QTableView::keyPressEvent(event);
  if (currentIndex() != before && state() != QAbstractItemView::EditingState) emit cellClicked();
}

}  // namespace kalmoris
