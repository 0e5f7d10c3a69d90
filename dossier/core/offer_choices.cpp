#include "dossier/core/offer_choices.h"

#include "core/counting_rate.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace kalmoris {

namespace {

// Far above what three entries take, low enough that a wrong file cannot stall the opening.
constexpr qint64 kMaxChoicesBytes = 64 * 1024;

struct Choice {
  DossierText field;
  const char* key;
};
constexpr Choice kChoices[] = {{DossierText::Nature, "ch_nature"},
                               {DossierText::OfferDate, "ch_date_offre"},
                               {DossierText::UsuryThreshold, "ch_usure"}};

}  // namespace

QString offerChoicesPath(const QString& dossierPath) {
  return dossierPath + QStringLiteral(".controle");
}

QByteArray encodeOfferChoices(const DossierView& view) {
  QJsonObject choices;
  for (const auto& [field, key] : kChoices)
    if (!view.text(field).isEmpty()) choices.insert(QLatin1String(key), view.text(field));
  if (choices.isEmpty()) return {};
  return QJsonDocument(choices).toJson();
}

QByteArray readOfferChoicesFile(const QString& dossierPath) {
  QFile file(offerChoicesPath(dossierPath));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(kMaxChoicesBytes);
}

void showOfferChoices(const QByteArray& json, DossierView& view) {
  const QJsonObject choices = QJsonDocument::fromJson(json).object();
  for (const auto& [field, key] : kChoices) {
    const QJsonValue value = choices.value(QLatin1String(key));
    if (!value.isString()) continue;
    const QString text = value.toString();
    if (field == DossierText::Nature && loanNatureOf(text) == LoanNature::None) continue;
    view.writeText(field, text);
  }
}

}  // namespace kalmoris
