#include "core/rate_search.h"

#include "core/errors.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
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

int signOf(Real value) {
  return value > 0 ? 1 : -1;
}

// The integral at one x. `value` is scaled by e^(ref x), ref the earliest time above x = 0 and the
// latest below, so that no slice weighs more than its width and nothing overflows; it has the
// sign of the present value. With `withSlopes`, the logarithms of the two parts, unscaled, and
// their slopes in x.
struct Point {
  Real x = 0;
  Real rate = 0;
  Real value = 0;
  Real logPaid = 0;
  Real logReceived = 0;
  Real slopePaid = 0;
  Real slopeReceived = 0;
};

// Where in a slice of width w the weight e^(-u x) puts its mean, as a fraction of w from the end
// where it is largest: 1 / y - 1 / (e^y - 1) with y = w |x|, and `lost` = e^(-y) - 1.
Real meanFraction(Real y, Real lost) {
  if (y < 1e-3L) return 0.5L - y / 12 + y * y * y / 720;
  return 1 / y + (1 + lost) / lost;
}

class RateSearch {
 public:
  RateSearch(std::vector<Slice> slices, int& evaluations)
      : slices_(std::move(slices)),
        earliest_(slices_.front().start),
        latest_(slices_.back().start + slices_.back().width),
        evaluations_(evaluations) {}

  Point at(Real x, bool withSlopes = false) { return evaluate(x, checked(expm1l(x)), withSlopes); }
  Point atRate(Real rate) { return evaluate(log1pl(rate), rate, false); }

  // Where the present value crosses zero between two points of opposite signs (or one zero).
  Real refine(Point low, Point high);

  // Two points around a change of sign between two points, if the sign is not proved constant
  // between them; the half at `low` is searched first when `lowFirst`, else the half at `high`.
  std::optional<std::pair<Point, Point>> hiddenChange(const Point& low, const Point& high,
                                                      bool lowFirst);

 private:
  std::optional<std::pair<Point, Point>> lowestPoint(const Point& low, const Point& high);

  Point evaluate(Real x, Real rate, bool withSlopes);

  std::vector<Slice> slices_;
  Real earliest_;
  Real latest_;
  int& evaluations_;
};

Point RateSearch::evaluate(Real x, Real rate, bool withSlopes) {
  ++evaluations_;
  const bool above = x >= 0;
  const Real ref = above ? earliest_ : latest_;
  const Real size = fabsl(x);
  const auto exponent = [&](const Slice& slice) {
    const Real nearEnd = above ? slice.start : slice.start + slice.width;
    return -(nearEnd - ref) * x;
  };
  // Each part gets its own scale when its logarithm is wanted, so that neither vanishes.
  Real shiftPaid = 0;
  Real shiftReceived = 0;
  if (withSlopes) {
    shiftPaid = shiftReceived = -LDBL_MAX;
    for (const Slice& slice : slices_) {
      Real& shift = slice.payment > 0 ? shiftPaid : shiftReceived;
      shift = std::max(shift, exponent(slice));
    }
  }
  Real paid = 0;
  Real received = 0;
  Real paidMoment = 0;
  Real receivedMoment = 0;
  for (const Slice& slice : slices_) {
    const bool pays = slice.payment > 0;
    const Real y = slice.width * size;
    const Real lost = expm1l(-y);
    const Real integral = size == 0 ? slice.width : -lost / size;
    const Real weight = expl(exponent(slice) - (pays ? shiftPaid : shiftReceived)) * integral *
                        fabsl(slice.payment);
    (pays ? paid : received) += weight;
    if (withSlopes) {
      const Real fraction = meanFraction(y, lost);
      const Real mean = slice.start + slice.width * (above ? fraction : 1 - fraction);
      (pays ? paidMoment : receivedMoment) += weight * mean;
    }
  }
  Point point;
  point.x = x;
  point.rate = rate;
  if (!withSlopes) {
    point.value = checked(paid - received);
    return point;
  }
  point.value = checked(paid * expl(shiftPaid) - received * expl(shiftReceived));
  point.logPaid = logl(paid) + shiftPaid - ref * x;
  point.logReceived = logl(received) + shiftReceived - ref * x;
  point.slopePaid = -paidMoment / paid;
  point.slopeReceived = -receivedMoment / received;
  return point;
}

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

