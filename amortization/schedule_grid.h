#pragma once

#include "amortization/core/schedule.h"
#include "ui/string_grid.h"

#include <QRect>
#include <QString>

#include <array>
#include <memory>

namespace kalmoris {

// The cells of one schedule grid, a view over the computed schedule: each cell is written
// when the view asks for it. Row 0 holds the headers, row 1 the capital, row k + 1 instalment
// k and row N + 2 the totals; column 0 (the fixed one) the instalment numbers.
class ScheduleCells : public GridCells {
  Q_OBJECT

 public:
  enum class Side { Typed, Other };  // the currency the capital was typed in, or the other
  static constexpr int kColumns = 6;
  static constexpr int kRowsAtStart = 13;

  explicit ScheduleCells(Side side, QObject* parent = nullptr);

  QString cell(int col, int row) const override;
  int gridRowCount() const override { return rowCount_; }
  QVariant data(const QModelIndex& index, int role) const override;

  void setHeader(int col, const QString& text);
  // Shows a computed schedule on N + 3 rows.
  void show(std::shared_ptr<const DatedSchedule> schedule);
  // Every row below the header becomes empty; the row count stays.
  void clearBelowHeader();
  bool isEmpty() const { return !schedule_; }

 private:
  QString scheduleCell(int col, int row) const;
  QString dateCell(int k) const;

  Side side_;
  int rowCount_ = kRowsAtStart;
  std::array<QString, kColumns> headers_;
  std::shared_ptr<const DatedSchedule> schedule_;
};

// A read-only schedule grid: columns 90 wide, rows 20 high, the header of column 0 shown in
// the corner above the instalment numbers.
StringGrid* makeScheduleGrid(QWidget* parent, const char* name, QRect place, ScheduleCells* cells);

}  // namespace kalmoris
