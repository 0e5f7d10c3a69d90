#include "calculators/instalment_screen.h"

#include "calculators/calculator_controls.h"
#include "calculators/core/instalment_report.h"
#include "ui/change_rule.h"
#include "ui/choice_box.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/entry_reader.h"
#include "ui/handler.h"
#include "ui/loan_choices.h"
#include "ui/report_printing.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

TForm4* Form4 = nullptr;

namespace {
const QString kEntryError = QStringLiteral("-ERREUR SAISIE-");
constexpr int kFieldLeft = 244;
constexpr int kAmountWidth = 120;
constexpr int kCountWidth = 70;
constexpr int kUnitWidth = 64;
constexpr int kUnitLeft = kFieldLeft + kAmountWidth + 4;
}  // namespace

using namespace calculator_controls;

TForm4::TForm4()
    : Screen("Form4", QStringLiteral("     CALCUL D'UNE ECHEANCE (ou d'un versement)"),
             QSize(710, 490)) {
  createControls();
  createConnections();
}

TForm4::~TForm4() = default;

void TForm4::createControls() {
  const LoanChoiceBoxes boxes =
      loanChoiceBoxes(this, "GroupBox1", QStringLiteral("COMMENT EST EXPRIME LE CAPITAL"),
                      "GroupBox4", QStringLiteral("QUEL TYPE de TAUX ANNUEL:"), "Label9");
  GroupBox1 = boxes.currency;
  GroupBox4 = boxes.rateKind;
  Label9 = boxes.reminder;
  FRANCS = GroupBox1->first();
  EUROS = GroupBox1->second();
  RECTIFIER = GroupBox1->rectify();
  tx_prop = GroupBox4->first();
  tx_actu = GroupBox4->second();
  RECTIFIER_1 = GroupBox4->rectify();
  createEntries();
  createResults();

  calcul = calculateButton(this, "calcul", QStringLiteral("CALCULER"), QRect(500, 300, 200, 44));
  INFO = messagePanel(this, "INFO", QRect(10, 408, 690, 28));
  const CommandRow commands = commandRow(this, {"EFFACER", "IMPRIMER", "RETOUR_MENU", "QUITTER"},
                                         QStringLiteral("RETOUR_MENU"), QPoint(10, 448), 162, 176);
  EFFACER = commands.erase;
  IMPRIMER = commands.print;
  RETOUR_MENU = commands.menu;
  QUITTER = commands.quit;

  choices_ = std::make_unique<LoanChoices>(GroupBox1, GroupBox4, calcul);
}

void TForm4::createEntries() {
  GroupBox2 = controls::groupBox(this, "GroupBox2", QStringLiteral("SAISIE DES DONNEES"),
                                 QRect(10, 94, 690, 150));
  const QRect capital(kFieldLeft, 24, kAmountWidth, 24);
  const QRect rate(kFieldLeft, 54, kAmountWidth, 24);
  const QRect perYear(kFieldLeft, 84, kCountWidth, 24);
  const QRect total(kFieldLeft, 114, kCountWidth, 24);
  ch_capital = controls::edit(GroupBox2, "ch_capital", capital);
  Label1 = rowCaption(GroupBox2, "Label1", QStringLiteral("MONTANT DU CAPITAL:"), 12, ch_capital);
  Panel4 = unitPanel(GroupBox2, "Panel4", QRect(kUnitLeft, 24, kUnitWidth, 24));
  controls::describe(Panel4, QStringLiteral("Monnaie du capital"));
  Panel2 =
      resultPanel(GroupBox2, "Panel2", QRect(kUnitLeft + kUnitWidth + 10, 24, kAmountWidth, 24));
  controls::describe(Panel2, QStringLiteral("Capital dans l'autre monnaie"));
  Panel5 = unitPanel(GroupBox2, "Panel5",
                     QRect(kUnitLeft + kUnitWidth + kAmountWidth + 14, 24, kUnitWidth, 24));
  controls::describe(Panel5, QStringLiteral("Autre monnaie"));
  ch_le_taux = controls::edit(GroupBox2, "ch_le_taux", rate);
  Label2 = rowCaption(GroupBox2, "Label2", QStringLiteral("TAUX ANNUEL ( type non défini)"), 12,
                      ch_le_taux);
  Label3 =
      controls::label(GroupBox2, "Label3", QStringLiteral("%"), QRect(kUnitLeft + 2, 57, 20, 20));
  ch_ech_an = controls::edit(GroupBox2, "ch_ech_an", perYear);
  Label4 =
      rowCaption(GroupBox2, "Label4", QStringLiteral("NOMBRE ECHEANCES PAR AN:"), 12, ch_ech_an);
  ch_tot_ech = controls::edit(GroupBox2, "ch_tot_ech", total);
  Label5 =
      rowCaption(GroupBox2, "Label5", QStringLiteral("NOMBRE TOTAL D'ECHEANCES:"), 12, ch_tot_ech);
}

