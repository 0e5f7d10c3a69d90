#include "offer/core/offer_json.h"

#include "core/annex_calendar.h"
#include "core/numbers.h"
#include "offer/core/offer_proof.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kalmoris {

namespace {

QString pointed(QString text) {
  return text.replace(u',', u'.');
}

QString decimals(Real value, int count) {
  return pointed(FormatFixed(value, 18, count));
}

QString amount(Real value) {
  return pointed(FormatPattern(value, QStringLiteral("#0.00")));
}

void insertRate(QJsonObject& object, const char* key, const std::optional<Real>& rate) {
  if (rate) object.insert(QLatin1String(key), decimals(*rate, 6));
}

QString natureWord(LoanNature nature) {
  return loanNatureItems().value(int(nature)).toLower();
}

QJsonObject flowObject(const ProofRow& row) {
  QJsonObject flow;
  flow.insert(QStringLiteral("date"), row.date.toString(QStringLiteral("yyyy-MM-dd")));
  flow.insert(QStringLiteral("type"), flowKindWord(row.kind));
  flow.insert(QStringLiteral("numero"), QString::number(row.number));
  if (row.kind == FlowKind::Fee) flow.insert(QStringLiteral("libelle"), row.label);
  flow.insert(QStringLiteral("montant"), amount(row.amount));
  const auto insertKnown = [&](const char* key, const std::optional<Real>& value) {
    if (value) flow.insert(QLatin1String(key), amount(*value));
  };
  insertKnown("interets", row.interest);
  insertKnown("capital_rembourse", row.capitalRepaid);
  insertKnown("capital_restant", row.capitalRemaining);
  if (row.kind == FlowKind::Instalment)
    flow.insert(QStringLiteral("assurance"), amount(row.insurance));
  flow.insert(QStringLiteral("temps"), annexTimeText(row.time));
  flow.insert(QStringLiteral("annees"), decimals(row.years, 9));
  flow.insert(QStringLiteral("valeur_actualisee"), amount(row.discounted));
  return flow;
}

}  // namespace

QByteArray offerJson(const Offer& offer, const OfferResults& results) {
  QJsonObject json;
  json.insert(QStringLiteral("emprunteur"), offer.borrower);
  json.insert(QStringLiteral("nature"), natureWord(offer.nature));
  json.insert(QStringLiteral("periodicite"), QString::number(results.periodsPerYear));
  json.insert(QStringLiteral("periode"), periodName(results.periodsPerYear));
  json.insert(QStringLiteral("taeg"), decimals(results.taeg, 6));
  json.insert(QStringLiteral("taux_periode"), decimals(results.periodRate, 10));
  json.insert(QStringLiteral("taux_proportionnel"), decimals(results.proportionalRate, 6));
  insertRate(json, "taea", results.taea);
  insertRate(json, "taux_annonce", results.announcedTaeg);
  insertRate(json, "taea_annonce", results.announcedTaea);
  insertRate(json, "seuil_usure", results.usuryThreshold);
  json.insert(QStringLiteral("assurance_obligatoire"),
              offer.insuranceRequired ? QStringLiteral("oui") : QStringLiteral("non"));

  const CreditCost& cost = results.cost;
  json.insert(QStringLiteral("cout_interets"), amount(cost.interest));
  json.insert(QStringLiteral("cout_assurance"), amount(cost.insurance));
  json.insert(QStringLiteral("cout_frais"), amount(cost.fees));
  json.insert(QStringLiteral("cout_total"), amount(cost.total));
  json.insert(QStringLiteral("assurance_facultative"), amount(cost.optionalInsurance));

  json.insert(QStringLiteral("verdict"), QJsonArray::fromStringList(results.control.texts()));

  if (!results.generatedSteps.empty()) {
    QJsonArray steps;
    for (const GeneratedStep& step : results.generatedSteps) {
      steps.append(QJsonObject{{QStringLiteral("nombre"), QString::number(step.count)},
                               {QStringLiteral("montant"), amount(euros(step.payment))},
                               {QStringLiteral("assurance"), amount(euros(step.insurance))}});
    }
    json.insert(QStringLiteral("paliers_calcules"), steps);
  }

  const OfferProof proof = offerProof(results);
  QJsonArray flows;
  for (const ProofRow& row : proof.rows) flows.append(flowObject(row));
  json.insert(QStringLiteral("flux"), flows);
  json.insert(QStringLiteral("somme_actualisee"), amount(proof.discountedSum));
  return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

}  // namespace kalmoris
