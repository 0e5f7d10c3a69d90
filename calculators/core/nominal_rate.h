#pragma once

#include "core/arith.h"
#include "core/currency.h"
#include "core/solver.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

// The nominal rate of a loan from its capital and its constant instalment.
namespace kalmoris {

struct NominalRateEntries {
  Real capital = 0;          // C
  Real instalment = 0;       // E
  std::uint8_t perYear = 0;  // n
  std::uint16_t total = 0;   // N
};

// The texts the calculation writes, in the order it writes them.
enum class NominalRateText {
  CapitalEntry,
  PerYearEntry,
  InstalmentEntry,
  TotalEntry,
  OtherCapital,
  OtherInstalment,
  PeriodRate,
  ProportionalRate,
  ActuarialRate,
};
using ShowNominalRateText = std::function<void(NominalRateText, const QString&)>;

// False when the instalments cannot repay the capital: C > N x E.
bool CapitalIsRepaid(const NominalRateEntries& entries);

// What the solver reads: the capital received once, then N instalments E.
std::array<SchedulePoint, 2> NominalRateSchedule(const NominalRateEntries& entries);

// Re-writes the entries, converts the two amounts when a currency is chosen, solves for the
// period rate and shows it with its two annual rates. Each text is shown as soon as it is
// known, so a failure leaves on screen what came before it.
void CalculateNominalRate(const NominalRateEntries& entries, MoneyUnit unit,
                          const ShowNominalRateText& show);

}  // namespace kalmoris
