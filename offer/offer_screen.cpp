#include "offer/offer_screen.h"

#include "offer/core/offer_form.h"
#include "offer/core/offer_results.h"
#include "offer/offer_entries_part.h"
#include "offer/offer_results_part.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/handler.h"
#include "ui/panel.h"
#include "ui/platform.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmoris {

TForm8* Form8 = nullptr;

namespace {
const QString kCaption = QStringLiteral("-8- CONTROLE D'UNE OFFRE DE PRET");
}  // namespace

TForm8::TForm8() : Screen("Form8", kCaption, QSize(800, 650)) {
  createMenus();
  createClientArea();
  createCommands();
  createConnections();
}

void TForm8::createMenus() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  MainMenu1->setNativeMenuBar(false);
  QMenu* file = MainMenu1->addMenu(QStringLiteral("FICHIER"));
  auto item = [file](const char* name, const char* caption) {
    QAction* action = file->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  Men_OUVRIR = item("Men_OUVRIR", "OUVRIR ");
  Men_ENREGISTRER = item("Men_ENREGISTRER", "ENREGISTRER");
  Men_ENREGISTRER_SOUS = item("Men_ENREGISTRER_SOUS", "ENREGISTRER SOUS");
}

// Positions on the screen are taken from the top of its client area, under the menu bar. The
// parts stand in the order of the screen, top to bottom.
void TForm8::createClientArea() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  ClientArea = new QWidget(this);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));
  layout->addWidget(ClientArea);
  Panel* title =
      controls::panel(ClientArea, "Panel_titre", QStringLiteral("CONTROLE D'UNE OFFRE DE PRET"),
                      QRect(8, 4, 388, 24), colors::Lime);
  title->setCaptionFont(controls::boldFont(11));
  entries_ = new OfferEntriesPart(ClientArea);
  // The red bar between the offer and its results.
  Panel* bar =
      controls::panel(ClientArea, "Panel_barre", QString(), QRect(0, 312, 800, 3), colors::Red);
  bar->setBevel(false);
  controls::describe(bar, QStringLiteral("Séparation"));
  results_ = new OfferResultsPart(ClientArea);
}

void TForm8::createCommands() {
  BBt_CALCUL = controls::button(ClientArea, "BBt_CALCUL", QStringLiteral("CALCULER"),
                                QRect(8, 590, 240, 30));
  BBt_CALCUL->setFont(controls::boldFont(10));
  EFFACER =
      controls::button(ClientArea, "EFFACER", QStringLiteral("EFFACER"), QRect(256, 590, 130, 30));
  colors::setTextColor(EFFACER, colors::Red);
  RETOUR_MENU = controls::button(ClientArea, "RETOUR_MENU", QStringLiteral("RETOUR MENU"),
                                 QRect(520, 590, 130, 30));
  QUITTER =
      controls::button(ClientArea, "QUITTER", QStringLiteral("QUITTER"), QRect(662, 590, 130, 30));
}

void TForm8::createConnections() {
  onTriggered(Men_OUVRIR, this, &TForm8::Men_OUVRIRClick);
  onTriggered(Men_ENREGISTRER, this, &TForm8::Men_ENREGISTRERClick);
  onTriggered(Men_ENREGISTRER_SOUS, this, &TForm8::Men_ENREGISTRER_SOUSClick);
  onClick(BBt_CALCUL, this, &TForm8::BBt_CALCULClick);
  onClick(EFFACER, this, &TForm8::EFFACERClick);
  onClick(RETOUR_MENU, this, &TForm8::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm8::QUITTERClick);
  linkEnterChain(this, entries_->enterChain(), [this] { BBt_CALCUL->setFocus(); });
  connect(entries_, &OfferEntriesPart::changed, results_, &OfferResultsPart::clear);
  connect(entries_, &OfferEntriesPart::edited, this, [this] { modified_ = true; });
}

std::optional<Offer> TForm8::readOffer() {
  entries_->clearRefusal();
  const FormReading reading = readOfferForm(entries_->form(), kept_);
  if (!reading.offer) entries_->markRefusal(reading.refusal);
  return reading.offer;
}

// The entries are read and written back in their normal form, then the results computed: a
// schedule that no rate balances leaves every result empty and says so in the error box.
void TForm8::BBt_CALCULClick() {
  const std::optional<Offer> offer = readOffer();
  if (!offer) return;
  entries_->show(offerFormOf(*offer));
  results_->clear();
  results_->show(computeOfferResults(*offer));
}

// A new offer: nothing typed is left, no file is current.
void TForm8::EFFACERClick() {
  if (mayDiscardChanges()) eraseAll();
}

void TForm8::eraseAll() {
  entries_->erase();
  results_->clear();
  kept_ = Offer();
  currentFile_.clear();
  setWindowTitle(kCaption);
  modified_ = false;
}

bool TForm8::mayDiscardChanges() {
  if (!modified_) return true;
  switch (platform().askYesNoCancel(this,
                                    QStringLiteral("Enregistrer les modifications de l'offre ?"))) {
    case Platform::Answer::Yes:
      return save();
    case Platform::Answer::No:
      return true;
    case Platform::Answer::Cancel:
      break;
  }
  return false;
}

void TForm8::RETOUR_MENUClick() {
  showMenu();
}

void TForm8::QUITTERClick() {
  quitApplication();
}

}  // namespace kalmoris
