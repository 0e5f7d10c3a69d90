#pragma once

#include "core/annex_calendar.h"
#include "offer/core/dated_rate.h"
#include "offer/core/offer.h"
#include "offer/core/schedule_generator.h"

#include <QDate>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace kalmoris {

enum class FlowKind { Drawdown, Fee, Instalment };

// One dated flow of an offer.
struct OfferFlow {
  FlowKind kind = FlowKind::Instalment;
  int number = 0;  // the drawdown's, the fee's or the instalment's number in the offer, from 1
  QDate date;      // the day paid: a day of the schedule a month lacks is the month's last day
  // A drawdown's capital, a fee, or an instalment without its insurance.
  Real amount = 0;
  Real insurance = 0;  // an instalment's premium
  bool insuranceRequired = false;
  QString label;   // a fee's
  AnnexTime time;  // from the first drawdown, in the offer's periods and days
  // An instalment's interest and capital: the generated schedule's, or the typed steps' at the
  // debit rate the offer states; none when it states none.
  std::optional<InstalmentSplit> split;
};

// The flows of an offer in date order (drawdowns, then fees, then instalments on the same day),
// after checkOffer, whose OfferFailure it raises. The instalments are the typed steps' or those
// generated from the terms (whose steps go to `generatedSteps` when given); they fall every
// 12 / periodicity months on the day of the month of the first one, each timed from the day it
// is named for, so that a schedule of the 31st counts whole months.
std::vector<OfferFlow> offerFlows(const Offer& offer,
                                  std::vector<GeneratedStep>* generatedSteps = nullptr);

// Which premiums a rate counts with the instalments.
enum class InsuranceCounted { None, Required, All };

// The flows as a rate sees them: the drawdowns received by the borrower, the fees and the
// instalments (with the premiums counted) paid.
std::vector<DatedAmount> ratedAmounts(std::span<const OfferFlow> flows, InsuranceCounted counted);

}  // namespace kalmoris
