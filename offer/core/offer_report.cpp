#include "offer/core/offer_report.h"

#include "core/annex_calendar.h"
#include "core/numbers.h"
#include "offer/core/offer_proof.h"

#include <algorithm>

namespace kalmoris {

namespace {

const QString kLead = QStringLiteral("    ");
const QString kFontName = QStringLiteral("Courier New");
// Where the amounts of the cost's lines end, counted from the lead.
constexpr int kCostWidth = 46;
// The body's and the proof's sizes, largest first, tried until their lines fit the page's width.
constexpr int kBodySizes[] = {10, 9, 8};
constexpr int kProofSizes[] = {9, 8, 7, 6};

QString led(const QString& text) {
  return kLead + text;
}

QString euroText(Real amount) {
  return FormatPattern(amount, QStringLiteral("#0.00")) + QStringLiteral(" €");
}

QString percent(Real rate, int decimals) {
  return FormatFixed(rate, 18, decimals);
}

// A rate as the offer states it, without the zeros that end its decimals: "6,43".
QString statedRate(Real rate) {
  QString text = percent(rate, 6);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u',')) text.chop(1);
  return text;
}

QString periodicityText(int perYear) {
  switch (perYear) {
    case 12:
      return QStringLiteral("mensuelles");
    case 4:
      return QStringLiteral("trimestrielles");
    case 2:
      return QStringLiteral("semestrielles");
  }
  return QStringLiteral("annuelles");
}

// A label, dashes, then an amount ending kCostWidth characters after the lead.
QString costLine(const QString& label, Real amount) {
  const QString value = euroText(amount);
  const qsizetype dashes = std::max<qsizetype>(1, kCostWidth - label.size() - value.size() - 2);
  return led(label + u' ' + QString(dashes, u'-') + u' ' + value);
}

QString stepLine(int number, int count, Real amount, Real insurance) {
  return led(QStringLiteral("Palier %1 : %2 échéance%3 de %4 + assurance %5")
                 .arg(number)
                 .arg(count)
                 .arg(count > 1 ? QStringLiteral("s") : QString())
                 .arg(euroText(amount), euroText(insurance)));
}

QStringList offerLines(const Offer& offer) {
  QStringList lines;
  lines << led(QStringLiteral("Emprunteur : ") + offer.borrower);
  lines << led(QStringLiteral("Nature du prêt : ") + loanNatureItems().value(int(offer.nature)));
  lines << led(QStringLiteral("Date de l'offre : ") + (offer.offerDate
                                                           ? frenchDateText(*offer.offerDate)
                                                           : QStringLiteral("non indiquée")));
  lines << led(QStringLiteral("Echéances %1, %2 par an")
                   .arg(periodicityText(offer.periodsPerYear))
                   .arg(offer.periodsPerYear));
  lines << kLead << led(QStringLiteral("***** DEBLOCAGES *****"));
  for (std::size_t k = 0; k < offer.drawdowns.size(); ++k) {
    const Drawdown& drawdown = offer.drawdowns[k];
    lines << led(QStringLiteral("Déblocage %1 le %2 : %3")
                     .arg(k + 1)
                     .arg(frenchDateText(drawdown.date), euroText(drawdown.amount)));
  }
  lines << kLead << led(QStringLiteral("***** FRAIS *****"));
  if (offer.fees.empty()) lines << led(QStringLiteral("Aucun frais."));
  for (const OfferFee& fee : offer.fees) {
    const QDate date = fee.date.value_or(offer.drawdowns.front().date);
    lines << led(QStringLiteral("%1 le %2 : %3")
                     .arg(fee.label.isEmpty() ? QStringLiteral("Frais") : fee.label,
                          frenchDateText(date), euroText(fee.amount)));
  }
  return lines;
}

QString deferralText(const std::optional<Deferral>& deferral) {
  if (!deferral) return QStringLiteral("aucun");
  return QStringLiteral("%1 de %2 échéance%3")
      .arg(deferral->kind == DeferralKind::Total ? QStringLiteral("total")
                                                 : QStringLiteral("partiel"))
      .arg(deferral->count)
      .arg(deferral->count > 1 ? QStringLiteral("s") : QString());
}

