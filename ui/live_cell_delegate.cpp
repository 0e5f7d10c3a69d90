#include "ui/live_cell_delegate.h"

#include <QLineEdit>

namespace kalmoris {

QWidget* LiveCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  connect(editor, &QLineEdit::textEdited, this,
          [this, editor] { emit const_cast<LiveCellDelegate*>(this)->commitData(editor); });
  return editor;
}

}  // namespace kalmoris
