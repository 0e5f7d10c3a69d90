#include "offer/core/offer_file.h"

#include "core/file_reading.h"
#include "offer/core/offer_checks.h"
#include "offer/core/offer_decimals.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace kalmoris {

namespace {

const QString kFormat = QStringLiteral("kalmoris-offre");
constexpr int kVersion = 1;

template <typename Enum>
using Words = std::initializer_list<std::pair<const char*, Enum>>;

const Words<LoanNature> kNatures = {{"immobilier", LoanNature::Immobilier},
                                    {"consommation", LoanNature::Consommation},
                                    {"professionnel", LoanNature::Professionnel}};
const Words<DeferralKind> kDeferrals = {{"partiel", DeferralKind::Partial},
                                        {"total", DeferralKind::Total}};
const Words<InstalmentRule> kRules = {{"commission", InstalmentRule::Commission},
                                      {"contrat", InstalmentRule::Contract}};
const Words<InsuranceMode> kInsuranceModes = {{"aucune", InsuranceMode::None},
                                              {"fixe", InsuranceMode::Fixed},
                                              {"capital_initial", InsuranceMode::InitialCapital},
                                              {"capital_restant", InsuranceMode::RemainingCapital}};
const Words<int> kBrokenPeriodBases = {{"365", 365}, {"360", 360}};

template <typename Enum>
QString wordOf(Words<Enum> words, Enum value) {
  for (const auto& [word, meaning] : words) {
    if (meaning == value) return QString::fromLatin1(word);
  }
  return {};
}

template <typename Enum>
QString wordList(Words<Enum> words) {
  QStringList quoted;
  for (const auto& entry : words) quoted << QStringLiteral("« %1 »").arg(entry.first);
  const QString last = quoted.takeLast();
  return quoted.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + last;
}

QString dateText(QDate date) {
  return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// A text without the byte-order marks (U+FEFF) it begins with. Qt's parser drops one such
// mark from a text written as it is, and keeps it in a text written with escapes, which then
// reads back without it: without them, every text reads back the same after a save.
QString withoutLeadingMarks(QString text) {
  qsizetype marks = 0;
  while (marks < text.size() && text.at(marks) == QChar(0xFEFF)) ++marks;
  return text.remove(0, marks);
}

// The value with every key and text without its leading marks.
QJsonValue withoutMarks(const QJsonValue& value) {
  if (value.isArray()) {
    QJsonArray array;
    for (const QJsonValue& item : value.toArray()) array.append(withoutMarks(item));
    return array;
  }
  if (value.isObject()) {
    const QJsonObject object = value.toObject();
    QJsonObject copy;
    for (auto item = object.begin(); item != object.end(); ++item) {
      copy.insert(withoutLeadingMarks(item.key()), withoutMarks(item.value()));
    }
    return copy;
  }
  if (value.isString()) return withoutLeadingMarks(value.toString());
  return value;
}

// One JSON object of the file, read key by key: the file itself, an entry of one of its lists,
// or the object of a key. A refusal names the key, inside the list's or the object's key.
class ObjectReader {
 public:
  explicit ObjectReader(QJsonObject object, QString outerKey = {}, int entry = 0)
      : object_(std::move(object)), outerKey_(std::move(outerKey)), entry_(entry) {}

  [[noreturn]] void refuse(const QString& name, const QString& reason) const {
    if (outerKey_.isEmpty()) throw OfferFailure(name, 0, {}, reason);
    throw OfferFailure(outerKey_, entry_, name, reason);
  }

  // The value of a key, none when it is absent or null; a required key must be there.
  std::optional<QJsonValue> value(const QString& name, bool required) {
    known_ << name;
    const QJsonValue found = object_.value(name);
    if (found.isUndefined() || found.isNull()) {
      if (required) refuse(name, QStringLiteral("absente alors qu'elle est obligatoire."));
      return std::nullopt;
    }
    return found;
  }

  std::optional<int> integer(const QString& name, bool required) {
    const auto found = value(name, required);
    if (!found) return std::nullopt;
    const double number = found->toDouble();
    if (!found->isDouble() || std::floor(number) != number || std::fabs(number) > 1e9) {
      refuse(name, QStringLiteral("un nombre entier (sans guillemets) est attendu."));
    }
    return int(number);
  }

  std::optional<QString> text(const QString& name, bool required) {
    const auto found = value(name, required);
    if (!found) return std::nullopt;
    if (!found->isString()) refuse(name, QStringLiteral("un texte entre guillemets est attendu."));
    return found->toString();
  }

  std::optional<bool> boolean(const QString& name, bool required) {
    const auto found = value(name, required);
    if (!found) return std::nullopt;
    if (!found->isBool()) refuse(name, QStringLiteral("true ou false est attendu."));
    return found->toBool();
  }

  std::optional<QDate> date(const QString& name, bool required) {
    const auto written = text(name, required);
    if (!written) return std::nullopt;
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    const QDate date = QDate::fromString(*written, QStringLiteral("yyyy-MM-dd"));
    if (!shape.match(*written).hasMatch() || !date.isValid()) {
      refuse(name, QStringLiteral("« %1 » n'est pas une date écrite AAAA-MM-JJ (« 2026-01-31 »).")
                       .arg(*written));
    }
    return date;
  }

  std::optional<Real> amount(const QString& name, bool required) {
    const auto written = text(name, required);
    if (!written) return std::nullopt;
    const auto amount = decimalValue(*written, kAmountDigits, kAmountDecimals);
    if (!amount) {
      refuse(name, QStringLiteral("« %1 » n'est pas un montant écrit avec un point et au plus "
                                  "deux décimales (« 1432.86 »).")
                       .arg(*written));
    }
    return amount;
  }

  std::optional<Real> rate(const QString& name, bool required) {
    const auto written = text(name, required);
    if (!written) return std::nullopt;
    const auto rate = decimalValue(*written, kRateDigits, kRateDecimals);
    if (!rate) {
      refuse(name, QStringLiteral("« %1 » n'est pas un taux en pourcentage écrit avec un point et "
                                  "au plus six décimales (« 6.4 »).")
                       .arg(*written));
    }
    return rate;
  }

  template <typename Enum>
  std::optional<Enum> choice(const QString& name, bool required, Words<Enum> words) {
    const auto written = text(name, required);
    if (!written) return std::nullopt;
    for (const auto& [word, meaning] : words) {
      if (*written == QLatin1String(word)) return meaning;
    }
    refuse(name, QStringLiteral("« %1 » n'est pas reconnu : %2 est attendu.")
                     .arg(*written, wordList(words)));
  }

  std::optional<QJsonObject> object(const QString& name, bool required) {
    const auto found = value(name, required);
    if (!found) return std::nullopt;
    if (!found->isObject()) refuse(name, QStringLiteral("un objet { … } est attendu."));
    return found->toObject();
  }

  // The entries of a list, each an object.
  std::optional<std::vector<QJsonObject>> list(const QString& name, bool required) {
    const auto found = value(name, required);
    if (!found) return std::nullopt;
    if (!found->isArray()) refuse(name, QStringLiteral("une liste [ … ] est attendue."));
    std::vector<QJsonObject> entries;
    const QJsonArray array = found->toArray();
    for (qsizetype k = 0; k < array.size(); ++k) {
      if (!array.at(k).isObject()) {
        throw OfferFailure(name, int(k) + 1, {}, QStringLiteral("un objet { … } est attendu."));
      }
      entries.push_back(array.at(k).toObject());
    }
    return entries;
  }

  // What the program does not know of the object, as it was.
  QJsonObject unknownKeys() const {
    QJsonObject unknown = object_;
    for (const QString& name : known_) unknown.remove(name);
    return unknown;
  }

 private:
  QJsonObject object_;
  QString outerKey_;
  int entry_;
  QStringList known_;
};

Drawdown readDrawdown(ObjectReader entry) {
  Drawdown drawdown;
  drawdown.date = *entry.date(QStringLiteral("date"), true);
  drawdown.amount = *entry.amount(QStringLiteral("montant"), true);
  drawdown.unknownKeys = entry.unknownKeys();
  return drawdown;
}

OfferFee readFee(ObjectReader entry) {
  OfferFee fee;
  fee.label = entry.text(QStringLiteral("libelle"), false).value_or(QString());
  fee.amount = *entry.amount(QStringLiteral("montant"), true);
  fee.date = entry.date(QStringLiteral("date"), false);
  fee.unknownKeys = entry.unknownKeys();
  return fee;
}

InstalmentStep readStep(ObjectReader entry) {
  InstalmentStep step;
  step.count = *entry.integer(QStringLiteral("nombre"), true);
  step.amount = *entry.amount(QStringLiteral("montant"), true);
  step.insurance = entry.amount(QStringLiteral("assurance"), false).value_or(0);
  step.unknownKeys = entry.unknownKeys();
  return step;
}

template <typename Entry>
std::vector<Entry> readList(ObjectReader& file, const QString& key, bool required,
                            Entry (*readEntry)(ObjectReader)) {
  std::vector<Entry> entries;
  const auto objects = file.list(key, required);
  if (!objects) return entries;
  for (std::size_t k = 0; k < objects->size(); ++k) {
    entries.push_back(readEntry(ObjectReader((*objects)[k], key, int(k) + 1)));
  }
  return entries;
}

Deferral readDeferral(const QJsonObject& object) {
  ObjectReader reader(object, QStringLiteral("differe"));
  Deferral deferral;
  deferral.kind = *reader.choice(QStringLiteral("type"), true, kDeferrals);
  deferral.count = *reader.integer(QStringLiteral("nombre"), true);
  if (deferral.count < 1 || deferral.count > kMostInstalments) {
    reader.refuse(
        QStringLiteral("nombre"),
        QStringLiteral("de 1 à %1 échéances différées sont attendues.").arg(kMostInstalments));
  }
  deferral.unknownKeys = reader.unknownKeys();
  return deferral;
}

InsuranceTerms readInsuranceTerms(const QJsonObject& object) {
  ObjectReader reader(object, QStringLiteral("assurance"));
  InsuranceTerms insurance;
  insurance.mode = *reader.choice(QStringLiteral("mode"), true, kInsuranceModes);
  const bool fixed = insurance.mode == InsuranceMode::Fixed;
  const bool onCapital = insurance.mode == InsuranceMode::InitialCapital ||
                         insurance.mode == InsuranceMode::RemainingCapital;
  // A premium or a rate the mode does not take is refused by checkOffer.
  insurance.premium = reader.amount(QStringLiteral("montant"), fixed);
  insurance.annualRate = reader.rate(QStringLiteral("taux_annuel"), onCapital);
  insurance.unknownKeys = reader.unknownKeys();
  return insurance;
}

OfferTerms readTerms(ObjectReader& file) {
  OfferTerms terms;
  terms.debitRate = file.rate(QStringLiteral("taux_debiteur"), false);
  terms.instalmentCount = file.integer(QStringLiteral("nombre_echeances"), false);
  if (terms.instalmentCount &&
      (*terms.instalmentCount < 1 || *terms.instalmentCount > kMostInstalments)) {
    file.refuse(QStringLiteral("nombre_echeances"),
                QStringLiteral("de 1 à %1 échéances sont attendues.").arg(kMostInstalments));
  }
  if (const auto deferral = file.object(QStringLiteral("differe"), false)) {
    terms.deferral = readDeferral(*deferral);
  }
  terms.rule = file.choice(QStringLiteral("regle"), false, kRules);
  if (const auto insurance = file.object(QStringLiteral("assurance"), false)) {
    terms.insurance = readInsuranceTerms(*insurance);
  }
  terms.brokenPeriodDays =
      file.choice(QStringLiteral("base_periode_brisee"), false, kBrokenPeriodBases);
  return terms;
}

QJsonObject documentOf(QByteArrayView bytes) {
  // A byte-order mark, which some editors write, is not part of the JSON text.
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
  if (error.error != QJsonParseError::NoError) {
    // Qt's offset is just past the byte it stopped at: that byte's number, counting from 1.
    throw OfferFailure(QStringLiteral("Ce fichier n'est pas une offre : son texte JSON est "
                                      "illisible à partir de l'octet %1.")
                           .arg(std::max(1, int(error.offset))));
  }
  if (!document.isObject()) {
    throw OfferFailure(
        QStringLiteral("Ce fichier n'est pas une offre : un objet JSON { … } est attendu."));
  }
  return withoutMarks(document.object()).toObject();
}

QJsonObject termsObject(const OfferTerms& terms, QJsonObject file) {
  if (terms.debitRate) {
    file.insert(QStringLiteral("taux_debiteur"),
                decimalText(*terms.debitRate, kRateDecimals, true));
  }
  if (terms.instalmentCount)
    file.insert(QStringLiteral("nombre_echeances"), *terms.instalmentCount);
  if (terms.deferral) {
    QJsonObject deferral = terms.deferral->unknownKeys;
    deferral.insert(QStringLiteral("type"), wordOf(kDeferrals, terms.deferral->kind));
    deferral.insert(QStringLiteral("nombre"), terms.deferral->count);
    file.insert(QStringLiteral("differe"), deferral);
  }
  if (terms.rule) file.insert(QStringLiteral("regle"), wordOf(kRules, *terms.rule));
  if (terms.insurance) {
    QJsonObject insurance = terms.insurance->unknownKeys;
    insurance.insert(QStringLiteral("mode"), wordOf(kInsuranceModes, terms.insurance->mode));
    if (terms.insurance->premium) {
      insurance.insert(QStringLiteral("montant"),
                       decimalText(*terms.insurance->premium, kAmountDecimals, false));
    }
    if (terms.insurance->annualRate) {
      insurance.insert(QStringLiteral("taux_annuel"),
                       decimalText(*terms.insurance->annualRate, kRateDecimals, true));
    }
    file.insert(QStringLiteral("assurance"), insurance);
  }
  if (terms.brokenPeriodDays) {
    file.insert(QStringLiteral("base_periode_brisee"),
                wordOf(kBrokenPeriodBases, *terms.brokenPeriodDays));
  }
  return file;
}

}  // namespace

Offer readOfferFile(QByteArrayView bytes) {
  ObjectReader file(documentOf(bytes));
  if (*file.text(QStringLiteral("format"), true) != kFormat) {
    file.refuse(
        QStringLiteral("format"),
        QStringLiteral("« %1 » est attendu : ce fichier n'est pas une offre.").arg(kFormat));
  }
  const int version = *file.integer(QStringLiteral("version"), true);
  if (version != kVersion) {
    file.refuse(QStringLiteral("version"),
                QStringLiteral("cette offre est de la version %1, le programme lit la version %2.")
                    .arg(version)
                    .arg(kVersion));
  }
  Offer offer;
  offer.borrower = file.text(QStringLiteral("emprunteur"), false).value_or(QString());
  offer.nature = *file.choice(QStringLiteral("nature"), true, kNatures);
  offer.offerDate = file.date(QStringLiteral("date_offre"), false);
  offer.announcedTaeg = file.rate(QStringLiteral("taux_annonce"), false);
  offer.announcedTaea = file.rate(QStringLiteral("taea_annonce"), false);
  offer.usuryThreshold = file.rate(QStringLiteral("seuil_usure"), false);
  offer.periodsPerYear = *file.integer(QStringLiteral("periodicite"), true);
  offer.drawdowns = readList(file, QStringLiteral("deblocages"), true, readDrawdown);
  offer.fees = readList(file, QStringLiteral("frais"), false, readFee);
  offer.firstInstalment = *file.date(QStringLiteral("premiere_echeance"), true);
  offer.steps = readList(file, QStringLiteral("paliers"), false, readStep);
  offer.insuranceRequired =
      file.boolean(QStringLiteral("assurance_obligatoire"), false).value_or(true);
  offer.terms = readTerms(file);
  offer.unknownKeys = file.unknownKeys();
  checkOffer(offer);
  return offer;
}

Offer openOfferFile(const QString& path) {
  return readOfferFile(
      readKindOfFile(path, {QStringLiteral(".offre"), QStringLiteral("une offre .offre")}));
}

QByteArray writeOfferFile(const Offer& offer) {
  checkOffer(offer);
  QJsonObject file = termsObject(offer.terms, offer.unknownKeys);
  file.insert(QStringLiteral("format"), kFormat);
  file.insert(QStringLiteral("version"), kVersion);
  if (!offer.borrower.isEmpty()) file.insert(QStringLiteral("emprunteur"), offer.borrower);
  file.insert(QStringLiteral("nature"), wordOf(kNatures, offer.nature));
  if (offer.offerDate) file.insert(QStringLiteral("date_offre"), dateText(*offer.offerDate));
  const auto insertRate = [&](const char* key, const std::optional<Real>& rate) {
    if (rate) file.insert(QLatin1String(key), decimalText(*rate, kRateDecimals, true));
  };
  insertRate("taux_annonce", offer.announcedTaeg);
  insertRate("taea_annonce", offer.announcedTaea);
  insertRate("seuil_usure", offer.usuryThreshold);
  file.insert(QStringLiteral("periodicite"), offer.periodsPerYear);
  const auto amountText = [](Real amount) { return decimalText(amount, kAmountDecimals, false); };

  QJsonArray drawdowns;
  for (const Drawdown& drawdown : offer.drawdowns) {
    QJsonObject entry = drawdown.unknownKeys;
    entry.insert(QStringLiteral("date"), dateText(drawdown.date));
    entry.insert(QStringLiteral("montant"), amountText(drawdown.amount));
    drawdowns.append(entry);
  }
  file.insert(QStringLiteral("deblocages"), drawdowns);

  QJsonArray fees;
  for (const OfferFee& fee : offer.fees) {
    QJsonObject entry = fee.unknownKeys;
    if (!fee.label.isEmpty()) entry.insert(QStringLiteral("libelle"), fee.label);
    entry.insert(QStringLiteral("montant"), amountText(fee.amount));
    if (fee.date) entry.insert(QStringLiteral("date"), dateText(*fee.date));
    fees.append(entry);
  }
  if (!fees.isEmpty()) file.insert(QStringLiteral("frais"), fees);

  file.insert(QStringLiteral("premiere_echeance"), dateText(offer.firstInstalment));
  QJsonArray steps;
  for (const InstalmentStep& step : offer.steps) {
    QJsonObject entry = step.unknownKeys;
    entry.insert(QStringLiteral("nombre"), step.count);
    entry.insert(QStringLiteral("montant"), amountText(step.amount));
    if (step.insurance != 0) entry.insert(QStringLiteral("assurance"), amountText(step.insurance));
    steps.append(entry);
  }
  if (!steps.isEmpty()) file.insert(QStringLiteral("paliers"), steps);
  file.insert(QStringLiteral("assurance_obligatoire"), offer.insuranceRequired);
  return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

}  // namespace kalmoris
