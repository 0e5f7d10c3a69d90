#pragma once

#include "calculators/core/nominal_rate.h"
#include "core/currency.h"
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

// "CALCULER UN TAUX NOMINAL.": the period rate and the two annual rates of a loan from its
// capital, its constant instalment and their counts. The currency is optional here and only
// adds the amounts converted into the other currency.
class TForm3 : public Screen {
  Q_OBJECT

 public:
  TForm3();
  ~TForm3() override;

  void FRANCSClick();
  void EUROSClick();
  void RECTIFIERClick();
  void Button1Click();
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
  void chooseUnit(MoneyUnit unit);
  bool readEntries();
  void showResult(NominalRateText text, const QString& value);

  std::unique_ptr<LoanChoices> choices_;  // the currency only
  NominalRateEntries entries_;            // the numbers read by the last calculation

  ChoiceBox* GroupBox1;
  QPushButton* FRANCS;
  QPushButton* EUROS;
  QPushButton* RECTIFIER;
  QPushButton* Button1;  // "Aide": what happens without a currency
  QGroupBox* GroupBox2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* ch_capital;
  QLineEdit* ch_une_ech;
  QLineEdit* ch_ech_an;
  QLineEdit* ch_tot_ech;
  Panel* Panel2;  // capital in the other currency
  Panel* Panel3;  // instalment in the other currency
  Panel* Panel4;  // unit of the typed amounts
  Panel* Panel5;  // unit of the converted amounts
  QLabel* Label8;
  QGroupBox* GroupBox3;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  Panel* taux_per;
  Panel* taux_pro;
  Panel* taux_act;
  QPushButton* calcul;
  QPushButton* EFFACER;
  QPushButton* IMPRIMER;
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
  Panel* INFO;  // message panel
};

extern TForm3* Form3;

}  // namespace kalmoris
