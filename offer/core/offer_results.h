#pragma once

#include "core/offer_control.h"
#include "offer/core/offer.h"
#include "offer/core/offer_flows.h"

#include <optional>
#include <vector>

namespace kalmoris {

// The cost of the credit, in euros, as the TAEG counts it: the required insurance is part of it,
// as the law counts it; the optional insurance is shown apart, outside the total.
struct CreditCost {
  Real interest = 0;   // the instalments without insurance, less the capital drawn
  Real insurance = 0;  // the required premiums
  Real fees = 0;
  Real total = 0;  // interest + insurance + fees
  Real optionalInsurance = 0;
};

// Everything a screen, a report or a JSON output shows of an offer, computed once. Rates are in
// percent (6,434412 means 6.434412 %), exact to the extended format; the TAEA in points.
struct OfferResults {
  std::vector<OfferFlow> flows;  // in date order, each with its time from the first drawdown
  // The steps of the instalments generated from the offer's terms; none for typed steps.
  std::vector<GeneratedStep> generatedSteps;
  int periodsPerYear = 12;
  int monthsPerPeriod = 1;
  Real taeg = 0;              // annual, actuarial, with the required insurance only
  Real periodRate = 0;        // (1 + TAEG)^(1 / periodsPerYear) - 1
  Real proportionalRate = 0;  // periodsPerYear x the period rate
  // The TAEG with every premium the offer proposes less the TAEG without any; none when one of
  // the two has no rate.
  std::optional<Real> taea;
  CreditCost cost;
  // As the offer states them, beside the computed ones.
  LoanNature nature = LoanNature::Immobilier;
  std::optional<Real> announcedTaeg;
  std::optional<Real> announcedTaea;
  std::optional<Real> usuryThreshold;
  // The control of the offer as the law reads it: lb_verdict, lb_information, lb_categorie and
  // lb_usure, on the TAEG, the proportional rate and the announced rate.
  OfferControl control;
};

// The results of an offer. Raises the OfferFailure of checkOffer, or NoRateFailure when no rate
// balances the flows of the TAEG.
OfferResults computeOfferResults(const Offer& offer);

}  // namespace kalmoris
