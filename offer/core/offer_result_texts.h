#pragma once

#include "offer/core/offer_results.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// The results of an offer as its screen writes them: rates in percent with four decimals ("6,4344
// %"), the period rate with six, the TAEA in points, amounts to the cent with a decimal comma.

namespace kalmoris {

enum class OfferResult {
  Taeg,
  PeriodRate,
  Period,  // "mensuel", "trimestriel", "semestriel" or "annuel"
  ProportionalRate,
  Taea,           // "non calculable" when one of its two rates has none
  AnnouncedTaea,  // empty when the offer states none
  Interest,
  Insurance,
  Fees,
  TotalCost,
  OptionalInsurance,  // outside the cost of the credit
};
inline constexpr std::size_t kOfferResultCount = std::size_t(OfferResult::OptionalInsurance) + 1;

using OfferResultTexts = std::array<QString, kOfferResultCount>;

OfferResultTexts offerResultTexts(const OfferResults& results);

// A step generated from the offer's terms as its grid shows it, under the captions of the typed
// steps: the count, the instalment without insurance and the premium, to the cent.
QStringList generatedStepCells(const GeneratedStep& step);

inline const QString& textOf(const OfferResultTexts& texts, OfferResult result) {
  return texts[std::size_t(result)];
}

}  // namespace kalmoris
