#pragma once

#include "core/errors.h"

#include <QRegularExpression>
#include <QString>

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

// No infinity or NaN ever reaches a text the screen shows, written as a number: a line of words
// ("pour information") may hold the letters.
inline void requireShowable(const QString& text) {
  static const QRegularExpression number(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
  require(!number.match(text).hasMatch());
}

}  // namespace kalmoris::fuzzing
