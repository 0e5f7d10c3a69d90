#include "offer/result_grid.h"

#include <QHeaderView>

namespace kalmoris {

// Rows of texts under their captions, replaced all at once.
class ResultGrid::TableCells : public GridCells {
 public:
  TableCells(QStringList captions, QList<int> textColumns)
      : GridCells(int(captions.size()), 0),
        captions_(std::move(captions)),
        textColumns_(std::move(textColumns)) {}

  QString cell(int col, int row) const override {
    if (row == 0) return captions_.value(col);
    return row <= int(rows_.size()) ? rows_[std::size_t(row - 1)].value(col) : QString();
  }
  int gridRowCount() const override { return int(rows_.size()) + 1; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::TextAlignmentRole && index.isValid()) {
      const Qt::Alignment side =
          textColumns_.contains(index.column()) ? Qt::AlignLeft : Qt::AlignRight;
      return QVariant(side | Qt::AlignVCenter);
    }
    return GridCells::data(index, role);
  }

  void setRows(const GridTexts& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  }

 private:
  QStringList captions_;
  QList<int> textColumns_;
  GridTexts rows_;
};

ResultGrid::ResultGrid(QWidget* parent, const char* name, QRect place, const QStringList& captions,
                       const QList<int>& widths, const QList<int>& textColumns)
    : StringGrid(parent, name, place, new TableCells(captions, textColumns)),
      table_(static_cast<TableCells*>(cells())) {
  setFont(QFont(QStringLiteral("Arial"), 8));
  setDefaultRowHeight(20);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int col = 0; col < int(captions.size()); ++col)
    horizontalHeader()->resizeSection(col, widths.value(col, 80));
  horizontalHeader()->setStretchLastSection(true);
}

void ResultGrid::setRows(const GridTexts& rows) {
  table_->setRows(rows);
}

}  // namespace kalmoris
