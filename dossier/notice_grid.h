#pragma once

#include <QPoint>
#include <QString>

#include <array>
#include <vector>

class QWidget;

namespace kalmoris {

// One line of a grid drawn in a notice: the six cells as the real grid would show them, and
// the name of the input block it makes.
struct NoticeRow {
  std::array<QString, 6> cells;
  QString block;
};

// Size of the cells of a drawn grid.
struct NoticeGridMetrics {
  int labelWidth = 36;
  int cellWidth = 62;
  int blockWidth = 58;
  int rowHeight = 16;
};

// Draws a grid in a notice, as panels: a row of column labels "Col 1" to "Col 6", the real
// grid's header row, then one line per row labelled "Lg 1", "Lg 2"…, with its block name in
// red at the right. Returns the height drawn.
int drawNoticeGrid(QWidget* notice, const char* name, QPoint at, const std::vector<NoticeRow>& rows,
                   NoticeGridMetrics metrics = {});

}  // namespace kalmoris
