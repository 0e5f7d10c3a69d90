#include "amortization/amortization_screen.h"

#include "amortization/print_panel.h"
#include "amortization/schedule_grid.h"
#include "ui/choice_box.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/handler.h"
#include "ui/loan_choices.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

TForm7* Form7 = nullptr;

namespace {
constexpr int kEntryLeft = 268;
constexpr int kResultLeft = 160;
constexpr int kUnitLeft = 288;

Panel* resultPanel(QWidget* parent, const char* name, QRect place) {
  Panel* panel = controls::panel(parent, name, QString(), place, colors::White);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}
}  // namespace

TForm7::TForm7()
    : Screen("Form7", QStringLiteral("-7- TABLEAU D'AMORTISSEMENT"), QSize(1000, 700)),
      reader_(nullptr, QString()) {
  createControls();
  createConnections();
  FormCreate();
}

TForm7::~TForm7() = default;

void TForm7::FormCreate() {
  const QString headers[ScheduleCells::kColumns] = {
      QStringLiteral("Num. Echéance"),    QStringLiteral("Date Echeance"),
      QStringLiteral("Echéance"),         QStringLiteral("Part Intérêts"),
      QStringLiteral("Part amortissmnt"), QStringLiteral("Capital reste du")};
  for (int col = 0; col < ScheduleCells::kColumns; ++col) {
    typedCells_->setHeader(col, headers[col]);
    otherCells_->setHeader(col, headers[col]);
  }
  printPanel_->refreshPrinters();
}

void TForm7::createControls() {
  createChoiceBoxes();
  createEntries();
  createResults();
  createGrids();
  printPanel_ = new SchedulePrintPanel(this, inputs_, [this] {
    return ReportTexts{ch_le_taux->text(), ch_ech_an->text(), ch_tot_ech->text(), taux_per->text(),
                       taux_equi->text()};
  });
}

void TForm7::createChoiceBoxes() {
  GroupBox1 = new ChoiceBox(this, "GroupBox1", QStringLiteral("COMMENT EST EXPRIME LE CAPITAL ?"),
                            QRect(8, 6, 392, 60), {"francs", QStringLiteral("FRANCS")},
                            {"euros", QStringLiteral("EUROS")}, "rectifier");
  francs = GroupBox1->first();
  euros = GroupBox1->second();
  rectifier = GroupBox1->rectify();
  GroupBox2 = new ChoiceBox(this, "GroupBox2", QStringLiteral("QUEL TYPE DE TAUX ANNUEL ?"),
                            QRect(8, 70, 392, 60), {"tx_prop", QStringLiteral("PROPORTIONNEL")},
                            {"tx_actu", QStringLiteral("ACTUARIEL")}, "rectifier_1");
  tx_prop = GroupBox2->first();
  tx_actu = GroupBox2->second();
  rectifier_1 = GroupBox2->rectify();
  Label15 = controls::label(this, "Label15",
                            QStringLiteral("SANS CHOIX PREALABLE, PAS DE SAISIE VALIDE !"),
                            QRect(8, 134, 392, 18));
  Label15->setFont(controls::boldFont(9));
  Label15->setAlignment(Qt::AlignCenter);
  colors::setTextColor(Label15, colors::Red);
}

void TForm7::createEntries() {
  GroupBox3 = controls::groupBox(this, "GroupBox3", QStringLiteral("SAISIE DES DONNEES:"),
                                 QRect(8, 156, 392, 128));
  auto caption = [&](const char* name, const QString& text, int top) {
    return controls::label(GroupBox3, name, text, QRect(10, top + 2, kEntryLeft - 14, 20));
  };
  auto entry = [&](const char* name, int top) {
    return controls::edit(GroupBox3, name, QRect(kEntryLeft, top, 96, 22));
  };
  ch_capital = entry("ch_capital", 22);
  caption("Label1", QStringLiteral("CAPITAL:"), 22)->setBuddy(ch_capital);
  ch_le_taux = entry("ch_le_taux", 48);
  Label2 = caption("Label2", QStringLiteral("TAUX ANNUEL"), 48);
  Label2->setBuddy(ch_le_taux);
  controls::label(GroupBox3, "Label3", QStringLiteral("%"), QRect(kEntryLeft + 100, 50, 20, 20));
  ch_ech_an = entry("ch_ech_an", 74);
  caption("Label4", QStringLiteral("NOMBRE DE REMBOURSEMENTS PAR AN"), 74)->setBuddy(ch_ech_an);
  ch_tot_ech = entry("ch_tot_ech", 100);
  caption("Label5", QStringLiteral("NOMBRE TOTAL DE REMBOURSEMENTS"), 100)->setBuddy(ch_tot_ech);

  GroupBox4 = controls::groupBox(this, "GroupBox4", QStringLiteral("DATE de la PREMIERE ECHEANCE"),
                                 QRect(8, 288, 392, 80));
  ch_mois = controls::edit(GroupBox4, "ch_mois", QRect(80, 22, 60, 22));
  ch_annee = controls::edit(GroupBox4, "ch_annee", QRect(80, 48, 60, 22));
  controls::label(GroupBox4, "Label6", QStringLiteral("MOIS"), QRect(10, 24, 64, 20))
      ->setBuddy(ch_mois);
  controls::label(GroupBox4, "Label7", QStringLiteral("(En chiffres)"), QRect(150, 24, 150, 20));
  controls::label(GroupBox4, "Label8", QStringLiteral("ANNEE"), QRect(10, 50, 64, 20))
      ->setBuddy(ch_annee);
  controls::label(GroupBox4, "Label9", QStringLiteral("(4 chiffres)"), QRect(150, 50, 150, 20));

  AFFICHER = controls::button(this, "AFFICHER", QStringLiteral("AFFICHER"), QRect(8, 376, 124, 30));
  IMPRIMER =
      controls::button(this, "IMPRIMER", QStringLiteral("IMPRIMER"), QRect(142, 376, 124, 30));
  IMPRIMER->setEnabled(false);
  EFFACER = controls::button(this, "EFFACER", QStringLiteral("EFFACER"), QRect(276, 376, 124, 30));
  RETOUR_MENU =
      controls::button(this, "RETOUR_MENU", QStringLiteral("RETOUR MENU"), QRect(8, 656, 180, 32));
  QUITTER = controls::button(this, "QUITTER", QStringLiteral("QUITTER"), QRect(220, 656, 180, 32));

  choices_ = std::make_unique<LoanChoices>(GroupBox1, GroupBox2, AFFICHER);
}

