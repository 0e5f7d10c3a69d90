// Any extended value, as raw bits, through the fixed and pattern formats with any precision:
// an infinity or a NaN raises its failure instead of reaching a screen, and every finite
// value is written as a number the program reads back within its rounding.
#include "core/errors.h"
#include "core/numbers.h"
#include "tests/fuzz/fuzz_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace kalmoris;

namespace {
void require(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 12) return 0;
  Real value = 0;
  std::memcpy(&value, data, 10);  // the 80 bits of an extended value
  // Only the encodings arithmetic produces: the explicit integer bit is set exactly when the
  // exponent is not zero (no pseudo-denormals, unnormals or pseudo-infinities).
  const int exponent = (data[9] & 0x7F) << 8 | data[8];
  const bool integerBit = (data[7] & 0x80) != 0;
  if (integerBit != (exponent != 0)) return 0;
  const int P = int(data[10] % 24) - 2;
  const int D = int(data[11] % 24) - 2;
  try {
    const QString written = FormatFixed(value, P, D);
    require(std::isfinite(value));
    require(!written.isEmpty());
    require(!written.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    require(!written.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    // At the edge of the range a value rounded up to P digits lies past the largest one.
    if (std::fabs(value) > 1e4900L) return 0;
    const Real back = StrToFloat(written);
    const int digits = std::clamp(P, 1, 18);
    const int decimals = std::clamp(D, 0, 18);
    const Real tolerance = 0.51L * std::pow(10.0L, -decimals) +
                           std::fabs(value) * (1e-17L + std::pow(10.0L, 1 - digits));
    require(std::fabs(back - value) <= tolerance);
    fuzzing::requirePatternReadsBack(value, QStringLiteral("#0.0000"), 4);
  } catch (const ArithmeticFailure& failure) {
    require(!std::isfinite(value));
    require(failure.message() == QString::fromUtf8(messages::kOverflow) ||
            failure.message() == QString::fromUtf8(messages::kInvalidOperation));
  }
  return 0;
}
