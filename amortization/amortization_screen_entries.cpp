// The choices, the change rule, the Enter chain and EFFACER of the amortization screen.
#include "amortization/amortization_screen.h"

#include "amortization/print_panel.h"
#include "amortization/schedule_grid.h"
#include "ui/change_rule.h"
#include "ui/loan_choices.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

void TForm7::francsClick() {
  choices_->chooseUnit(MoneyUnit::Francs);
}

void TForm7::eurosClick() {
  choices_->chooseUnit(MoneyUnit::Euros);
}

// The print panel closes too: a report is never printed with no currency chosen.
void TForm7::rectifierClick() {
  IMPRIMER->setEnabled(false);
  choices_->rectifyUnit();
  AFFI1->setTitle(QString());
  AFFI2->setTitle(QString());
  emptyPanels({Panel2, Panel3, Panel5});
  clearGrids();
  hidePrintPanel();
}

void TForm7::tx_propClick() {
  choices_->chooseKind(RateKind::Proportional);
  Label2->setText(QStringLiteral("TAUX ANNUEL PROPORTIONNEL:"));
  ch_capital->setFocus();
}

void TForm7::tx_actuClick() {
  choices_->chooseKind(RateKind::Actuarial);
  Label2->setText(QStringLiteral("TAUX ANNUEL ACTUARIEL:"));
  ch_capital->setFocus();
}

// As with the currency, the print panel closes.
void TForm7::rectifier_1Click() {
  IMPRIMER->setEnabled(false);
  choices_->rectifyKind();
  Label2->setText(QStringLiteral("TAUX ANNUEL INDETERMINE"));
  emptyPanels({taux_per, taux_equi, Panel4, echeance, Panel3});
  clearGrids();
  hidePrintPanel();
}

void TForm7::clearGrids() {
  typedCells_->clearBelowHeader();
  otherCells_->clearBelowHeader();
}

void TForm7::hidePrintPanel() {
  printPanel_->hide();
}

void TForm7::clearResults() {
  emptyPanels({taux_per, taux_equi, Panel4, echeance, Panel2, Panel3, Panel5});
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

// The screen has no message panel: without the choices the focus simply stays.
void TForm7::ch_anneeKeyPress() {
  choices_->enterInLastField(nullptr);
}

// The choices stay made, but all four choice buttons are enabled again.
void TForm7::EFFACERClick() {
  emptyFields({ch_capital, ch_le_taux, ch_ech_an, ch_tot_ech, ch_mois, ch_annee});
  clearResults();
  clearGrids();
  printPanel_->hideHelp();
  choices_->enableAllButtons();
}

}  // namespace kalmoris
