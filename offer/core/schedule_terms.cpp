#include "offer/core/schedule_terms.h"

#include "core/numbers.h"

#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace kalmoris {

TermsFailure::TermsFailure(QString key, QString message)
    : Failure(std::move(message)), key_(std::move(key)) {}

namespace {

const QString kRateKey = QStringLiteral("taux_debiteur");
const QString kCountKey = QStringLiteral("nombre_echeances");
const QString kDeferralKey = QStringLiteral("differe");
const QString kRuleKey = QStringLiteral("regle");
const QString kInsuranceKey = QStringLiteral("assurance");
const QString kRequiredKey = QStringLiteral("assurance_obligatoire");
const QString kBaseKey = QStringLiteral("base_periode_brisee");

// The words of the file for each choice, the default first.
template <typename Choice>
using Words = std::initializer_list<std::pair<Choice, const char*>>;
const Words<InstalmentRule> kRuleWords = {{InstalmentRule::Contract, "contrat"},
                                          {InstalmentRule::Commission, "commission"}};
const Words<DeferralKind> kDeferralWords = {{DeferralKind::Partial, "partiel"},
                                            {DeferralKind::Total, "total"}};
const Words<InsuranceMode> kInsuranceWords = {{InsuranceMode::None, "aucune"},
                                              {InsuranceMode::Fixed, "fixe"},
                                              {InsuranceMode::InitialCapital, "capital_initial"},
                                              {InsuranceMode::RemainingCapital, "capital_restant"}};
const Words<BrokenPeriodBase> kBaseWords = {{BrokenPeriodBase::Days365, "365"},
                                            {BrokenPeriodBase::Days360, "360"}};

template <typename Choice>
QString wordOf(const Words<Choice>& words, Choice choice) {
  for (const auto& [value, word] : words)
    if (value == choice) return QString::fromUtf8(word);
  return {};
}

// The choice a string names, or the failure `refusal` when the value is anything else.
template <typename Choice>
Choice readChoice(const QJsonValue& value, const Words<Choice>& words, const QString& key,
                  const QString& refusal) {
  for (const auto& [choice, word] : words)
    if (value.isString() && value.toString() == QString::fromUtf8(word)) return choice;
  throw TermsFailure(key, refusal);
}

// An amount or a rate as the file writes it: a string of digits with an optional "." and
// decimals ("6.4", "16.67"); no sign, no exponent, no comma.
Real readDecimal(const QJsonValue& value, const QString& key, const QString& what,
                 const char* example) {
  static const QRegularExpression decimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
  if (value.isUndefined())
    throw TermsFailure(key, QStringLiteral("%1 (%2) manque.").arg(what, key));
  if (!value.isString())
    throw TermsFailure(key, QStringLiteral("%1 (%2) s'écrit entre guillemets : \"%3\".")
                                .arg(what, key, QString::fromUtf8(example)));
  const QString text = value.toString();
  const TermsFailure notANumber(key, QStringLiteral("%1 (%2) « %3 » n'est pas un nombre positif "
                                                    "écrit avec un point, comme « %4 ».")
                                         .arg(what, key, text, QString::fromUtf8(example)));
  if (!decimal.match(text).hasMatch()) throw notANumber;
  try {
    return StrToFloat(PointToComma(text));
  } catch (const ConversionFailure&) {  // beyond the extended range
    throw notANumber;
  }
}

// A JSON integer within the range of an int.
int readInteger(const QJsonValue& value, const QString& key, const QString& refusal) {
  const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
  if (!value.isDouble() || std::floor(number) != number ||
      std::fabs(number) > std::numeric_limits<int>::max())
    throw TermsFailure(key, refusal);
  return static_cast<int>(number);
}

// A rate or amount written back as read: up to 18 significant digits, no trailing zeros.
QString decimalText(Real value) {
  QString text = FormatFixed(value, 18, 18);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char(','))) text.chop(1);
  return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

void readDeferral(const QJsonValue& value, Deferral& deferral) {
  const QString form = QStringLiteral(
      "Le différé (differe) s'écrit {\"type\": \"partiel\" ou \"total\", "
      "\"nombre\": un nombre entier d'échéances}.");
  if (!value.isObject()) throw TermsFailure(kDeferralKey, form);
  const QJsonObject object = value.toObject();
  deferral.kind =
      readChoice(object.value(QStringLiteral("type")), kDeferralWords, kDeferralKey, form);
  deferral.count = readInteger(object.value(QStringLiteral("nombre")), kDeferralKey, form);
}

