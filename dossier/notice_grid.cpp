#include "dossier/notice_grid.h"

#include "dossier/core/dossier_captions.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

namespace kalmoris {

namespace {

// The cells of a drawn grid, named after the grid and their place ("Grille45a_2_3").
class GridPainter {
 public:
  GridPainter(QWidget* notice, const char* name, QPoint at, NoticeGridMetrics metrics)
      : notice_(notice), name_(name), at_(at), metrics_(metrics) {}

  Panel* cell(int line, int column, const QString& text, const QColor& color) {
    const QByteArray name =
        name_ + '_' + QByteArray::number(line) + '_' + QByteArray::number(column);
    const int left = column == 0 ? 0 : metrics_.labelWidth + (column - 1) * metrics_.cellWidth;
    const int width = column == 0   ? metrics_.labelWidth
                      : column == 7 ? metrics_.blockWidth
                                    : metrics_.cellWidth;
    Panel* panel = controls::panel(
        notice_, name.constData(), text,
        QRect(at_.x() + left, at_.y() + line * metrics_.rowHeight, width, metrics_.rowHeight + 1),
        color);
    panel->setCaptionFont(QFont(QStringLiteral("Arial"), 7));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (text.isEmpty()) controls::describe(panel, QStringLiteral("vide"));
    return panel;
  }

 private:
  QWidget* notice_;
  QByteArray name_;
  QPoint at_;
  NoticeGridMetrics metrics_;
};

}  // namespace

int drawNoticeGrid(QWidget* notice, const char* name, QPoint at, const std::vector<NoticeRow>& rows,
                   NoticeGridMetrics metrics) {
  GridPainter painter(notice, name, at, metrics);
  for (int column = 1; column <= 6; ++column) {
    painter.cell(0, column, QStringLiteral("Col %1").arg(column), colors::Silver)
        ->setCaptionColor(colors::Navy);
    painter.cell(1, column, captions::kGridHeaders[column - 1], colors::ButtonFace)
        ->setCaptionFont(controls::boldFont(7));
  }
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int line = static_cast<int>(k) + 2;
    painter.cell(line, 0, QStringLiteral("Lg %1").arg(k + 1), colors::Silver);
    for (int column = 1; column <= 6; ++column)
      painter.cell(line, column, rows[k].cells[column - 1], colors::White)
          ->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Panel* block = painter.cell(line, 7, rows[k].block, colors::Silver);
    block->setCaptionColor(colors::Red);
    block->setCaptionFont(controls::boldFont(7));
    block->setFrameStyle(QFrame::NoFrame);
  }
  return static_cast<int>(rows.size() + 2) * metrics.rowHeight + 1;
}

}  // namespace kalmoris
