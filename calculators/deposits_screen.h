#pragma once

#include "calculators/core/deposits.h"
#include "ui/screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalmoris {

class Panel;

// "LE CUMUL DES VERSEMENTS": the accumulated value of a series of equal deposits at compound
// interest, in monetary units of no named currency.
class TForm6 : public Screen {
  Q_OBJECT

 public:
  TForm6();

  void CALCULERClick();
  void IMPRIMERClick();
  void EFFACERClick();
  void RETOUR_MENUClick();
  void QUITTERClick();
  void ch_nb_versKeyPress();

 private:
  void createControls();
  void createExplanation();
  void createEntries();
  void createConnections();
  bool readEntries();

  DepositEntries entries_;  // the numbers read by the last calculation

  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label11;
  QLabel* Label10;
  QLabel* Label12;
  QLabel* le_vers;
  QLineEdit* ch_le_vers;
  QLabel* Label6;
  QLabel* Label1;
  QLineEdit* ch_vers_an;
  QLabel* Label2;
  QLineEdit* ch_le_taux;
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* ch_nb_vers;
  QPushButton* CALCULER;
  QPushButton* IMPRIMER;
  QPushButton* EFFACER;
  QLabel* Label5;
  Panel* Panel2;  // sum of the deposits
  QLabel* Label7;
  Panel* Panel4;  // accumulated value
  Panel* info;    // message panel
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm6* Form6;

}  // namespace kalmoris
