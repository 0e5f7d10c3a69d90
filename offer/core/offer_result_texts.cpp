#include "offer/core/offer_result_texts.h"

#include "core/numbers.h"

namespace kalmoris {

namespace {

QString periodAdjective(int periodsPerYear) {
  switch (periodsPerYear) {
    case 12:
      return QStringLiteral("mensuel");
    case 4:
      return QStringLiteral("trimestriel");
    case 2:
      return QStringLiteral("semestriel");
    default:
      return QStringLiteral("annuel");
  }
}

// With the four decimals the control of the offer judges.
QString percent(Real rate) {
  return FormatPattern(rate, QStringLiteral("#0.0000")) + QStringLiteral(" %");
}

QString periodPercent(Real rate) {
  return FormatFixed(rate, 18, 6) + QStringLiteral(" %");
}

QString points(Real gap) {
  return FormatPattern(gap, QStringLiteral("#0.0000")) + QStringLiteral(" point");
}

QString amount(Real value) {
  return FormatPattern(value, QStringLiteral("#0.00"));
}

}  // namespace

OfferResultTexts offerResultTexts(const OfferResults& results) {
  OfferResultTexts texts;
  const auto write = [&](OfferResult result, const QString& text) {
    texts[std::size_t(result)] = text;
  };
  write(OfferResult::Taeg, percent(results.taeg));
  write(OfferResult::PeriodRate, periodPercent(results.periodRate));
  write(OfferResult::Period, periodAdjective(results.periodsPerYear));
  write(OfferResult::ProportionalRate, percent(results.proportionalRate));
  write(OfferResult::Taea, results.taea ? points(*results.taea) : QStringLiteral("non calculable"));
  if (results.announcedTaea) write(OfferResult::AnnouncedTaea, points(*results.announcedTaea));
  write(OfferResult::Interest, amount(results.cost.interest));
  write(OfferResult::Insurance, amount(results.cost.insurance));
  write(OfferResult::Fees, amount(results.cost.fees));
  write(OfferResult::TotalCost, amount(results.cost.total));
  write(OfferResult::OptionalInsurance, amount(results.cost.optionalInsurance));
  return texts;
}

QStringList generatedStepCells(const GeneratedStep& step) {
  return {QString::number(step.count), amount(euros(step.payment)), amount(euros(step.insurance))};
}

}  // namespace kalmoris
