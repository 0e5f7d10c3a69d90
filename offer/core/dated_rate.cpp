#include "offer/core/dated_rate.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>

namespace kalmoris {

namespace {

// Below this |x| times the farthest time, no discount e^(-t x) of a flow, nor any power it is
// built from, leaves the extended format (e^11356), even summed over every flow.
constexpr Real kFastExponent = 11000;
// A jump of more periods than this between two flows takes its power at once.
constexpr int kLongestRun = 64;

int signOf(Real value) {
  return value > 0 ? 1 : -1;
}

}  // namespace

DatedPresentValue::DatedPresentValue(std::span<const DatedAmount> flows) {
  if (!flows.empty()) periodsPerYear_ = flows.front().time.periodsPerYear;
  std::vector<DatedAmount> sorted(flows.begin(), flows.end());
  for (const DatedAmount& flow : sorted) {
    if (flow.time.periodsPerYear != periodsPerYear_) {
      throw std::invalid_argument("dated flows counted in periods of different lengths");
    }
  }
  std::stable_sort(sorted.begin(), sorted.end(), [](const DatedAmount& a, const DatedAmount& b) {
    return a.time.years() < b.time.years();
  });
  // Flows at the same time are one flow: its net amount.
  for (std::size_t k = 0; k < sorted.size();) {
    const Real years = sorted[k].time.years();
    const AnnexTime& time = sorted[k].time;
    Real net = 0;
    for (; k < sorted.size() && sorted[k].time.years() == years; ++k) net += sorted[k].amount;
    if (net == 0) continue;
    const Real dayYears = static_cast<Real>(time.days) / time.yearDays;
    const auto known = std::find(dayYears_.begin(), dayYears_.end(), dayYears);
    const int dayIndex = int(known - dayYears_.begin());
    if (known == dayYears_.end()) dayYears_.push_back(dayYears);
    flows_.push_back({time.wholePeriods, dayIndex, years, net});
  }
  factors_.resize(flows_.size());
  dayFactors_.resize(dayYears_.size());
  if (flows_.size() < 2) return;  // one sign: no rate

  Real afterFirst = 0;
  Real beforeLast = 0;
  for (std::size_t k = 0; k < flows_.size(); ++k) {
    const Real size = fabsl(flows_[k].amount);
    if (k > 0) {
      afterFirst += size;
      if (signOf(flows_[k].amount) != signOf(flows_[k - 1].amount)) ++shape_.signChanges;
    }
    if (k + 1 < flows_.size()) beforeLast += size;
  }
  // Far above, the first flow outweighs all the later ones together, and far below the last
  // flow all the earlier ones: beyond these bounds the sign is theirs.
  const Flow& first = flows_.front();
  const Flow& last = flows_.back();
  shape_.highestX = DominanceBound(afterFirst, first.amount, flows_[1].years - first.years);
  shape_.lowestX = -DominanceBound(beforeLast, last.amount, last.years - flows_.end()[-2].years);
  shape_.signAbove = signOf(first.amount);
  shape_.signBelow = signOf(last.amount);
  farthest_ = std::max(fabsl(first.years), fabsl(last.years));
}

CurvePoint DatedPresentValue::at(Real x, Real rate, bool withSlopes) const {
  if (fabsl(x) * farthest_ > kFastExponent) return flowByFlow(x, rate, withSlopes);
  const Real period = expl(-x / periodsPerYear_);
  for (std::size_t d = 0; d < dayYears_.size(); ++d) dayFactors_[d] = expl(-x * dayYears_[d]);
  int reached = 0;
  Real periods = 1;
  for (std::size_t k = 0; k < flows_.size(); ++k) {
    const int wanted = flows_[k].periods;
    if (wanted >= reached && wanted - reached <= kLongestRun) {
      for (; reached < wanted; ++reached) periods *= period;
    } else {
      periods = expl(-x * wanted / periodsPerYear_);
      reached = wanted;
    }
    factors_[k] = periods * dayFactors_[std::size_t(flows_[k].dayIndex)];
  }

  Real paid = 0;
  Real received = 0;
  Real paidMoment = 0;
  Real receivedMoment = 0;
  for (std::size_t k = 0; k < flows_.size(); ++k) {
    const Real weight = factors_[k] * flows_[k].amount;
    if (weight > 0) {
      paid += weight;
      paidMoment += weight * flows_[k].years;
    } else {
      received -= weight;
      receivedMoment -= weight * flows_[k].years;
    }
  }
  // Scaled on the nearest flow, as flowByFlow scales it.
  const Real reference = x >= 0 ? flows_.front().years : flows_.back().years;
  CurvePoint point;
  point.x = x;
  point.rate = rate;
  point.value = checked((paid - received) * expl(reference * x));
  if (withSlopes) {
    point.logPaid = logl(paid);
    point.logReceived = logl(received);
    point.slopePaid = -paidMoment / paid;
    point.slopeReceived = -receivedMoment / received;
  }
  return point;
}

CurvePoint DatedPresentValue::flowByFlow(Real x, Real rate, bool withSlopes) const {
  const Real reference = x >= 0 ? flows_.front().years : flows_.back().years;
  const auto exponent = [&](const Flow& flow) { return -(flow.years - reference) * x; };
  // Each part gets its own scale when its logarithm is wanted, so that neither vanishes.
  Real shiftPaid = 0;
  Real shiftReceived = 0;
  if (withSlopes) {
    shiftPaid = shiftReceived = -LDBL_MAX;
    for (const Flow& flow : flows_) {
      Real& shift = flow.amount > 0 ? shiftPaid : shiftReceived;
      shift = std::max(shift, exponent(flow));
    }
  }
  Real paid = 0;
  Real received = 0;
  Real paidMoment = 0;
  Real receivedMoment = 0;
  for (const Flow& flow : flows_) {
    const bool pays = flow.amount > 0;
    const Real weight =
        expl(exponent(flow) - (pays ? shiftPaid : shiftReceived)) * fabsl(flow.amount);
    (pays ? paid : received) += weight;
    (pays ? paidMoment : receivedMoment) += weight * flow.years;
  }
  CurvePoint point;
  point.x = x;
  point.rate = rate;
  if (!withSlopes) {
    point.value = checked(paid - received);
    return point;
  }
  point.value = checked(paid * expl(shiftPaid) - received * expl(shiftReceived));
  point.logPaid = logl(paid) + shiftPaid - reference * x;
  point.logReceived = logl(received) + shiftReceived - reference * x;
  point.slopePaid = -paidMoment / paid;
  point.slopeReceived = -receivedMoment / received;
  return point;
}

Real solveAnnualRate(std::span<const DatedAmount> flows, int* evaluations) {
  int counted = 0;
  const DatedPresentValue curve(flows);
  const Real rate = SearchRate(curve, curve.shape(), 0, counted);
  if (evaluations != nullptr) *evaluations += counted;
  return rate;
}

}  // namespace kalmoris
