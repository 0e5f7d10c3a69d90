#pragma once

#include "core/numbers.h"
#include "testing/headless_dossier_view.h"
#include "tests/fuzz/fuzz_require.h"

#include <QString>

#include <cmath>

// What the fuzzers of the numbers and of the dossier hold the program to, beyond every fuzzer's
// rules.
namespace kalmoris::fuzzing {

// A pattern ("#0.00", "#0.0000") writes what an entry field reads again: digits and one comma
// with exactly its decimals, never the scientific form, within half a unit of the last one.
inline void requirePatternReadsBack(Real value, const QString& pattern, int decimals) {
  const QString written = FormatPattern(value, pattern);
  const QString digits = written.startsWith(u'-') ? written.mid(1) : written;
  require(KeepIfAllowed(digits, AMOUNT_CHARS) == digits);
  require(digits.count(u',') == 1 && digits.size() - digits.indexOf(u',') - 1 == decimals);
  const Real tolerance = 0.51L * std::pow(10.0L, -decimals) + std::fabs(value) * 1e-17L;
  require(std::fabs(StrToFloat(written) - value) <= tolerance);
}

// A header field still holding what the user typed (a refused entry stays as typed) is the
// user's own words; only the texts the program wrote are held to this.
inline void requireShowable(const HeadlessDossierView& view, const HeadlessDossierView& typed) {
  for (int k = 0; k < kDossierTextCount; ++k) {
    const auto which = static_cast<DossierText>(k);
    // The borrower (upper-cased) and the fee labels are the user's words.
    if (which == textOf(HeaderField::BorrowerName) || which == textOf(HeaderField::FeeLabel1) ||
        which == textOf(HeaderField::FeeLabel2) || which == textOf(HeaderField::FeeLabel3))
      continue;
    if (view.text(which) != typed.text(which)) requireShowable(view.text(which));
  }
}

}  // namespace kalmoris::fuzzing
