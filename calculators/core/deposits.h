#pragma once

#include "core/arith.h"

#include <QString>

#include <cstdint>

// The accumulated value of a series of equal deposits at compound interest.
namespace kalmoris {

struct DepositEntries {
  Real deposit = 0;          // D, monetary units
  Real annualRate = 0;       // a, proportional, percent
  std::uint8_t perYear = 0;  // n
  std::int32_t count = 0;    // N
};

struct DepositTexts {
  QString deposited;    // S = N x D
  QString accumulated;  // V = D ((1 + i)^N - 1) / i, at the last deposit; N x D at a rate of 0
};

// Both texts, computed in full before either is shown; a failure gives neither.
DepositTexts CalculateDeposits(const DepositEntries& entries);

}  // namespace kalmoris
