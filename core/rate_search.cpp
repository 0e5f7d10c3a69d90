#include "core/rate_search.h"

#include "core/errors.h"
#include "core/rate_bracketing.h"

#include <algorithm>
#include <cmath>
#include <vector>

// With x = ln(1 + i), a group of n payments a starting t periods from the origin is worth
// a (e^(-t x) - e^(-(t + n) x)) / i, that is x / i times the integral of a e^(-u x) over the
// times u from t to t + n. So the present value is x / i (always positive) times the integral of
// the payment rate of the whole schedule against e^(-u x): the rates are the zeros of that
// integral, and it has no more zeros than the payment rate changes sign. Each part of it, paid
// or received, is a sum of exponentials in x and so has a convex logarithm; this bounds the
// integral between sample points.

namespace kalmoris {

namespace {

// From `start` for `width` periods, `payment` is paid every period: the sum of the groups
// running then, a group of negative count running backwards with the opposite sign.
struct Slice {
  Real start;
  Real width;
  Real payment;
};

std::vector<Slice> slicesOf(std::span<const SchedulePoint> schedule) {
  struct Edge {
    Real at;
    Real payment;
    int running;
  };
  std::vector<Edge> edges;
  Real offset = 0;
  for (const SchedulePoint& group : schedule) {
    const Real end = offset + group.count;
    if (group.payment != 0 && group.count != 0) {
      const int way = group.count > 0 ? 1 : -1;
      edges.push_back({offset, group.payment, way});
      edges.push_back({end, -group.payment, -way});
    }
    offset = end;
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.at < b.at; });
  std::vector<Slice> slices;
  Real payment = 0;
  int running = 0;
  for (std::size_t e = 0; e < edges.size();) {
    const Real at = edges[e].at;
    for (; e < edges.size() && edges[e].at == at; ++e) {
      payment += edges[e].payment;
      running += edges[e].running;
    }
    // Where no group runs nothing is paid, whatever the rounding of the sums left.
    if (running == 0) payment = 0;
    if (e < edges.size() && payment != 0)
      slices.push_back({at, checked(edges[e].at - at), payment});
  }
  return slices;
}

// Where in a slice of width w the weight e^(-u x) puts its mean, as a fraction of w from the end
// where it is largest: 1 / y - 1 / (e^y - 1) with y = w |x|, and `lost` = e^(-y) - 1.
Real meanFraction(Real y, Real lost) {
  if (y < 1e-3L) return 0.5L - y / 12 + y * y * y / 720;
  return 1 / y + (1 + lost) / lost;
}

// The integral at one x. `value` is scaled by e^(ref x), ref the earliest time above x = 0 and the
// latest below, so that no slice weighs more than its width and nothing overflows.
class SliceCurve : public PresentValueCurve {
 public:
  explicit SliceCurve(std::vector<Slice> slices)
      : slices_(std::move(slices)),
        earliest_(slices_.front().start),
        latest_(slices_.back().start + slices_.back().width) {}

  CurvePoint at(Real x, Real rate, bool withSlopes) const override;

 private:
  std::vector<Slice> slices_;
  Real earliest_;
  Real latest_;
};

CurvePoint SliceCurve::at(Real x, Real rate, bool withSlopes) const {
  const bool above = x >= 0;
  const Real ref = above ? earliest_ : latest_;
  const Real size = fabsl(x);
  std::vector<CurveTerm> terms;
  terms.reserve(slices_.size());
  for (const Slice& slice : slices_) {
    const Real nearEnd = above ? slice.start : slice.start + slice.width;
    const Real y = slice.width * size;
    const Real lost = expm1l(-y);
    CurveTerm& term = terms.emplace_back();
    term.exponent = -(nearEnd - ref) * x;
    term.factor = size == 0 ? slice.width : -lost / size;
    term.amount = fabsl(slice.payment);
    term.pays = slice.payment > 0;
    if (withSlopes) {
      const Real fraction = meanFraction(y, lost);
      term.mean = slice.start + slice.width * (above ? fraction : 1 - fraction);
    }
  }
  return ScaledCurvePoint(terms, x, rate, ref, withSlopes);
}

}  // namespace

Real SearchPeriodRate(std::span<const SchedulePoint> schedule, Real from, int& evaluations) {
  std::vector<Slice> slices = slicesOf(schedule);
  if (slices.empty()) failNoRate();
  CurveShape shape;
  Real afterFirst = 0;
  Real beforeLast = 0;
  for (std::size_t k = 0; k < slices.size(); ++k) {
    const Real size = fabsl(slices[k].payment);
    if (k > 0) {
      afterFirst = std::max(afterFirst, size);
      if ((slices[k].payment > 0) != (slices[k - 1].payment > 0)) ++shape.signChanges;
    }
    if (k + 1 < slices.size()) beforeLast = std::max(beforeLast, size);
  }
  // Far above, the first slice outweighs all the later ones together, and far below the last
  // slice all the earlier ones: beyond these bounds the sign is theirs.
  const Slice& first = slices.front();
  const Slice& last = slices.back();
  shape.highestX = DominanceBound(afterFirst, first.payment, first.width);
  shape.lowestX = -DominanceBound(beforeLast, last.payment, last.width);
  shape.signAbove = first.payment > 0 ? 1 : -1;
  shape.signBelow = last.payment > 0 ? 1 : -1;
  return SearchRate(SliceCurve(std::move(slices)), shape, from, evaluations);
}

}  // namespace kalmoris
