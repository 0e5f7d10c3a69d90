#pragma once

#include "calculators/core/capital.h"
#include "ui/screen.h"

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalmoris {

class ChoiceBox;
class LoanChoices;
class Panel;

// "CALCUL RAPIDE D'UN CAPITAL": the capital that a series of constant instalments repays at a
// typed annual rate, in both currencies.
class TForm5 : public Screen {
  Q_OBJECT

 public:
  TForm5();
  ~TForm5() override;

  void FRANCSClick();
  void EUROSClick();
  void RECTIFIERClick();
  void tx_propClick();
  void tx_actuClick();
  void RECTIFIER_1Click();
  void calculClick();
  void effacerClick();
  void imprimerClick();
  void retour_menuClick();
  void quitterClick();
  void ch_le_tauxKeyPress();

 private:
  void createControls();
  void createEntries();
  void createResults();
  void createConnections();
  void chooseUnit(MoneyUnit unit);
  void chooseKind(RateKind kind, const QString& rateLabel);
  void emptyResults();
  bool readEntries();
  Panel* panelShowing(CapitalText text) const;

  std::unique_ptr<LoanChoices> choices_;
  CapitalEntries entries_;  // the numbers read by the last calculation

  QLabel* Label1;  // reminder: no calculation without the choices
  ChoiceBox* GroupBox1;
  QPushButton* FRANCS;
  QPushButton* EUROS;
  QPushButton* RECTIFIER;
  ChoiceBox* GroupBox2;
  QPushButton* tx_prop;
  QPushButton* tx_actu;
  QPushButton* RECTIFIER_1;
  QGroupBox* GroupBox3;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;  // names the typed rate after its kind
  QLabel* Label6;
  QLineEdit* ch_une_ech;
  QLineEdit* ch_ech_an;
  QLineEdit* ch_tot_ech;
  QLineEdit* ch_le_taux;
  Panel* Panel2;    // unit of the instalment
  Panel* Panel3;    // instalment in the other currency
  Panel* Panel4;    // the other unit
  QLabel* Label10;  // remark on the precision of the entries
  QGroupBox* GroupBox4;
  QLabel* Label7;
  QLabel* Label8;
  Panel* taux_per;
  Panel* capital_1;
  Panel* Panel8;     // unit of the capital
  Panel* Capital_2;  // capital in the other currency
  Panel* Panel9;     // the other unit
  Panel* Panel10;    // the brace joining the two capital lines
  QPushButton* calcul;
  QPushButton* effacer;
  QPushButton* imprimer;
  QPushButton* retour_menu;
  QPushButton* quitter;
  Panel* info;  // message panel
};

extern TForm5* Form5;

}  // namespace kalmoris