void TForm4::createResults() {
  GroupBox3 =
      controls::groupBox(this, "GroupBox3", QStringLiteral("VOICI LES ELEMENTS DE REPONSE:"),
                         QRect(10, 252, 468, 148));
  const QRect period(kFieldLeft, 24, 150, 24);
  const QRect instalment(kFieldLeft, 54, kAmountWidth, 24);
  const QRect converted = instalment.translated(0, 28);
  const QRect equivalent(kFieldLeft, 114, 150, 24);
  taux_per = resultPanel(GroupBox3, "taux_per", period);
  Label6 = rowCaption(GroupBox3, "Label6", QStringLiteral("TAUX DE PERIODE:"), 12, taux_per);
  Label8 = controls::label(GroupBox3, "Label8", QStringLiteral("MONTANT D'UNE ECHEANCE:"),
                           QRect(12, 69, 200, 20));
  Panel8 = bracePanel(GroupBox3, "Panel8", QRect(kFieldLeft - 24, 52, 22, 56));
  echeance = resultPanel(GroupBox3, "echeance", instalment);
  controls::describe(echeance, QStringLiteral("Montant d'une échéance"));
  Panel6 = unitPanel(GroupBox3, "Panel6", QRect(kUnitLeft, 54, kUnitWidth, 24));
  controls::describe(Panel6, QStringLiteral("Monnaie de l'échéance"));
  Panel3 = resultPanel(GroupBox3, "Panel3", converted);
  controls::describe(Panel3, QStringLiteral("Échéance dans l'autre monnaie"));
  Panel7 = unitPanel(GroupBox3, "Panel7", QRect(kUnitLeft, 82, kUnitWidth, 24));
  controls::describe(Panel7, QStringLiteral("Autre monnaie"));
  taux_equi = resultPanel(GroupBox3, "taux_equi", equivalent);
  controls::describe(taux_equi, QStringLiteral("Taux annuel équivalent"));
  Label7 = rowCaption(GroupBox3, "Label7", QString(), 12, taux_equi);
}

void TForm4::createConnections() {
  onClick(FRANCS, this, &TForm4::FRANCSClick);
  onClick(EUROS, this, &TForm4::EUROSClick);
  onClick(RECTIFIER, this, &TForm4::RECTIFIERClick);
  onClick(tx_prop, this, &TForm4::tx_propClick);
  onClick(tx_actu, this, &TForm4::tx_actuClick);
  onClick(RECTIFIER_1, this, &TForm4::RECTIFIER_1Click);
  onClick(calcul, this, &TForm4::CALCULClick);
  onClick(EFFACER, this, &TForm4::EFFACERClick);
  onClick(IMPRIMER, this, &TForm4::IMPRIMERClick);
  onClick(RETOUR_MENU, this, &TForm4::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm4::QUITTERClick);
  linkEnterChain(this, {ch_capital, ch_le_taux, ch_ech_an, ch_tot_ech},
                 [this] { ch_tot_echKeyPress(); });
  const QList<Panel*> instalment{Panel3, taux_per, echeance, taux_equi};
  emptyOnChange(this, ch_capital, QList<Panel*>{Panel2} + instalment);
  for (QLineEdit* field : {ch_le_taux, ch_ech_an, ch_tot_ech})
    emptyOnChange(this, field, instalment);
}

