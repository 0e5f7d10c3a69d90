#include "dossier/core/offer_check.h"

#include "core/offer_control.h"
#include "core/offer_entries.h"
#include "core/rate_gap.h"
#include "dossier/core/teg_verdict.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace kalmoris {

namespace {

// The strip's lines, in their order.
constexpr std::array<DossierText, 4> kLines = {DossierText::VerdictLine,
                                               DossierText::InformationLine,
                                               DossierText::CategoryLine, DossierText::UsuryLine};

// An entry as the control reads it: marked red when refused, its refusal kept.
template <typename T>
std::optional<T> entryOf(DossierView& view, DossierText field, const OfferEntry<T>& entry,
                         QStringList& refusals) {
  view.markText(field, entry.refused());
  if (entry.refused()) refusals << entry.refusal;
  return entry.value;
}

// With a nature, the announced rate judged against the rate that counts. An announcement that
// is not a number is said as such rather than as no announcement.
TonedLine natureVerdict(const OfferControl& control, TegVerdict::Announcement announcement) {
  if (announcement != TegVerdict::Announcement::Unreadable) return *control.verdict;
  return {control.counting.label() +
              QStringLiteral(" : le taux annoncé n'est pas un nombre, rien à comparer") +
              control.counting.dateNote(),
          Tone::None};
}

}  // namespace

void showOfferControl(const LoanDossier& dossier, DossierView& view) {
  QStringList refusals;
  const LoanNature nature = loanNatureOf(view.text(DossierText::Nature));
  OfferFigures figures;
  figures.nature = nature;
  figures.offerDate = entryOf(view, DossierText::OfferDate,
                              readOfferDate(view.text(DossierText::OfferDate)), refusals);
  figures.usuryThreshold =
      entryOf(view, DossierText::UsuryThreshold,
              readUsuryThreshold(view.text(DossierText::UsuryThreshold)), refusals);
  view.writeText(DossierText::OfferRefusal, refusals.join(QLatin1Char(' ')));

  const TegVerdict verdict = judgeShownTeg(view);
  if (verdict.announcement == TegVerdict::Announcement::Given)
    figures.announced = verdict.announced;
  figures.actuarial = readShownRate(view.text(DossierText::TegActuarial));
  figures.proportional = readShownRate(view.text(DossierText::TegProportional));
  figures.size = {dossier.capital, dossier.repaymentCount,
                  std::max(1, int{dossier.repaymentsPerYear})};
  const OfferControl control = controlOffer(figures);

  std::array<TonedLine, kLines.size()> lines;
  if (nature == LoanNature::None) {
    const auto [proportional, actuarial] = verdictLines(verdict);
    lines = {proportional, actuarial, TonedLine{}, TonedLine{}};
  } else {
    lines = {natureVerdict(control, verdict.announcement), *control.information, *control.category,
             TonedLine{}};
  }
  if (control.usury) lines[3] = *control.usury;
  for (std::size_t k = 0; k < kLines.size(); ++k) {
    view.writeText(kLines[k], lines[k].text);
    view.setTone(kLines[k], lines[k].tone);
  }
  view.setShown(DossierPanel::Verdict, true);
}

}  // namespace kalmoris
