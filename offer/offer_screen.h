#pragma once

#include "offer/core/offer.h"
#include "ui/screen.h"

#include <optional>

class QAction;
class QMenuBar;
class QPushButton;

namespace kalmoris {

class OfferEntriesPart;
class OfferResultsPart;

// "-8- CONTROLE D'UNE OFFRE DE PRET": the check of a dated loan offer. The offer is typed
// (drawdowns, fees, steps of instalments, insurance, the rates it announces) and CALCULER gives
// its TAEG by the credit directives' calendar, its period and proportional rates, its TAEA, the
// cost of the credit and the control of the announced rate; offers are saved as ".offre"
// files. The screen holds its menu bar, its commands and the parts it is made of.
class TForm8 : public Screen {
  Q_OBJECT

 public:
  TForm8();

  void BBt_CALCULClick();
  void EFFACERClick();
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
  void eraseAll();
  // ENREGISTRER and ENREGISTRER SOUS; false when an entry is refused or no name is chosen.
  bool save();
  bool saveAs();
  void saveTo(const QString& path, const Offer& offer);
  void setCurrentFile(const QString& path);

  // The offer last opened or saved, whose unknown keys and generation terms a save writes back.
  Offer kept_;
  QString currentFile_;    // empty until a file is opened or saved
  bool modified_ = false;  // typed into since start-up, EFFACER, the last save or opening

  QMenuBar* MainMenu1;
  QAction* Men_OUVRIR;
  QAction* Men_ENREGISTRER;
  QAction* Men_ENREGISTRER_SOUS;
  QWidget* ClientArea;  // the screen below its menu bar

  OfferEntriesPart* entries_;
  OfferResultsPart* results_;
  QPushButton* BBt_CALCUL;
  QPushButton* EFFACER;
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm8* Form8;

}  // namespace kalmoris
