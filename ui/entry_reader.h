#pragma once

#include "core/arith.h"

#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;

namespace kalmoris {

class Panel;

// Reads a screen's entry fields at calculation time. Each read normalises the field's text
// (the first "." becomes ","; a character outside the allowed set erases the whole text),
// writes it back, and refuses an empty result: the field turns yellow, the message panel (if
// the screen has one) turns aqua with the screen's entry-error text, the focus goes to the
// field. A count that does not fit its width is refused the same way. A refused read gives no
// value and the calculation stops; a text the conversion rejects raises its failure.
class EntryReader {
 public:
  EntryReader(Panel* messagePanel, QString errorText);

  bool read(QLineEdit* field, const QString& allowed, bool pointToComma);
  void refuse(QLineEdit* field);

  std::optional<Real> amount(QLineEdit* field);  // also rates
  std::optional<std::uint8_t> perYearCount(QLineEdit* field, bool pointToComma);
  std::optional<std::uint16_t> count16(QLineEdit* field, bool pointToComma);
  std::optional<std::int32_t> count32(QLineEdit* field, bool pointToComma);
  std::optional<Real> realCount(QLineEdit* field,
                                bool pointToComma);  // digits, floating conversion

 private:
  std::optional<std::int32_t> integer(QLineEdit* field, bool pointToComma);

  Panel* messagePanel_;
  QString errorText_;
};

// Keeps a value the reader accepted; false when it refused the entry.
template <typename T>
bool store(const std::optional<T>& read, T& into) {
  if (!read) return false;
  into = *read;
  return true;
}

// Reads an amount or a rate, then writes it back with the pattern "#0.00" or "#0.0000".
bool readAndRewrite(EntryReader& reader, QLineEdit* field, const QString& pattern, Real& into);

}  // namespace kalmoris
