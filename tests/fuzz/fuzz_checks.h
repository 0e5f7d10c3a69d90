#pragma once

#include "core/errors.h"
#include "core/numbers.h"
#include "testing/headless_dossier_view.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdlib>

// What every fuzzer holds the program to.
namespace kalmoris::fuzzing {

inline void require(bool condition) {
  if (!condition) std::abort();
}

// A message's own words, without the refused entry it quotes ("'%s' n'est pas une valeur
// flottante correcte").
inline QString ownWords(QString message) {
  static const QRegularExpression quotedEntry(QStringLiteral("^'.*'(?= n'est pas une valeur)"),
                                              QRegularExpression::DotMatchesEverythingOption);
  return message.remove(quotedEntry);
}

// A refusal speaks French to the user: a message of its own, never a C++ or Qt text.
inline void requireFrenchMessage(const Failure& failure) {
  const QString message = ownWords(failure.message());
  require(!message.isEmpty());
  require(!message.contains(QStringLiteral("std::")));
  require(!message.contains(QStringLiteral("exception"), Qt::CaseInsensitive));
}

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

// No infinity or NaN ever reaches a text the screen shows.
inline void requireShowable(const QString& text) {
  require(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
  require(!text.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
}

// A header field still holding what the user typed (a refused entry stays as typed) is the
// user's own words; only the texts the program wrote are held to this.
inline void requireShowable(const HeadlessDossierView& view, const HeadlessDossierView& typed) {
  for (int k = 0; k < kDossierTextCount; ++k) {
    const auto which = static_cast<DossierText>(k);
    // The borrower (upper-cased) and the fee labels are the user's words.
    if (which == DossierText::BorrowerName || which == DossierText::FeeLabel1 ||
        which == DossierText::FeeLabel2 || which == DossierText::FeeLabel3)
      continue;
    if (view.text(which) != typed.text(which)) requireShowable(view.text(which));
  }
}

}  // namespace kalmoris::fuzzing
