#include "dossier/screen_view.h"

#include "dossier/dossier_grid.h"
#include "dossier/dossier_header.h"
#include "dossier/dossier_help.h"
#include "dossier/teg_check.h"

#include <QLineEdit>

namespace kalmoris {

QString TForm2::ScreenView::fieldText(HeaderField field) const {
  return screen_.header_->field(field)->text();
}

void TForm2::ScreenView::writeField(HeaderField field, const QString& text) {
  screen_.header_->field(field)->setText(text);
}

QString TForm2::ScreenView::cellText(int col, int row) const {
  return screen_.grid_->cellText(col, row);
}

void TForm2::ScreenView::writeCell(int col, int row, const QString& text) {
  screen_.grid_->writeCell(col, row, text);
}

void TForm2::ScreenView::setGridRowCount(int rows) {
  screen_.grid_->setRowCount(rows);
}

void TForm2::ScreenView::hideValidationHelp() {
  screen_.help_->hideValidationHelp();
}

void TForm2::ScreenView::markField(HeaderField field, bool failed) {
  screen_.header_->markField(field, failed);
}

void TForm2::ScreenView::showWarning(bool shown) {
  screen_.header_->showWarning(shown);
}

void TForm2::ScreenView::placeWarning(bool tall) {
  screen_.header_->placeWarning(tall);
}

void TForm2::ScreenView::setValidateCaption(const QString& caption) {
  screen_.header_->setValidateCaption(caption);
}

void TForm2::ScreenView::enableValidate() {
  screen_.header_->enableValidate();
}

void TForm2::ScreenView::showGridPrompt() {
  screen_.header_->showGridPrompt();
}

QString TForm2::ScreenView::feeTotalCaption() const {
  return screen_.header_->feeTotalCaption();
}

QString TForm2::ScreenView::feeTotalText() const {
  return screen_.header_->feeTotalText();
}

void TForm2::ScreenView::writeFeeTotal(const QString& text) {
  screen_.header_->writeFeeTotal(text);
}

void TForm2::ScreenView::hideMask() {
  screen_.header_->hideMask();
}

void TForm2::ScreenView::finishValidation() {
  screen_.grid_->setCalculationEnabled(true);
  screen_.header_->finishValidation();
}

void TForm2::ScreenView::hideDiscrepancy() {
  screen_.grid_->hideDiscrepancy();
}

void TForm2::ScreenView::hideGridNotice() {
  screen_.grid_->hideGridNotice();
}

void TForm2::ScreenView::hideGridHelp() {
  screen_.grid_->hideGridHelp();
}

void TForm2::ScreenView::showNotComputable() {
  screen_.grid_->showNotComputable();
}

bool TForm2::ScreenView::notComputableShown() const {
  return screen_.grid_->notComputableShown();
}

QString TForm2::ScreenView::rateText(RatePanel panel) const {
  return screen_.grid_->rateText(panel);
}

void TForm2::ScreenView::writeRate(RatePanel panel, const QString& text) {
  screen_.grid_->writeRate(panel, text);
}

QString TForm2::ScreenView::insuranceCostText() const {
  return screen_.grid_->insuranceCostText();
}

QString TForm2::ScreenView::loanCostText() const {
  return screen_.grid_->loanCostText();
}

void TForm2::ScreenView::writeCosts(const QString& insuranceCost, const QString& loanCost) {
  screen_.grid_->writeCosts(insuranceCost, loanCost);
}

void TForm2::ScreenView::showDiscrepancy(const Discrepancy& discrepancy) {
  screen_.grid_->showDiscrepancy(discrepancy);
}

void TForm2::ScreenView::showVerdict(const TegVerdict& verdict) {
  screen_.check_->showVerdict(verdict);
}

void TForm2::ScreenView::hideVerdict() {
  screen_.check_->hideVerdict();
}

std::optional<TegVerdict> TForm2::ScreenView::shownVerdict() const {
  return screen_.check_->shownVerdict();
}

InsuranceRateTexts TForm2::ScreenView::insuranceRateTexts() const {
  return screen_.check_->insuranceRateTexts();
}

void TForm2::ScreenView::writeInsuranceRates(const InsuranceRateTexts& texts) {
  screen_.check_->writeInsuranceRates(texts);
}

}  // namespace kalmoris
