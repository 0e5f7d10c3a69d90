#pragma once

#include "calculators/core/instalment.h"
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

// "CALCUL D'UNE ECHEANCE (ou d'un versement)": the constant instalment that repays a capital
// at a typed annual rate, in both currencies, with the equivalent rate of the other kind.
class TForm4 : public Screen {
  Q_OBJECT

 public:
  TForm4();
  ~TForm4() override;

  void FRANCSClick();
  void EUROSClick();
  void RECTIFIERClick();
  void tx_propClick();
  void tx_actuClick();
  void RECTIFIER_1Click();
  void CALCULClick();
  void EFFACERClick();
  void IMPRIMERClick();
  void RETOUR_MENUClick();
  void QUITTERClick();
  void ch_tot_echKeyPress();

 private:
  void createControls();
  void createEntries();
  void createResults();
  void createConnections();
  void chooseKind(RateKind kind, const QString& rateLabel, const QString& equivalentLabel);
  void emptyResults();
  bool readEntries();
  Panel* panelShowing(InstalmentText text) const;

  std::unique_ptr<LoanChoices> choices_;
  InstalmentEntries entries_;  // the numbers read by the last calculation

  QLabel* Label9;  // reminder: no calculation without the choices
  ChoiceBox* GroupBox1;
  QPushButton* FRANCS;
  QPushButton* EUROS;
  QPushButton* RECTIFIER;
  ChoiceBox* GroupBox4;
  QPushButton* tx_prop;
  QPushButton* tx_actu;
  QPushButton* RECTIFIER_1;
  QGroupBox* GroupBox2;
  QLabel* Label1;
  QLabel* Label2;  // names the typed rate after its kind
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLineEdit* ch_capital;
  QLineEdit* ch_le_taux;
  QLineEdit* ch_ech_an;
  QLineEdit* ch_tot_ech;
  Panel* Panel4;  // unit of the capital
  Panel* Panel2;  // capital in the other currency
  Panel* Panel5;  // the other unit
  QGroupBox* GroupBox3;
  QLabel* Label6;
  QLabel* Label8;
  QLabel* Label7;  // names the equivalent rate
  Panel* taux_per;
  Panel* echeance;
  Panel* Panel6;  // unit of the instalment
  Panel* Panel3;  // instalment in the other currency
  Panel* Panel7;  // the other unit
  Panel* Panel8;  // the brace joining the two instalment lines
  Panel* taux_equi;
  QPushButton* calcul;
  QPushButton* EFFACER;
  QPushButton* IMPRIMER;
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
  Panel* INFO;  // message panel
};

extern TForm4* Form4;

}  // namespace kalmoris
