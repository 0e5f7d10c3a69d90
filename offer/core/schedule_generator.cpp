#include "offer/core/schedule_generator.h"

#include "core/errors.h"

#include <algorithm>
#include <cmath>

namespace kalmoris {

namespace {

// 90 billion euros in cents: its millionths of a cent still fit a 64-bit integer.
constexpr Real kMostCents = 9e12L;
constexpr std::int64_t kMicrosPerCent = 1000000;

[[noreturn]] void refuse(const char* key, const QString& message) {
  throw TermsFailure(QString::fromLatin1(key), message);
}

bool isNonNegative(Real value) {
  return std::isfinite(value) && value >= 0;
}

void checkLoan(const ScheduleTerms& terms) {
  if (terms.drawdowns > 1)
    refuse("deblocages",
           QStringLiteral("Avec plusieurs déblocages (deblocages), les échéances se saisissent en "
                          "paliers : les intérêts intercalaires payés entre les déblocages "
                          "varient trop d'un contrat à l'autre pour être déduits des conditions "
                          "du prêt."));
  if (terms.drawdowns < 1)
    refuse("deblocages", QStringLiteral("Le prêt n'a aucun déblocage (deblocages) : il n'y a pas "
                                        "de capital à rembourser."));
  if (!std::isfinite(terms.capital) || terms.capital < 0.005L)
    refuse("deblocages",
           QStringLiteral("Le capital débloqué (deblocages) doit être un montant positif."));
  if (!terms.payout.isValid())
    refuse("deblocages", QStringLiteral("La date du déblocage (deblocages) manque."));
  if (!terms.firstInstalment.isValid())
    refuse("premiere_echeance",
           QStringLiteral("La date de la première échéance (premiere_echeance) manque."));
  if (terms.firstInstalment <= terms.payout)
    refuse("premiere_echeance", QStringLiteral("La première échéance (premiere_echeance) doit "
                                               "venir après le déblocage des fonds."));
  if (terms.periodsPerYear != 12 && terms.periodsPerYear != 4 && terms.periodsPerYear != 2 &&
      terms.periodsPerYear != 1)
    refuse("periodicite", QStringLiteral("La périodicité (periodicite) doit être de 12, 4, 2 ou "
                                         "1 échéances par an."));
}

void checkGenerationTerms(const ScheduleTerms& terms) {
  if (!isNonNegative(terms.debitRate))
    refuse("taux_debiteur",
           QStringLiteral("Le taux débiteur (taux_debiteur) doit être un nombre positif ou nul."));
  if (terms.instalmentCount < 1 || terms.instalmentCount > kMostGeneratedInstalments)
    refuse("nombre_echeances", QStringLiteral("Le nombre d'échéances (nombre_echeances) doit "
                                              "être compris entre 1 et %1.")
                                   .arg(kMostGeneratedInstalments));
  if (terms.deferral.kind != DeferralKind::None) {
    if (terms.rule == InstalmentRule::Commission)
      refuse("regle", QStringLiteral("La règle « commission » (regle) ne prévoit pas de différé "
                                     "(differe) : choisissez la règle « contrat »."));
    if (terms.deferral.count < 1)
      refuse("differe", QStringLiteral("Un différé (differe) compte au moins une échéance."));
    if (terms.deferral.count >= terms.instalmentCount)
      refuse("differe", QStringLiteral("Un différé (differe) de %1 échéances doit être plus court "
                                       "que le prêt, qui en compte %2 : aucune échéance ne "
                                       "rembourserait le capital.")
                            .arg(terms.deferral.count)
                            .arg(terms.instalmentCount));
  }
  const InsuranceTerms& insurance = terms.insurance;
  if (insurance.mode == InsuranceMode::Fixed && !isNonNegative(insurance.amount))
    refuse("assurance", QStringLiteral("Le montant de l'assurance (assurance) doit être un "
                                       "nombre positif ou nul."));
  if ((insurance.mode == InsuranceMode::InitialCapital ||
       insurance.mode == InsuranceMode::RemainingCapital) &&
      !isNonNegative(insurance.annualRate))
    refuse("assurance", QStringLiteral("Le taux annuel de l'assurance (assurance) doit être un "
                                       "nombre positif ou nul."));
}

// a(n) = (1 - (1 + i)^-n) / i, the present value of n instalments of 1; n itself at a zero
// rate.
Real annuityFactor(Real periodRate, int count) {
  if (periodRate == 0) return count;
  return divide(1 - power(1 + periodRate, -static_cast<Real>(count)), periodRate);
}

// What the rules share: the dates, the rates and the premiums.
class Generation {
 public:
  explicit Generation(const ScheduleTerms& terms)
      : terms_(terms),
        first_(ScheduleDay::of(terms.firstInstalment)),
        monthsPerPeriod_(*monthsPerPeriod(terms.periodsPerYear)),
        rate_(terms.debitRate / 100),
        periodRate_(rate_ / terms.periodsPerYear),
        capital_(roundToCents(terms.capital)) {}

  Real rate() const { return rate_; }
  Real periodRate() const { return periodRate_; }
  Cents capital() const { return capital_; }
  int count() const { return terms_.instalmentCount; }

  // Instalment k (from 0), dated, with its premium on the capital before it.
  GeneratedInstalment row(int k, Cents capitalBefore) const {
    GeneratedInstalment row;
    row.day = first_.addMonths(k * monthsPerPeriod_);
    row.date = row.day.date();
    row.insurance = premium(capitalBefore);
    return row;
  }