Real RateSearch::refine(Point low, Point high) {
  if (low.value == 0) return low.rate;
  if (high.value == 0) return high.rate;
  // A rate of zero is found as it is, and each side of it has its own scale.
  if (low.x < 0 && high.x > 0) {
    const Point zero = at(0);
    if (zero.value == 0) return 0;
    (signOf(zero.value) == signOf(low.value) ? low : high) = zero;
  }
  // In x down to a narrow bracket, since rates span many binades; then in the rate itself.
  const Bracket wide =
      brent([&](Real x) { return at(x).value; }, low.x, low.value, high.x, high.value, 0x1p-24L);
  if (wide.fb == 0) return expm1l(wide.b);
  const Point b = at(wide.b);
  const Point c = at(wide.c);
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

std::optional<std::pair<Point, Point>> RateSearch::hiddenChange(const Point& low, const Point& high,
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
  const Point middle = at(low.x + (high.x - low.x) / 2, true);
  const auto first = lowFirst ? hiddenChange(low, middle, true) : hiddenChange(middle, high, false);
  if (first) return first;
  return lowFirst ? hiddenChange(middle, high, true) : hiddenChange(low, middle, false);
}

std::optional<std::pair<Point, Point>> RateSearch::lowestPoint(const Point& low,
                                                               const Point& high) {
  const int side = signOf(low.value);
  const Real golden = (sqrtl(5) - 1) / 2;
  Real a = low.x;
  Real b = high.x;
  Point c = at(b - golden * (b - a));
  Point d = at(a + golden * (b - a));
  const Real scale = std::max({Real(1), fabsl(a), fabsl(b)});
  while (b - a > 0x1p-40L * scale) {
    for (const Point& p : {c, d}) {
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

Real SearchPeriodRate(std::span<const SchedulePoint> schedule, Real from, int& evaluations) {
  const std::vector<Slice> slices = slicesOf(schedule);
  if (slices.empty()) failNoRate();
  int changes = 0;
  Real afterFirst = 0;
  Real beforeLast = 0;
  for (std::size_t k = 0; k < slices.size(); ++k) {
    const Real size = fabsl(slices[k].payment);
    if (k > 0) {
      afterFirst = std::max(afterFirst, size);
      if (signOf(slices[k].payment) != signOf(slices[k - 1].payment)) ++changes;
    }
    if (k + 1 < slices.size()) beforeLast = std::max(beforeLast, size);
  }
  if (changes == 0) failNoRate();
  const Slice& first = slices.front();
  const Slice& last = slices.back();

  // Far above, the first slice outweighs all the later ones together, and far below the last
  // slice all the earlier ones: beyond these bounds the sign is theirs.
  const auto beyond = [](Real others, const Slice& outer) {
    const Real x = log1pl(others / fabsl(outer.payment)) / outer.width;
    return x * (1 + 0x1p-20L) + 0x1p-20L;
  };
  const Real bounds[2] = {std::min(beyond(afterFirst, first), kHighestX),
                          std::max(-beyond(beforeLast, last), kLowestX)};
  const int farSigns[2] = {signOf(first.payment), signOf(last.payment)};

  RateSearch search(slices, evaluations);
  const bool proving = changes > 1;
  const Real x0 = std::clamp(log1pl(from), bounds[1], bounds[0]);
  const Point start = search.at(x0);
  if (start.value == 0) return start.rate;
  std::vector<Point> walked[2] = {{start}, {start}};
  // With one change of sign there is one rate, on the side whose far sign is not the start's.
  bool open[2];
  for (int side = 0; side < 2; ++side) {
    open[side] = (side == 0 ? x0 < bounds[0] : x0 > bounds[1]) &&
                 (proving || farSigns[side] != signOf(start.value));
  }
  Real step = 0x1p-20L * std::max(Real(1), fabsl(x0));
  while (open[0] || open[1]) {
    for (int side = 0; side < 2; ++side) {
      if (!open[side]) continue;
      Real x = side == 0 ? x0 + step : x0 - step;
      if (side == 0 ? x >= bounds[0] : x <= bounds[1]) {
        x = bounds[side];
        open[side] = false;
      }
      const Point reached = search.at(x);
      const Point& previous = walked[side].back();
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
    for (Point& point : points) point = search.at(point.x, true);
  }
  for (std::size_t cell = 0; cell + 1 < std::max(walked[0].size(), walked[1].size()); ++cell) {
    for (int side = 0; side < 2; ++side) {
      if (cell + 1 >= walked[side].size()) continue;
      const Point& nearer = walked[side][cell];
      const Point& farther = walked[side][cell + 1];
      const auto change = side == 0 ? search.hiddenChange(nearer, farther, true)
                                    : search.hiddenChange(farther, nearer, false);
      if (change) return search.refine(change->first, change->second);
    }
  }
  failNoRate();
}

}  // namespace kalmoris
