#pragma once

#include "core/arith.h"
#include "core/currency.h"

#include <QString>

#include <cstdint>
#include <functional>

// The capital that a series of constant instalments repays at a typed annual rate.
namespace kalmoris {

struct CapitalEntries {
  Real instalment = 0;       // E
  Real annualRate = 0;       // a, percent
  std::uint8_t perYear = 0;  // n
  Real total = 0;            // N
};

// The texts the calculation writes, in the order it writes them.
enum class CapitalText {
  PeriodRate,
  Capital,
  OtherCapital,
  InstalmentUnit,
  OtherInstalmentUnit,
  OtherInstalment,
  CapitalUnit,
  OtherCapitalUnit,
};
using ShowCapitalText = std::function<void(CapitalText, const QString&)>;

// The instalment in the other currency as shown as soon as it is read: eight significant
// digits (the end of the calculation writes it again with ten).
QString FirstOtherInstalmentText(Real instalment, MoneyUnit unit);

// The period rate of the rate kind, the capital in both currencies, then the unit names and
// the instalment in the other currency. Each text is shown as soon as it is known, so a
// failure leaves what came before it. Both choices must be made.
void CalculateCapital(const CapitalEntries& entries, MoneyUnit unit, RateKind kind,
                      const ShowCapitalText& show);

}  // namespace kalmoris
