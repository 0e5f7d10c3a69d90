#include "core/rate_bracketing.h"

#include "core/errors.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <vector>

namespace kalmoris {

namespace {

int signOf(Real value) {
  return value > 0 ? 1 : -1;
}

class RateSearch {
 public:
  RateSearch(const PresentValueCurve& curve, int& evaluations)
      : curve_(curve), evaluations_(evaluations) {}

  CurvePoint at(Real x, bool withSlopes = false) {
    ++evaluations_;
    return curve_.at(x, checked(expm1l(x)), withSlopes);
  }
  CurvePoint atRate(Real rate) {
    ++evaluations_;
    return curve_.at(log1pl(rate), rate, false);
  }

  // Where the present value crosses zero between two points of opposite signs (or one zero).
  Real refine(CurvePoint low, CurvePoint high);

  // Two points around a change of sign between two points, if the sign is not proved constant
  // between them; the half at `low` is searched first when `lowFirst`, else the half at `high`.
  std::optional<std::pair<CurvePoint, CurvePoint>> hiddenChange(const CurvePoint& low,
                                                                const CurvePoint& high,
                                                                bool lowFirst);

 private:
  std::optional<std::pair<CurvePoint, CurvePoint>> lowestPoint(const CurvePoint& low,
                                                               const CurvePoint& high);

