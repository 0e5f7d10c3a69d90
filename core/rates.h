#pragma once

#include "core/arith.h"
#include "core/currency.h"

// Compound-interest formulas of a loan repaid by constant instalments. Rates named with "%"
// in the comments are percentages (6,5 means 6.5 %); each formula keeps its order of
// operations so that results agree to the last displayed digit.

namespace kalmoris {

// Period rate i% from a typed annual rate a (percent) and n instalments a year.
// Proportional: a / n. Actuarial: (exp(ln(a * 0.01 + 1) * (1 / n)) - 1) * 100.
Real PeriodRateFromAnnual(RateKind kind, Real annualPercent, Real perYear);

// Actuarial annual rate (percent) equivalent to a period rate i%: (exp(ln(i% * 0.01 + 1) * n) - 1)
// * 100.
Real ActuarialFromPeriod(Real periodPercent, Real perYear);

// Proportional annual rate (percent): n * i%.
Real ProportionalFromPeriod(Real periodPercent, Real perYear);

// Instalment repaying capital C over N instalments at i%: (i% * 0.01) * C / (1 - exp(ln(i% * 0.01 +
// 1) * (-N))); at a zero rate C / N.
Real InstalmentOf(Real capital, Real periodPercent, Real totalCount);

// Capital repaid by N instalments E at i%: (1 - exp(ln(i + 1) * (-N))) * (E / i), i = i% * 0.01;
// at a zero rate E * N.
Real CapitalOf(Real instalment, Real periodPercent, Real totalCount);

}  // namespace kalmoris
