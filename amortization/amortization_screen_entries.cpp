// The choices, the change rule, the Enter chain and EFFACER of the amortization screen.
#include "amortization/amortization_screen.h"

#include "amortization/schedule_grid.h"
#include "ui/choice_box.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

void TForm7::updateAfficher() {
  AFFICHER->setEnabled(ChoicesMade(unit_, kind_));
}

void TForm7::francsClick() {
  GroupBox1->chooseFirst();
  unit_ = MoneyUnit::Francs;
  updateAfficher();
}

void TForm7::eurosClick() {
  GroupBox1->chooseSecond();
  unit_ = MoneyUnit::Euros;
  updateAfficher();
}

// The print panel closes too: a report is never printed with no currency chosen.
void TForm7::rectifierClick() {
  IMPRIMER->setEnabled(false);
  GroupBox1->enableBoth();
  AFFICHER->setEnabled(false);
  unit_ = MoneyUnit::None;
  AFFI1->setTitle(QString());
  AFFI2->setTitle(QString());
  for (Panel* panel : {Panel2, Panel3, Panel5}) panel->clear();
  clearGrids();
  hidePrintPanel();
}

void TForm7::tx_propClick() {
  GroupBox2->chooseFirst();
  kind_ = RateKind::Proportional;
  updateAfficher();
  Label2->setText(QStringLiteral("TAUX ANNUEL PROPORTIONNEL:"));
  ch_capital->setFocus();
}

void TForm7::tx_actuClick() {
  GroupBox2->chooseSecond();
  kind_ = RateKind::Actuarial;
  updateAfficher();
  Label2->setText(QStringLiteral("TAUX ANNUEL ACTUARIEL:"));
  ch_capital->setFocus();
}

// As with the currency, the print panel closes.
void TForm7::rectifier_1Click() {
  IMPRIMER->setEnabled(false);
  GroupBox2->enableBoth();
  AFFICHER->setEnabled(false);
  kind_ = RateKind::Undetermined;
  Label2->setText(QStringLiteral("TAUX ANNUEL INDETERMINE"));
  for (Panel* panel : {taux_per, taux_equi, Panel4, echeance, Panel3}) panel->clear();
  clearGrids();
  hidePrintPanel();
}

void TForm7::clearGrids() {
  typedCells_->clearBelowHeader();
  otherCells_->clearBelowHeader();
}

void TForm7::hidePrintPanel() {
  panel6->hide();
  Panel7->hide();
}

void TForm7::clearResults() {
  for (Panel* panel : {taux_per, taux_equi, Panel4, echeance, Panel2, Panel3, Panel5})
    panel->clear();
}

void TForm7::loanEntryChanged() {
  IMPRIMER->setEnabled(false);
  clearResults();
  hidePrintPanel();
  clearGrids();
}

void TForm7::dateEntryChanged() {
  IMPRIMER->setEnabled(false);
  hidePrintPanel();
  clearGrids();
}

void TForm7::ch_capitalChange() {
  loanEntryChanged();
}
void TForm7::ch_le_tauxChange() {
  loanEntryChanged();
}
void TForm7::ch_ech_anChange() {
  loanEntryChanged();
}
void TForm7::ch_tot_echChange() {
  loanEntryChanged();
}
void TForm7::ch_moisChange() {
  dateEntryChanged();
}
void TForm7::ch_anneeChange() {
  dateEntryChanged();
}

void TForm7::ch_capitalKeyPress() {
  ch_le_taux->setFocus();
}
void TForm7::ch_le_tauxKeyPress() {
  ch_ech_an->setFocus();
}
void TForm7::ch_ech_anKeyPress() {
  ch_tot_ech->setFocus();
}
void TForm7::ch_tot_echKeyPress() {
  ch_mois->setFocus();
}
void TForm7::ch_moisKeyPress() {
  ch_annee->setFocus();
}

void TForm7::ch_anneeKeyPress() {
  if (AFFICHER->isEnabled()) AFFICHER->setFocus();
}

// The choices stay made, but all four choice buttons are enabled again: a click on one of
// them then sets its choice directly.
void TForm7::EFFACERClick() {
  for (QLineEdit* field : {ch_capital, ch_le_taux, ch_ech_an, ch_tot_ech, ch_mois, ch_annee})
    field->clear();
  clearResults();
  clearGrids();
  Panel7->hide();
  GroupBox1->enableBoth();
  GroupBox2->enableBoth();
}

}  // namespace kalmoris
