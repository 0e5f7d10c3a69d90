#include "calculators/core/deposits.h"

#include "core/numbers.h"

namespace kalmoris {

DepositTexts CalculateDeposits(const DepositEntries& entries) {
  const Real i = checked(divide(entries.annualRate, entries.perYear) * 0.01L);
  const Real count = entries.count;
  const Real deposited = checked(count * entries.deposit);
  // At a rate of 0 nothing is earned: the value is the sum of the deposits.
  if (i == 0) return {FormatFixed(deposited, 10, 2), FormatFixed(deposited, 10, 2)};
  Real t = checked(i + 1);
  t = naturalLog(t);
  t = checked(t * count);
  t = exponential(t);
  t = t - 1;
  t = divide(t, i);
  const Real accumulated = checked(t * entries.deposit);
  return {FormatFixed(deposited, 10, 2), FormatFixed(accumulated, 10, 2)};
}

}  // namespace kalmoris
