#pragma once

#include "amortization/core/schedule.h"
#include "core/currency.h"
#include "ui/entry_reader.h"
#include "ui/screen.h"

#include <cstdint>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalmoris {

class ChoiceBox;
class LoanChoices;
class Panel;
class ScheduleCells;
class SchedulePrintPanel;
class StringGrid;

// "-7- TABLEAU D'AMORTISSEMENT": a dated constant-instalment schedule shown in two grids, one
// in the currency the capital is typed in and one in the other, and printed in whole or in
// part, in francs or in euros, on a printer chosen from a list.
class TForm7 : public Screen {
  Q_OBJECT

 public:
  TForm7();
  ~TForm7() override;

  void FormCreate();

  void francsClick();
  void eurosClick();
  void rectifierClick();
  void tx_propClick();
  void tx_actuClick();
  void rectifier_1Click();
  void AFFICHERClick();
  void EFFACERClick();
  void IMPRIMERClick();
  void RETOUR_MENUClick();
  void QUITTERClick();

  void ch_capitalChange();
  void ch_le_tauxChange();
  void ch_ech_anChange();
  void ch_tot_echChange();
  void ch_moisChange();
  void ch_anneeChange();

  // Enter moves along ch_capital, ch_le_taux, ch_ech_an, ch_tot_ech, ch_mois, ch_annee; from
  // the year, on to AFFICHER.
  void ch_anneeKeyPress();

 private:
  void createControls();
  void createChoiceBoxes();
  void createEntries();
  void createResults();
  void createGrids();
  void createConnections();

  // The change rule: a loan entry empties the results, a date entry only the grids.
  void loanEntryChanged();
  void dateEntryChanged();
  void clearResults();
  void clearGrids();
  void hidePrintPanel();

  // AFFICHER, in its steps: the six entries, then the rates, then the two grids.
  bool readEntries();
  std::optional<std::int32_t> readDateEntry(QLineEdit* field);
  void showRatesAndInstalments();
  void showSchedule();

  std::unique_ptr<LoanChoices> choices_;
  ScheduleInputs inputs_;
  EntryReader reader_;

  ChoiceBox* GroupBox1;
  QPushButton* francs;
  QPushButton* euros;
  QPushButton* rectifier;
  ChoiceBox* GroupBox2;
  QPushButton* tx_prop;
  QPushButton* tx_actu;
  QPushButton* rectifier_1;
  QLabel* Label15;  // reminder under the choice boxes
  QGroupBox* GroupBox3;
  QLineEdit* ch_capital;
  QLabel* Label2;  // names the kind of the typed annual rate
  QLineEdit* ch_le_taux;
  QLineEdit* ch_ech_an;
  QLineEdit* ch_tot_ech;
  QGroupBox* GroupBox4;
  QLineEdit* ch_mois;
  QLineEdit* ch_annee;
  QPushButton* AFFICHER;
  QPushButton* IMPRIMER;
  QPushButton* EFFACER;
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
  Panel* taux_per;
  Panel* taux_equi;
  Panel* Panel4;  // the kind of the equivalent rate
  Panel* echeance;
  Panel* Panel2;  // the typed currency
  Panel* Panel3;  // the instalment in the other currency
  Panel* Panel5;  // the other currency
  QGroupBox* AFFI1;
  QGroupBox* AFFI2;
  ScheduleCells* typedCells_;
  ScheduleCells* otherCells_;
  StringGrid* StringGrid1;
  StringGrid* StringGrid2;

  SchedulePrintPanel* printPanel_;  // owned by the screen
};

extern TForm7* Form7;

}  // namespace kalmoris
