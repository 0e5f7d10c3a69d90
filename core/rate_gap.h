#pragma once

#include "core/arith.h"

#include <QString>

#include <cstdint>

// The gap between an announced rate and a computed one, judged to the decimal on the four
// decimals the rate panels show, in ten-thousandths of a point.

namespace kalmoris {

struct RateComparison {
  std::int64_t difference = 0;  // announced minus computed, in ten-thousandths of a point
  bool beyondRange = false;     // the difference does not fit: inexact by any measure

  // Exact to the decimal: the announced rate errs by less than 0,1 point.
  bool exact() const;
  bool operator==(const RateComparison&) const = default;
};

// The announced rate against the computed one, both in percent.
RateComparison compareRates(Real announced, Real computed);

// The rate as a panel shows it, rounded to four decimals ("#0.0000"), and that text: "6,4344".
Real fourDecimals(Real rate);
QString fourDecimalsText(Real rate);
// A rate panel's text ("12,8289 %") as its value; raises ConversionFailure on another text.
Real readShownRate(const QString& shown);

// " point", or " points" from two points on, as French counts them.
QString pointUnit(Real points);
// A count of ten-thousandths with four decimals and no sign: 8289 gives "0,8289".
QString tenThousandthsText(std::int64_t units);

// The size of the gap with its unit: "0,8289 point", "2,8289 points", "plus de 10^14 points".
QString gapText(const RateComparison& comparison);
// "minoré" below the computed rate, "majoré" above.
QString directionText(const RateComparison& comparison);
// "exact à la décimale" or "inexact à la décimale".
QString exactnessText(const RateComparison& comparison);

}  // namespace kalmoris
