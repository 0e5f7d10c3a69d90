#include "app/main_menu.h"

#include "amortization/amortization_screen.h"
#include "app/menu_help.h"
#include "app/picture.h"
#include "calculators/capital_screen.h"
#include "calculators/deposits_screen.h"
#include "calculators/instalment_screen.h"
#include "calculators/nominal_rate_screen.h"
#include "dossier/dossier_screen.h"
#include "offer/offer_screen.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/help_panel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace kalmoris {

TForm1* Form1 = nullptr;

namespace {
constexpr int kButtonLeft = 80;
constexpr int kButtonTop = 122;
constexpr int kButtonStep = 36;  // eight buttons and QUITTER under them hold in the panel
constexpr int kButtonWidth = 370;
constexpr int kButtonHeight = 32;
constexpr int kHelpLeft = 462;

QRect numberedPlace(int position) {
  return {kButtonLeft, kButtonTop + (position - 1) * kButtonStep, kButtonWidth, kButtonHeight};
}
QRect helpButtonPlace(int position) {
  return {kHelpLeft, kButtonTop + (position - 1) * kButtonStep, 36, kButtonHeight};
}
}  // namespace

TForm1::TForm1() : Screen("Form1", QStringLiteral("MENU PRETS"), QSize(800, 570)) {
  createControls();
  createHelpPanels();
  createConnections();
  FormCreate();
}

void TForm1::FormCreate() {
  move(0, 0);
  resize(800, 570);
  colors::setBackground(this, colors::White);
  Panel1->setGeometry(120, 40, 577, 465);
  Label42->setText(QStringLiteral("Réalisation du logiciel: l'équipe KALMORIS"));
}

void TForm1::createControls() {
  Panel1 = controls::panel(this, "Panel1", QString(), QRect(120, 40, 577, 465), colors::Silver);
  controls::describe(Panel1, QStringLiteral("MENU PRETS"));
  Image2 = controls::label(Panel1, "Image2", QString(), QRect(10, 10, 56, 56));
  Image2->setPixmap(kalmorisPicture(56));
  Panel2 = controls::panel(Panel1, "Panel2", QStringLiteral("LE CONTROLE DES CREDITS IMMOBILIERS"),
                           QRect(76, 10, 420, 34), colors::Lime);
  Panel2->setCaptionFont(controls::boldFont(12));
  Label1 = controls::label(Panel1, "Label1",
                           QStringLiteral("KALMORIS.EXE, version 02 - 03/2002 - Windows 95/98"),
                           QRect(76, 50, 420, 16));
  Label42 = controls::label(Panel1, "Label42", QString(), QRect(76, 68, 420, 16));
  Label69 = controls::label(Panel1, "Label69",
                            QStringLiteral("( séparateur décimal= virgule -automatique - )"),
                            QRect(76, 86, 420, 16));
  Label53 = controls::label(Panel1, "Label53", QStringLiteral("P1"), QRect(540, 6, 30, 16));
  Label54 =
      controls::label(Panel1, "Label54", QStringLiteral("AIDE"), QRect(kHelpLeft, 104, 40, 16));

  const QFont numbered = controls::boldFont(10);
  auto numberedButton = [&](const char* name, const char* caption, int position) {
    QPushButton* button =
        controls::button(Panel1, name, QString::fromUtf8(caption), numberedPlace(position));
    button->setFont(numbered);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 8px;"));
    return button;
  };
  avertiss1 = numberedButton("avertiss1", " 1 AVERTISSEMENT", 1);
  ouvre_dossier = numberedButton("ouvre_dossier", " 2 OUVRIR UN DOSSIER DE VERIFICATION", 2);
  calc_taux = numberedButton("calc_taux", " 3 CALCUL RAPIDE D'UN TAUX", 3);
  calc_ech = numberedButton("calc_ech", " 4 CALCUL RAPIDE D'UNE ECHEANCE", 4);
  calc_capital = numberedButton("calc_capital", " 5 CALCUL RAPIDE D'UN CAPITAL", 5);
  cumul_vers = numberedButton("cumul_vers", " 6 CALCUL D'UN CUMUL DE VERSEMENTS", 6);
  tab_amort = numberedButton("tab_amort", " 7 TABLEAU D'AMORTISSEMENT", 7);
  controle_offre = numberedButton("controle_offre", " 8 CONTROLE D'UNE OFFRE DE PRET", 8);

  // A screen reader says which numbered button a "?" explains.
  const QList<QPushButton*> numberedButtons = {avertiss1, ouvre_dossier, calc_taux,
                                               calc_ech,  calc_capital,  cumul_vers,
                                               tab_amort, controle_offre};
  auto helpButton = [&](const char* name, int position) {
    QPushButton* button =
        controls::button(Panel1, name, QStringLiteral("?"), helpButtonPlace(position));
    button->setFont(numbered);
    controls::describe(button,
                       QStringLiteral("Aide :") + numberedButtons[position - 1]->text().mid(2));
    return button;
  };
  Button1 = helpButton("Button1", 1);
  Button2 = helpButton("Button2", 2);
  Button5 = helpButton("Button5", 3);
  Button7 = helpButton("Button7", 4);
  Button9 = helpButton("Button9", 5);
  Button8 = helpButton("Button8", 6);
  Button4 = helpButton("Button4", 7);
  Button10 = helpButton("Button10", 8);

  QUITTER = controls::button(Panel1, "QUITTER", QStringLiteral("&QUITTER"),
                             QRect(kButtonLeft, 420, kButtonWidth, 36));
  QUITTER->setFont(numbered);
}

