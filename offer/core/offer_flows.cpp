#include "offer/core/offer_flows.h"

#include "offer/core/offer_checks.h"

#include <algorithm>

namespace kalmoris {

std::vector<OfferFlow> offerFlows(const Offer& offer, std::vector<GeneratedStep>* generatedSteps) {
  checkOffer(offer);
  const QDate origin = offer.drawdowns.front().date;
  const int perYear = offer.periodsPerYear;
  const auto timeOf = [&](ScheduleDay day) { return annexTime(origin, day, perYear); };
  std::vector<OfferFlow> flows;

  for (std::size_t d = 0; d < offer.drawdowns.size(); ++d) {
    const Drawdown& drawdown = offer.drawdowns[d];
    OfferFlow flow;
    flow.kind = FlowKind::Drawdown;
    flow.number = int(d) + 1;
    flow.date = drawdown.date;
    flow.amount = drawdown.amount;
    flow.time = timeOf(ScheduleDay::of(drawdown.date));
    flows.push_back(flow);
  }
  for (std::size_t f = 0; f < offer.fees.size(); ++f) {
    const OfferFee& fee = offer.fees[f];
    OfferFlow flow;
    flow.kind = FlowKind::Fee;
    flow.number = int(f) + 1;
    flow.date = fee.date.value_or(origin);
    flow.amount = fee.amount;
    flow.label = fee.label;
    flow.time = timeOf(ScheduleDay::of(flow.date));
    flows.push_back(flow);
  }

  const int monthsApart = *monthsPerPeriod(perYear);
  const ScheduleDay first = ScheduleDay::of(offer.firstInstalment);
  // Whole periods counted back from an instalment fall on the named days of those before it, down
  // to the first: each instalment is timed as the first, with one period more than the one before.
  const AnnexTime firstTime = timeOf(first);
  int number = 0;
  const auto addInstalment = [&](Real amount, Real insurance,
                                 std::optional<InstalmentSplit> split) {
    OfferFlow flow;
    flow.kind = FlowKind::Instalment;
    flow.date = first.addMonths(number * monthsApart).date();
    flow.number = ++number;
    flow.amount = amount;
    flow.insurance = insurance;
    flow.insuranceRequired = offer.insuranceRequired;
    flow.time = firstTime;
    flow.time.wholePeriods += number - 1;
    flow.split = split;
    flows.push_back(flow);
  };
  if (offer.terms.generated()) {
    const GeneratedSchedule schedule = generateSchedule(offer);
    for (const GeneratedInstalment& row : schedule.instalments)
      addInstalment(euros(row.payment), euros(row.insurance), row.split);
    if (generatedSteps) *generatedSteps = schedule.steps;
  } else {
    const std::vector<InstalmentSplit> splits = splitTypedInstalments(offer);
    for (const InstalmentStep& step : offer.steps) {
      for (int k = 0; k < step.count; ++k) {
        std::optional<InstalmentSplit> split;
        if (!splits.empty()) split = splits[number];
        addInstalment(step.amount, step.insurance, split);
      }
    }
  }

  std::stable_sort(flows.begin(), flows.end(), [](const OfferFlow& a, const OfferFlow& b) {
    return a.date != b.date ? a.date < b.date : a.kind < b.kind;
  });
  return flows;
}

std::vector<DatedAmount> ratedAmounts(std::span<const OfferFlow> flows, InsuranceCounted counted) {
  std::vector<DatedAmount> amounts;
  amounts.reserve(flows.size());
  for (const OfferFlow& flow : flows) {
    switch (flow.kind) {
      case FlowKind::Drawdown:
        amounts.push_back({flow.time, -flow.amount});
        break;
      case FlowKind::Fee:
        amounts.push_back({flow.time, flow.amount});
        break;
      case FlowKind::Instalment: {
        const bool withPremium = counted == InsuranceCounted::All ||
                                 (counted == InsuranceCounted::Required && flow.insuranceRequired);
        amounts.push_back({flow.time, flow.amount + (withPremium ? flow.insurance : 0)});
        break;
      }
    }
  }
  return amounts;
}

}  // namespace kalmoris
