#pragma once

#include "core/arith.h"

#include <QString>

#include <optional>

namespace kalmoris {

// The currency in which a screen's amounts are typed.
enum class MoneyUnit : unsigned char { None = 0, Francs = 1, Euros = 2 };

// How a typed annual rate relates to the period rate.
enum class RateKind : unsigned char { Undetermined = 0, Proportional = 1, Actuarial = 2 };

inline constexpr Real FRANCS_PER_EURO = 6.55957L;
// The extended value nearest to 1 / 6.55957, stored rather than computed.
inline constexpr Real EUROS_PER_FRANC = 0.152449017237410379033991557373425392213L;

inline bool ChoicesMade(MoneyUnit unit, RateKind kind) {
  return unit != MoneyUnit::None && kind != RateKind::Undetermined;
}

// The other currency; none for none.
MoneyUnit OtherUnit(MoneyUnit unit);

// "Francs" or "Euros"; empty when no currency is chosen.
QString UnitName(MoneyUnit unit);

// The amount in the other currency (always a multiplication); no value when no unit is chosen.
std::optional<Real> OtherCurrencyValue(Real amount, MoneyUnit unit);

}  // namespace kalmoris
