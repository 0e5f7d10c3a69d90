#pragma once

#include "dossier/core/dossier_view.h"

#include <array>
#include <map>
#include <utility>

namespace kalmoris {

// A dossier screen without widgets: the texts and flags the validation, the calculation and
// the file reader leave, as they would stand on the screen. It does not run the screen's
// change handlers, so the validate caption is the one the validation itself wrote last.
// Benchmarks and tests run whole dossiers through it.
class HeadlessDossierView : public DossierView {
 public:
  HeadlessDossierView();

  QString fieldText(HeaderField field) const override;
  void writeField(HeaderField field, const QString& text) override;
  QString cellText(int col, int row) const override;
  void writeCell(int col, int row, const QString& text) override;
  void setGridRowCount(int rows) override { gridRowCount = rows; }

  void hideValidationHelp() override { validationHelpShown = false; }
  void markField(HeaderField field, bool failed) override;
  void showWarning(bool shown) override { warningShown = shown; }
  void placeWarning(bool tall) override;
  void setValidateCaption(const QString& caption) override { validateCaption = caption; }
  void enableValidate() override { validateEnabled = true; }
  void showGridPrompt() override { gridPromptShown = true; }
  QString feeTotalCaption() const override;
  QString feeTotalText() const override { return feeTotal; }
  void writeFeeTotal(const QString& text) override { feeTotal = text; }
  void hideMask() override { maskShown = false; }
  void finishValidation() override;

  void hideDiscrepancy() override { discrepancyShown = false; }
  void hideGridNotice() override { gridNoticeShown = false; }
  void hideGridHelp() override { gridHelpShown = false; }
  void showNotComputable() override { notComputable = true; }
  bool notComputableShown() const override { return notComputable; }
  QString rateText(RatePanel panel) const override;
  void writeRate(RatePanel panel, const QString& text) override;
  QString insuranceCostText() const override { return insuranceCost; }
  QString loanCostText() const override { return loanCost; }
  void writeCosts(const QString& insurance, const QString& loan) override;
  void showDiscrepancy(const Discrepancy& shown) override;

  void showVerdict(const TegVerdict& shown) override { verdict = shown; }
  void hideVerdict() override { verdict.reset(); }
  std::optional<TegVerdict> shownVerdict() const override { return verdict; }
  InsuranceRateTexts insuranceRateTexts() const override { return insuranceRates; }
  void writeInsuranceRates(const InsuranceRateTexts& texts) override { insuranceRates = texts; }

  bool fieldFailed(HeaderField field) const;

  std::array<QString, kHeaderFieldCount> fields;
  std::array<bool, kHeaderFieldCount> failed{};
  std::map<std::pair<int, int>, QString> cells;  // (col, row); kept whatever the row count
  int gridRowCount = 3;
  bool validationHelpShown = false;
  bool warningShown = false;
  bool warningTall = false;
  QString validateCaption;
  bool validateEnabled = true;
  bool gridPromptShown = false;
  QString feeTotal;
  bool maskShown = true;
  bool calculationEnabled = false;
  bool gridHelpShown = true;
  bool gridNoticeShown = false;
  bool notComputable = false;
  std::array<QString, kRatePanelCount> rates;
  QString insuranceCost;
  QString loanCost;
  bool discrepancyShown = false;
  Discrepancy discrepancy;
  std::optional<TegVerdict> verdict;
  InsuranceRateTexts insuranceRates;
};

}  // namespace kalmoris
