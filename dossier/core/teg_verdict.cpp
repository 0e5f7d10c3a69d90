#include "dossier/core/teg_verdict.h"

#include "core/errors.h"
#include "core/numbers.h"
#include "dossier/core/header_validation.h"

#include <cmath>
#include <cstdlib>

namespace kalmoris {

namespace {

const QString kLead = QStringLiteral("    ");
constexpr std::int64_t kTolerance = 1000;  // 0,1 point, in ten-thousandths
// Beyond this many points a difference no longer fits in ten-thousandths of 64 bits.
constexpr Real kLargestDifference = 1e14L;

Real shownRate(const QString& shown) {
  QString number = shown;
  number.remove(QLatin1Char('%'));
  return StrToFloat(number);
}

RateComparison compare(Real announced, Real computed) {
  RateComparison comparison;
  const Real difference = announced - computed;
  if (!std::isfinite(difference) || std::fabs(difference) >= kLargestDifference) {
    comparison.beyondRange = true;
    comparison.difference = difference < 0 ? -1 : 1;
  } else {
    comparison.difference = std::llround(difference * 10000);
  }
  return comparison;
}

// A count of ten-thousandths with four decimals and no sign: 8289 gives "0,8289".
QString tenThousandths(std::int64_t units) {
  const std::uint64_t magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : units;
  return QStringLiteral("%1,%2").arg(magnitude / 10000).arg(magnitude % 10000, 4, 10, QChar(u'0'));
}

QString differenceText(const RateComparison& comparison) {
  return comparison.beyondRange ? QStringLiteral("plus de 10^14")
                                : tenThousandths(comparison.difference);
}

QString differenceUnit(const RateComparison& comparison) {
  return comparison.beyondRange ? pointUnit(kLargestDifference)
                                : pointUnit(static_cast<Real>(comparison.difference) / 10000);
}

QString exactness(const RateComparison& comparison) {
  return comparison.exact() ? QStringLiteral("exact à la décimale")
                            : QStringLiteral("inexact à la décimale");
}

QString direction(const RateComparison& comparison) {
  return comparison.difference < 0 ? QStringLiteral("minoré") : QStringLiteral("majoré");
}

QString reportLine(const QString& kind, const RateComparison& comparison) {
  const QString line = kLead + QStringLiteral("     ") + kind + QStringLiteral(": écart ");
  if (comparison.difference == 0)
    return line + QStringLiteral("0,0000 point, exact à la décimale.");
  return line + (comparison.difference < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
         differenceText(comparison) + differenceUnit(comparison) + QStringLiteral(", ") +
         direction(comparison) + QStringLiteral(", ") + exactness(comparison) + QLatin1Char('.');
}

}  // namespace

QString pointUnit(Real points) {
  return std::fabs(points) >= 2 ? QStringLiteral(" points") : QStringLiteral(" point");
}

bool RateComparison::exact() const {
  return !beyondRange && std::llabs(difference) < kTolerance;
}

TegVerdict judgeAnnouncedTeg(const QString& announcedText, const QString& proportionalShown,
                             const QString& actuarialShown) {
  TegVerdict verdict;
  if (announcedText.trimmed().isEmpty()) return verdict;
  try {
    verdict.announced = readHeaderReal(announcedText);
  } catch (const ConversionFailure&) {
    verdict.announcement = TegVerdict::Announcement::Unreadable;
    return verdict;
  }
  if (verdict.announced == 0) return verdict;
  verdict.announcement = TegVerdict::Announcement::Given;
  verdict.proportional = compare(verdict.announced, shownRate(proportionalShown));
  verdict.actuarial = compare(verdict.announced, shownRate(actuarialShown));
  return verdict;
}

QString verdictLine(const QString& kind, const RateComparison& comparison) {
  if (comparison.difference == 0)
    return kind + QStringLiteral(" : égal au TEG calculé, exact à la décimale");
  return kind + QStringLiteral(" : ") + direction(comparison) + QStringLiteral(" de ") +
         differenceText(comparison) + differenceUnit(comparison) + QStringLiteral(", ") +
         exactness(comparison);
}

QString nothingToCompareLine(TegVerdict::Announcement announcement) {
  return announcement == TegVerdict::Announcement::Unreadable
             ? QStringLiteral("Le TEG annoncé n'est pas un nombre : rien à comparer.")
             : QStringLiteral("Pas de TEG annoncé : rien à comparer.");
}

QString announcedRateText(Real announced) {
  QString text = FormatFixed(announced, 18, 4);
  while (text.endsWith(QLatin1Char('0')) && text.indexOf(QLatin1Char(',')) < text.size() - 3)
    text.chop(1);
  return text;
}

QStringList verdictReportLines(const TegVerdict& verdict, const QString& insuranceProportional,
                               const QString& insuranceActuarial) {
  QStringList lines = {kLead, kLead + QStringLiteral("***** CONTROLE DU TEG ANNONCE *****")};
  if (verdict.announcement == TegVerdict::Announcement::Given) {
    lines << kLead + QStringLiteral("Taux Effectif Global annoncé: ") +
                 announcedRateText(verdict.announced) + QStringLiteral(" %")
          << reportLine(QStringLiteral("PROPORTIONNEL"), verdict.proportional)
          << reportLine(QStringLiteral("ACTUARIEL"), verdict.actuarial);
  } else {
    lines << kLead + nothingToCompareLine(verdict.announcement);
  }
  lines << kLead + QStringLiteral("TAUX ANNUEL EFFECTIF DE L'ASSURANCE:")
        << kLead + QStringLiteral("     PROPORTIONNEL = ") + insuranceProportional +
               QStringLiteral("   ACTUARIEL = ") + insuranceActuarial;
  return lines;
}

}  // namespace kalmoris
