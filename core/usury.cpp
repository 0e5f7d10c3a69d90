#include "core/usury.h"

#include "core/numbers.h"
#include "core/rate_gap.h"

namespace kalmoris {

namespace {

// The first offers under the categories by duration (real estate) and by amount (consumer).
const QDate kRealEstateByDurationFrom(2017, 1, 1);
const QDate kConsumerByAmountFrom(2013, 4, 1);
constexpr Real kSmallConsumerLoan = 3000;   // euros, this amount included
constexpr Real kMediumConsumerLoan = 6000;  // euros, this amount included

bool before(std::optional<QDate> offerDate, QDate first) {
  return offerDate && *offerDate < first;
}

// Compared in whole repayments: 239 monthly ones are not 20 years, whatever the first period.
QString realEstateDuration(const LoanSize& size) {
  if (size.repayments < 10 * size.repaymentsPerYear) return QStringLiteral("moins de 10 ans");
  if (size.repayments < 20 * size.repaymentsPerYear) return QStringLiteral("10 à moins de 20 ans");
  return QStringLiteral("20 ans et plus");
}

QString realEstateCategory(std::optional<QDate> offerDate, const LoanSize& size) {
  const QString duration = before(offerDate, kRealEstateByDurationFrom)
                               ? QStringLiteral("toutes durées")
                               : realEstateDuration(size);
  return QStringLiteral("immobilier à taux fixe, ") + duration +
         QStringLiteral(" (taux variable et prêt relais : autres seuils)");
}

QString consumerCategory(std::optional<QDate> offerDate, const LoanSize& size) {
  if (before(offerDate, kConsumerByAmountFrom))
    return QStringLiteral(
        "consommation, catégories antérieures au 01/04/2013 (voir le Journal officiel du "
        "trimestre)");
  if (size.capital <= kSmallConsumerLoan) return QStringLiteral("consommation, 3 000 € ou moins");
  if (size.capital <= kMediumConsumerLoan)
    return QStringLiteral("consommation, plus de 3 000 € à 6 000 €");
  return QStringLiteral("consommation, plus de 6 000 €");
}

}  // namespace

std::optional<TonedLine> usuryCategoryLine(LoanNature nature, std::optional<QDate> offerDate,
                                           const LoanSize& size) {
  QString category;
  switch (nature) {
    case LoanNature::Immobilier:
      category = realEstateCategory(offerDate, size);
      break;
    case LoanNature::Consommation:
      category = consumerCategory(offerDate, size);
      break;
    case LoanNature::Professionnel:
      category = QStringLiteral("prêt professionnel, hors usure sauf découvert en compte");
      break;
    case LoanNature::None:
      return std::nullopt;
  }
  return TonedLine{QStringLiteral("Catégorie de l'usure : ") + category, Tone::None};
}

TonedLine usuryCeilingLine(const CountingRate& counting, Real counted, Real threshold) {
  const QString thresholdText = FormatPattern(threshold, QStringLiteral("#0.00"));
  const RateComparison excess = compareRates(fourDecimals(counted), StrToFloat(thresholdText));
  const QString lead =
      counting.shortName() + QLatin1Char(' ') + fourDecimalsText(counted) + QStringLiteral(" % : ");
  const QString ceiling =
      QStringLiteral("seuil de l'usure (") + thresholdText + QStringLiteral(" %)");
  if (excess.difference > 0)
    return {
        lead + QStringLiteral("au-dessus du ") + ceiling + QStringLiteral(" de ") + gapText(excess),
        Tone::Red};
  return {lead + QStringLiteral("ne dépasse pas le ") + ceiling, Tone::None};
}

}  // namespace kalmoris
