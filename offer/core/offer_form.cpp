#include "offer/core/offer_form.h"

#include "core/annex_calendar.h"
#include "core/numbers.h"
#include "core/offer_entries.h"
#include "offer/core/offer_checks.h"
#include "offer/core/offer_decimals.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace kalmoris {

namespace {

// At most 9999 instalments in a step.
constexpr int kCountDigits = 4;

constexpr std::array<int, 4> kPeriodsPerYear = {12, 4, 2, 1};
// The values of the terms' choices, item by item.
constexpr std::array<int, 2> kBrokenPeriodBases = {365, 360};
constexpr std::array<InstalmentRule, 2> kRules = {InstalmentRule::Contract,
                                                  InstalmentRule::Commission};
constexpr std::array<InsuranceMode, 4> kInsuranceModes = {InsuranceMode::None, InsuranceMode::Fixed,
                                                          InsuranceMode::InitialCapital,
                                                          InsuranceMode::RemainingCapital};

// Where an entry stands: a field, or a cell of a grid.
struct Place {
  OfferField field;
  int row = 0;  // from 1 in a grid
  int column = 0;
};

struct Refused {
  FormRefusal refusal;
};

QString fieldName(OfferField field) {
  switch (field) {
    case OfferField::Borrower:
      return QStringLiteral("Emprunteur");
    case OfferField::Nature:
      return QStringLiteral("Nature du prêt");
    case OfferField::OfferDate:
      return QStringLiteral("Date de l'offre");
    case OfferField::AnnouncedTaeg:
      return QStringLiteral("TAEG annoncé");
    case OfferField::AnnouncedTaea:
      return QStringLiteral("TAEA annoncé");
    case OfferField::UsuryThreshold:
      return QStringLiteral("Seuil de l'usure");
    case OfferField::Periodicity:
      return QStringLiteral("Périodicité");
    case OfferField::Drawdowns:
      return QStringLiteral("Déblocages");
    case OfferField::Fees:
      return QStringLiteral("Frais");
    case OfferField::FirstInstalment:
      return QStringLiteral("Première échéance");
    case OfferField::Insurance:
      return QStringLiteral("Assurance");
    case OfferField::DebitRate:
      return QStringLiteral("Taux débiteur");
    case OfferField::BrokenPeriodBase:
      return QStringLiteral("Jours par an d'une période brisée");
    case OfferField::Instalments:
      return QStringLiteral("Échéances");
    case OfferField::Steps:
      return QStringLiteral("Paliers");
    case OfferField::InstalmentCount:
      return QStringLiteral("Nombre d'échéances");
    case OfferField::Rule:
      return QStringLiteral("Règle");
    case OfferField::Deferral:
      return QStringLiteral("Différé");
    case OfferField::DeferralCount:
      return QStringLiteral("Échéances différées");
    case OfferField::InsuranceMode:
      return QStringLiteral("Prime d'assurance");
    case OfferField::InsurancePremium:
      return QStringLiteral("Prime par échéance");
    case OfferField::InsuranceRate:
      return QStringLiteral("Taux annuel de l'assurance");
  }
  return {};
}

// The entry of a grid row and the keys of the file for its columns.
struct GridShape {
  const char* entry;
  std::array<const char*, 3> columns;
  std::array<const char*, 3> keys;
};

GridShape gridShape(OfferField field) {
  switch (field) {
    case OfferField::Drawdowns:
      return {"Déblocage", {"date", "montant", nullptr}, {"date", "montant", nullptr}};
    case OfferField::Fees:
      return {"Frais", {"libellé", "montant", "date"}, {"libelle", "montant", "date"}};
    default:
      return {"Palier",
              {"nombre", "montant hors assurance", "assurance par échéance"},
              {"nombre", "montant", "assurance"}};
  }
}

bool isGrid(OfferField field) {
  return field == OfferField::Drawdowns || field == OfferField::Fees || field == OfferField::Steps;
}

QString placeText(const Place& place) {
  if (!isGrid(place.field) || place.row == 0) return fieldName(place.field);
  const GridShape shape = gridShape(place.field);
  return QStringLiteral("%1 n° %2, %3")
      .arg(QString::fromUtf8(shape.entry))
      .arg(place.row)
      .arg(QString::fromUtf8(shape.columns[place.column]));
}

// A refusal of a whole grid is marked on its first cell.
FormRefusal refusalAt(const Place& place, const QString& reason) {
  const int row = std::max(place.row, isGrid(place.field) ? 1 : 0);
  return {place.field, row, place.column, placeText(place) + QStringLiteral(" : ") + reason};
}

[[noreturn]] void refuse(const Place& place, const QString& reason) {
  throw Refused{refusalAt(place, reason)};
}

// Digits, then a comma ("." accepted) and decimals, read as the file reads them; spaces between
// the digits are dropped.
std::optional<Real> decimalEntry(QString text, int integerDigits, int decimals) {
  text.remove(QChar(u' ')).remove(QChar(0x00A0)).remove(QChar(0x202F));
  return decimalValue(text.replace(u',', u'.'), integerDigits, decimals);
}

std::optional<QDate> readDate(const QString& text, const Place& place, bool required) {
  const OfferEntry<QDate> entry = readOfferDate(text);
  if (entry.refused()) refuse(place, entry.refusal);
  if (!entry.value && required) refuse(place, QStringLiteral("la date est nécessaire."));
  return entry.value;
}

std::optional<Real> readAmount(const QString& text, const Place& place, bool required) {
  const QString entry = text.trimmed();
  if (entry.isEmpty()) {
    if (required) refuse(place, QStringLiteral("le montant est nécessaire."));
    return std::nullopt;
  }
  const auto amount = decimalEntry(entry, kAmountDigits, kAmountDecimals);
  if (!amount) {
    refuse(place, QStringLiteral("'%1' n'est pas un montant (par ex. 1432,86).").arg(entry));
  }
  return amount;
}

// A rate in percent, or the TAEA in points, with an optional "%" after it.
std::optional<Real> readRate(const QString& text, const Place& place, bool required = false) {
  const QString entry = text.trimmed();
  QString number = entry;
  if (number.endsWith(u'%')) number = number.chopped(1).trimmed();
  if (entry.isEmpty()) {
    if (required) refuse(place, QStringLiteral("le taux est nécessaire."));
    return std::nullopt;
  }
  const auto rate = decimalEntry(number, kRateDigits, kRateDecimals);
  if (!rate) refuse(place, QStringLiteral("'%1' n'est pas un taux (par ex. 6,4).").arg(entry));
  return rate;
}

int readCount(const QString& text, const Place& place) {
  const QString entry = text.trimmed();
  if (entry.isEmpty()) refuse(place, QStringLiteral("le nombre d'échéances est nécessaire."));
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,%1}$").arg(kCountDigits));
  if (!digits.match(entry).hasMatch()) {
    refuse(place, QStringLiteral("'%1' n'est pas un nombre d'échéances (par ex. 240).").arg(entry));
  }
  return entry.toInt();
}

