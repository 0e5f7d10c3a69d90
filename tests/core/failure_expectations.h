#pragma once

#include "core/errors.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>

// QString in GoogleTest messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace kalmoris::testing {

// Succeeds when `action` raises a `FailureType` whose message is `expected`.
template <typename FailureType, typename Action>
::testing::AssertionResult FailsWith(Action&& action, const QString& expected) {
  try {
    action();
  } catch (const FailureType& failure) {
    if (failure.message() == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message \"" << failure.message().toStdString()
                                         << "\", expected \"" << expected.toStdString() << '"';
  } catch (const Failure& failure) {
    return ::testing::AssertionFailure()
           << "wrong failure type, message \"" << failure.message().toStdString() << '"';
  }
  return ::testing::AssertionFailure() << "no failure raised";
}

// A table row in GoogleTest messages: its name.
template <typename Row>
requires requires(const Row& row) {
  row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

inline QString DivisionByZero() {
  return QString::fromUtf8(messages::kDivisionByZero);
}
inline QString InvalidOperation() {
  return QString::fromUtf8(messages::kInvalidOperation);
}
inline QString Overflow() {
  return QString::fromUtf8(messages::kOverflow);
}
inline QString NoRate() {
  return QString::fromUtf8(messages::kNoRate);
}

}  // namespace kalmoris::testing
