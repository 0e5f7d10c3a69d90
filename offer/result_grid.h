#pragma once

#include "offer/core/offer_form.h"
#include "ui/string_grid.h"

#include <QList>
#include <QStringList>

namespace kalmoris {

// A grid of results the user reads but does not type into: the steps generated from an offer's
// terms, the proof of every flow. Its cells are written whole; figures stand at the right of
// their cells, words and dates at the left.
class ResultGrid : public StringGrid {
  Q_OBJECT

 public:
  // `textColumns`: the columns of words and dates, the others being figures.
  ResultGrid(QWidget* parent, const char* name, QRect place, const QStringList& captions,
             const QList<int>& widths, const QList<int>& textColumns);

  // The rows shown, none: the grid empty under its captions.
  void setRows(const GridTexts& rows);
  void clear() { setRows({}); }

 private:
  class TableCells;
  TableCells* table_;
};

}  // namespace kalmoris