int itemIndex(const QStringList& items, const QString& text, const Place& place) {
  const qsizetype index = items.indexOf(text);
  if (index < 0 || text.isEmpty()) {
    QStringList choices = items;
    choices.removeAll(QString());
    const QString last = choices.takeLast();
    refuse(place,
           QStringLiteral("choisissez %1 ou %2.").arg(choices.join(QStringLiteral(", ")), last));
  }
  return int(index);
}

QString cellOf(const QStringList& row, int column) {
  return column < row.size() ? row[column] : QString();
}

bool isEmptyRow(const QStringList& row) {
  for (const QString& cell : row) {
    if (!cell.trimmed().isEmpty()) return false;
  }
  return true;
}

template <typename Entry>
QJsonObject keptKeys(const std::vector<Entry>& kept, std::size_t index) {
  return index < kept.size() ? kept[index].unknownKeys : QJsonObject();
}

// The grid rows the entries of the offer's lists came from.
struct EntryRows {
  std::vector<int> drawdowns;
  std::vector<int> fees;
  std::vector<int> steps;
};

// Each non-empty row of a grid read into an entry of a list, with the unknown keys of the kept
// entry at its place.
template <typename Entry, typename Read>
std::vector<Entry> readGrid(const GridTexts& grid, OfferField field, const std::vector<Entry>& kept,
                            std::vector<int>& rows, Read read) {
  std::vector<Entry> entries;
  for (std::size_t k = 0; k < grid.size(); ++k) {
    if (isEmptyRow(grid[k])) continue;
    const int row = int(k) + 1;
    Entry entry = read(grid[k], [&](int column) { return Place{field, row, column}; });
    entry.unknownKeys = keptKeys(kept, entries.size());
    entries.push_back(std::move(entry));
    rows.push_back(row);
  }
  return entries;
}

