#pragma once

#include "core/errors.h"
#include "dossier/core/headless_dossier_view.h"

#include <QString>

#include <cstdlib>

// What every fuzzer holds the program to.
namespace kalmoris::fuzzing {

inline void require(bool condition) {
  if (!condition) std::abort();
}

// A refusal speaks French to the user: a message of its own, never a C++ or Qt text.
inline void requireFrenchMessage(const Failure& failure) {
  const QString& message = failure.message();
  require(!message.isEmpty());
  require(!message.contains(QStringLiteral("std::")));
  require(!message.contains(QStringLiteral("exception"), Qt::CaseInsensitive));
}

// No infinity or NaN ever reaches a text the screen shows.
inline void requireShowable(const QString& text) {
  require(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
  require(!text.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
}

inline void requireShowable(const HeadlessDossierView& view) {
  for (const QString& rate : view.rates) requireShowable(rate);
  requireShowable(view.insuranceCost);
  requireShowable(view.loanCost);
  requireShowable(view.feeTotal);
  requireShowable(view.discrepancy.announcedValue);
  requireShowable(view.discrepancy.gridValue);
  for (int field = 1; field < kHeaderFieldCount; ++field) {
    if (field >= 5 && field <= 7) continue;  // fee labels are the user's words
    requireShowable(view.fields[std::size_t(field)]);
  }
}

}  // namespace kalmoris::fuzzing
