#pragma once

#include "dossier/core/dossier_view.h"
#include "dossier/dossier_screen.h"

namespace kalmoris {

// The dossier's core acting on the screen's controls, each call passed to the part that shows
// it at once, so that the fields' change handlers run at the moment the text changes.
class TForm2::ScreenView final : public DossierView {
 public:
  explicit ScreenView(TForm2& screen) : screen_(screen) {}

  QString fieldText(HeaderField field) const override;
  void writeField(HeaderField field, const QString& text) override;
  QString cellText(int col, int row) const override;
  void writeCell(int col, int row, const QString& text) override;
  void setGridRowCount(int rows) override;

  void hideValidationHelp() override;
  void markField(HeaderField field, bool failed) override;
  void showWarning(bool shown) override;
  void placeWarning(bool tall) override;
  void setValidateCaption(const QString& caption) override;
  void enableValidate() override;
  void showGridPrompt() override;
  QString feeTotalCaption() const override;
  QString feeTotalText() const override;
  void writeFeeTotal(const QString& text) override;
  void hideMask() override;
  void finishValidation() override;

  void hideDiscrepancy() override;
  void hideGridNotice() override;
  void hideGridHelp() override;
  void showNotComputable() override;
  bool notComputableShown() const override;
  QString rateText(RatePanel panel) const override;
  void writeRate(RatePanel panel, const QString& text) override;
  QString insuranceCostText() const override;
  QString loanCostText() const override;
  void writeCosts(const QString& insuranceCost, const QString& loanCost) override;
  void showDiscrepancy(const Discrepancy& discrepancy) override;

  void showVerdict(const TegVerdict& verdict) override;
  void hideVerdict() override;
  std::optional<TegVerdict> shownVerdict() const override;
  InsuranceRateTexts insuranceRateTexts() const override;
  void writeInsuranceRates(const InsuranceRateTexts& texts) override;

 private:
  TForm2& screen_;
};

}  // namespace kalmoris
