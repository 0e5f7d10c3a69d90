#pragma once

#include "offer/core/offer_form.h"
#include "ui/string_grid.h"

#include <QList>
#include <QStringList>

namespace kalmoris {

// A grid of an offer's typed entries (drawdowns, fees, steps): text cells under their captions,
// the rows numbered from 1 and edited in place. The user adds a row at the end or removes the
// one he stands on; one row at least stays. A refused cell is marked yellow until the next
// reading.
class EntryGrid : public StringGrid {
  Q_OBJECT

 public:
  EntryGrid(QWidget* parent, const char* name, QRect place, const QStringList& captions,
            const QList<int>& widths);

  GridTexts rows() const;
  // The rows written as they are given, at least one.
  void setRows(const GridTexts& rows);
  void addRow();
  // The current row, or the last when none is current; the only row is emptied instead.
  void removeRow();

  // The cell at (column from 0, row from 1) marked and made current, the focus on the grid.
  void markCell(int column, int row);
  void clearMark();

 signals:
  // Any change of a cell or of the rows, typed or written by the program.
  void changed();
  // The user changed a cell, added or removed a row.
  void edited();

 private:
  class MarkedCells;

  int dataRows() const { return rowCount() - 1; }

  MarkedCells* cells_;
};

}  // namespace kalmoris