// A choice of the terms by its item. The first item is what an unstated term means: chosen, it
// leaves the term unstated unless the kept offer stated it.
template <typename Value, std::size_t N>
std::optional<Value> statedChoice(const QStringList& items, const QString& text, const Place& place,
                                  const std::array<Value, N>& values, bool keptStated) {
  const int index = itemIndex(items, text, place);
  if (index == 0 && !keptStated) return std::nullopt;
  return values[std::size_t(index)];
}

// The terms a schedule is generated from; the debit rate and the base are read before them.
void readTerms(const OfferForm& form, const OfferTerms& kept, OfferTerms& terms) {
  terms.instalmentCount = readCount(form.instalmentCount, {OfferField::InstalmentCount});
  terms.rule =
      statedChoice(ruleItems(), form.rule, {OfferField::Rule}, kRules, kept.rule.has_value());
  const int deferralIndex = itemIndex(deferralItems(), form.deferral, {OfferField::Deferral});
  if (deferralIndex > 0) {
    Deferral stated;
    stated.kind = deferralIndex == 1 ? DeferralKind::Partial : DeferralKind::Total;
    stated.count = readCount(form.deferralCount, {OfferField::DeferralCount});
    if (kept.deferral) stated.unknownKeys = kept.deferral->unknownKeys;
    terms.deferral = stated;
  }
  const std::optional<InsuranceMode> mode =
      statedChoice(insuranceModeItems(), form.insuranceMode, {OfferField::InsuranceMode},
                   kInsuranceModes, kept.insurance.has_value());
  if (mode) {
    InsuranceTerms insurance;
    insurance.mode = *mode;
    if (*mode == InsuranceMode::Fixed) {
      insurance.premium = readAmount(form.insurancePremium, {OfferField::InsurancePremium}, true);
    } else if (*mode != InsuranceMode::None) {
      insurance.annualRate = readRate(form.insuranceRate, {OfferField::InsuranceRate}, true);
    }
    if (kept.insurance) insurance.unknownKeys = kept.insurance->unknownKeys;
    terms.insurance = insurance;
  }
}

Offer readEntries(const OfferForm& form, const Offer& kept, EntryRows& rows) {
  Offer offer;
  offer.borrower = form.borrower;
  offer.nature = loanNatureOf(form.nature);
  if (offer.nature == LoanNature::None) {
    refuse({OfferField::Nature},
           QStringLiteral("choisissez Immobilier, Consommation ou Professionnel."));
  }
  offer.offerDate = readDate(form.offerDate, {OfferField::OfferDate}, false);
  offer.announcedTaeg = readRate(form.announcedTaeg, {OfferField::AnnouncedTaeg});
  offer.announcedTaea = readRate(form.announcedTaea, {OfferField::AnnouncedTaea});
  const OfferEntry<Real> threshold = readUsuryThreshold(form.usuryThreshold);
  if (threshold.refused()) refuse({OfferField::UsuryThreshold}, threshold.refusal);
  offer.usuryThreshold = threshold.value;
  offer.periodsPerYear =
      kPeriodsPerYear[itemIndex(periodicityItems(), form.periodicity, {OfferField::Periodicity})];

  offer.drawdowns = readGrid(form.drawdowns, OfferField::Drawdowns, kept.drawdowns, rows.drawdowns,
                             [](const QStringList& row, auto at) {
                               Drawdown drawdown;
                               drawdown.date = *readDate(cellOf(row, 0), at(0), true);
                               drawdown.amount = *readAmount(cellOf(row, 1), at(1), true);
                               return drawdown;
                             });
  if (offer.drawdowns.empty()) {
    refuse({OfferField::Drawdowns},
           QStringLiteral("au moins un déblocage (date et montant) est nécessaire."));
  }
  offer.fees = readGrid(form.fees, OfferField::Fees, kept.fees, rows.fees,
                        [](const QStringList& row, auto at) {
                          OfferFee fee;
                          fee.label = cellOf(row, 0);
                          fee.amount = *readAmount(cellOf(row, 1), at(1), true);
                          fee.date = readDate(cellOf(row, 2), at(2), false);
                          return fee;
                        });
  offer.firstInstalment = *readDate(form.firstInstalment, {OfferField::FirstInstalment}, true);
  offer.insuranceRequired =
      itemIndex(insuranceItems(), form.insurance, {OfferField::Insurance}) == 0;
  offer.terms.debitRate = readRate(form.debitRate, {OfferField::DebitRate});
  offer.terms.brokenPeriodDays =
      statedChoice(brokenPeriodBaseItems(), form.brokenPeriodBase, {OfferField::BrokenPeriodBase},
                   kBrokenPeriodBases, kept.terms.brokenPeriodDays.has_value());
  if (itemIndex(instalmentsItems(), form.instalments, {OfferField::Instalments}) == 0) {
    offer.steps = readGrid(form.steps, OfferField::Steps, kept.steps, rows.steps,
                           [](const QStringList& row, auto at) {
                             InstalmentStep step;
                             step.count = readCount(cellOf(row, 0), at(0));
                             step.amount = *readAmount(cellOf(row, 1), at(1), true);
                             step.insurance = readAmount(cellOf(row, 2), at(2), false).value_or(0);
                             return step;
                           });
    if (offer.steps.empty()) {
      refuse({OfferField::Steps},
             QStringLiteral("au moins un palier (nombre et montant) est nécessaire."));
    }
  } else {
    readTerms(form, kept.terms, offer.terms);
  }
  offer.unknownKeys = kept.unknownKeys;
  return offer;
}

