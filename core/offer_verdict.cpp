#include "core/offer_verdict.h"

#include "core/rate_gap.h"

namespace kalmoris {

namespace {

TonedLine judged(const RateComparison& comparison) {
  if (comparison.exact()) return {QStringLiteral(", exact à la décimale"), Tone::Green};
  if (comparison.difference < 0)
    return {QStringLiteral(", inexact à la décimale, au détriment de l'emprunteur"), Tone::Red};
  return {QStringLiteral(", inexact à la décimale, en faveur de l'emprunteur"), Tone::Orange};
}

QString gapPhrase(const RateComparison& comparison) {
  return directionText(comparison) + QStringLiteral(" de ") + gapText(comparison);
}

}  // namespace

TonedLine offerVerdictLine(const CountingRate& counting, std::optional<Real> announced,
                           Real counted) {
  const QString lead = counting.label() + QStringLiteral(" : ");
  if (!announced)
    return {lead + QStringLiteral("pas de taux annoncé, rien à comparer") + counting.dateNote(),
            Tone::None};
  const RateComparison comparison = compareRates(*announced, fourDecimals(counted));
  if (comparison.difference == 0)
    return {lead + QStringLiteral("identique au taux calculé, exact à la décimale") +
                counting.dateNote(),
            Tone::Green};
  const TonedLine judgement = judged(comparison);
  return {lead + gapPhrase(comparison) + judgement.text + counting.dateNote(), judgement.tone};
}

TonedLine offerInformationLine(const CountingRate& counting, std::optional<Real> announced,
                               Real other) {
  QString line = QStringLiteral("pour information : ") + otherRateLabel(counting) +
                 QLatin1Char(' ') + fourDecimalsText(other) + QStringLiteral(" %");
  if (announced) {
    const RateComparison comparison = compareRates(*announced, fourDecimals(other));
    line += comparison.difference == 0 ? QStringLiteral(", identique au taux annoncé")
                                       : QStringLiteral(", ") + gapPhrase(comparison);
  }
  return {line, Tone::None};
}

}  // namespace kalmoris
