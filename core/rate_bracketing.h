#pragma once

#include "core/arith.h"

#include <span>

// The bracketing search of a true rate, for any present value that is a sum of exponentials
// e^(-t x) in x = ln(1 + rate): the payments of the dossier's groups in periods, the dated flows
// of an offer in years. Each part of such a sum, paid or received, has a convex logarithm in x,
// which bounds the present value between sample points; it has no more zeros than its payments,
// in time order, change sign.

namespace kalmoris {

// The present value at one x. `value` may be scaled by any positive factor that is the same for
// every x on the same side of 0; it has the sign of the present value. With the slopes, the
// logarithms of the two parts, unscaled, and their derivatives in x.
struct CurvePoint {
  Real x = 0;
  Real rate = 0;
  Real value = 0;
  Real logPaid = 0;
  Real logReceived = 0;
  Real slopePaid = 0;
  Real slopeReceived = 0;
};

class PresentValueCurve {
 public:
  virtual ~PresentValueCurve() = default;
  // At x = ln(1 + rate); `rate` is given as well since the one the caller holds is the exact one.
  virtual CurvePoint at(Real x, Real rate, bool withSlopes) const = 0;
};

// One term of a present value at one x, for ScaledCurvePoint: e^(exponent) x factor x amount,
// paid or received, at its mean time (used for the slopes only).
struct CurveTerm {
  Real exponent = 0;  // -(t - reference) x, the reference being the same for every term
  Real factor = 1;
  Real amount = 0;  // positive
  bool pays = true;
  Real mean = 0;
};

// The point made of the terms, each part scaled on its largest term when the slopes are wanted,
// so that neither vanishes nor overflows; `reference` is the time the exponents are taken from.
CurvePoint ScaledCurvePoint(std::span<const CurveTerm> terms, Real x, Real rate, Real reference,
                            bool withSlopes);

// What the payments tell of the present value before any is computed.
struct CurveShape {
  int signChanges = 0;  // of the payments in time order: none means no rate
  Real highestX = 0;    // above it the present value has the sign `signAbove`
  Real lowestX = 0;     // below it the sign `signBelow`
  int signAbove = 1;
  int signBelow = 1;
};

// The rate at which the curve changes sign, searched from `from`, a rate at which it is finite,
// and refined to the last bits of the extended format. The search walks cells of doubling width
// in x, first above x(from) then below, in turn, each side up to its bound (the shape's, or the
// one beyond which the extended format holds no rate), and refines the rate of the first cell
// whose ends differ in sign. Where the payments change sign only once there is one rate, and only
// its side is walked. Where they change sign more often and no cell shows a change, the same
// cells are searched again in the same order, each split until the sign is proved constant on
// every part; the first change found, nearer end first, gives the rate. Raises NoRateFailure when
// the present value keeps one sign. `evaluations` is increased by the number of points computed.
// The first cells are `firstCell` wide in x, times |x(from)| when that is above 1.
Real SearchRate(const PresentValueCurve& curve, const CurveShape& shape, Real from,
                int& evaluations, Real firstCell = 0x1p-20L);

// Where, away from x = 0, the nearest payment (the first above, the last below) outweighs all the
// others: ln(1 + others / |nearest|) / gap, with room for rounding, `others` bounding what the
// others weigh against it and `gap` the time by which they start later (end earlier).
Real DominanceBound(Real others, Real nearest, Real gap);

}  // namespace kalmoris