QString insuranceText(const std::optional<InsuranceTerms>& insurance) {
  const InsuranceTerms terms = insurance.value_or(InsuranceTerms{});
  const QString rate = statedRate(terms.annualRate.value_or(0));
  switch (terms.mode) {
    case InsuranceMode::Fixed:
      return QStringLiteral("%1 par échéance").arg(euroText(terms.premium.value_or(0)));
    case InsuranceMode::InitialCapital:
      return QStringLiteral("%1 % par an du capital emprunté").arg(rate);
    case InsuranceMode::RemainingCapital:
      return QStringLiteral("%1 % par an du capital restant dû").arg(rate);
    case InsuranceMode::None:
      break;
  }
  return QStringLiteral("aucune");
}

QStringList instalmentLines(const Offer& offer, const OfferResults& results) {
  const OfferTerms& terms = offer.terms;
  QStringList lines;
  lines << kLead;
  if (terms.generated()) {
    const bool commission = terms.rule == InstalmentRule::Commission;
    lines << led(QStringLiteral("***** ECHEANCES CALCULEES DES CONDITIONS DU PRET *****"));
    lines << led(QStringLiteral("Taux débiteur : %1 %, %2 échéances, règle %3")
                     .arg(statedRate(terms.debitRate.value_or(0)))
                     .arg(terms.instalmentCount.value_or(0))
                     .arg(commission ? QStringLiteral("de la Commission (échéances égales)")
                                     : QStringLiteral("du contrat (dernière échéance ajustée)")));
    lines << led(QStringLiteral("Différé : ") + deferralText(terms.deferral));
    lines << led(QStringLiteral("Assurance : ") + insuranceText(terms.insurance));
    if (!commission) {
      lines << led(QStringLiteral("Période brisée : intérêts sur %1 jours par an")
                       .arg(terms.brokenPeriodDays.value_or(365)));
    }
  } else {
    lines << led(QStringLiteral("***** ECHEANCES *****"));
    if (terms.debitRate) {
      lines << led(QStringLiteral("Taux débiteur : %1 %, période brisée sur %2 jours par an")
                       .arg(statedRate(*terms.debitRate))
                       .arg(terms.brokenPeriodDays.value_or(365)));
    }
  }
  lines << led(QStringLiteral("Première échéance : ") + frenchDateText(offer.firstInstalment));
  if (terms.generated()) lines << led(QStringLiteral("Paliers calculés :"));
  int number = 0;
  for (const GeneratedStep& step : results.generatedSteps)
    lines << stepLine(++number, step.count, kalmoris::euros(step.payment),
                      kalmoris::euros(step.insurance));
  for (const InstalmentStep& step : offer.steps)
    lines << stepLine(++number, step.count, step.amount, step.insurance);
  lines << led(offer.insuranceRequired
                   ? QStringLiteral("Assurance obligatoire : comptée dans le TAEG.")
                   : QStringLiteral("Assurance facultative : comptée dans le TAEA seulement."));
  return lines;
}

QStringList resultLines(const OfferResults& results) {
  QStringList lines;
  lines << kLead << led(QStringLiteral("***** RESULTATS *****"));
  lines << led(QStringLiteral("TAEG (actuariel) : %1 %").arg(percent(results.taeg, 6)));
  if (results.announcedTaeg) {
    lines << led(QStringLiteral("Taux annoncé : %1 %").arg(statedRate(*results.announcedTaeg)));
  }
  lines << led(QStringLiteral("Taux de période : %1 % par %2")
                   .arg(percent(results.periodRate, 10), periodName(results.periodsPerYear)));
  lines << led(QStringLiteral("Taux proportionnel : %1 % (%2 x le taux de période)")
                   .arg(percent(results.proportionalRate, 6))
                   .arg(results.periodsPerYear));
  lines << led(results.taea ? QStringLiteral("TAEA : %1 point").arg(percent(*results.taea, 6))
                            : QStringLiteral("TAEA : non calculable, aucun taux n'équilibre les "
                                             "flux avec ou sans l'assurance."));
  if (results.announcedTaea) {
    lines << led(QStringLiteral("TAEA annoncé : %1 point").arg(statedRate(*results.announcedTaea)));
  }
  if (results.usuryThreshold) {
    lines << led(
        QStringLiteral("Seuil de l'usure : %1 %").arg(statedRate(*results.usuryThreshold)));
  }
  const CreditCost& cost = results.cost;
  lines << kLead << led(QStringLiteral("***** COUT DU CREDIT *****"));
  lines << costLine(QStringLiteral("Intérêts"), cost.interest);
  lines << costLine(QStringLiteral("Assurance obligatoire"), cost.insurance);
  lines << costLine(QStringLiteral("Frais"), cost.fees);
  lines << costLine(QStringLiteral("Total"), cost.total);
  if (cost.optionalInsurance != 0) {
    lines << costLine(QStringLiteral("Assurance facultative, hors total"), cost.optionalInsurance);
  }
  lines << offerControlHeading() << results.control.reportLines();
  return lines;
}

