#include "core/currency.h"

namespace kalmoris {

std::optional<Real> OtherCurrencyValue(Real amount, MoneyUnit unit) {
  switch (unit) {
    case MoneyUnit::Francs:
      return checked(amount * EUROS_PER_FRANC);
    case MoneyUnit::Euros:
      return checked(amount * FRANCS_PER_EURO);
    case MoneyUnit::None:
      break;
  }
  return std::nullopt;
}

}  // namespace kalmoris
