#pragma once

#include "dossier/core/loan_dossier.h"
#include "ui/screen.h"

#include <memory>

class QAction;
class QMenuBar;

namespace kalmoris {

class DossierExamples;
class DossierGrid;
class DossierHeader;
class DossierHelp;
class InsuranceRateRow;
class OfferStrip;
class Panel;

// "-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.": the verification of a loan's TEG. The header
// is typed and validated, the grid of repayment groups filled and calculated; dossiers are
// saved as ".TEG" files and printed; help panels and three worked examples teach the way. Under
// it, a strip controls the loan offer as the law reads it.
// The screen holds its menu bar and the parts it is made of, and wires them together.
class TForm2 : public Screen {
  Q_OBJECT

 public:
  TForm2();
  ~TForm2() override;

  void FormCreate();

  void effac_toutClick();
  void voir_exemplesClick();

  void Men_OUVRIR1_Click();
  // Opens a dossier file as "OUVRIR " does once the file is chosen.
  void openFile(const QString& chosen);
  void ENREGISTRER1Click();
  void Men_ENREGISTRERSOUS1_Click();
  void QUITTER1Click();
  void Menu_IMPRESSIONTEXTE1_Click();
  void Men_CONFIGURATIONIMPRI1_Click();
  void Men_RETOUR_MENU1_Click();

  bool mayQuit() override { return mayDiscardChanges(); }

 private:
  class ScreenView;

  // Whether the dossier on screen may be left (on quitting) or replaced (opening a file, the
  // examples, erase-all): with changes not yet saved, asks whether to save them first; Oui
  // saves (false when the save is cancelled), Non gives them up, Annuler keeps them.
  bool mayDiscardChanges();
  void eraseAll();

  void createMenus();
  void createClientArea();
  void createParts();
  void createConnections();
  // ENREGISTRER and ENREGISTRER SOUS; false when the user cancelled the choice of a name.
  bool save();
  bool saveAs();
  void saveTo(const QString& path);
  void setCurrentFile(const QString& path);

  LoanDossier dossier_;
  std::unique_ptr<ScreenView> view_;
  QString currentFile_;    // empty until a file is opened or saved
  bool modified_ = false;  // typed into since start-up, the last save, opening or example

  QMenuBar* MainMenu1;
  QAction* Men_OUVRIR1_;
  QAction* ENREGISTRER1;
  QAction* Men_ENREGISTRERSOUS1_;
  QAction* QUITTER1;
  QAction* Menu_IMPRESSIONTEXTE1_;
  QAction* Men_CONFIGURATIONIMPRI1_;
  QAction* Men_RETOUR_MENU1_;

  QWidget* ClientArea;   // the screen below its menu bar
  Panel* OUVRE_DOSSIER;  // the main panel carrying the dossier, the offer's strip under it

  // The parts, owned by the panels that carry them.
  DossierHeader* header_;
  DossierGrid* grid_;
  DossierHelp* help_;
  DossierExamples* examples_;
  InsuranceRateRow* insuranceRates_;
  OfferStrip* strip_;
};

extern TForm2* Form2;

}  // namespace kalmoris
