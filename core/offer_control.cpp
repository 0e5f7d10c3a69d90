#include "core/offer_control.h"

#include "core/offer_verdict.h"

namespace kalmoris {

namespace {

const QString kLead = QStringLiteral("    ");

}  // namespace

QStringList OfferControl::texts() const {
  QStringList lines;
  for (const auto& line : {verdict, information, category, usury})
    if (line) lines << line->text;
  return lines;
}

QStringList OfferControl::reportLines() const {
  QStringList lines;
  for (const QString& text : texts()) lines << kLead + text;
  return lines;
}

OfferControl controlOffer(const OfferFigures& figures) {
  OfferControl control;
  control.counting = countingRate(figures.nature, figures.offerDate);
  const bool actuarialCounts = control.counting.kind == RateKind::Actuarial;
  const Real counted = actuarialCounts ? figures.actuarial : figures.proportional;
  const Real other = actuarialCounts ? figures.proportional : figures.actuarial;
  if (figures.nature != LoanNature::None) {
    control.verdict = offerVerdictLine(control.counting, figures.announced, counted);
    control.information = offerInformationLine(control.counting, figures.announced, other);
    control.category = usuryCategoryLine(figures.nature, figures.offerDate, figures.size);
  }
  if (figures.usuryThreshold && figures.nature != LoanNature::Professionnel)
    control.usury = usuryCeilingLine(control.counting, counted, *figures.usuryThreshold);
  return control;
}

QStringList offerControlHeading() {
  return {kLead, kLead + QStringLiteral("***** CONTROLE DU TEG ANNONCE *****")};
}

}  // namespace kalmoris
