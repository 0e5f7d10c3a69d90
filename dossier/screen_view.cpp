#include "dossier/screen_view.h"

#include "ui/colors.h"
#include "ui/panel.h"
#include "ui/string_grid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

QString TForm2::ScreenView::fieldText(HeaderField field) const {
  return screen_.field(field)->text();
}

void TForm2::ScreenView::writeField(HeaderField field, const QString& text) {
  screen_.field(field)->setText(text);
}

QString TForm2::ScreenView::cellText(int col, int row) const {
  return screen_.StringGrid1->cell(col, row);
}

void TForm2::ScreenView::writeCell(int col, int row, const QString& text) {
  screen_.StringGrid1->setCell(col, row, text);
}

void TForm2::ScreenView::setGridRowCount(int rows) {
  screen_.StringGrid1->setRowCount(rows);
}

void TForm2::ScreenView::hideValidationHelp() {
  screen_.Panel43->hide();
}

void TForm2::ScreenView::markField(HeaderField field, bool failed) {
  colors::setBackground(screen_.field(field), failed ? colors::Red : colors::White);
}

void TForm2::ScreenView::showWarning(bool shown) {
  if (shown)
    screen_.Panel92->showAt(screen_.Panel92->x(), screen_.Panel92->y());
  else
    screen_.Panel92->hide();
}

void TForm2::ScreenView::placeWarning(bool tall) {
  Panel* warning = screen_.Panel92;
  warning->setGeometry(2, 216, 730, tall ? 200 : warning->height());
  warning->showAt(2, 216);
}

void TForm2::ScreenView::setValidateCaption(const QString& caption) {
  screen_.bt_valider->setText(caption);
}

void TForm2::ScreenView::enableValidate() {
  screen_.bt_valider->setEnabled(true);
}

void TForm2::ScreenView::showGridPrompt() {
  screen_.Panel42->show();
}

QString TForm2::ScreenView::feeTotalCaption() const {
  return screen_.Panel5->text();
}

QString TForm2::ScreenView::feeTotalText() const {
  return screen_.Panel8->text();
}

void TForm2::ScreenView::writeFeeTotal(const QString& text) {
  screen_.Panel8->setText(text);
}

void TForm2::ScreenView::hideMask() {
  screen_.Panel27->hide();
}

void TForm2::ScreenView::finishValidation() {
  screen_.setCalculationEnabled(true);
  screen_.effac_tout->setEnabled(true);
  screen_.showValidatedLook();
  screen_.Panel42->show();
}

void TForm2::ScreenView::hideDiscrepancy() {
  screen_.Panel161->hide();
}

void TForm2::ScreenView::hideGridNotice() {
  screen_.Panel123->hide();
}

void TForm2::ScreenView::hideGridHelp() {
  screen_.Panel90->hide();
}

void TForm2::ScreenView::showNotComputable() {
  screen_.Panel216->showAt(468, 274);
}

bool TForm2::ScreenView::notComputableShown() const {
  return !screen_.Panel216->isHidden();
}

QString TForm2::ScreenView::rateText(RatePanel panel) const {
  return screen_.ratePanel(panel)->text();
}

void TForm2::ScreenView::writeRate(RatePanel panel, const QString& text) {
  screen_.ratePanel(panel)->setText(text);
}

QString TForm2::ScreenView::insuranceCostText() const {
  return screen_.Panel125->text();
}

QString TForm2::ScreenView::loanCostText() const {
  return screen_.Panel127->text();
}

void TForm2::ScreenView::writeCosts(const QString& insuranceCost, const QString& loanCost) {
  screen_.Panel125->setText(insuranceCost);
  screen_.Panel127->setText(loanCost);
}

void TForm2::ScreenView::showDiscrepancy(const Discrepancy& discrepancy) {
  screen_.Label134->setText(discrepancy.announcedCaption);
  screen_.Panel163->setText(discrepancy.announcedValue);
  screen_.Label136->setText(discrepancy.gridCaption);
  screen_.Panel164->setText(discrepancy.gridValue);
  screen_.Panel161->showAt(432, 221);
}

}  // namespace kalmoris
