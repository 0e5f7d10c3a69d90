#pragma once

#include "amortization/core/schedule.h"
#include "core/currency.h"
#include "core/placed_page.h"
#include "ui/entry_reader.h"
#include "ui/screen.h"

#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalmoris {

class ChoiceBox;
class LoanChoices;
class Panel;
class ScheduleCells;
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

  void PrinterComboChange();
  void imp_frClick();
  void imp_euClick();
  void Button5Click();
  void BitBtn1Click();
  void Button1Click();

 private:
  void createControls();
  void createChoiceBoxes();
  void createEntries();
  void createResults();
  void createGrids();
  void createPrintPanel();
  void createPrintHelp();
  void createConnections();
  void createPrintConnections();

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

  void fillPrinterList();
  void measurePrinter();
  void printReport(MoneyUnit currency);

  std::unique_ptr<LoanChoices> choices_;
  ScheduleInputs inputs_;
  PageGeometry geometry_;
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

  Panel* panel6;  // the print panel
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label18;
  QComboBox* PrinterCombo;
  QLabel* Label19;
  QLineEdit* ch_ech_dep;
  QLineEdit* ch_Ech_but;
  QLabel* Label20;
  QPushButton* imp_fr;
  QPushButton* BitBtn1;
  QPushButton* imp_eu;
  QPushButton* Button5;

  Panel* Panel7;  // the print help
  QLabel* Label21;
  QLabel* Label22;
  QLabel* Label23;
  QLabel* Label24;
  QLabel* Label26;
  QLabel* Label25;
  QPushButton* Button1;
};

extern TForm7* Form7;

}  // namespace kalmoris
