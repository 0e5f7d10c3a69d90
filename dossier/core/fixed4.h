#pragma once

#include "core/arith.h"

#include <compare>
#include <cstdint>

namespace kalmoris {

// The dossier's fixed-point amount: a signed 64-bit count of ten-thousandths, so that sums
// of amounts are exact.
class Fixed4 {
 public:
  constexpr Fixed4() = default;
  static constexpr Fixed4 fromUnits(std::int64_t units) { return Fixed4(units); }

  // value x 10000, rounded to the nearest integer, ties to even. A value whose
  // ten-thousandths do not fit in 64 bits raises "Opération flottante incorrecte".
  static Fixed4 fromReal(Real value);
  // A real already counted in ten-thousandths, rounded the same way.
  static Fixed4 fromScaled(Real tenThousandths);

  constexpr std::int64_t units() const { return units_; }
  // Whole cents, rounded half away from zero, as an amount is shown with two decimals.
  constexpr std::int64_t cents() const { return (units_ < 0 ? units_ - 50 : units_ + 50) / 100; }
  Real toReal() const { return static_cast<Real>(units_) * 0.0001L; }

  // Exact; a sum beyond 64 bits raises "Opération flottante incorrecte".
  Fixed4 operator+(Fixed4 other) const;
  // The running total of a sum: (this + value x 10000), rounded after the addition.
  Fixed4 plusScaled(Real value) const;

  constexpr auto operator<=>(const Fixed4&) const = default;

 private:
  constexpr explicit Fixed4(std::int64_t units) : units_(units) {}

  std::int64_t units_ = 0;
};

}  // namespace kalmoris
