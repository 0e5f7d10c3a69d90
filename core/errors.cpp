#include "core/errors.h"

namespace kalmoris {

Failure::Failure(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

namespace messages {
QString notAnInteger(const QString& text) {
  return QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text);
}
QString notAFloat(const QString& text) {
  return QStringLiteral("'%1' n'est pas une valeur flottante correcte").arg(text);
}
QString ioError(int code) {
  return QStringLiteral("Erreur E/S %1").arg(code);
}
}  // namespace messages

void failNotAnInteger(const QString& text) {
  throw ConversionFailure(messages::notAnInteger(text));
}
void failNotAFloat(const QString& text) {
  throw ConversionFailure(messages::notAFloat(text));
}
void failDivisionByZero() {
  throw ArithmeticFailure(QString::fromUtf8(messages::kDivisionByZero));
}
void failInvalidOperation() {
  throw ArithmeticFailure(QString::fromUtf8(messages::kInvalidOperation));
}
void failOverflow() {
  throw ArithmeticFailure(QString::fromUtf8(messages::kOverflow));
}
void failNoRate() {
  throw NoRateFailure(QString::fromUtf8(messages::kNoRate));
}

}  // namespace kalmoris
