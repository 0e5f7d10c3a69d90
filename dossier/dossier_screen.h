#pragma once

#include "ui/screen.h"
#include "dossier/core/loan_dossier.h"

#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace kalmoris {

class Panel;
class StringGrid;
struct WorkedExample;
enum class RatePanel;

// "-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.": the verification of a loan's TEG. The header
// is typed and validated, the grid of repayment groups filled and calculated; dossiers are
// saved as ".TEG" files and printed; help panels and three worked examples teach the way.
class TForm2 : public Screen {
  Q_OBJECT

 public:
  TForm2();
  ~TForm2() override;

  void FormCreate();

  void ch_capitalChange();
  void ch_nb_rembChange();
  void ch_remb_anChange();
  void ch_grpvChange();
  void bt_validerClick();
  void effac_toutClick();
  void BBt_CALCULClick();
  void StringGrid1Click();

  void Men_OUVRIR1_Click();
  // Opens a dossier file as "OUVRIR " does once the file is chosen.
  void openFile(const QString& chosen);
  void ENREGISTRER1Click();
  void Men_ENREGISTRERSOUS1_Click();
  void QUITTER1Click();
  void Menu_IMPRESSIONTEXTE1_Click();
  void Men_CONFIGURATIONIMPRI1_Click();
  void Men_RETOUR_MENU1_Click();

  void Panel16Click();
  void Pan_AIDE_FRAIS_Click();
  void Pan_AIDE_VALIDER_Click();
  void Pan_AIDE_EFF_DONN_Click();

  void voir_exemplesClick();
  void BBt_VOIR_EX_1_Click();
  void BBt_VOIR_EX_2_Click();
  void BBt_VOIR_EX_5_Click();
  void BBt_EFF_MENU_EX_Click();
  void Bt_VOIR_CALCUL_1_Click();
  void Bt_VOIR_CALCUL_2_Click();
  void Bt_VOIR_CALCUL_5_Click();
  void Bt_EFF_EXPLI_EX_1_Click();
  void Bt_EFF_EXPLI_EX_2_Click();
  void Bt_EFF_EX_5_Click();

 private:
  class ScreenView;

  void createMenus();
  void createClientArea();
  void createHeader();
  void createHeaderFields();
  void createHeaderCommands();
  void createGrid();
  void createResults();
  void createGridPanels();
  void createDiscrepancyPanel();
  void createHelpPanels();
  void createExamplesMenu();
  void createNotices();
  void createConnections();
  void createExampleConnections();
  void createEnterChain();

  // The look of a header waiting for its validation, and of a validated one.
  void showWaitingLook();
  void showValidatedLook();
  void setCalculationEnabled(bool enabled);
  // What every edit of the amount or the counts does (their change handlers).
  void headerChanged();

  QLineEdit* field(HeaderField which) const;
  Panel* ratePanel(RatePanel which) const;
  void emptyGroupRows();
  // The eleven header fields emptied, "2" blocks shown, no fee total.
  void emptyHeader();
  void emptyRates();
  void fillExample(const WorkedExample& example);
  void saveTo(const QString& path);

  LoanDossier dossier_;
  std::unique_ptr<ScreenView> view_;
  QString currentFile_;  // empty until a file is opened or saved

  QMenuBar* MainMenu1;
  QAction* Men_OUVRIR1_;
  QAction* ENREGISTRER1;
  QAction* Men_ENREGISTRERSOUS1_;
  QAction* QUITTER1;
  QAction* Menu_IMPRESSIONTEXTE1_;
  QAction* Men_CONFIGURATIONIMPRI1_;
  QAction* Men_RETOUR_MENU1_;

  QWidget* ClientArea;   // the screen below its menu bar
  Panel* OUVRE_DOSSIER;  // the main panel carrying the dossier

  Panel* Panel19;        // title "VERIFICATION D'UN PRET"
  QPushButton* Panel20;  // "?" beside the title
  QPushButton* VOIR_EXEMPLES;
  QLineEdit* ch_nom_emp;
  QLineEdit* ch_capital;
  QLineEdit* ch_nb_remb;
  QLineEdit* ch_remb_an;
  QLineEdit* ch_grpv;
  QLineEdit* ch_fr1_txt;
  QLineEdit* ch_fr1_val;
  QLineEdit* ch_fr2_txt;
  QLineEdit* ch_fr2_val;
  QLineEdit* ch_fr3_txt;
  QLineEdit* ch_fr3_val;
  QLineEdit* ch_teg_ann;
  QPushButton* Pan_AIDE_FRAIS_;
  Panel* Panel5;  // caption "TOTAL des FRAIS"
  Panel* Panel8;  // the fee total
  QPushButton* bt_valider;
  QPushButton* Pan_AIDE_VALIDER_;
  QPushButton* effac_tout;
  QPushButton* Pan_AIDE_EFF_DONN_;
  Panel* Panel10;  // red bar under the header fields
  Panel* Panel11;  // red bar under the validate button
  std::array<QLineEdit*, kHeaderFieldCount> headerFields_;

  Panel* Panel42;  // grid prompt
  StringGrid* StringGrid1;
  Panel* Panel125;       // insurance cost
  Panel* Panel127;       // loan cost
  QGroupBox* GroupBox1;  // nominal rate
  QGroupBox* GroupBox2;  // TEG
  Panel* Panel1;
  Panel* Panel83;
  Panel* Panel37;
  Panel* Panel39;
  Panel* Panel82;
  Panel* Panel84;
  QPushButton* BBt_CALCUL;

  Panel* Panel90;  // grid instructions, with ICI
  QPushButton* Bt_ICI_;
  Panel* Panel123;  // cover after an edit of the grid
  Panel* Panel216;  // nominal rate not computable
  Panel* Panel92;   // red warning on failed fields
  Panel* Panel27;   // placeholder mask, out of sight
  Panel* Panel161;  // discrepancy panel over the results
  QLabel* Label134;
  Panel* Panel163;
  QLabel* Label136;
  Panel* Panel164;
  QPushButton* Pan_EFF_DISCOR_;

  Panel* Panel17;
  Panel* Panel15;
  Panel* Panel43;
  Panel* Panel215;

  Panel* Panel91;  // examples menu
  QPushButton* BBt_VOIR_EX_1_;
  QPushButton* BBt_VOIR_EX_2_;
  QPushButton* BBt_VOIR_EX_5_;
  QPushButton* BBt_EFF_MENU_EX_;
  Panel* Panel45;  // notice of example 1
  Panel* Panel98;  // notice of example 2
  Panel* Panel6;   // notice of example 3
  QPushButton* Bt_VOIR_CALCUL_1_;
  QPushButton* Bt_EFF_EXPLI_EX_1_;
  QPushButton* Bt_VOIR_CALCUL_2_;
  QPushButton* Bt_EFF_EXPLI_EX_2_;
  QPushButton* Bt_VOIR_CALCUL_5_;
  QPushButton* Bt_EFF_EX_5_;
};

extern TForm2* Form2;

}  // namespace kalmoris