// A rule of checkOffer broken, at the entry that breaks it: the key of the file, and for a key
// that holds an object the key inside it (none: any).
FormRefusal refusalOf(const OfferFailure& failure, const EntryRows& rows) {
  struct Key {
    const char* name;
    const char* inside;
    OfferField field;
    const std::vector<int>* rows;
  };
  const Key keys[] = {{"nature", nullptr, OfferField::Nature, nullptr},
                      {"date_offre", nullptr, OfferField::OfferDate, nullptr},
                      {"taux_annonce", nullptr, OfferField::AnnouncedTaeg, nullptr},
                      {"taea_annonce", nullptr, OfferField::AnnouncedTaea, nullptr},
                      {"seuil_usure", nullptr, OfferField::UsuryThreshold, nullptr},
                      {"periodicite", nullptr, OfferField::Periodicity, nullptr},
                      {"deblocages", nullptr, OfferField::Drawdowns, &rows.drawdowns},
                      {"frais", nullptr, OfferField::Fees, &rows.fees},
                      {"premiere_echeance", nullptr, OfferField::FirstInstalment, nullptr},
                      {"paliers", nullptr, OfferField::Steps, &rows.steps},
                      {"taux_debiteur", nullptr, OfferField::DebitRate, nullptr},
                      {"base_periode_brisee", nullptr, OfferField::BrokenPeriodBase, nullptr},
                      {"nombre_echeances", nullptr, OfferField::InstalmentCount, nullptr},
                      {"regle", nullptr, OfferField::Rule, nullptr},
                      {"differe", "nombre", OfferField::DeferralCount, nullptr},
                      {"differe", nullptr, OfferField::Deferral, nullptr},
                      {"assurance", "montant", OfferField::InsurancePremium, nullptr},
                      {"assurance", "taux_annuel", OfferField::InsuranceRate, nullptr},
                      {"assurance", nullptr, OfferField::InsuranceMode, nullptr}};
  for (const Key& key : keys) {
    if (failure.key() != QLatin1String(key.name)) continue;
    if (key.inside && failure.field() != QLatin1String(key.inside)) continue;
    Place place{key.field};
    if (key.rows && failure.entry() > 0) {
      place.row = (*key.rows)[failure.entry() - 1];
      const GridShape shape = gridShape(key.field);
      for (int column = 0; column < 3; ++column) {
        if (shape.keys[column] && failure.field() == QLatin1String(shape.keys[column])) {
          place.column = column;
        }
      }
    }
    return refusalAt(place, failure.reason());
  }
  throw failure;
}

QString rateText(Real rate) {
  QString text = FormatFixed(rate, 18, kRateDecimals);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u',')) text.chop(1);
  return text;
}

QString amountText(Real amount) {
  return FormatPattern(amount, QStringLiteral("#0.00"));
}

QString optionalRateText(const std::optional<Real>& rate) {
  return rate ? rateText(*rate) : QString();
}