// The grid's columns, each as wide as its widest cell: the date, the flow and the time aligned
// left, the numbers right.
QStringList proofLines(const OfferResults& results) {
  const OfferProof proof = offerProof(results);
  std::vector<QStringList> rows{proofHeaders()};
  for (const ProofRow& row : proof.rows) rows.push_back(proofCells(row));
  const qsizetype columns = rows.front().size();
  std::vector<qsizetype> widths(columns, 0);
  for (const QStringList& row : rows)
    for (qsizetype c = 0; c < columns; ++c) widths[c] = std::max(widths[c], row[c].size());
  const auto leftAligned = [](qsizetype column) { return column <= 1 || column == 7; };
  QStringList grid;
  for (const QStringList& row : rows) {
    QStringList cells;
    for (qsizetype c = 0; c < columns; ++c)
      cells << (leftAligned(c) ? row[c].leftJustified(widths[c])
                               : row[c].rightJustified(widths[c]));
    grid << led(cells.join(u' '));
  }
  const qsizetype gridWidth = grid.front().size() - kLead.size();
  const QString sumLabel = QStringLiteral("Somme des valeurs actualisées :");
  const QString sum = proofSumText(proof);

  QStringList lines;
  lines << led(QStringLiteral("***** PREUVE : CHAQUE FLUX ACTUALISE AU TAEG *****"));
  lines << led(
      QStringLiteral("Montant : le flux compté par le TAEG, vu de l'emprunteur (reçu "
                     "négatif, payé positif)."));
  lines << led(
      QStringLiteral("Capital : capital remboursé ; Restant dû : capital dû après le flux "
                     "(vides sans taux débiteur)."));
  lines << led(
      QStringLiteral("Temps : depuis le premier déblocage, périodes entières puis jours "
                     "sur l'année de 365 ou 366 jours."));
  lines << led(QStringLiteral("Actualisé : Montant x (1 + TAEG) puissance -Années."));
  lines << kLead << grid;
  lines << led(QString(gridWidth, u'-'));
  lines << led(sumLabel + sum.rightJustified(gridWidth - sumLabel.size()));
  return lines;
}

// The first of the sizes at which the widest of the lines fits the page's width, or the last.
template <std::size_t N>
void setFittingSize(PrinterTextStream& out, const QStringList& lines, const int (&sizes)[N]) {
  qsizetype widest = 0;
  for (const QString& line : lines) widest = std::max(widest, line.size());
  for (const int size : sizes) {
    out.font().setSizePoints(size);
    if (out.textWidth(QString(widest, u'0')) <= out.pageWidth()) break;
  }
}

}  // namespace

QStringList OfferReport::lines() const {
  return QStringList{title, kLead} + body + QStringList{kLead} + proof;
}

OfferReport offerReport(const Offer& offer, const OfferResults& results) {
  OfferReport report;
  report.title = led(QStringLiteral("CONTROLE D'UNE OFFRE DE PRET"));
  report.body << offerLines(offer) << instalmentLines(offer, results) << resultLines(results);
  report.proof = proofLines(results);
  return report;
}

void writeOfferReport(PrinterTextStream& out, const OfferReport& report) {
  out.writeLine(kLead);
  out.writeLine(kLead);
  PageFont& font = out.font();
  font.name = kFontName;
  font.color = 0x000000;
  font.setSizePoints(14);
  font.setStyle(true);
  out.writeLine(report.title);
  out.writeLine(kLead);
  font.setStyle(false);
  setFittingSize(out, report.body, kBodySizes);
  for (const QString& line : report.body) out.writeLine(line);
  out.writeLine(kLead);
  setFittingSize(out, report.proof, kProofSizes);
  for (const QString& line : report.proof) out.writeLine(line);
}

}  // namespace kalmoris
