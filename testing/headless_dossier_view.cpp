#include "testing/headless_dossier_view.h"

#include "dossier/core/dossier_captions.h"

namespace kalmoris {

namespace {
std::size_t indexOf(HeaderField field) {
  return static_cast<std::size_t>(field);
}
}  // namespace

HeadlessDossierView::HeadlessDossierView() : validateCaption(captions::kValidate) {
  fields[indexOf(HeaderField::BlockCount)] = QStringLiteral("2");
}

QString HeadlessDossierView::fieldText(HeaderField field) const {
  return fields[indexOf(field)];
}

void HeadlessDossierView::writeField(HeaderField field, const QString& text) {
  fields[indexOf(field)] = text;
}

QString HeadlessDossierView::cellText(int col, int row) const {
  const auto found = cells.find({col, row});
  return found == cells.end() ? QString() : found->second;
}

void HeadlessDossierView::writeCell(int col, int row, const QString& text) {
  cells[{col, row}] = text;
}

void HeadlessDossierView::markField(HeaderField field, bool fieldFailed) {
  failed[indexOf(field)] = fieldFailed;
}

bool HeadlessDossierView::fieldFailed(HeaderField field) const {
  return failed[indexOf(field)];
}

void HeadlessDossierView::placeWarning(bool tall) {
  warningShown = true;
  warningTall = warningTall || tall;
}

QString HeadlessDossierView::feeTotalCaption() const {
  return captions::kFeeTotal;
}

void HeadlessDossierView::finishValidation() {
  calculationEnabled = true;
  gridPromptShown = true;
}

QString HeadlessDossierView::rateText(RatePanel panel) const {
  return rates[static_cast<std::size_t>(panel)];
}

void HeadlessDossierView::writeRate(RatePanel panel, const QString& text) {
  rates[static_cast<std::size_t>(panel)] = text;
}

void HeadlessDossierView::writeCosts(const QString& insurance, const QString& loan) {
  insuranceCost = insurance;
  loanCost = loan;
}

void HeadlessDossierView::showDiscrepancy(const Discrepancy& shown) {
  discrepancyShown = true;
  discrepancy = shown;
}

}  // namespace kalmoris
