#pragma once

#include "offer/core/offer.h"
#include "offer/core/offer_results.h"
#include "ui/screen.h"

#include <optional>

class QAction;
class QMenuBar;
class QPushButton;

namespace kalmoris {

class OfferEntriesPart;
class OfferProofPart;
class OfferResultsPart;

// "-8- CONTROLE D'UNE OFFRE DE PRET": the check of a dated loan offer. The offer is typed
// (drawdowns, fees, instalments as steps or the terms they are generated from, insurance, the
// rates it announces) and CALCULER gives its TAEG by the credit directives' calendar, its period
// and proportional rates, its TAEA, the cost of the credit, the control of the announced rate,
// the steps generated from the terms and the proof of every flow (PREUVE); IMPRIMER prints it
// all; offers are saved as ".offre" files. The screen holds its menu bar, its commands and the
// parts it is made of.
class TForm8 : public Screen {
  Q_OBJECT

 public:
  TForm8();

  void BBt_CALCULClick();
  void EFFACERClick();
  void Bt_PREUVEClick();
  void IMPRIMERClick();
  void RETOUR_MENUClick();
  void QUITTERClick();

  void Men_OUVRIRClick();
  // Opens an offer file as OUVRIR does once the file is chosen.
  void openFile(const QString& chosen);
  void Men_ENREGISTRERClick();
  void Men_ENREGISTRER_SOUSClick();

  bool mayQuit() override { return mayDiscardChanges(); }

 private:
  void createMenus();
  void createClientArea();
  void createCommands();
  void createConnections();

  // Whether the offer on screen may be left (on quitting) or replaced (opening a file, EFFACER):
  // with typed changes not yet saved, asks whether to save them first; Oui saves (false when
  // the save is refused or cancelled), Non gives them up, Annuler keeps them.
  bool mayDiscardChanges();
  // The offer the entries describe, or none when one is refused (marked on the screen).
  std::optional<Offer> readOffer();
  // CALCULER: false when an entry is refused; a schedule that no rate balances raises.
  bool calculate();
  // The results of the entries as they stand, calculated first when none are shown.
  bool calculated();
  // Every result emptied: the entries changed, or another offer took their place.
  void clearResults();
  void eraseAll();
  // ENREGISTRER and ENREGISTRER SOUS; false when an entry is refused or no name is chosen.
  bool save();
  bool saveAs();
  void saveTo(const QString& path, const Offer& offer);
  void setCurrentFile(const QString& path);

  // The offer last opened or saved, whose unknown keys a save writes back.
  Offer kept_;
  // The offer last calculated and its results, as long as the entries stand as they were.
  struct Calculation {
    Offer offer;
    OfferResults results;
  };
  std::optional<Calculation> calculation_;
  QString currentFile_;    // empty until a file is opened or saved
  bool modified_ = false;  // typed into since start-up, EFFACER, the last save or opening

  QMenuBar* MainMenu1;
  QAction* Men_OUVRIR;
  QAction* Men_ENREGISTRER;
  QAction* Men_ENREGISTRER_SOUS;
  QWidget* ClientArea;  // the screen below its menu bar

  OfferEntriesPart* entries_;
  OfferResultsPart* results_;
  OfferProofPart* proof_;
  QPushButton* BBt_CALCUL;
  QPushButton* EFFACER;
  QPushButton* Bt_PREUVE;
  QPushButton* IMPRIMER;
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm8* Form8;

}  // namespace kalmoris
