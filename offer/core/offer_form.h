#pragma once

#include "offer/core/offer.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The offer as its screen shows it: the texts of its fields, choices and grids. Reading them
// gives the offer or the first entry refused, named in French so that the screen can mark it;
// writing an offer gives the texts that read back as the same offer.

namespace kalmoris {

// The entries of the offer's screen, in the order they are read.
enum class OfferField {
  Borrower,
  Nature,
  OfferDate,
  AnnouncedTaeg,
  AnnouncedTaea,
  UsuryThreshold,
  Periodicity,
  Drawdowns,  // grid: date, montant
  Fees,       // grid: libellé, montant, date
  FirstInstalment,
  Steps,  // grid: nombre, montant hors assurance, assurance par échéance
  Insurance,
};

// A grid's texts, row after row, each row its cells from the first column.
using GridTexts = std::vector<QStringList>;

struct OfferForm {
  QString borrower;
  QString nature;  // an item of loanNatureItems()
  QString offerDate;
  QString announcedTaeg;
  QString announcedTaea;
  QString usuryThreshold;
  QString periodicity;  // an item of periodicityItems()
  GridTexts drawdowns;
  GridTexts fees;
  QString firstInstalment;
  GridTexts steps;
  QString insurance;  // an item of insuranceItems()
  bool operator==(const OfferForm&) const = default;
};

// "mensuelle", "trimestrielle", "semestrielle", "annuelle": 12, 4, 2 and 1 instalments a year.
QStringList periodicityItems();
// "obligatoire" (the premiums count in the TAEG), "facultative" (only in the TAEA).
QStringList insuranceItems();

// An entry refused: its field, and in a grid its row (from 1) and column (from 0), with the
// reason in French led by the entry's name: "Déblocage n° 1, montant : '12a' n'est pas un
// montant (par ex. 1432,86)."
struct FormRefusal {
  OfferField field = OfferField::Borrower;
  int row = 0;
  int column = 0;
  QString message;
  bool operator==(const FormRefusal&) const = default;
};

struct FormReading {
  std::optional<Offer> offer;  // none when an entry is refused
  FormRefusal refusal;
};

// The offer the texts describe, with the rules of checkOffer, or the first entry refused. A
// grid row left empty counts for nothing. Amounts take at most two decimals and rates six, a
// "." for the comma and spaces between the digits; dates are jj/mm/aaaa; the usury threshold
// is read as core/offer_entries.h reads it. What the screen does not show is taken from
// `kept`, the offer last opened or saved: its unknown keys (those of a list's entries by
// their place in it) and the terms of a generated schedule.
FormReading readOfferForm(const OfferForm& form, const Offer& kept = {});

// The texts of an offer, as the screen shows it: decimal commas, dates jj/mm/aaaa, amounts to
// the cent, rates with the decimals they need; a fee on the first drawdown's date has none.
OfferForm offerFormOf(const Offer& offer);

}  // namespace kalmoris
