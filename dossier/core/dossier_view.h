#pragma once

#include "core/toned_line.h"
#include "dossier/core/loan_dossier.h"

#include <QString>

#include <array>

namespace kalmoris {

// Every text of the dossier screen that the validation, the calculation, the file codec or the
// report reads or writes.
enum class DossierText {
  // The twelve header fields come first, in the order of HeaderField: see textOf.
  FeeTotalCaption = kHeaderFieldCount,  // Panel5
  FeeTotal,                             // Panel8
  ValidateCaption,                      // bt_valider
  // The rate panels, nominal rate first: the period rate, then the two annual rates.
  NominalPeriod,        // Panel1
  NominalProportional,  // Panel83
  NominalActuarial,     // Panel37
  TegPeriod,            // Panel39
  TegProportional,      // Panel82
  TegActuarial,         // Panel84
  InsuranceCost,        // Panel125
  LoanCost,             // Panel127
  // The discrepancy panel: the header's value and the grid's.
  AnnouncedCaption,  // Label134
  AnnouncedValue,    // Panel163
  GridCaption,       // Label136
  GridValue,         // Panel164
  // Under the costs, the insurance's own annual rate.
  InsuranceProportional,  // Panel_taea_prop
  InsuranceActuarial,     // Panel_taea_actu
  // The strip "CONTROLE DE L'OFFRE": its entries, the reason one is refused, its lines.
  Nature,           // ch_nature
  OfferDate,        // ch_date_offre
  UsuryThreshold,   // ch_usure
  OfferRefusal,     // lb_refus
  VerdictLine,      // lb_verdict
  InformationLine,  // lb_information
  CategoryLine,     // lb_categorie
  UsuryLine,        // lb_usure
};
inline constexpr int kDossierTextCount = static_cast<int>(DossierText::UsuryLine) + 1;

// The header field's text.
constexpr DossierText textOf(HeaderField field) {
  return static_cast<DossierText>(field);
}

// The six rate panels in the order of DossierText.
inline constexpr std::array<DossierText, 6> kRateTexts = {
    DossierText::NominalPeriod, DossierText::NominalProportional, DossierText::NominalActuarial,
    DossierText::TegPeriod,     DossierText::TegProportional,     DossierText::TegActuarial};

// The panels the core shows or hides, each where the screen places it.
enum class DossierPanel {
  ValidationHelp,  // P43
  Warning,         // P92, where it stands, over the panels beside it
  GridPrompt,      // Panel42
  Mask,            // Panel27
  GridHelp,        // P90
  GridNotice,      // P123
  NotComputable,   // P216, over the nominal rates
  Discrepancy,     // P161, over the results
  Verdict,         // the lines of the strip "CONTROLE DE L'OFFRE"
};
inline constexpr int kDossierPanelCount = static_cast<int>(DossierPanel::Verdict) + 1;

// The dossier screen as the validation, the calculation, the file codec and the report see
// it: texts to read and write and panels to show, each call made at the moment the screen is
// to show it, so that a field's change handler runs when its text changes. A new result is a
// new DossierText or DossierPanel. The real screen applies the calls to its controls; a
// headless one keeps them in arrays.
class DossierView {
 public:
  virtual ~DossierView() = default;

  virtual QString text(DossierText which) const = 0;
  virtual void writeText(DossierText which, const QString& text) = 0;
  virtual void setTone(DossierText which, Tone tone) = 0;     // the text's colour
  virtual void markText(DossierText which, bool failed) = 0;  // a field red, or white
  virtual bool shown(DossierPanel panel) const = 0;
  virtual void setShown(DossierPanel panel, bool shown) = 0;

  virtual QString cellText(int col, int row) const = 0;
  virtual void writeCell(int col, int row, const QString& text) = 0;
  virtual void setGridRowCount(int rows) = 0;  // the header row included

  virtual void placeWarning(bool tall) = 0;  // P92 shown over the grid area, 200 high if tall
  virtual void enableValidate() = 0;
  // The end of every validation: the calculation and erase-all enabled, the bars in the
  // validated look, the grid prompt shown.
  virtual void finishValidation() = 0;

  QString fieldText(HeaderField field) const { return text(textOf(field)); }
  void writeField(HeaderField field, const QString& text) { writeText(textOf(field), text); }
  void markField(HeaderField field, bool failed) { markText(textOf(field), failed); }
};

}  // namespace kalmoris
