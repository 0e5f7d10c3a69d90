#pragma once

#include "core/arith.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace kalmoris {

// One annual TEG as the screen shows it (four decimals) against the announced TEG, in
// ten-thousandths of a point, so that the verdict agrees with the figures the user reads.
struct RateComparison {
  std::int64_t difference = 0;  // announced minus computed, in ten-thousandths of a point
  bool beyondRange = false;     // the difference does not fit: inexact by any measure

  // Exact to the decimal: the announced rate errs by less than 0,1 point.
  bool exact() const;
  bool operator==(const RateComparison&) const = default;
};

// The announced TEG checked against the computed proportional and actuarial TEG.
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

// The screen's line for one rate: "PROPORTIONNEL : minoré de 0,8289 point, inexact à la
// décimale".
QString verdictLine(const QString& kind, const RateComparison& comparison);
// The screen's single line when there is nothing to compare.
QString nothingToCompareLine(TegVerdict::Announcement announcement);

// " point", or " points" from two points on, as French counts them.
QString pointUnit(Real points);

// The announced rate with two decimals, or up to four when it has them ("12,00", "6,255").
QString announcedRateText(Real announced);

// The report's block, after its last line: the heading "***** CONTROLE DU TEG ANNONCE *****",
// the announced rate, each annual rate's signed difference and verdict ("PROPORTIONNEL: écart
// -0,8289 point, minoré, inexact à la décimale."), then the insurance's own annual rate as the
// screen shows it.
QStringList verdictReportLines(const TegVerdict& verdict, const QString& insuranceProportional,
                               const QString& insuranceActuarial);

}  // namespace kalmoris
