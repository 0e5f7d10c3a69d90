#pragma once

#include "ui/screen.h"

class QLabel;
class QPushButton;

namespace kalmoris {

class Panel;

// The main menu "MENU PRETS": eight numbered buttons open the other screens, a "?" beside
// each shows a short help panel, and QUITTER ends the application.
class TForm1 : public Screen {
  Q_OBJECT

 public:
  TForm1();

  void FormCreate();

  void avertiss1Click();
  void ouvre_dossierClick();
  void calc_tauxClick();
  void calc_echClick();
  void calc_capitalClick();
  void cumul_versClick();
  void tab_amortClick();
  void controle_offreClick();
  void Button1Click();
  void Button2Click();
  void Button5Click();
  void Button7Click();
  void Button9Click();
  void Button8Click();
  void Button4Click();
  void Button10Click();
  void QUITTERClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void createHelpPanels();
  void createConnections();
  // Shows one of the small help panels at its place, hiding the other small ones first.
  void showSmallPanel(Panel* panel, int left, int top);

  Panel* Panel1;
  Panel* Panel2;
  QLabel* Image2;
  QLabel* Label1;
  QLabel* Label42;
  QLabel* Label69;
  QLabel* Label53;
  QLabel* Label54;
  QPushButton* avertiss1;
  QPushButton* ouvre_dossier;
  QPushButton* calc_taux;
  QPushButton* calc_ech;
  QPushButton* calc_capital;
  QPushButton* cumul_vers;
  QPushButton* tab_amort;
  QPushButton* controle_offre;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button5;
  QPushButton* Button7;
  QPushButton* Button9;
  QPushButton* Button8;
  QPushButton* Button4;
  QPushButton* Button10;
  QPushButton* QUITTER;
  Panel* Panel8;
  Panel* Panel9;
  Panel* Panel10;
  Panel* Panel11;
  Panel* Panel18;
  Panel* Panel19;
  Panel* panel20;
  Panel* Panel21;
  Panel* Panel22;
  Panel* Panel23;
};

extern TForm1* Form1;

}  // namespace kalmoris
