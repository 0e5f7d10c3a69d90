#include "dossier/core/fixed4.h"

#include "core/errors.h"

#include <cmath>

namespace kalmoris {

namespace {

// 2^63: the first magnitude beyond the positive range of a 64-bit count.
constexpr Real kTwoTo63 = 9223372036854775808.0L;

Real roundHalfToEven(Real value) {
  const Real below = floorl(value);
  const Real fraction = value - below;
  if (fraction > 0.5L) return below + 1;
  if (fraction < 0.5L) return below;
  return fmodl(below, 2) == 0 ? below : below + 1;
}

}  // namespace

Fixed4 Fixed4::fromScaled(Real tenThousandths) {
  const Real rounded = roundHalfToEven(checked(tenThousandths));
  if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) failInvalidOperation();
  return Fixed4(static_cast<std::int64_t>(rounded));
}

Fixed4 Fixed4::fromReal(Real value) {
  return fromScaled(checked(value * 10000));
}

Fixed4 Fixed4::operator+(Fixed4 other) const {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(units_, other.units_, &sum)) failInvalidOperation();
  return Fixed4(sum);
}

Fixed4 Fixed4::plusScaled(Real value) const {
  return fromScaled(checked(static_cast<Real>(units_) + checked(value * 10000)));
}

}  // namespace kalmoris
