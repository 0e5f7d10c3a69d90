#pragma once

// Extended-precision arithmetic with the failures of the floating-point unit made explicit:
// a division by zero, 0/0, the logarithm of a non-positive value and an overflow each raise
// an ArithmeticFailure instead of producing an infinity or a NaN.

namespace kalmoris {

using Real = long double;  // 80-bit extended on x86-64: 64-bit mantissa

// Passes a finite result through; an infinity raises an overflow, a NaN an invalid operation.
Real checked(Real value);

Real divide(Real numerator, Real denominator);
Real naturalLog(Real x);  // x must be > 0
Real exponential(Real x);
// x^y computed as exp(y * ln x), the only way powers are taken.
Real power(Real x, Real y);

}  // namespace kalmoris
