// Validating the header ("CLIQUER ICI pour VALIDER") and erasing the whole dossier.
#include "dossier/dossier_screen.h"

#include "ui/colors.h"
#include "ui/panel.h"
#include "ui/string_grid.h"
#include "dossier/core/dossier_captions.h"
#include "dossier/core/header_validation.h"
#include "dossier/screen_view.h"

#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

void TForm2::bt_validerClick() {
  validateHeader(dossier_, *view_);
}

void TForm2::effac_toutClick() {
  showWaitingLook();
  bt_valider->setText(captions::kValidate);
  Panel215->hide();
  Panel161->hide();
  setCalculationEnabled(false);
  dossier_.clearStoredGroups();
  Panel216->hide();
  Panel90->showAt(456, 227);
  emptyGroupRows();
  emptyHeader();
  dossier_.clearHeaderValues();
  emptyRates();
  for (Panel* result : {Panel125, Panel127, Panel163, Panel164}) result->clear();
  effac_tout->setEnabled(false);
}

void TForm2::emptyGroupRows() {
  for (int row = 1; row <= dossier_.blockCount; ++row)
    for (int col = 0; col < kGridColumnCount; ++col) StringGrid1->setCell(col, row, QString());
}

void TForm2::emptyHeader() {
  for (HeaderField which : kHeaderFields)
    if (which != HeaderField::BlockCount) field(which)->clear();
  ch_grpv->setText(QStringLiteral("2"));
  Panel8->clear();
  Panel8->setColor(colors::White);
}

void TForm2::emptyRates() {
  for (Panel* rate : {Panel1, Panel83, Panel37, Panel39, Panel82, Panel84}) rate->clear();
}

}  // namespace kalmoris
