#include "dossier/dossier_screen.h"

#include "dossier/core/dossier_report.h"
#include "dossier/dossier_examples.h"
#include "dossier/dossier_grid.h"
#include "dossier/dossier_header.h"
#include "dossier/dossier_help.h"
#include "dossier/insurance_rate_row.h"
#include "dossier/offer_strip.h"
#include "dossier/screen_view.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/report_printing.h"
#include "ui/unsaved_changes.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace kalmoris {

TForm2* Form2 = nullptr;

namespace {
const QString kCaption = QStringLiteral("-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.");
// 130 pixels below the dossier's 570 hold the strip "CONTROLE DE L'OFFRE".
constexpr QSize kSize(740, 700);
}  // namespace

TForm2::TForm2() : Screen("Form2", kCaption, kSize) {
  view_ = std::make_unique<ScreenView>(*this);
  createMenus();
  createClientArea();
  createParts();
  view_->bind();
  createConnections();
  FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
  resize(kSize);
  OUVRE_DOSSIER->setGeometry(25, 0, 740, OUVRE_DOSSIER->height());
}

void TForm2::createMenus() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  MainMenu1->setNativeMenuBar(false);
  auto item = [](QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  QMenu* file = MainMenu1->addMenu(QStringLiteral("FICHIER"));
  Men_OUVRIR1_ = item(file, "Men_OUVRIR1_", "OUVRIR ");
  ENREGISTRER1 = item(file, "ENREGISTRER1", "ENREGISTRER");
  Men_ENREGISTRERSOUS1_ = item(file, "Men_ENREGISTRERSOUS1_", "ENREGISTRER SOUS");
  file->addSeparator();
  QUITTER1 = item(file, "QUITTER1", "QUITTER");
  QMenu* print = MainMenu1->addMenu(QStringLiteral("IMPRIMER"));
  Menu_IMPRESSIONTEXTE1_ = item(print, "Menu_IMPRESSIONTEXTE1_", "IMPRESSION TEXTE");
  Men_CONFIGURATIONIMPRI1_ = item(print, "Men_CONFIGURATIONIMPRI1_", "CONFIGURATION IMPRI");
  Men_RETOUR_MENU1_ = MainMenu1->addAction(QStringLiteral("RETOUR MENU"));
  Men_RETOUR_MENU1_->setObjectName(QStringLiteral("Men_RETOUR_MENU1_"));
}

// Positions on the screen are taken from the top of its client area, under the menu bar.
void TForm2::createClientArea() {
  ClientArea = Screen::createClientArea(MainMenu1);
  OUVRE_DOSSIER = controls::panel(ClientArea, "OUVRE_DOSSIER", QString(), QRect(25, 0, 740, 546),
                                  colors::Light3D);
  OUVRE_DOSSIER->setBevel(false);
  controls::describe(OUVRE_DOSSIER, QStringLiteral("VERIFICATION DE TAUX EFFECTIF GLOBAL"));
}

// In the order their controls stand on the screen, top to bottom.
void TForm2::createParts() {
  header_ = new DossierHeader(OUVRE_DOSSIER, dossier_, *view_);
  grid_ = new DossierGrid(OUVRE_DOSSIER, dossier_, *view_);
  insuranceRates_ = new InsuranceRateRow(OUVRE_DOSSIER);
  help_ = new DossierHelp(ClientArea, OUVRE_DOSSIER);
  examples_ = new DossierExamples(ClientArea, OUVRE_DOSSIER, dossier_, *view_, *header_, *grid_);
  strip_ = new OfferStrip(ClientArea);
}

void TForm2::createConnections() {
  onTriggered(Men_OUVRIR1_, this, &TForm2::Men_OUVRIR1_Click);
  onTriggered(ENREGISTRER1, this, &TForm2::ENREGISTRER1Click);
  onTriggered(Men_ENREGISTRERSOUS1_, this, &TForm2::Men_ENREGISTRERSOUS1_Click);
  onTriggered(QUITTER1, this, &TForm2::QUITTER1Click);
  onTriggered(Menu_IMPRESSIONTEXTE1_, this, &TForm2::Menu_IMPRESSIONTEXTE1_Click);
  onTriggered(Men_CONFIGURATIONIMPRI1_, this, &TForm2::Men_CONFIGURATIONIMPRI1_Click);
  onTriggered(Men_RETOUR_MENU1_, this, &TForm2::Men_RETOUR_MENU1_Click);

  connect(header_, &DossierHeader::changed, grid_, &DossierGrid::waitForValidation);
  connect(grid_, &DossierGrid::resultsCovered, strip_, &OfferStrip::hideLines);
  connect(grid_, &DossierGrid::resultsEmptied, strip_, &OfferStrip::hideLines);
  connect(grid_, &DossierGrid::resultsEmptied, insuranceRates_, &InsuranceRateRow::clear);
  connect(header_->field(HeaderField::AnnouncedTeg), &QLineEdit::textChanged, strip_,
          &OfferStrip::hideLines);
  strip_->linkKeys(header_->field(HeaderField::AnnouncedTeg), grid_->calculateButton());
  onClick(header_->eraseButton(), this, &TForm2::effac_toutClick);
  const DossierHeader::Tabs tabs = header_->tabs();
  onClick(tabs.title, help_, &DossierHelp::Panel16Click);
  onClick(tabs.fees, help_, &DossierHelp::Pan_AIDE_FRAIS_Click);
  onClick(tabs.validate, help_, &DossierHelp::Pan_AIDE_VALIDER_Click);
  onClick(tabs.erase, help_, &DossierHelp::Pan_AIDE_EFF_DONN_Click);
  onClick(tabs.examples, this, &TForm2::voir_exemplesClick);

  const auto typed = [this] { modified_ = true; };
  connect(header_, &DossierHeader::edited, this, typed);
  connect(grid_, &DossierGrid::edited, this, typed);
  connect(strip_, &OfferStrip::edited, this, typed);
  connect(examples_, &DossierExamples::dossierReplaced, this, [this] { modified_ = false; });
}

void TForm2::effac_toutClick() {
  if (mayDiscardChanges()) eraseAll();
}

// Erase-all: the header waits for its validation, the grid and the results are emptied, then
// the header's fields and the offer's entries.
void TForm2::eraseAll() {
  header_->showWaitingLook();
  help_->hideEraseHelp();
  grid_->erase();
  header_->eraseFields();
  strip_->empty();
  modified_ = false;  // nothing is left to save
}

// The examples empty the dossier before one is chosen.
void TForm2::voir_exemplesClick() {
  if (mayDiscardChanges()) examples_->voir_exemplesClick();
}

bool TForm2::mayDiscardChanges() {
  return mayGiveUpChanges(this, modified_,
                          QStringLiteral("Enregistrer les modifications du dossier ?"),
                          [this] { return save(); });
}

void TForm2::Menu_IMPRESSIONTEXTE1_Click() {
  printLineReport(this, [this](PrinterTextStream& out) {
    writeDossierReport(out, *view_, dossier_.blockCount);
  });
}

// What the user chooses in the dialog becomes the printer of every later report; nothing
// is printed here.
void TForm2::Men_CONFIGURATIONIMPRI1_Click() {
  platform().runPrintDialog(this);
}

void TForm2::Men_RETOUR_MENU1_Click() {
  showMenu();
}

void TForm2::QUITTER1Click() {
  quitApplication();
}

}  // namespace kalmoris
