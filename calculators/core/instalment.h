#pragma once

#include "core/arith.h"
#include "core/currency.h"

#include <QString>

#include <cstdint>
#include <functional>

// The constant instalment that repays a capital at a typed annual rate.
namespace kalmoris {

struct InstalmentEntries {
  Real capital = 0;          // C
  Real annualRate = 0;       // a, percent
  std::uint8_t perYear = 0;  // n
  Real total = 0;            // N
};

// The texts the calculation writes, in the order it writes them.
enum class InstalmentText {
  PeriodRate,
  Instalment,
  EquivalentRate,
  OtherCapital,
  CapitalUnit,
  OtherCapitalUnit,
  OtherInstalment,
  InstalmentUnit,
  OtherInstalmentUnit,
};
using ShowInstalmentText = std::function<void(InstalmentText, const QString&)>;

// The period rate of the rate kind, the instalment, the annual rate of the other kind
// equivalent to the typed one, then both amounts in the other currency with their unit names.
// Each text is shown as soon as it is known, so a failure leaves what came before it.
// Both choices must be made.
void CalculateInstalment(const InstalmentEntries& entries, MoneyUnit unit, RateKind kind,
                         const ShowInstalmentText& show);

}  // namespace kalmoris