template <typename Value, std::size_t N>
QString itemOf(const QStringList& items, const std::array<Value, N>& values, Value value) {
  for (std::size_t k = 0; k < N; ++k) {
    if (values[k] == value) return items[qsizetype(k)];
  }
  return {};
}

}  // namespace

QStringList periodicityItems() {
  return {QStringLiteral("mensuelle"), QStringLiteral("trimestrielle"),
          QStringLiteral("semestrielle"), QStringLiteral("annuelle")};
}

QStringList insuranceItems() {
  return {QStringLiteral("obligatoire"), QStringLiteral("facultative")};
}

QStringList instalmentsItems() {
  return {QStringLiteral("paliers saisis"), QStringLiteral("conditions de l'offre")};
}

QStringList brokenPeriodBaseItems() {
  return {QStringLiteral("365"), QStringLiteral("360")};
}

QStringList ruleItems() {
  return {QStringLiteral("contrat"), QStringLiteral("commission")};
}

QStringList deferralItems() {
  return {QStringLiteral("aucun"), QStringLiteral("partiel"), QStringLiteral("total")};
}

QStringList insuranceModeItems() {
  return {QStringLiteral("aucune"), QStringLiteral("fixe"), QStringLiteral("capital initial"),
          QStringLiteral("capital restant")};
}

FormReading readOfferForm(const OfferForm& form, const Offer& kept) {
  EntryRows rows;
  try {
    Offer offer = readEntries(form, kept, rows);
    try {
      checkOffer(offer);
    } catch (const OfferFailure& failure) {
      return {std::nullopt, refusalOf(failure, rows)};
    }
    return {std::move(offer), {}};
  } catch (const Refused& refused) {
    return {std::nullopt, refused.refusal};
  }
}

OfferForm offerFormOf(const Offer& offer) {
  OfferForm form;
  form.borrower = offer.borrower;
  for (const QString& item : loanNatureItems()) {
    if (loanNatureOf(item) == offer.nature) form.nature = item;
  }
  form.offerDate = offer.offerDate ? frenchDateText(*offer.offerDate) : QString();
  form.announcedTaeg = optionalRateText(offer.announcedTaeg);
  form.announcedTaea = optionalRateText(offer.announcedTaea);
  form.usuryThreshold = optionalRateText(offer.usuryThreshold);
  for (std::size_t k = 0; k < kPeriodsPerYear.size(); ++k) {
    if (kPeriodsPerYear[k] == offer.periodsPerYear) form.periodicity = periodicityItems()[k];
  }
  for (const Drawdown& drawdown : offer.drawdowns)
    form.drawdowns.push_back({frenchDateText(drawdown.date), amountText(drawdown.amount)});
  for (const OfferFee& fee : offer.fees) {
    form.fees.push_back(
        {fee.label, amountText(fee.amount), fee.date ? frenchDateText(*fee.date) : QString()});
  }
  form.firstInstalment = frenchDateText(offer.firstInstalment);
  form.insurance = insuranceItems()[offer.insuranceRequired ? 0 : 1];
  const OfferTerms& terms = offer.terms;
  form.debitRate = optionalRateText(terms.debitRate);
  form.brokenPeriodBase = itemOf(brokenPeriodBaseItems(), kBrokenPeriodBases,
                                 terms.brokenPeriodDays.value_or(kBrokenPeriodBases[0]));
  form.instalments = instalmentsItems()[terms.generated() ? 1 : 0];
  for (const InstalmentStep& step : offer.steps) {
    form.steps.push_back(
        {QString::number(step.count), amountText(step.amount), amountText(step.insurance)});
  }
  if (terms.instalmentCount) form.instalmentCount = QString::number(*terms.instalmentCount);
  form.rule = itemOf(ruleItems(), kRules, terms.rule.value_or(kRules[0]));
  form.deferral = deferralItems()[0];
  if (terms.deferral) {
    form.deferral = deferralItems()[terms.deferral->kind == DeferralKind::Partial ? 1 : 2];
    form.deferralCount = QString::number(terms.deferral->count);
  }
  const InsuranceTerms insurance = terms.insurance.value_or(InsuranceTerms());
  form.insuranceMode = itemOf(insuranceModeItems(), kInsuranceModes, insurance.mode);
  if (insurance.premium) form.insurancePremium = amountText(*insurance.premium);
  form.insuranceRate = optionalRateText(insurance.annualRate);
  return form;
}

}  // namespace kalmoris