void TForm1::createHelpPanels() {
  auto help = [&](const char* name, const char* code, QRect place, const char* closeName,
                  const QColor& color) {
    const MenuHelp content = menuHelp(QString::fromLatin1(code));
    return makeHelpPanel(Panel1, name, QString::fromLatin1(code), content.heading, content.text,
                         place, closeName, color);
  };
  const QRect small(8, 320, 560, 140);
  Panel8 = help("Panel8", "P8", QRect(25, 20, 530, 250), "VU1", colors::Yellow);
  Panel9 = help("Panel9", "P9", QRect(2, 0, 570, 300), "VU2", colors::Yellow);
  Panel10 = help("Panel10", "P10", QRect(360, 278, 210, 120), "Vu_aid1", colors::Aqua);
  Panel11 = help("Panel11", "P11", small, "VU3", colors::Yellow);
  Panel18 = help("Panel18", "P18", small, "VU4", colors::Yellow);
  Panel19 = help("Panel19", "P19", small, "VU5", colors::Yellow);
  panel20 = help("panel20", "P20", small, "VU6", colors::Yellow);
  Panel21 = help("Panel21", "P21", small, "VU7", colors::Yellow);
  Panel22 = help("Panel22", "P22", small, "VU8", colors::Yellow);
  Panel23 = help("Panel23", "P23", small, "VU9", colors::Yellow);
}

void TForm1::createConnections() {
  onClick(avertiss1, this, &TForm1::avertiss1Click);
  onClick(ouvre_dossier, this, &TForm1::ouvre_dossierClick);
  onClick(calc_taux, this, &TForm1::calc_tauxClick);
  onClick(calc_ech, this, &TForm1::calc_echClick);
  onClick(calc_capital, this, &TForm1::calc_capitalClick);
  onClick(cumul_vers, this, &TForm1::cumul_versClick);
  onClick(tab_amort, this, &TForm1::tab_amortClick);
  onClick(controle_offre, this, &TForm1::controle_offreClick);
  onClick(Button1, this, &TForm1::Button1Click);
  onClick(Button2, this, &TForm1::Button2Click);
  onClick(Button5, this, &TForm1::Button5Click);
  onClick(Button7, this, &TForm1::Button7Click);
  onClick(Button9, this, &TForm1::Button9Click);
  onClick(Button8, this, &TForm1::Button8Click);
  onClick(Button4, this, &TForm1::Button4Click);
  onClick(Button10, this, &TForm1::Button10Click);
  onClick(QUITTER, this, &TForm1::QUITTERClick);
}

void TForm1::showSmallPanel(Panel* panel, int left, int top) {
  for (Panel* small : {Panel9, Panel18, Panel19, panel20, Panel21, Panel22, Panel23, Panel10})
    if (small != panel) small->hide();
  panel->showAt(left, top);
}

void TForm1::avertiss1Click() {
  Panel8->showAt(25, 20);
}

void TForm1::ouvre_dossierClick() {
  Form2->showAt(1, 1);
  Form2->resize(798, Form2->height());
}

void TForm1::calc_tauxClick() {
  Form3->showAt(150, 125);
}
void TForm1::calc_echClick() {
  Form4->showAt(150, 100);
}
void TForm1::calc_capitalClick() {
  Form5->showAt(150, 125);
}
void TForm1::cumul_versClick() {
  Form6->showAt(150, 125);
}
void TForm1::tab_amortClick() {
  Form7->showAt(120, 0);
}
void TForm1::controle_offreClick() {
  Form8->showAt(40, 0);
}

void TForm1::Button1Click() {
  Panel10->showAt(360, 278);
}

void TForm1::Button2Click() {
  Panel9->resize(570, Panel9->height());
  showSmallPanel(Panel9, 2, 0);
}

void TForm1::Button5Click() {
  showSmallPanel(Panel19, 8, 320);
}
void TForm1::Button7Click() {
  showSmallPanel(Panel21, 8, 320);
}
void TForm1::Button9Click() {
  showSmallPanel(panel20, 8, 320);
}
void TForm1::Button8Click() {
  showSmallPanel(Panel22, 8, 320);
}
void TForm1::Button4Click() {
  showSmallPanel(Panel18, 8, 320);
}
void TForm1::Button10Click() {
  showSmallPanel(Panel23, 8, 320);
}

void TForm1::QUITTERClick() {
  quitApplication();
}

// The menu is the main window: closing it ends the application, like QUITTER, and it stays
// open when the application does not end.
void TForm1::closeEvent(QCloseEvent* event) {
  bool quitting = false;
  runHandler(this, [&] { quitting = quitApplication(); });
  if (quitting)
    event->accept();
  else
    event->ignore();
}

}  // namespace kalmoris
