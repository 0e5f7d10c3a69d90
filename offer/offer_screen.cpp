#include "offer/offer_screen.h"

#include "offer/core/offer_form.h"
#include "offer/core/offer_proof.h"
#include "offer/core/offer_report.h"
#include "offer/core/offer_results.h"
#include "offer/offer_entries_part.h"
#include "offer/offer_proof_part.h"
#include "offer/offer_results_part.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/handler.h"
#include "ui/panel.h"
#include "ui/report_printing.h"
#include "ui/unsaved_changes.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace kalmoris {

TForm8* Form8 = nullptr;

namespace {
const QString kCaption = QStringLiteral("-8- CONTROLE D'UNE OFFRE DE PRET");
}  // namespace

TForm8::TForm8() : Screen("Form8", kCaption, QSize(800, 700)) {
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
// parts stand in the order of the screen, top to bottom; the proof's panel covers the entries
// when it is shown, the results staying in sight.
void TForm8::createClientArea() {
  ClientArea = Screen::createClientArea(MainMenu1);
  Panel* title =
      controls::panel(ClientArea, "Panel_titre", QStringLiteral("CONTROLE D'UNE OFFRE DE PRET"),
                      QRect(8, 4, 388, 24), colors::Lime);
  title->setCaptionFont(controls::boldFont(11));
  entries_ = new OfferEntriesPart(ClientArea);
  // The red bar between the offer and its results.
  Panel* bar =
      controls::panel(ClientArea, "Panel_barre", QString(), QRect(0, 362, 800, 3), colors::Red);
  bar->setBevel(false);
  controls::describe(bar, QStringLiteral("Séparation"));
  results_ = new OfferResultsPart(ClientArea);
  proof_ = new OfferProofPart(ClientArea, QRect(0, 0, 800, 362));
}

void TForm8::createCommands() {
  const auto command = [this](const char* name, const char* caption, int left, int width) {
    return controls::button(ClientArea, name, QString::fromUtf8(caption),
                            QRect(left, 640, width, 30));
  };
  BBt_CALCUL = command("BBt_CALCUL", "CALCULER", 8, 180);
  BBt_CALCUL->setFont(controls::boldFont(10));
  EFFACER = command("EFFACER", "EFFACER", 196, 100);
  colors::setTextColor(EFFACER, colors::Red);
  Bt_PREUVE = command("Bt_PREUVE", "PREUVE", 304, 100);
  Bt_PREUVE->setToolTip(QStringLiteral("Chaque flux actualisé au TAEG"));
  IMPRIMER = command("IMPRIMER", "IMPRIMER", 412, 100);
  RETOUR_MENU = command("RETOUR_MENU", "RETOUR MENU", 530, 126);
  QUITTER = command("QUITTER", "QUITTER", 662, 130);
}

void TForm8::createConnections() {
  onTriggered(Men_OUVRIR, this, &TForm8::Men_OUVRIRClick);
  onTriggered(Men_ENREGISTRER, this, &TForm8::Men_ENREGISTRERClick);
  onTriggered(Men_ENREGISTRER_SOUS, this, &TForm8::Men_ENREGISTRER_SOUSClick);
  onClick(BBt_CALCUL, this, &TForm8::BBt_CALCULClick);
  onClick(EFFACER, this, &TForm8::EFFACERClick);
  onClick(Bt_PREUVE, this, &TForm8::Bt_PREUVEClick);
  onClick(IMPRIMER, this, &TForm8::IMPRIMERClick);
  onClick(RETOUR_MENU, this, &TForm8::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm8::QUITTERClick);
  linkEnterChain(this, entries_->enterChain(), [this] { BBt_CALCUL->setFocus(); });
  connect(entries_, &OfferEntriesPart::changed, this, &TForm8::clearResults);
  connect(entries_, &OfferEntriesPart::edited, this, [this] { modified_ = true; });
}

// A refused entry is shown: the proof no longer covers it.
std::optional<Offer> TForm8::readOffer() {
  entries_->clearRefusal();
  const FormReading reading = readOfferForm(entries_->form(), kept_);
  if (!reading.offer) {
    proof_->close();
    entries_->markRefusal(reading.refusal);
  }
  return reading.offer;
}

void TForm8::BBt_CALCULClick() {
  calculate();
}

// The entries are read and written back in their normal form, then the results computed: a
// schedule that no rate balances leaves every result empty and says so in the error box.
bool TForm8::calculate() {
  std::optional<Offer> offer = readOffer();
  if (!offer) return false;
  entries_->show(offerFormOf(*offer));
  clearResults();
  OfferResults results = computeOfferResults(*offer);
  const OfferProof proof = offerProof(results);
  results_->show(results);
  entries_->showGeneratedSteps(results.generatedSteps);
  proof_->show(proof);
  calculation_ = Calculation{std::move(*offer), std::move(results)};
  return true;
}

bool TForm8::calculated() {
  return calculation_ || calculate();
}

void TForm8::clearResults() {
  calculation_.reset();
  results_->clear();
  entries_->showGeneratedSteps({});
  proof_->clear();
}

// The proof of the entries as they stand, calculated first when it is not.
void TForm8::Bt_PREUVEClick() {
  if (calculated()) proof_->open();
}

// What is printed is the offer on screen: calculated first when its results are not shown, and
// nothing printed when an entry is refused. The report is made before the print dialog, so that
// a failure to make it asks for nothing.
void TForm8::IMPRIMERClick() {
  if (!calculated()) return;
  const OfferReport report = offerReport(calculation_->offer, calculation_->results);
  printLineReportAfterDialog(
      this, [&report](PrinterTextStream& stream) { writeOfferReport(stream, report); });
}

// A new offer: nothing typed is left, no file is current.
void TForm8::EFFACERClick() {
  if (mayDiscardChanges()) eraseAll();
}

void TForm8::eraseAll() {
  proof_->close();
  entries_->erase();
  clearResults();
  kept_ = Offer();
  currentFile_.clear();
  setWindowTitle(kCaption);
  modified_ = false;
}

bool TForm8::mayDiscardChanges() {
  return mayGiveUpChanges(this, modified_,
                          QStringLiteral("Enregistrer les modifications de l'offre ?"),
                          [this] { return save(); });
}

void TForm8::RETOUR_MENUClick() {
  showMenu();
}

void TForm8::QUITTERClick() {
  quitApplication();
}

}  // namespace kalmoris
