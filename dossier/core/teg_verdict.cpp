#include "dossier/core/teg_verdict.h"

#include "core/errors.h"
#include "core/numbers.h"
#include "core/offer_control.h"
#include "dossier/core/header_validation.h"

namespace kalmoris {

namespace {

const QString kLead = QStringLiteral("    ");

QString reportLine(const QString& kind, const RateComparison& comparison) {
  const QString line = kLead + QStringLiteral("     ") + kind + QStringLiteral(": écart ");
  if (comparison.difference == 0)
    return line + QStringLiteral("0,0000 point, exact à la décimale.");
  return line + (comparison.difference < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
         gapText(comparison) + QStringLiteral(", ") + directionText(comparison) +
         QStringLiteral(", ") + exactnessText(comparison) + QLatin1Char('.');
}

}  // namespace

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
  verdict.proportional = compareRates(verdict.announced, readShownRate(proportionalShown));
  verdict.actuarial = compareRates(verdict.announced, readShownRate(actuarialShown));
  return verdict;
}

TegVerdict judgeShownTeg(const DossierView& view) {
  return judgeAnnouncedTeg(view.fieldText(HeaderField::AnnouncedTeg),
                           view.text(DossierText::TegProportional),
                           view.text(DossierText::TegActuarial));
}

std::array<TonedLine, 2> verdictLines(const TegVerdict& verdict) {
  if (verdict.announcement != TegVerdict::Announcement::Given)
    return {TonedLine{nothingToCompareLine(verdict.announcement), Tone::None}, TonedLine{}};
  const auto judged = [](const char* kind, const RateComparison& comparison) {
    return TonedLine{verdictLine(QString::fromLatin1(kind), comparison),
                     comparison.exact() ? Tone::Green : Tone::Red};
  };
  return {judged("PROPORTIONNEL", verdict.proportional), judged("ACTUARIEL", verdict.actuarial)};
}

std::optional<TegVerdict> shownVerdict(const DossierView& view) {
  if (!view.shown(DossierPanel::Verdict)) return std::nullopt;
  return judgeShownTeg(view);
}

QString verdictLine(const QString& kind, const RateComparison& comparison) {
  if (comparison.difference == 0)
    return kind + QStringLiteral(" : égal au TEG calculé, exact à la décimale");
  return kind + QStringLiteral(" : ") + directionText(comparison) + QStringLiteral(" de ") +
         gapText(comparison) + QStringLiteral(", ") + exactnessText(comparison);
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

QStringList verdictReportLines(const TegVerdict& verdict) {
  QStringList lines = offerControlHeading();
  if (verdict.announcement == TegVerdict::Announcement::Given) {
    lines << kLead + QStringLiteral("Taux Effectif Global annoncé: ") +
                 announcedRateText(verdict.announced) + QStringLiteral(" %")
          << reportLine(QStringLiteral("PROPORTIONNEL"), verdict.proportional)
          << reportLine(QStringLiteral("ACTUARIEL"), verdict.actuarial);
  } else {
    lines << kLead + nothingToCompareLine(verdict.announcement);
  }
  return lines;
}

QStringList insuranceRateReportLines(const QString& proportional, const QString& actuarial) {
  return {kLead + QStringLiteral("TAUX ANNUEL EFFECTIF DE L'ASSURANCE:"),
          kLead + QStringLiteral("     PROPORTIONNEL = ") + proportional +
              QStringLiteral("   ACTUARIEL = ") + actuarial};
}

}  // namespace kalmoris
