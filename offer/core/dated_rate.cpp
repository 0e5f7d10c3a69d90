#include "offer/core/dated_rate.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kalmoris {

namespace {

// Below this |x| times the farthest time, no discount e^(-t x) of a flow, nor any power it is
// built from, leaves the extended format (e^11356), even summed over every flow.
constexpr Real kFastExponent = 11000;
// The discount of whole periods is multiplied period after period along the schedule, and taken
// afresh at every multiple of this count, so that the rounding of the products does not build up.
constexpr int kAnchor = 32;
// The first cells of the search from X = 0 are about a tenth of a point wide: annual rates lie
// some points from 0, where cells of doubling width reach in a few steps.
constexpr Real kFirstCell = 0x1p-10L;

int signOf(Real value) {
  return value > 0 ? 1 : -1;
}

}  // namespace

DatedPresentValue::DatedPresentValue(std::span<const DatedAmount> flows) {
  if (!flows.empty()) periodsPerYear_ = flows.front().time.periodsPerYear;
  struct Timed {
    Real years;
    const DatedAmount* flow;
  };
  std::vector<Timed> sorted;
  sorted.reserve(flows.size());
  for (const DatedAmount& flow : flows) {
    if (flow.time.periodsPerYear != periodsPerYear_) {
      throw std::invalid_argument("dated flows counted in periods of different lengths");
    }
    sorted.push_back({flow.time.years(), &flow});
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Timed& a, const Timed& b) { return a.years < b.years; });
  // Flows at the same time are one flow: its net amount.
  for (std::size_t k = 0; k < sorted.size();) {
    const Real years = sorted[k].years;
    const AnnexTime& time = sorted[k].flow->time;
    Real net = 0;
    for (; k < sorted.size() && sorted[k].years == years; ++k) net += sorted[k].flow->amount;
    if (net == 0) continue;
    const Real dayYears = static_cast<Real>(time.days) / time.yearDays;
    const auto known = std::find(dayYears_.begin(), dayYears_.end(), dayYears);
    const int dayIndex = int(known - dayYears_.begin());
    if (known == dayYears_.end()) dayYears_.push_back(dayYears);
    flows_.push_back({time.wholePeriods, dayIndex, years, net});
  }
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

template <typename Visit>
void DatedPresentValue::eachDiscount(Real x, Visit visit) const {
  const Real period = expl(-x / periodsPerYear_);
  for (std::size_t d = 0; d < dayYears_.size(); ++d) dayFactors_[d] = expl(-x * dayYears_[d]);
  int reached = 0;
  Real periods = 1;  // the discount of `reached` periods
  for (const Flow& flow : flows_) {
    if (flow.periods != reached) {
      if (flow.periods > reached && flow.periods / kAnchor == reached / kAnchor) {
        for (; reached < flow.periods; ++reached) periods *= period;
      } else {
        periods = expl(-x * flow.periods / periodsPerYear_);
        reached = flow.periods;
      }
    }
    visit(flow, periods * dayFactors_[std::size_t(flow.dayIndex)]);
  }
}

CurvePoint DatedPresentValue::at(Real x, Real rate, bool withSlopes) const {
  if (fabsl(x) * farthest_ > kFastExponent) return flowByFlow(x, rate, withSlopes);
  // Scaled on the nearest flow, as flowByFlow scales it.
  const Real reference = x >= 0 ? flows_.front().years : flows_.back().years;
  CurvePoint point;
  point.x = x;
  point.rate = rate;
  if (!withSlopes) {
    Real sum = 0;
    eachDiscount(x, [&](const Flow& flow, Real discount) { sum += discount * flow.amount; });
    point.value = checked(sum * expl(reference * x));
    return point;
  }
  Real paid = 0;
  Real received = 0;
  Real paidMoment = 0;
  Real receivedMoment = 0;
  eachDiscount(x, [&](const Flow& flow, Real discount) {
    const Real weight = discount * flow.amount;
    if (weight > 0) {
      paid += weight;
      paidMoment += weight * flow.years;
    } else {
      received -= weight;
      receivedMoment -= weight * flow.years;
    }
  });
  point.value = checked((paid - received) * expl(reference * x));
  point.logPaid = logl(paid);
  point.logReceived = logl(received);
  point.slopePaid = -paidMoment / paid;
  point.slopeReceived = -receivedMoment / received;
  return point;
}

CurvePoint DatedPresentValue::flowByFlow(Real x, Real rate, bool withSlopes) const {
  const Real reference = x >= 0 ? flows_.front().years : flows_.back().years;
  std::vector<CurveTerm> terms;
  terms.reserve(flows_.size());
  for (const Flow& flow : flows_) {
    CurveTerm& term = terms.emplace_back();
    term.exponent = -(flow.years - reference) * x;
    term.amount = fabsl(flow.amount);
    term.pays = flow.amount > 0;
    term.mean = flow.years;
  }
  return ScaledCurvePoint(terms, x, rate, reference, withSlopes);
}

Real solveAnnualRate(std::span<const DatedAmount> flows, int* evaluations) {
  int counted = 0;
  const DatedPresentValue curve(flows);
  const Real rate = SearchRate(curve, curve.shape(), 0, counted, kFirstCell);
  if (evaluations != nullptr) *evaluations += counted;
  return rate;
}

}  // namespace kalmoris
