#include "core/counting_rate.h"

namespace kalmoris {

namespace {

// The first offers bound to state the actuarial TAEG.
const QDate kConsumerTaegFrom(2002, 7, 1);
const QDate kRealEstateTaegFrom(2016, 10, 1);

QString labelOf(RateKind kind) {
  return kind == RateKind::Proportional ? QStringLiteral("TEG (proportionnel)")
                                        : QStringLiteral("TAEG (actuariel)");
}

}  // namespace

QStringList loanNatureItems() {
  return {QString(), QStringLiteral("Immobilier"), QStringLiteral("Consommation"),
          QStringLiteral("Professionnel")};
}

LoanNature loanNatureOf(const QString& item) {
  const int index = loanNatureItems().indexOf(item);
  return index > 0 ? static_cast<LoanNature>(index) : LoanNature::None;
}

QString CountingRate::label() const {
  return labelOf(kind);
}

QString CountingRate::shortName() const {
  return kind == RateKind::Proportional ? QStringLiteral("TEG") : QStringLiteral("TAEG");
}

QString CountingRate::dateNote() const {
  return dateMissing ? QStringLiteral(" (date de l'offre non indiquée)") : QString();
}

CountingRate countingRate(LoanNature nature, std::optional<QDate> offerDate) {
  const auto taegFrom = [&offerDate](QDate first) -> CountingRate {
    if (!offerDate) return {RateKind::Actuarial, true};
    return {*offerDate < first ? RateKind::Proportional : RateKind::Actuarial, false};
  };
  switch (nature) {
    case LoanNature::Immobilier:
      return taegFrom(kRealEstateTaegFrom);
    case LoanNature::Consommation:
      return taegFrom(kConsumerTaegFrom);
    case LoanNature::Professionnel:
      return {RateKind::Proportional, false};
    case LoanNature::None:
      break;
  }
  return {RateKind::Actuarial, false};
}

QString otherRateLabel(const CountingRate& counting) {
  return labelOf(counting.kind == RateKind::Proportional ? RateKind::Actuarial
                                                         : RateKind::Proportional);
}

}  // namespace kalmoris
