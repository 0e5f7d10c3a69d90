#pragma once

#include "core/arith.h"
#include "core/rate_gap.h"
#include "core/toned_line.h"
#include "dossier/core/dossier_view.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace kalmoris {

// The announced TEG checked against the computed proportional and actuarial TEG, each as the
// screen shows it (four decimals), so that the verdict agrees with the figures the user reads.
struct TegVerdict {
  enum class Announcement {
    Given,       // a rate other than 0 was announced
    None,        // the field is empty or holds 0: nothing to compare
    Unreadable,  // the field does not hold a number
  };
  Announcement announcement = Announcement::None;
  Real announced = 0;  // in percent, as read from the field
  RateComparison proportional;
  RateComparison actuarial;
  bool operator==(const TegVerdict&) const = default;
};

// The verdict on the announced TEG field's text (read as the header reads it: empty or
// spaces count as 0, a "." as the decimal comma) against the annual rates of the TEG panels
// as shown ("12,8289 %").
TegVerdict judgeAnnouncedTeg(const QString& announcedText, const QString& proportionalShown,
                             const QString& actuarialShown);

// The verdict on the view's announced TEG against its TEG panels.
TegVerdict judgeShownTeg(const DossierView& view);
// The verdict's lines, one per annual rate, green when exact to the decimal and red when not;
// or a single uncoloured line when there is nothing to compare.
std::array<TonedLine, 2> verdictLines(const TegVerdict& verdict);
// The verdict the view shows, judged again on the texts it was judged on (a change to any of
// them hides it); none while it shows none.
std::optional<TegVerdict> shownVerdict(const DossierView& view);

// The screen's line for one rate: "PROPORTIONNEL : minoré de 0,8289 point, inexact à la
// décimale".
QString verdictLine(const QString& kind, const RateComparison& comparison);
// The screen's single line when there is nothing to compare.
QString nothingToCompareLine(TegVerdict::Announcement announcement);

// The announced rate with two decimals, or up to four when it has them ("12,00", "6,255").
QString announcedRateText(Real announced);

// The report's block, after its last line: the heading "***** CONTROLE DU TEG ANNONCE *****",
// the announced rate and each annual rate's signed difference and verdict ("PROPORTIONNEL:
// écart -0,8289 point, minoré, inexact à la décimale.").
QStringList verdictReportLines(const TegVerdict& verdict);
// The insurance's own annual rate as the screen shows it, which ends that block.
QStringList insuranceRateReportLines(const QString& proportional, const QString& actuarial);

}  // namespace kalmoris
