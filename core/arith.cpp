#include "core/arith.h"

#include "core/errors.h"

#include <cmath>

namespace kalmoris {

Real checked(Real value) {
  if (std::isnan(value)) failInvalidOperation();
  if (std::isinf(value)) failOverflow();
  return value;
}

Real divide(Real numerator, Real denominator) {
  if (std::isnan(numerator) || std::isnan(denominator)) failInvalidOperation();
  if (denominator == 0) {
    if (numerator == 0) failInvalidOperation();
    failDivisionByZero();
  }
  return checked(numerator / denominator);
}

Real naturalLog(Real x) {
  if (std::isnan(x) || x <= 0) failInvalidOperation();
  return checked(logl(x));
}

Real exponential(Real x) {
  return checked(expl(checked(x)));
}

Real power(Real x, Real y) {
  return exponential(checked(y * naturalLog(x)));
}

}  // namespace kalmoris