void TForm4::emptyResults() {
  emptyPanels({Panel2, Panel4, Panel5, Panel6, Panel7, taux_per, echeance, Panel3, taux_equi});
}

void TForm4::FRANCSClick() {
  choices_->chooseUnit(MoneyUnit::Francs);
}

void TForm4::EUROSClick() {
  choices_->chooseUnit(MoneyUnit::Euros);
}

void TForm4::RECTIFIERClick() {
  choices_->rectifyUnit();
  emptyResults();
}

void TForm4::chooseKind(RateKind kind, const QString& rateLabel, const QString& equivalentLabel) {
  choices_->chooseKind(kind);
  INFO->clear();
  Label2->setText(rateLabel);
  Label7->setText(equivalentLabel);
  ch_capital->setFocus();
}

void TForm4::tx_propClick() {
  chooseKind(RateKind::Proportional, QStringLiteral("TAUX ANNUEL PROPORTIONNEL:"),
             QStringLiteral("Taux annuel actuariel équivalent:"));
}

void TForm4::tx_actuClick() {
  chooseKind(RateKind::Actuarial, QStringLiteral("TAUX ANNUEL ACTUARIEL:"),
             QStringLiteral("Taux annuel proportionnel équivalent:"));
}

void TForm4::RECTIFIER_1Click() {
  choices_->rectifyKind();
  Label2->setText(QStringLiteral("TAUX ANNUEL INDETERMINE"));
  Label7->clear();
  emptyResults();
}

void TForm4::ch_tot_echKeyPress() {
  choices_->enterInLastField(INFO);
}

bool TForm4::readEntries() {
  EntryReader reader(INFO, kEntryError);
  return readAndRewrite(reader, ch_capital, QStringLiteral("#0.00"), entries_.capital) &&
         readAndRewrite(reader, ch_le_taux, QStringLiteral("#0.0000"), entries_.annualRate) &&
         store(reader.perYearCount(ch_ech_an, true), entries_.perYear) &&
         store(reader.realCount(ch_tot_ech, true), entries_.total);
}

void TForm4::CALCULClick() {
  if (!choices_->made() || !readEntries()) return;
  INFO->clear();
  CalculateInstalment(
      entries_, choices_->unit(), choices_->kind(),
      [this](InstalmentText text, const QString& value) { panelShowing(text)->setText(value); });
}

Panel* TForm4::panelShowing(InstalmentText text) const {
  switch (text) {
    case InstalmentText::PeriodRate:
      return taux_per;
    case InstalmentText::Instalment:
      return echeance;
    case InstalmentText::EquivalentRate:
      return taux_equi;
    case InstalmentText::OtherCapital:
      return Panel2;
    case InstalmentText::CapitalUnit:
      return Panel4;
    case InstalmentText::OtherCapitalUnit:
      return Panel5;
    case InstalmentText::OtherInstalment:
      return Panel3;
    case InstalmentText::InstalmentUnit:
      return Panel6;
    case InstalmentText::OtherInstalmentUnit:
      return Panel7;
  }
  return nullptr;
}

void TForm4::EFFACERClick() {
  emptyResults();
  emptyFields({ch_capital, ch_le_taux, ch_ech_an, ch_tot_ech});
}

void TForm4::IMPRIMERClick() {
  InstalmentReportTexts shown;
  shown.unit = choices_->unit();
  shown.kind = choices_->kind();
  shown.capital = ch_capital->text();
  shown.otherCapital = Panel2->text();
  shown.rate = ch_le_taux->text();
  shown.perYear = ch_ech_an->text();
  shown.total = ch_tot_ech->text();
  shown.periodRate = taux_per->text();
  shown.instalment = echeance->text();
  shown.instalmentUnit = Panel6->text();
  shown.otherInstalment = Panel3->text();
  shown.otherInstalmentUnit = Panel7->text();
  shown.equivalentRate = taux_equi->text();
  printLineReportAfterDialog(
      this, [&](PrinterTextStream& stream) { WriteInstalmentReport(stream, shown); });
}

void TForm4::RETOUR_MENUClick() {
  showMenu();
}

void TForm4::QUITTERClick() {
  quitApplication();
}

}  // namespace kalmoris
