// The grid's helper for time shifts: a group of amount 0 whose count, a fraction of a period,
// is worked out from days or dates instead of by hand.
#include "core/errors.h"
#include "dossier/core/time_shift.h"
#include "dossier/dossier_grid.h"
#include "dossier/shift_dialog.h"
#include "ui/handler.h"
#include "ui/string_grid.h"

#include <QAction>

namespace kalmoris {

void DossierGrid::createShiftAction() {
  Insere_decalage = new QAction(QStringLiteral("Insérer un décalage…"), StringGrid1);
  Insere_decalage->setObjectName(QStringLiteral("Insere_decalage"));
  Insere_decalage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  Insere_decalage->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  StringGrid1->addAction(Insere_decalage);
  StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(Insere_decalage, &QAction::triggered, this,
          [this] { runHandler(StringGrid1->window(), [this] { Insere_decalageClick(); }); });
}

// The dialog stands over the screen, which waits for its answer; the row and the count per
// year are those of the moment it opens.
void DossierGrid::Insere_decalageClick() {
  const QModelIndex current = StringGrid1->currentIndex();
  const int row = current.isValid() ? current.row() + 1 : 0;
  const QString refusal = shiftInsertionRefusal(dossier_, StringGrid1->rowCount(), row);
  if (!refusal.isEmpty()) throw Failure(refusal);
  auto* dialog = new ShiftDialog(StringGrid1->window(), row, dossier_.repaymentsPerYear);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog, row] {
    runHandler(StringGrid1->window(), [&] {
      insertShiftGroup(dossier_, view_, row, dialog->shift().count);
      emit edited();
    });
  });
  dialog->open();
}

}  // namespace kalmoris
