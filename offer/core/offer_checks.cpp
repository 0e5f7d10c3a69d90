#include "offer/core/offer_checks.h"

#include "core/annex_calendar.h"

#include <cmath>
#include <utility>

namespace kalmoris {

namespace {

QString composed(const QString& key, int entry, const QString& field, const QString& reason) {
  if (key.isEmpty()) return reason;
  QString place = QStringLiteral("Clé « %1 »").arg(key);
  if (entry > 0) place += QStringLiteral(" n° %1").arg(entry);
  if (!field.isEmpty()) place += QStringLiteral(", « %1 »").arg(field);
  return place + QStringLiteral(" : ") + reason;
}

[[noreturn]] void refuse(const QString& key, int entry, const QString& field,
                         const QString& reason) {
  throw OfferFailure(key, entry, field, reason);
}

bool withinAmounts(Real amount) {
  return std::isfinite(amount) && amount >= 0 && amount <= kLargestAmount;
}

void checkAmount(Real amount, const QString& key, int entry, const QString& field) {
  if (!withinAmounts(amount)) {
    refuse(key, entry, field, QStringLiteral("un montant entre 0 et 999999999999.99 est attendu."));
  }
}

const QString kRateRange = QStringLiteral("un taux entre 0 et 9999.999999 % est attendu.");

bool withinRates(Real rate) {
  return std::isfinite(rate) && rate >= 0 && rate <= kLargestRate;
}

void checkRate(const std::optional<Real>& rate, const QString& key) {
  if (rate && !withinRates(*rate)) refuse(key, 0, {}, kRateRange);
}

void checkSteps(const std::vector<InstalmentStep>& list) {
  const QString steps = QStringLiteral("paliers");
  if (list.empty()) {
    refuse(steps, 0, {},
           QStringLiteral("au moins un palier est nécessaire, ou les conditions du prêt "
                          "(« taux_debiteur », « nombre_echeances ») d'où les échéances se "
                          "calculent."));
  }
  long long instalments = 0;
  for (std::size_t s = 0; s < list.size(); ++s) {
    const InstalmentStep& step = list[s];
    const int entry = int(s) + 1;
    if (step.count < 1) {
      refuse(steps, entry, QStringLiteral("nombre"),
             QStringLiteral("un palier compte au moins une échéance."));
    }
    checkAmount(step.amount, steps, entry, QStringLiteral("montant"));
    checkAmount(step.insurance, steps, entry, QStringLiteral("assurance"));
    instalments += step.count;
  }
  if (instalments > kMostInstalments) {
    refuse(steps, 0, {},
           QStringLiteral("au plus %1 échéances en tout, les paliers en comptent %2.")
               .arg(kMostInstalments)
               .arg(instalments));
  }
}

void checkInsuranceTerms(const InsuranceTerms& insurance) {
  const QString key = QStringLiteral("assurance");
  const bool fixed = insurance.mode == InsuranceMode::Fixed;
  const bool onCapital = insurance.mode == InsuranceMode::InitialCapital ||
                         insurance.mode == InsuranceMode::RemainingCapital;
  if (fixed != insurance.premium.has_value()) {
    refuse(key, 0, QStringLiteral("montant"),
           QStringLiteral("une prime s'indique avec le mode « fixe », et seulement avec lui."));
  }
  if (onCapital != insurance.annualRate.has_value()) {
    refuse(key, 0, QStringLiteral("taux_annuel"),
           QStringLiteral("un taux s'indique avec les modes « capital_initial » et "
                          "« capital_restant », et seulement avec eux."));
  }
  if (insurance.premium) checkAmount(*insurance.premium, key, 0, QStringLiteral("montant"));
  if (insurance.annualRate && !withinRates(*insurance.annualRate)) {
    refuse(key, 0, QStringLiteral("taux_annuel"), kRateRange);
  }
}

// The terms an offer's instalments are generated from, and how they fit the rest of the offer.
void checkTerms(const Offer& offer) {
  const OfferTerms& terms = offer.terms;
  if (offer.drawdowns.size() > 1) {
    refuse(QStringLiteral("deblocages"), 0, {},
           QStringLiteral("avec plusieurs déblocages, les échéances se saisissent en paliers : "
                          "les intérêts intercalaires payés entre les déblocages varient trop "
                          "d'un contrat à l'autre pour se déduire des conditions du prêt."));
  }
  if (!terms.debitRate) {
    refuse(QStringLiteral("taux_debiteur"), 0, {},
           QStringLiteral("le taux débiteur est nécessaire pour calculer les échéances."));
  }
  checkRate(terms.debitRate, QStringLiteral("taux_debiteur"));
  const int count = *terms.instalmentCount;
  if (count < 1 || count > kMostInstalments) {
    refuse(QStringLiteral("nombre_echeances"), 0, {},
           QStringLiteral("de 1 à %1 échéances sont attendues.").arg(kMostInstalments));
  }
  if (const auto& deferral = terms.deferral) {
    if (terms.rule == InstalmentRule::Commission) {
      refuse(QStringLiteral("regle"), 0, {},
             QStringLiteral("la règle « commission » ne prévoit pas de différé : choisissez la "
                            "règle « contrat »."));
    }
    if (deferral->count < 1 || deferral->count >= count) {
      refuse(QStringLiteral("differe"), 0, QStringLiteral("nombre"),
             QStringLiteral("un différé compte au moins une échéance et moins que le prêt, qui "
                            "en compte %1 : sinon aucune échéance ne rembourserait le capital.")
                 .arg(count));
    }
  }
  if (terms.insurance) checkInsuranceTerms(*terms.insurance);
}

void checkBrokenPeriod(const OfferTerms& terms) {
  if (terms.brokenPeriodDays && *terms.brokenPeriodDays != 365 && *terms.brokenPeriodDays != 360) {
    refuse(QStringLiteral("base_periode_brisee"), 0, {},
           QStringLiteral("une année de 365 ou de 360 jours est attendue."));
  }
}

}  // namespace

OfferFailure::OfferFailure(QString key, int entry, QString field, QString reason)
    : Failure(composed(key, entry, field, reason)),
      key_(std::move(key)),
      entry_(entry),
      field_(std::move(field)),
      reason_(std::move(reason)) {}

OfferFailure::OfferFailure(QString reason) : OfferFailure({}, 0, {}, std::move(reason)) {}

void checkOffer(const Offer& offer) {
  if (offer.nature == LoanNature::None) {
    refuse(QStringLiteral("nature"), 0, {},
           QStringLiteral("la nature du prêt (immobilier, consommation ou professionnel) est "
                          "nécessaire."));
  }
  checkRate(offer.announcedTaeg, QStringLiteral("taux_annonce"));
  checkRate(offer.announcedTaea, QStringLiteral("taea_annonce"));
  checkRate(offer.usuryThreshold, QStringLiteral("seuil_usure"));
  const int p = offer.periodsPerYear;
  if (p != 12 && p != 4 && p != 2 && p != 1) {
    refuse(QStringLiteral("periodicite"), 0, {},
           QStringLiteral("12 (mensuelle), 4 (trimestrielle), 2 (semestrielle) ou 1 (annuelle) "
                          "échéances par an sont attendues."));
  }

  const QString drawdowns = QStringLiteral("deblocages");
  if (offer.drawdowns.empty()) {
    refuse(drawdowns, 0, {}, QStringLiteral("au moins un déblocage est nécessaire."));
  }
  const QDate origin = offer.drawdowns.front().date;
  for (std::size_t d = 0; d < offer.drawdowns.size(); ++d) {
    const Drawdown& drawdown = offer.drawdowns[d];
    const int entry = int(d) + 1;
    if (!drawdown.date.isValid()) {
      refuse(drawdowns, entry, QStringLiteral("date"), QStringLiteral("la date est nécessaire."));
    }
    if (drawdown.date < origin) {
      refuse(drawdowns, entry, QStringLiteral("date"),
             QStringLiteral("le déblocage du %1 précède le premier (%2), origine des temps.")
                 .arg(frenchDateText(drawdown.date), frenchDateText(origin)));
    }
    checkAmount(drawdown.amount, drawdowns, entry, QStringLiteral("montant"));
    if (drawdown.amount == 0) {
      refuse(drawdowns, entry, QStringLiteral("montant"),
             QStringLiteral("un déblocage doit être positif."));
    }
  }

  const QString fees = QStringLiteral("frais");
  for (std::size_t f = 0; f < offer.fees.size(); ++f) {
    const OfferFee& fee = offer.fees[f];
    const int entry = int(f) + 1;
    checkAmount(fee.amount, fees, entry, QStringLiteral("montant"));
    if (fee.date && (!fee.date->isValid() || *fee.date < origin)) {
      refuse(fees, entry, QStringLiteral("date"),
             QStringLiteral("des frais ne peuvent précéder le premier déblocage (%1).")
                 .arg(frenchDateText(origin)));
    }
  }

  const QString first = QStringLiteral("premiere_echeance");
  if (!offer.firstInstalment.isValid()) {
    refuse(first, 0, {}, QStringLiteral("la date est nécessaire."));
  }
  if (offer.firstInstalment <= origin) {
    refuse(first, 0, {},
           QStringLiteral("la première échéance (%1) doit suivre le premier déblocage (%2).")
               .arg(frenchDateText(offer.firstInstalment), frenchDateText(origin)));
  }

  if (offer.terms.generated()) {
    if (!offer.steps.empty()) {
      refuse(QStringLiteral("paliers"), 0, {},
             QStringLiteral("les échéances se saisissent en paliers ou se calculent des conditions "
                            "du prêt (« nombre_echeances »), pas les deux."));
    }
    checkTerms(offer);
  } else {
    checkSteps(offer.steps);
    // What only generation reads; the debit rate and the broken period's base may accompany
    // typed steps, whose interest they split.
    const std::pair<const char*, bool> generationOnly[] = {
        {"differe", offer.terms.deferral.has_value()},
        {"regle", offer.terms.rule.has_value()},
        {"assurance", offer.terms.insurance.has_value()}};
    for (const auto& [key, stated] : generationOnly) {
      if (stated) {
        refuse(QLatin1String(key), 0, {},
               QStringLiteral("ne s'indique qu'avec « nombre_echeances », quand les échéances se "
                              "calculent des conditions du prêt au lieu de paliers."));
      }
    }
    checkRate(offer.terms.debitRate, QStringLiteral("taux_debiteur"));
  }
  checkBrokenPeriod(offer.terms);
}

}  // namespace kalmoris
