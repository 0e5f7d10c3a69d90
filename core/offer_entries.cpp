#include "core/offer_entries.h"

#include "core/annex_calendar.h"
#include "core/errors.h"
#include "core/numbers.h"

namespace kalmoris {

namespace {

constexpr Real kHighestThreshold = 100;  // percent, excluded: no ceiling reaches it

std::optional<Real> thresholdOf(QString text) {
  if (text.endsWith(QLatin1Char('%'))) text = text.chopped(1).trimmed();
  const QString number = KeepIfAllowed(PointToComma(text), AMOUNT_CHARS);
  if (number.isEmpty()) return std::nullopt;
  try {
    const Real percent = StrToFloat(number);
    if (percent > 0 && percent < kHighestThreshold) return percent;
  } catch (const ConversionFailure&) {
  }
  return std::nullopt;
}

}  // namespace

OfferEntry<QDate> readOfferDate(const QString& text) {
  const QString entry = text.trimmed();
  if (entry.isEmpty()) return {};
  if (const auto date = readFrenchDate(entry)) return {*date, QString()};
  return {std::nullopt, QStringLiteral("'%1' n'est pas une date (jj/mm/aaaa).").arg(entry)};
}

OfferEntry<Real> readUsuryThreshold(const QString& text) {
  const QString entry = text.trimmed();
  if (entry.isEmpty()) return {};
  if (const auto percent = thresholdOf(entry)) return {*percent, QString()};
  return {std::nullopt, QStringLiteral("'%1' n'est pas un seuil en % (par ex. 5,13).").arg(entry)};
}

}  // namespace kalmoris
