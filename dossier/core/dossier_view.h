#pragma once

#include "dossier/core/loan_dossier.h"
#include "dossier/core/teg_verdict.h"

#include <QString>

#include <optional>

namespace kalmoris {

// The rate panels of the results, nominal rate first.
enum class RatePanel {
  NominalPeriod,        // Panel1
  NominalProportional,  // Panel83
  NominalActuarial,     // Panel37
  TegPeriod,            // Panel39
  TegProportional,      // Panel82
  TegActuarial,         // Panel84
};
inline constexpr int kRatePanelCount = 6;

// What the discrepancy panel shows: the header's value and the grid's.
struct Discrepancy {
  QString announcedCaption;  // Label134
  QString announcedValue;    // Panel163
  QString gridCaption;       // Label136
  QString gridValue;         // Panel164
  bool operator==(const Discrepancy&) const = default;
};

// The insurance's own annual rate as shown beside the costs, in points.
struct InsuranceRateTexts {
  QString proportional;
  QString actuarial;
  bool operator==(const InsuranceRateTexts&) const = default;
};

// The dossier screen as the validation, the calculation, the file codec and the report see
// it: texts to read and write, and the signals they raise, each call made at the moment the
// screen is to show it. The real screen applies them to its controls; a headless one keeps
// them as texts and flags.
class DossierView {
 public:
  virtual ~DossierView() = default;

  virtual QString fieldText(HeaderField field) const = 0;
  virtual void writeField(HeaderField field, const QString& text) = 0;
  virtual QString cellText(int col, int row) const = 0;
  virtual void writeCell(int col, int row, const QString& text) = 0;
  virtual void setGridRowCount(int rows) = 0;  // the header row included

  // Validation.
  virtual void hideValidationHelp() = 0;                       // P43
  virtual void markField(HeaderField field, bool failed) = 0;  // red, or white
  virtual void showWarning(bool shown) = 0;                    // P92 where it stands
  virtual void placeWarning(bool tall) = 0;  // P92 shown over the grid area, 200 high if tall
  virtual void setValidateCaption(const QString& caption) = 0;
  virtual void enableValidate() = 0;
  virtual void showGridPrompt() = 0;            // Panel42
  virtual QString feeTotalCaption() const = 0;  // Panel5
  virtual QString feeTotalText() const = 0;     // Panel8
  virtual void writeFeeTotal(const QString& text) = 0;
  virtual void hideMask() = 0;  // Panel27
  // The end of every validation: the calculation and erase-all enabled, the bars in the
  // validated look, the grid prompt shown.
  virtual void finishValidation() = 0;

  // Calculation.
  virtual void hideDiscrepancy() = 0;    // P161
  virtual void hideGridNotice() = 0;     // P123
  virtual void hideGridHelp() = 0;       // P90
  virtual void showNotComputable() = 0;  // P216, over the nominal rates
  virtual bool notComputableShown() const = 0;
  virtual QString rateText(RatePanel panel) const = 0;
  virtual void writeRate(RatePanel panel, const QString& text) = 0;
  virtual QString insuranceCostText() const = 0;  // Panel125
  virtual QString loanCostText() const = 0;       // Panel127
  virtual void writeCosts(const QString& insuranceCost, const QString& loanCost) = 0;
  virtual void showDiscrepancy(const Discrepancy& discrepancy) = 0;

  // Beside the results: the verdict on the announced TEG and the insurance's own rate.
  virtual void showVerdict(const TegVerdict& verdict) = 0;
  virtual void hideVerdict() = 0;
  virtual std::optional<TegVerdict> shownVerdict() const = 0;
  virtual InsuranceRateTexts insuranceRateTexts() const = 0;
  virtual void writeInsuranceRates(const InsuranceRateTexts& texts) = 0;
};

}  // namespace kalmoris
