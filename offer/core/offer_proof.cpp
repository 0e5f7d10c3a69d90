#include "offer/core/offer_proof.h"

#include "core/arith.h"
#include "core/numbers.h"

namespace kalmoris {

namespace {

// The names of each kind of flow, in the order of FlowKind.
struct KindNames {
  const char* text;
  const char* word;
};
constexpr KindNames kKindNames[] = {
    {"Déblocage", "deblocage"}, {"Frais", "frais"}, {"Échéance", "echeance"}};

}  // namespace

OfferProof offerProof(const OfferResults& results) {
  OfferProof proof;
  const Real base = 1 + results.taeg / 100;
  const std::vector<DatedAmount> counted = ratedAmounts(results.flows, InsuranceCounted::Required);
  bool split = false;
  for (const OfferFlow& flow : results.flows) split = split || flow.split.has_value();
  Cents owed = 0;
  for (std::size_t k = 0; k < results.flows.size(); ++k) {
    const OfferFlow& flow = results.flows[k];
    ProofRow row;
    row.kind = flow.kind;
    row.number = flow.number;
    row.label = flow.label;
    row.date = flow.date;
    row.amount = counted[k].amount;
    row.time = flow.time;
    row.years = flow.time.years();
    row.discounted = checked(row.amount * power(base, -row.years));
    if (flow.kind == FlowKind::Instalment) {
      row.insurance = flow.insurance;
      row.insuranceCounted = flow.insuranceRequired;
      if (flow.split) {
        row.interest = euros(flow.split->interest);
        row.capitalRepaid = euros(flow.split->capitalRepaid);
        owed = flow.split->capitalRemaining;
        row.capitalRemaining = euros(owed);
      }
    } else if (flow.kind == FlowKind::Drawdown && split) {
      owed += roundToCents(flow.amount);
      row.capitalRemaining = euros(owed);
    }
    proof.discountedSum += row.discounted;
    proof.rows.push_back(row);
  }
  return proof;
}

QStringList proofHeaders() {
  return {QStringLiteral("Date"),       QStringLiteral("Flux"),    QStringLiteral("Montant"),
          QStringLiteral("Intérêts"),   QStringLiteral("Capital"), QStringLiteral("Assurance"),
          QStringLiteral("Restant dû"), QStringLiteral("Temps"),   QStringLiteral("Années"),
          QStringLiteral("Actualisé")};
}

QStringList proofCells(const ProofRow& row) {
  const auto amount = [](Real value) { return FormatPattern(value, QStringLiteral("#0.00")); };
  const auto known = [&](const std::optional<Real>& value) {
    return value ? amount(*value) : QString();
  };
  return {frenchDateText(row.date),
          flowKindText(row.kind) + u' ' + QString::number(row.number),
          amount(row.amount),
          known(row.interest),
          known(row.capitalRepaid),
          row.kind == FlowKind::Instalment ? amount(row.insurance) : QString(),
          known(row.capitalRemaining),
          annexTimeText(row.time),
          FormatFixed(row.years, 18, 9),
          amount(row.discounted)};
}

QString proofSumText(const OfferProof& proof) {
  return FormatPattern(proof.discountedSum, QStringLiteral("#0.00"));
}

QString flowKindText(FlowKind kind) {
  return QString::fromUtf8(kKindNames[int(kind)].text);
}

QString flowKindWord(FlowKind kind) {
  return QString::fromLatin1(kKindNames[int(kind)].word);
}

}  // namespace kalmoris
