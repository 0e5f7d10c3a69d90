#pragma once

#include "core/arith.h"
#include "core/counting_rate.h"
#include "core/toned_line.h"
#include "core/usury.h"

#include <QDate>
#include <QStringList>

#include <optional>

// The control of a loan offer as the law reads it, shared by the screens that check one: the
// rate that counts, the announced rate against it, the other rate for information, the usury
// category and the usury ceiling.

namespace kalmoris {

// What the control reads; the rates in percent, judged on the four decimals their panels show.
struct OfferFigures {
  LoanNature nature = LoanNature::None;
  std::optional<QDate> offerDate;
  std::optional<Real> announced;  // A; none when the offer states no rate
  Real actuarial = 0;             // the computed TAEG
  Real proportional = 0;          // the computed TEG
  LoanSize size;
  std::optional<Real> usuryThreshold;  // Y; none when the offer states none
};

// The lines in the order the strip shows them; each is absent when it does not apply.
struct OfferControl {
  CountingRate counting;                 // R
  std::optional<TonedLine> verdict;      // lb_verdict: with a nature
  std::optional<TonedLine> information;  // lb_information: with a nature
  std::optional<TonedLine> category;     // lb_categorie: with a nature
  std::optional<TonedLine> usury;        // lb_usure: with a threshold, but not "Professionnel"

  // The texts of the lines present, in order.
  QStringList texts() const;
  // The lines present, for the report's block under its heading, led by four spaces.
  QStringList reportLines() const;
};

OfferControl controlOffer(const OfferFigures& figures);

// The report block's blank line and heading "***** CONTROLE DU TEG ANNONCE *****".
QStringList offerControlHeading();

}  // namespace kalmoris
