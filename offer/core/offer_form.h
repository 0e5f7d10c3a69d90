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
  Insurance,
  DebitRate,
  BrokenPeriodBase,
  Instalments,  // typed as steps or generated from the offer's terms
  Steps,        // grid: nombre, montant hors assurance, assurance par échéance
  InstalmentCount,
  Rule,
  Deferral,
  DeferralCount,
  InsuranceMode,
  InsurancePremium,
  InsuranceRate,
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
  QString insurance;  // an item of insuranceItems()
  // Read with typed steps and with terms: the debit rate splits typed instalments too.
  QString debitRate;
  QString brokenPeriodBase;  // an item of brokenPeriodBaseItems()
  QString instalments;       // an item of instalmentsItems()
  GridTexts steps;
  // The terms, read when the instalments are generated from them.
  QString instalmentCount;
  QString rule;      // an item of ruleItems()
  QString deferral;  // an item of deferralItems()
  QString deferralCount;
  QString insuranceMode;     // an item of insuranceModeItems()
  QString insurancePremium;  // with "fixe"
  QString insuranceRate;     // with "capital initial" and "capital restant"
  bool operator==(const OfferForm&) const = default;
};

// "mensuelle", "trimestrielle", "semestrielle", "annuelle": 12, 4, 2 and 1 instalments a year.
QStringList periodicityItems();
// "obligatoire" (the premiums count in the TAEG), "facultative" (only in the TAEA).
QStringList insuranceItems();
// "paliers saisis" (the steps typed) or "conditions de l'offre" (generated from the terms).
QStringList instalmentsItems();
// The terms' choices; the first item of each is what an offer that does not state it means:
// "365", "360"; "contrat", "commission"; "aucun", "partiel", "total"; "aucune", "fixe",
// "capital initial", "capital restant".
QStringList brokenPeriodBaseItems();
QStringList ruleItems();
QStringList deferralItems();
QStringList insuranceModeItems();

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
// is read as core/offer_entries.h reads it. Typed steps are read, or the terms, not both. What
// the screen does not show is taken from `kept`, the offer last opened or saved: its unknown
// keys (those of a list's entries by their place in it); and a choice left at its first item,
// which is what an unstated term means, stays unstated unless `kept` stated it, so that a file
// saves back as it was.
FormReading readOfferForm(const OfferForm& form, const Offer& kept = {});

// The texts of an offer, as the screen shows it: decimal commas, dates jj/mm/aaaa, amounts to
// the cent, rates with the decimals they need; a fee on the first drawdown's date has none.
OfferForm offerFormOf(const Offer& offer);

}  // namespace kalmoris
