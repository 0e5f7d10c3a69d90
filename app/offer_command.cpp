#include "app/offer_command.h"

#include "core/errors.h"
#include "offer/core/offer_file.h"
#include "offer/core/offer_json.h"
#include "offer/core/offer_report.h"
#include "offer/core/offer_results.h"

#include <QFile>

#include <cstdio>
#include <optional>

namespace kalmoris {

namespace {

const QString kOffer = QStringLiteral("--offre");
const QString kJson = QStringLiteral("--json");
const QString kUsage = QStringLiteral("Usage : kalmoris --offre FICHIER.offre [--json]");

struct Options {
  QString file;
  bool json = false;
};

// The options, or the French reason they are refused.
struct Parsed {
  std::optional<Options> options;
  QString refusal;
};

Parsed parse(const QStringList& arguments) {
  const auto refused = [](const QString& reason) { return Parsed{std::nullopt, reason}; };
  std::optional<QString> file;
  bool json = false;
  for (qsizetype k = 1; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    if (argument == kJson) {
      if (json) return refused(QStringLiteral("l'option --json est donnée deux fois."));
      json = true;
      continue;
    }
    std::optional<QString> named;
    if (argument == kOffer) {
      if (k + 1 < arguments.size() && !arguments[k + 1].startsWith(QStringLiteral("--")))
        named = arguments[++k];
      else
        named = QString();
    } else if (argument.startsWith(kOffer + u'=')) {
      named = argument.mid(kOffer.size() + 1);
    } else {
      return refused(QStringLiteral("option inconnue « %1 ».").arg(argument));
    }
    if (named->isEmpty())
      return refused(QStringLiteral("l'option --offre attend le nom d'un fichier .offre."));
    if (file) return refused(QStringLiteral("l'option --offre est donnée deux fois."));
    file = named;
  }
  if (!file) return refused(QStringLiteral("l'option --offre et son fichier sont nécessaires."));
  return {Options{*file, json}, {}};
}

void writeText(QIODevice& device, const QString& text) {
  device.write(text.toUtf8());
}

}  // namespace

bool isOfferCommand(const QStringList& arguments) {
  for (qsizetype k = 1; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    if (argument == kOffer || argument == kJson || argument.startsWith(kOffer + u'=')) return true;
  }
  return false;
}

int runOfferCommand(const QStringList& arguments, QIODevice& out, QIODevice& err) {
  constexpr int kRefused = 2;
  const Parsed parsed = parse(arguments);
  if (!parsed.options) {
    writeText(err, QStringLiteral("kalmoris : %1\n%2\n").arg(parsed.refusal, kUsage));
    return kRefused;
  }
  const Options& options = *parsed.options;
  try {
    const Offer offer = openOfferFile(options.file);
    const OfferResults results = computeOfferResults(offer);
    if (options.json) {
      out.write(offerJson(offer, results));
    } else {
      writeText(out, offerReport(offer, results).lines().join(u'\n') + u'\n');
    }
  } catch (const Failure& failure) {
    writeText(err, QStringLiteral("kalmoris : %1 : %2\n").arg(options.file, failure.message()));
    return kRefused;
  }
  return 0;
}

int runOfferCommand(const QStringList& arguments) {
  QFile out;
  QFile err;
  out.open(stdout, QIODevice::WriteOnly);
  err.open(stderr, QIODevice::WriteOnly);
  return runOfferCommand(arguments, out, err);
}

}  // namespace kalmoris
