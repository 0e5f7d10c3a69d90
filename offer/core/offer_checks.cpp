#include "offer/core/offer_checks.h"

#include "core/annex_calendar.h"

#include <cmath>

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

void checkRate(const std::optional<Real>& rate, const QString& key) {
  if (rate && !(std::isfinite(*rate) && *rate >= 0 && *rate <= kLargestRate)) {
    refuse(key, 0, {}, QStringLiteral("un taux entre 0 et 9999.999999 % est attendu."));
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

  const QString steps = QStringLiteral("paliers");
  if (offer.steps.empty()) {
    refuse(steps, 0, {}, QStringLiteral("au moins un palier est nécessaire."));
  }
  long long instalments = 0;
  for (std::size_t s = 0; s < offer.steps.size(); ++s) {
    const InstalmentStep& step = offer.steps[s];
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

  checkRate(offer.terms.debitRate, QStringLiteral("taux_debiteur"));
  if (const auto& insurance = offer.terms.insurance) {
    checkRate(insurance->annualRate, QStringLiteral("assurance"));
    if (insurance->premium) checkAmount(*insurance->premium, QStringLiteral("assurance"), 0, {});
  }
}

}  // namespace kalmoris