  // The interest of `capital` over a fraction of the year, rounded to the cent.
  static Cents interest(Cents capital, Real yearFraction) {
    return roundToCents(euros(capital) * yearFraction);
  }

  // The first period when it is not one period long: the year's fraction of its exact days.
  bool firstPeriodIsBroken() const {
    return ScheduleDay::of(terms_.payout).addMonths(monthsPerPeriod_).date() !=
           terms_.firstInstalment;
  }
  Real brokenPeriodFraction() const {
    const int yearDays = terms_.brokenPeriodBase == BrokenPeriodBase::Days360 ? 360 : 365;
    return rate_ * terms_.payout.daysTo(terms_.firstInstalment) / yearDays;
  }
  // The first period in years, by the credit directives' calendar.
  Real firstPeriodYears() const {
    return annexTime(terms_.payout, first_, terms_.periodsPerYear).years();
  }

 private:
  Cents premium(Cents capitalBefore) const {
    const InsuranceTerms& insurance = terms_.insurance;
    const Real periodShare = insurance.annualRate / 100 / terms_.periodsPerYear;
    switch (insurance.mode) {
      case InsuranceMode::Fixed:
        return roundToCents(insurance.amount);
      case InsuranceMode::InitialCapital:
        return interest(capital_, periodShare);
      case InsuranceMode::RemainingCapital:
        return interest(capitalBefore, periodShare);
      case InsuranceMode::None:
        break;
    }
    return 0;
  }

  const ScheduleTerms& terms_;
  ScheduleDay first_;
  int monthsPerPeriod_;
  Real rate_;
  Real periodRate_;
  Cents capital_;
};

void settle(GeneratedInstalment& row, Cents& capital) {
  row.payment = row.interest + row.capitalRepaid;
  capital -= row.capitalRepaid;
  row.capitalRemaining = capital;
}

GeneratedSchedule contractSchedule(const ScheduleTerms& terms, const Generation& generation) {
  const int deferred = terms.deferral.kind == DeferralKind::None ? 0 : terms.deferral.count;
  const Real firstFraction = generation.firstPeriodIsBroken() ? generation.brokenPeriodFraction()
                                                              : generation.periodRate();
  GeneratedSchedule schedule;
  Cents capital = generation.capital();
  for (int k = 0; k < generation.count(); ++k) {
    GeneratedInstalment row = generation.row(k, capital);
    row.interest = Generation::interest(capital, k == 0 ? firstFraction : generation.periodRate());
    if (k < deferred) {
      if (terms.deferral.kind == DeferralKind::Total) row.capitalRepaid = -row.interest;
    } else if (k == generation.count() - 1) {
      row.capitalRepaid = capital;
    } else {
      if (k == deferred)
        schedule.constantPayment = roundToCents(
            euros(capital) / annuityFactor(generation.periodRate(), generation.count() - k));
      // A broken first period changes the interest paid, not the capital repaid.
      const Cents regularInterest = Generation::interest(capital, generation.periodRate());
      // The rounding up of a tiny loan's instalments may repay it early: never repay more.
      row.capitalRepaid = std::min(schedule.constantPayment - regularInterest, capital);
    }
    settle(row, capital);
    schedule.instalments.push_back(row);
  }
  if (deferred == generation.count() - 1)
    schedule.constantPayment = schedule.instalments.back().payment;
  return schedule;
}

GeneratedSchedule commissionSchedule(const Generation& generation) {
  const Real firstFraction = generation.rate() * generation.firstPeriodYears();
  GeneratedSchedule schedule;
  schedule.constantPayment =
      roundToCents(euros(generation.capital()) * (1 + firstFraction) /
                   (1 + annuityFactor(generation.periodRate(), generation.count() - 1)));
  Cents capital = generation.capital();
  for (int k = 0; k < generation.count(); ++k) {
    GeneratedInstalment row = generation.row(k, capital);
    row.interest = Generation::interest(capital, k == 0 ? firstFraction : generation.periodRate());
    row.capitalRepaid = schedule.constantPayment - row.interest;
    settle(row, capital);
    schedule.instalments.push_back(row);
  }
  return schedule;
}

std::vector<GeneratedStep> stepsOf(const std::vector<GeneratedInstalment>& instalments) {
  std::vector<GeneratedStep> steps;
  for (const GeneratedInstalment& row : instalments) {
    if (!steps.empty() && steps.back().payment == row.payment &&
        steps.back().insurance == row.insurance)
      ++steps.back().count;
    else
      steps.push_back({1, row.payment, row.insurance});
  }
  return steps;
}

}  // namespace

Cents roundToCents(Real euros) {
  const Real cents = checked(euros * 100);
  if (std::fabs(cents) > kMostCents) failOverflow();
  const std::int64_t micros = std::llround(cents * kMicrosPerCent);
  const std::int64_t half = (micros < 0 ? -kMicrosPerCent : kMicrosPerCent) / 2;
  return (micros + half) / kMicrosPerCent;  // the division truncates towards zero
}

GeneratedSchedule generateSchedule(const ScheduleTerms& terms) {
  checkLoan(terms);
  checkGenerationTerms(terms);
  const Generation generation(terms);
  GeneratedSchedule schedule = terms.rule == InstalmentRule::Commission
                                   ? commissionSchedule(generation)
                                   : contractSchedule(terms, generation);
  schedule.steps = stepsOf(schedule.instalments);
  return schedule;
}

}  // namespace kalmoris