void TForm7::createResults() {
  auto caption = [&](const char* name, const QString& text, int top, QWidget* result) {
    controls::label(this, name, text, QRect(8, top + 2, kResultLeft - 12, 20))->setBuddy(result);
  };
  taux_per = resultPanel(this, "taux_per", QRect(kResultLeft, 418, 240, 24));
  caption("Label10", QStringLiteral("Taux de Période:"), 418, taux_per);
  taux_equi = resultPanel(this, "taux_equi", QRect(kResultLeft, 448, 124, 24));
  caption("Label11", QStringLiteral("Taux Annuel Equivalent:"), 448, taux_equi);
  Panel4 = resultPanel(this, "Panel4", QRect(kUnitLeft, 448, 112, 24));
  controls::describe(Panel4, QStringLiteral("Type du taux équivalent"));
  echeance = resultPanel(this, "echeance", QRect(kResultLeft, 478, 124, 24));
  caption("Label12", QStringLiteral("Montant d'une Echéance:"), 478, echeance);
  Panel2 = resultPanel(this, "Panel2", QRect(kUnitLeft, 478, 112, 24));
  controls::describe(Panel2, QStringLiteral("Monnaie saisie"));
  Panel3 = resultPanel(this, "Panel3", QRect(kResultLeft, 506, 124, 24));
  controls::describe(Panel3, QStringLiteral("Échéance dans l'autre monnaie"));
  Panel5 = resultPanel(this, "Panel5", QRect(kUnitLeft, 506, 112, 24));
  controls::describe(Panel5, QStringLiteral("Autre monnaie"));
}

void TForm7::createGrids() {
  const QRect box(0, 0, 576, 340);
  const QRect grid(8, 22, 560, 310);
  AFFI1 = controls::groupBox(this, "AFFI1", QString(), box.translated(412, 6));
  AFFI2 = controls::groupBox(this, "AFFI2", QString(), box.translated(412, 352));
  typedCells_ = new ScheduleCells(ScheduleCells::Side::Typed);
  otherCells_ = new ScheduleCells(ScheduleCells::Side::Other);
  StringGrid1 = makeScheduleGrid(AFFI1, "StringGrid1", grid, typedCells_);
  StringGrid2 = makeScheduleGrid(AFFI2, "StringGrid2", grid, otherCells_);
  controls::describe(AFFI1, QStringLiteral("Tableau dans la monnaie saisie"));
  controls::describe(AFFI2, QStringLiteral("Tableau dans l'autre monnaie"));
  controls::describe(StringGrid1, QStringLiteral("Tableau d'amortissement dans la monnaie saisie"));
  controls::describe(StringGrid2, QStringLiteral("Tableau d'amortissement dans l'autre monnaie"));
}

void TForm7::createConnections() {
  onClick(francs, this, &TForm7::francsClick);
  onClick(euros, this, &TForm7::eurosClick);
  onClick(rectifier, this, &TForm7::rectifierClick);
  onClick(tx_prop, this, &TForm7::tx_propClick);
  onClick(tx_actu, this, &TForm7::tx_actuClick);
  onClick(rectifier_1, this, &TForm7::rectifier_1Click);
  onClick(AFFICHER, this, &TForm7::AFFICHERClick);
  onClick(EFFACER, this, &TForm7::EFFACERClick);
  onClick(IMPRIMER, this, &TForm7::IMPRIMERClick);
  onClick(RETOUR_MENU, this, &TForm7::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm7::QUITTERClick);
  onChange(ch_capital, this, &TForm7::ch_capitalChange);
  onChange(ch_le_taux, this, &TForm7::ch_le_tauxChange);
  onChange(ch_ech_an, this, &TForm7::ch_ech_anChange);
  onChange(ch_tot_ech, this, &TForm7::ch_tot_echChange);
  onChange(ch_mois, this, &TForm7::ch_moisChange);
  onChange(ch_annee, this, &TForm7::ch_anneeChange);
  linkEnterChain(this, {ch_capital, ch_le_taux, ch_ech_an, ch_tot_ech, ch_mois, ch_annee},
                 [this] { ch_anneeKeyPress(); });
}

void TForm7::IMPRIMERClick() {
  printPanel_->open(inputs_.total);
}

void TForm7::RETOUR_MENUClick() {
  showMenu();
}

void TForm7::QUITTERClick() {
  quitApplication();
}

}  // namespace kalmoris
