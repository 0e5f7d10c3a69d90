#pragma once

#include <QStyledItemDelegate>

namespace kalmoris {

// Edits a grid cell in place and writes every keystroke into the cell at once, so that the
// grid's cells always hold what the user sees, even while a cell is being edited.
class LiveCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};

}  // namespace kalmoris
