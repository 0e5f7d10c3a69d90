// Any text through the floating and integer conversions, and what they accept back through
// the fixed and pattern formats: no crash, no infinity or NaN, refusals with their French
// message, and a written number that reads back as the value it came from.
#include "core/errors.h"
#include "core/numbers.h"
#include "tests/fuzz/fuzz_checks.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace kalmoris;

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void requireMessage(const Failure& failure, const QString& text, const char* what) {
  require(failure.message() == QStringLiteral("'%1' %2").arg(text, QString::fromUtf8(what)));
}

// Fixed form: an optional minus, digits, and exactly D decimals after a comma.
bool isFixedText(const QString& text, int decimals) {
  qsizetype p = text.startsWith(u'-') ? 1 : 0;
  const qsizetype digitsStart = p;
  while (p < text.size() && text[p].isDigit()) ++p;
  if (p == digitsStart) return false;
  if (decimals == 0) return p == text.size();
  if (p >= text.size() || text[p] != u',') return false;
  return text.size() - p - 1 == decimals;
}

void checkWritten(Real value, int P, int D) {
  const QString written = FormatFixed(value, P, D);
  if (written.contains(u'E')) {
    require(std::fabs(value) >= 0.9L * std::pow(10.0L, P));
  } else {
    require(isFixedText(written, D));
  }
  // The written text is itself a number the program reads: it comes back within its rounding.
  const Real back = StrToFloat(written);
  const Real tolerance = 0.51L * std::pow(10.0L, -D) + std::fabs(value) * 1e-17L +
                         std::fabs(value) * std::pow(10.0L, 1 - P);
  require(std::fabs(back - value) <= tolerance);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
  try {
    const Real value = StrToFloat(text);
    require(std::isfinite(value));
    checkWritten(value, 10, 2);
    checkWritten(value, 8, 4);
    checkWritten(value, 10, 10);
    checkWritten(value, 18, 2);
    fuzzing::requirePatternReadsBack(value, QStringLiteral("#0.00"), 2);
  } catch (const ConversionFailure& failure) {
    requireMessage(failure, text, "n'est pas une valeur flottante correcte");
  }
  try {
    const std::int32_t value = StrToInt(text);
    if (!text.contains(u'$')) require(text.trimmed().toLongLong() == value);
    require(StrToInt(QString::number(value)) == value);
  } catch (const ConversionFailure& failure) {
    requireMessage(failure, text, "n'est pas une valeur entière correcte");
  }
  // The entry rules never produce a text the conversions cannot take apart safely.
  const QString entry = KeepIfAllowed(PointToComma(text), AMOUNT_CHARS);
  require(entry.isEmpty() || entry == PointToComma(text));
  return 0;
}