void readInsurance(const QJsonValue& value, InsuranceTerms& insurance) {
  const QString modes = QStringLiteral(
      "Le mode de l'assurance (assurance) doit être « aucune », « fixe », "
      "« capital_initial » ou « capital_restant ».");
  if (!value.isObject()) throw TermsFailure(kInsuranceKey, modes);
  const QJsonObject object = value.toObject();
  insurance.mode =
      readChoice(object.value(QStringLiteral("mode")), kInsuranceWords, kInsuranceKey, modes);
  if (insurance.mode == InsuranceMode::Fixed)
    insurance.amount = readDecimal(object.value(QStringLiteral("montant")), kInsuranceKey,
                                   QStringLiteral("Le montant de l'assurance"), "16.67");
  else if (insurance.mode != InsuranceMode::None)
    insurance.annualRate = readDecimal(object.value(QStringLiteral("taux_annuel")), kInsuranceKey,
                                       QStringLiteral("Le taux annuel de l'assurance"), "0.36");
}

}  // namespace

void readGenerationTerms(const QJsonObject& offer, ScheduleTerms& terms) {
  if (!offer.contains(kCountKey))
    throw TermsFailure(kCountKey,
                       QStringLiteral("Le nombre d'échéances (nombre_echeances) manque."));
  terms.debitRate =
      readDecimal(offer.value(kRateKey), kRateKey, QStringLiteral("Le taux débiteur"), "6.4");
  terms.instalmentCount = readInteger(
      offer.value(kCountKey), kCountKey,
      QStringLiteral("Le nombre d'échéances (nombre_echeances) doit être un nombre entier."));

  terms.deferral = {};
  if (offer.contains(kDeferralKey)) readDeferral(offer.value(kDeferralKey), terms.deferral);
  terms.rule = InstalmentRule::Contract;
  if (offer.contains(kRuleKey))
    terms.rule = readChoice(
        offer.value(kRuleKey), kRuleWords, kRuleKey,
        QStringLiteral("La règle des échéances (regle) doit être « contrat » ou « commission »."));
  terms.insurance = {};
  if (offer.contains(kInsuranceKey)) readInsurance(offer.value(kInsuranceKey), terms.insurance);
  terms.insuranceRequired = true;
  if (offer.contains(kRequiredKey)) {
    if (!offer.value(kRequiredKey).isBool())
      throw TermsFailure(kRequiredKey, QStringLiteral("L'assurance obligatoire "
                                                      "(assurance_obligatoire) vaut true ou "
                                                      "false."));
    terms.insuranceRequired = offer.value(kRequiredKey).toBool();
  }
  terms.brokenPeriodBase = BrokenPeriodBase::Days365;
  if (offer.contains(kBaseKey))
    terms.brokenPeriodBase = readChoice(offer.value(kBaseKey), kBaseWords, kBaseKey,
                                        QStringLiteral("La base de la période brisée "
                                                       "(base_periode_brisee) doit être « 365 » "
                                                       "ou « 360 »."));
}

void writeGenerationTerms(const ScheduleTerms& terms, QJsonObject& offer) {
  offer.insert(kRateKey, decimalText(terms.debitRate));
  offer.insert(kCountKey, terms.instalmentCount);
  if (terms.deferral.kind == DeferralKind::None)
    offer.remove(kDeferralKey);
  else
    offer.insert(kDeferralKey,
                 QJsonObject{{QStringLiteral("type"), wordOf(kDeferralWords, terms.deferral.kind)},
                             {QStringLiteral("nombre"), terms.deferral.count}});
  offer.insert(kRuleKey, wordOf(kRuleWords, terms.rule));
  QJsonObject insurance{{QStringLiteral("mode"), wordOf(kInsuranceWords, terms.insurance.mode)}};
  if (terms.insurance.mode == InsuranceMode::Fixed)
    insurance.insert(QStringLiteral("montant"), decimalText(terms.insurance.amount));
  else if (terms.insurance.mode != InsuranceMode::None)
    insurance.insert(QStringLiteral("taux_annuel"), decimalText(terms.insurance.annualRate));
  offer.insert(kInsuranceKey, insurance);
  offer.insert(kRequiredKey, terms.insuranceRequired);
  offer.insert(kBaseKey, wordOf(kBaseWords, terms.brokenPeriodBase));
}

}  // namespace kalmoris
