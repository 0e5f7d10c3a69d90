#pragma once

#include <QAbstractTableModel>
#include <QRect>
#include <QString>
#include <QTableView>

#include <map>
#include <vector>

namespace kalmoris {

// The cells of a grid addressed as (column, row), as the screens know them: row 0 is the
// fixed header row, shown as the view's column headers, and with one fixed column, column 0
// is shown as the row headers. Subclasses give the cells; they may compute them on demand.
class GridCells : public QAbstractTableModel {
  Q_OBJECT

 public:
  GridCells(int colCount, int fixedCols, QObject* parent = nullptr);

  virtual QString cell(int col, int row) const = 0;
  virtual int gridRowCount() const = 0;  // the header row included
  int colCount() const { return colCount_; }
  int fixedCols() const { return fixedCols_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  // Which view index shows (col, row); invalid for a fixed cell.
  QModelIndex indexOf(int col, int row) const;
  void cellChanged(int col, int row);

 private:
  int colCount_;
  int fixedCols_;
};

// Cells held as text. Like a string grid's, they are kept whatever the row count: a cell
// written beyond the last row is shown once the grid has rows enough.
class StringCells : public GridCells {
  Q_OBJECT

 public:
  StringCells(int colCount, int rowCount, int fixedCols, bool editable, QObject* parent = nullptr);

  QString cell(int col, int row) const override;
  int gridRowCount() const override { return rowCount_; }
  void setCell(int col, int row, const QString& text);
  void setRowCount(int rowCount);
  // Every cell of the rows from `row` on emptied, those beyond the row count too.
  void emptyRowsFrom(int row);

  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  // The user changed a cell's text in its editor (the program's own writes do not count).
  void cellEdited();

 private:
  int rowCount_;
  bool editable_;
  std::map<int, std::vector<QString>> rows_;
};

// A string grid view. A mouse click in it, or a move of the selection with the keyboard,
// raises cellClicked.
class StringGrid : public QTableView {
  Q_OBJECT

 public:
  // A grid of text cells.
  StringGrid(QWidget* parent, const char* name, QRect place, int colCount, int rowCount,
             int fixedCols, bool editable);
  // A grid over cells given by a model it takes ownership of.
  StringGrid(QWidget* parent, const char* name, QRect place, GridCells* cells);

  GridCells* cells() const { return cells_; }
  StringCells* stringCells() const;  // null when the cells are not text cells

  QString cell(int col, int row) const { return cells_->cell(col, row); }
  void setCell(int col, int row, const QString& text);
  int rowCount() const { return cells_->gridRowCount(); }
  void setRowCount(int rowCount);
  void emptyRowsFrom(int row);
  int colCount() const { return cells_->colCount(); }

  void setDefaultColumnWidth(int width);
  void setDefaultRowHeight(int height);

 signals:
  void cellClicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setUp(const char* name, QRect place);

  GridCells* cells_;
};

}  // namespace kalmoris
