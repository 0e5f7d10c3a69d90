#include "ui/entry_reader.h"

#include "core/numbers.h"
#include "ui/colors.h"
#include "ui/panel.h"

#include <QLineEdit>

namespace kalmoris {

EntryReader::EntryReader(Panel* messagePanel, QString errorText)
    : messagePanel_(messagePanel), errorText_(std::move(errorText)) {}

bool EntryReader::read(QLineEdit* field, const QString& allowed, bool pointToComma) {
  QString text = field->text();
  if (pointToComma) text = PointToComma(text);
  text = KeepIfAllowed(text, allowed);
  field->setText(text);
  if (text.isEmpty()) {
    refuse(field);
    return false;
  }
  colors::setBackground(field, colors::White);
  if (messagePanel_) {
    messagePanel_->setColor(colors::White);
    messagePanel_->clear();
  }
  return true;
}

void EntryReader::refuse(QLineEdit* field) {
  colors::setBackground(field, colors::Yellow);
  if (messagePanel_) {
    messagePanel_->setColor(colors::Aqua);
    messagePanel_->setText(errorText_);
  }
  field->setFocus();
}

std::optional<Real> EntryReader::amount(QLineEdit* field) {
  if (!read(field, AMOUNT_CHARS, true)) return std::nullopt;
  return StrToFloat(field->text());
}

std::optional<std::int32_t> EntryReader::integer(QLineEdit* field, bool pointToComma) {
  if (!read(field, COUNT_CHARS, pointToComma)) return std::nullopt;
  return StrToInt(field->text());
}

std::optional<std::uint8_t> EntryReader::perYearCount(QLineEdit* field, bool pointToComma) {
  const std::optional<std::int32_t> value = integer(field, pointToComma);
  if (!value) return std::nullopt;
  const std::optional<std::uint8_t> count = FitPerYearCount(*value);
  if (!count) refuse(field);
  return count;
}

std::optional<std::uint16_t> EntryReader::count16(QLineEdit* field, bool pointToComma) {
  const std::optional<std::int32_t> value = integer(field, pointToComma);
  if (!value) return std::nullopt;
  const std::optional<std::uint16_t> count = FitCount16(*value);
  if (!count) refuse(field);
  return count;
}

std::optional<std::int32_t> EntryReader::count32(QLineEdit* field, bool pointToComma) {
  return integer(field, pointToComma);
}

std::optional<Real> EntryReader::realCount(QLineEdit* field, bool pointToComma) {
  if (!read(field, COUNT_CHARS, pointToComma)) return std::nullopt;
  return StrToFloat(field->text());
}

bool readAndRewrite(EntryReader& reader, QLineEdit* field, const QString& pattern, Real& into) {
  if (!store(reader.amount(field), into)) return false;
  field->setText(FormatPattern(into, pattern));
  return true;
}

}  // namespace kalmoris