  const PresentValueCurve& curve_;
  int& evaluations_;
};

// Brent's method from two ends of opposite signs, until the bracket (b, c) is narrower than
// twice `relative` times |b|; b is the end whose value is nearer zero.
struct Bracket {
  Real b;
  Real fb;
  Real c;
  Real fc;
};

template <typename Value>
Bracket brent(Value value, Real a, Real fa, Real b, Real fb, Real relative) {
  Real c = a;
  Real fc = fa;
  Real d = b - a;
  Real e = d;
  // It needs far fewer steps; the bound only keeps a bad bracket from running on.
  for (int step = 0; step < 1000; ++step) {
    if (signOf(fb) == signOf(fc)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (fabsl(fc) < fabsl(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const Real tolerance = relative * fabsl(b) + LDBL_MIN;
    const Real half = (c - b) / 2;
    if (fabsl(half) <= tolerance || fb == 0) return {b, fb, c, fc};
    if (fabsl(e) >= tolerance && fabsl(fa) > fabsl(fb)) {
      // Inverse quadratic interpolation, or the secant when only two points are known.
      Real p;
      Real q;
      const Real s = fb / fa;
      if (a == c) {
        p = 2 * half * s;
        q = 1 - s;
      } else {
        const Real qa = fa / fc;
        const Real r = fb / fc;
        p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
        q = (qa - 1) * (r - 1) * (s - 1);
      }
      if (p > 0) {
        q = -q;
      } else {
        p = -p;
      }
      if (2 * p < std::min(3 * half * q - fabsl(tolerance * q), fabsl(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = half;
      }
    } else {
      d = e = half;
    }
    a = b;
    fa = fb;
    b += fabsl(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
    fb = value(b);
  }
  return {b, fb, c, fc};
}

Real RateSearch::refine(CurvePoint low, CurvePoint high) {
  if (low.value == 0) return low.rate;
  if (high.value == 0) return high.rate;
  // A rate of zero is found as it is, and each side of it has its own scale.
  if (low.x < 0 && high.x > 0) {
    const CurvePoint zero = at(0);
    if (zero.value == 0) return 0;
    (signOf(zero.value) == signOf(low.value) ? low : high) = zero;
  }
  // In x down to a narrow bracket, since rates span many binades; then in the rate itself.
  const Bracket wide =
      brent([&](Real x) { return at(x).value; }, low.x, low.value, high.x, high.value, 0x1p-24L);
  if (wide.fb == 0) return expm1l(wide.b);
  const CurvePoint b = at(wide.b);
  const CurvePoint c = at(wide.c);
  if (signOf(b.value) == signOf(c.value) || b.value == 0 || c.value == 0) {
    return fabsl(b.value) <= fabsl(c.value) ? b.rate : c.rate;
  }
  const Bracket narrow = brent([&](Real rate) { return atRate(rate).value; }, c.rate, c.value,
                               b.rate, b.value, LDBL_EPSILON);
  return narrow.b;
}

// Whether the part whose logarithm is `upper` (convex, so above its tangents at both ends) stays
// above the part whose logarithm is `lower` (convex, so below its chord) between a and b.
bool staysAbove(Real a, Real b, Real upperA, Real slopeA, Real upperB, Real slopeB, Real lowerA,
                Real lowerB) {
  const Real width = b - a;
  const auto tangents = [&](Real x) {
    return std::max(upperA + slopeA * (x - a), upperB + slopeB * (x - b));
  };
  const auto chord = [&](Real x) { return lowerA + (lowerB - lowerA) * ((x - a) / width); };
  Real closest = std::min(tangents(a) - chord(a), tangents(b) - chord(b));
  if (slopeA < slopeB) {
    const Real cross = (upperB - upperA + slopeA * a - slopeB * b) / (slopeA - slopeB);
    if (cross > a && cross < b) closest = std::min(closest, tangents(cross) - chord(cross));
  }
  // Room for the rounding of the logarithms and of the slopes.
  const Real margin = 1e-9L + 1e-15L * (fabsl(upperA) + fabsl(upperB) + fabsl(lowerA) +
                                        fabsl(lowerB) + (fabsl(slopeA) + fabsl(slopeB)) * width);
  return closest > margin;
}

std::optional<std::pair<CurvePoint, CurvePoint>> RateSearch::hiddenChange(const CurvePoint& low,
                                                                          const CurvePoint& high,
                                                                          bool lowFirst) {
  if (low.value == 0 || high.value == 0 || signOf(low.value) != signOf(high.value)) {
    return std::pair{low, high};
  }
  if (staysAbove(low.x, high.x, low.logPaid, low.slopePaid, high.logPaid, high.slopePaid,
                 low.logReceived, high.logReceived) ||
      staysAbove(low.x, high.x, low.logReceived, low.slopeReceived, high.logReceived,
                 high.slopeReceived, low.logPaid, high.logPaid)) {
    return std::nullopt;
  }
  // Once the bounds are as tight as their rounding, the parts come within that of each other in
  // this cell: only the lowest point of the present value, found by golden section, tells
  // whether they cross or touch.
  const Real width = high.x - low.x;
  const Real slack =
      std::max(high.slopePaid - low.slopePaid, high.slopeReceived - low.slopeReceived) * width / 4;
  const Real scale = std::max({Real(1), fabsl(low.x), fabsl(high.x)});
  if (slack <= 1e-8L || width <= 0x1p-40L * scale) return lowestPoint(low, high);
  const CurvePoint middle = at(low.x + (high.x - low.x) / 2, true);
  const auto first = lowFirst ? hiddenChange(low, middle, true) : hiddenChange(middle, high, false);
  if (first) return first;
  return lowFirst ? hiddenChange(middle, high, true) : hiddenChange(low, middle, false);
}

std::optional<std::pair<CurvePoint, CurvePoint>> RateSearch::lowestPoint(const CurvePoint& low,
                                                                         const CurvePoint& high) {
  const int side = signOf(low.value);
  const Real golden = (sqrtl(5) - 1) / 2;
  Real a = low.x;
  Real b = high.x;
  CurvePoint c = at(b - golden * (b - a));
  CurvePoint d = at(a + golden * (b - a));
  const Real scale = std::max({Real(1), fabsl(a), fabsl(b)});
  while (b - a > 0x1p-40L * scale) {
    for (const CurvePoint& p : {c, d}) {
      if (p.value == 0 || signOf(p.value) != side) return std::pair{low, p};
    }
    if (side * c.value < side * d.value) {
      b = d.x;
      d = c;
      c = at(b - golden * (b - a));
    } else {
      a = c.x;
      c = d;
      d = at(a + golden * (b - a));
    }
  }
  return std::nullopt;
}

// Rates between these are the ones the extended format can hold: 1 + i down to 2^-64, i up to
// about e^11356.
const Real kLowestX = -64 * logl(2);
constexpr Real kHighestX = 11356;

}  // namespace

Real DominanceBound(Real others, Real nearest, Real gap) {
  const Real x = log1pl(others / fabsl(nearest)) / gap;
  return x * (1 + 0x1p-20L) + 0x1p-20L;
}

Real SearchRate(const PresentValueCurve& curve, const CurveShape& shape, Real from,
                int& evaluations, Real firstCell) {
  if (shape.signChanges == 0) failNoRate();
  const Real bounds[2] = {std::min(shape.highestX, kHighestX), std::max(shape.lowestX, kLowestX)};
  const int farSigns[2] = {shape.signAbove, shape.signBelow};

  RateSearch search(curve, evaluations);
  const bool proving = shape.signChanges > 1;
  const Real x0 = std::clamp(log1pl(from), bounds[1], bounds[0]);
  const CurvePoint start = search.at(x0);
  if (start.value == 0) return start.rate;
  std::vector<CurvePoint> walked[2] = {{start}, {start}};
  // With one change of sign there is one rate, on the side whose far sign is not the start's.
  bool open[2];
  for (int side = 0; side < 2; ++side) {
    open[side] = (side == 0 ? x0 < bounds[0] : x0 > bounds[1]) &&
                 (proving || farSigns[side] != signOf(start.value));
  }
  Real step = firstCell * std::max(Real(1), fabsl(x0));
  while (open[0] || open[1]) {
    for (int side = 0; side < 2; ++side) {
      if (!open[side]) continue;
      Real x = side == 0 ? x0 + step : x0 - step;
      if (side == 0 ? x >= bounds[0] : x <= bounds[1]) {
        x = bounds[side];
        open[side] = false;
      }
      const CurvePoint reached = search.at(x);
      const CurvePoint& previous = walked[side].back();
      if (reached.value == 0 || signOf(reached.value) != signOf(previous.value)) {
        return side == 0 ? search.refine(previous, reached) : search.refine(reached, previous);
      }
      walked[side].push_back(reached);
    }
    step *= 2;
  }
  if (!proving) failNoRate();

  // Two rates or more may hide inside one cell: prove each cell free of them, in the same order.
  for (auto& points : walked) {
    for (CurvePoint& point : points) point = search.at(point.x, true);
  }
  for (std::size_t cell = 0; cell + 1 < std::max(walked[0].size(), walked[1].size()); ++cell) {
    for (int side = 0; side < 2; ++side) {
      if (cell + 1 >= walked[side].size()) continue;
      const CurvePoint& nearer = walked[side][cell];
      const CurvePoint& farther = walked[side][cell + 1];
      const auto change = side == 0 ? search.hiddenChange(nearer, farther, true)
                                    : search.hiddenChange(farther, nearer, false);
      if (change) return search.refine(change->first, change->second);
    }
  }
  failNoRate();
}

CurvePoint ScaledCurvePoint(std::span<const CurveTerm> terms, Real x, Real rate, Real reference,
                            bool withSlopes) {
  Real shiftPaid = 0;
  Real shiftReceived = 0;
  if (withSlopes) {
    shiftPaid = shiftReceived = -LDBL_MAX;
    for (const CurveTerm& term : terms) {
      Real& shift = term.pays ? shiftPaid : shiftReceived;
      shift = std::max(shift, term.exponent);
    }
  }
  Real paid = 0;
  Real received = 0;
  Real paidMoment = 0;
  Real receivedMoment = 0;
  for (const CurveTerm& term : terms) {
    const Real weight =
        expl(term.exponent - (term.pays ? shiftPaid : shiftReceived)) * term.factor * term.amount;
    (term.pays ? paid : received) += weight;
    if (withSlopes) (term.pays ? paidMoment : receivedMoment) += weight * term.mean;
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

}  // namespace kalmoris
