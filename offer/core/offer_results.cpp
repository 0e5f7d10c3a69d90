#include "offer/core/offer_results.h"

#include "core/annex_calendar.h"
#include "core/errors.h"

#include <cmath>

namespace kalmoris {

namespace {

CreditCost costOf(const std::vector<OfferFlow>& flows, bool insuranceRequired) {
  CreditCost cost;
  Real premiums = 0;
  for (const OfferFlow& flow : flows) {
    switch (flow.kind) {
      case FlowKind::Drawdown:
        cost.interest -= flow.amount;
        break;
      case FlowKind::Fee:
        cost.fees += flow.amount;
        break;
      case FlowKind::Instalment:
        cost.interest += flow.amount;
        premiums += flow.insurance;
        break;
    }
  }
  (insuranceRequired ? cost.insurance : cost.optionalInsurance) = premiums;
  cost.total = cost.interest + cost.insurance + cost.fees;
  return cost;
}

// What the law's control reads of the offer: its size is the capital drawn and the instalments.
OfferFigures figuresOf(const Offer& offer, const OfferResults& results) {
  OfferFigures figures;
  figures.nature = offer.nature;
  figures.offerDate = offer.offerDate;
  figures.announced = offer.announcedTaeg;
  figures.actuarial = results.taeg;
  figures.proportional = results.proportionalRate;
  for (const Drawdown& drawdown : offer.drawdowns) figures.size.capital += drawdown.amount;
  for (const OfferFlow& flow : results.flows)
    if (flow.kind == FlowKind::Instalment) ++figures.size.repayments;
  figures.size.repaymentsPerYear = offer.periodsPerYear;
  figures.usuryThreshold = offer.usuryThreshold;
  return figures;
}

Real annualRate(const std::vector<OfferFlow>& flows, InsuranceCounted counted) {
  return solveAnnualRate(ratedAmounts(flows, counted));
}

}  // namespace

OfferResults computeOfferResults(const Offer& offer) {
  OfferResults results;
  results.flows = offerFlows(offer, &results.generatedSteps);
  results.periodsPerYear = offer.periodsPerYear;
  results.monthsPerPeriod = *monthsPerPeriod(offer.periodsPerYear);
  results.nature = offer.nature;
  results.announcedTaeg = offer.announcedTaeg;
  results.announcedTaea = offer.announcedTaea;
  results.usuryThreshold = offer.usuryThreshold;
  results.cost = costOf(results.flows, offer.insuranceRequired);

  // The TAEG shown is one of the TAEA's two rates: with every premium when they are required,
  // without any when they are optional. Without a premium the two are one.
  const bool premiums = results.cost.insurance + results.cost.optionalInsurance != 0;
  const InsuranceCounted shown =
      offer.insuranceRequired ? InsuranceCounted::All : InsuranceCounted::None;
  const Real taeg = annualRate(results.flows, shown);
  results.taeg = checked(taeg * 100);
  const Real period = expm1l(log1pl(taeg) / offer.periodsPerYear);
  results.periodRate = checked(period * 100);
  results.proportionalRate = checked(period * 100 * offer.periodsPerYear);
  if (!premiums) {
    results.taea = 0;
  } else {
    const InsuranceCounted other =
        offer.insuranceRequired ? InsuranceCounted::None : InsuranceCounted::All;
    try {
      const Real otherRate = annualRate(results.flows, other);
      results.taea = checked((offer.insuranceRequired ? taeg - otherRate : otherRate - taeg) * 100);
    } catch (const NoRateFailure&) {
    }
  }
  results.control = controlOffer(figuresOf(offer, results));
  return results;
}

}  // namespace kalmoris
