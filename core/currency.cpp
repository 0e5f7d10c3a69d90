#include "core/currency.h"

namespace kalmoris {

MoneyUnit OtherUnit(MoneyUnit unit) {
  switch (unit) {
    case MoneyUnit::Francs:
      return MoneyUnit::Euros;
    case MoneyUnit::Euros:
      return MoneyUnit::Francs;
    case MoneyUnit::None:
      break;
  }
  return MoneyUnit::None;
}

QString UnitName(MoneyUnit unit) {
  switch (unit) {
    case MoneyUnit::Francs:
      return QStringLiteral("Francs");
    case MoneyUnit::Euros:
      return QStringLiteral("Euros");
    case MoneyUnit::None:
      break;
  }
  return QString();
}

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
