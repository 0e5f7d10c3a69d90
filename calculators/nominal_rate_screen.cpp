#include "calculators/nominal_rate_screen.h"

#include "calculators/calculator_controls.h"
#include "calculators/core/nominal_rate_report.h"
#include "calculators/core/result_texts.h"
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

TForm3* Form3 = nullptr;

namespace {
const QString kEntryError = QStringLiteral("-Erreur Saisie-");
constexpr int kFieldLeft = 230;
constexpr int kConvertedLeft = 380;
constexpr int kAmountWidth = 130;
constexpr int kCountWidth = 70;
}  // namespace

using namespace calculator_controls;

TForm3::TForm3()
    : Screen("Form3", QStringLiteral("        CALCULER UN TAUX NOMINAL."), QSize(620, 476)) {
  createControls();
  createConnections();
}

TForm3::~TForm3() = default;

void TForm3::createControls() {
  GroupBox1 = new ChoiceBox(this, "GroupBox1", QStringLiteral("COMMENT EST EXPRIME LE CAPITAL"),
                            QRect(20, 10, 420, 62), {"FRANCS", QStringLiteral("FRANCS")},
                            {"EUROS", QStringLiteral("EUROS")}, "RECTIFIER");
  FRANCS = GroupBox1->first();
  EUROS = GroupBox1->second();
  RECTIFIER = GroupBox1->rectify();
  Button1 = controls::button(this, "Button1", QStringLiteral("Aide"), QRect(452, 36, 50, 24));
  createEntries();
  createResults();

  calcul = calculateButton(this, "calcul", QStringLiteral("CALCULER"), QRect(440, 288, 160, 44));
  INFO = messagePanel(this, "INFO", QRect(20, 394, 580, 28));
  const CommandRow commands = commandRow(this, {"EFFACER", "IMPRIMER", "RETOUR_MENU", "QUITTER"},
                                         QStringLiteral("RETOUR_MENU"), QPoint(20, 434), 136, 148);
  EFFACER = commands.erase;
  IMPRIMER = commands.print;
  RETOUR_MENU = commands.menu;
  QUITTER = commands.quit;

  choices_ = std::make_unique<LoanChoices>(GroupBox1);
}

void TForm3::createEntries() {
  GroupBox2 = controls::groupBox(this, "GroupBox2", QStringLiteral("SAISIE DES DONNEES"),
                                 QRect(20, 80, 580, 178));
  const QRect capital(kFieldLeft, 24, kAmountWidth, 24);
  const QRect instalment(kFieldLeft, 54, kAmountWidth, 24);
  const QRect perYear(kFieldLeft, 112, kCountWidth, 24);
  const QRect total(kFieldLeft, 142, kCountWidth, 24);
  ch_capital = controls::edit(GroupBox2, "ch_capital", capital);
  Label1 = rowCaption(GroupBox2, "Label1", QStringLiteral("MONTANT DU CAPITAL:"), 12, ch_capital);
  ch_une_ech = controls::edit(GroupBox2, "ch_une_ech", instalment);
  Label2 = rowCaption(GroupBox2, "Label2", QStringLiteral("MONTANT UNE ECHEANCE:"), 12, ch_une_ech);
  ch_ech_an = controls::edit(GroupBox2, "ch_ech_an", perYear);
  Label3 =
      rowCaption(GroupBox2, "Label3", QStringLiteral("NOMBRE ECHEANCES PAR AN:"), 12, ch_ech_an);
  ch_tot_ech = controls::edit(GroupBox2, "ch_tot_ech", total);
  Label4 =
      rowCaption(GroupBox2, "Label4", QStringLiteral("NOMBRE TOTAL D'ECHEANCES:"), 12, ch_tot_ech);
  Panel2 = resultPanel(GroupBox2, "Panel2", capital.translated(kConvertedLeft - kFieldLeft, 0));
  controls::describe(Panel2, QStringLiteral("Capital dans l'autre monnaie"));
  Panel3 = resultPanel(GroupBox2, "Panel3", instalment.translated(kConvertedLeft - kFieldLeft, 0));
  controls::describe(Panel3, QStringLiteral("Échéance dans l'autre monnaie"));
  Panel4 = unitPanel(GroupBox2, "Panel4", QRect(kFieldLeft, 82, kAmountWidth, 22));
  controls::describe(Panel4, QStringLiteral("Monnaie saisie"));
  Panel5 = unitPanel(GroupBox2, "Panel5", QRect(kConvertedLeft, 82, kAmountWidth, 22));
  controls::describe(Panel5, QStringLiteral("Autre monnaie"));
  Label8 = controls::label(this, "Label8",
                           QStringLiteral("(Chaque saisie peut  être modifiée individuellement.)"),
                           QRect(24, 260, 400, 18));
  colors::setTextColor(Label8, colors::Silver.darker(150));
}

void TForm3::createResults() {
  GroupBox3 = controls::groupBox(this, "GroupBox3", QStringLiteral("TAUX NOMINAL OU CONVENTIONNEL"),
                                 QRect(20, 280, 400, 108));
  const QRect period(214, 22, 170, 24);
  const QRect proportional = period.translated(0, 28);
  const QRect actuarial = period.translated(0, 56);
  taux_per = resultPanel(GroupBox3, "taux_per", period);
  Label5 = rowCaption(GroupBox3, "Label5", QStringLiteral("TAUX DE PERIODE:"), 12, taux_per);
  taux_pro = resultPanel(GroupBox3, "taux_pro", proportional);
  Label6 =
      rowCaption(GroupBox3, "Label6", QStringLiteral("TAUX ANNUEL PROPORTIONNEL:"), 12, taux_pro);
  taux_act = resultPanel(GroupBox3, "taux_act", actuarial);
  Label7 = rowCaption(GroupBox3, "Label7", QStringLiteral("TAUX ANNUEL ACTUARIEL:"), 12, taux_act);
}

void TForm3::createConnections() {
  onClick(FRANCS, this, &TForm3::FRANCSClick);
  onClick(EUROS, this, &TForm3::EUROSClick);
  onClick(RECTIFIER, this, &TForm3::RECTIFIERClick);
  onClick(Button1, this, &TForm3::Button1Click);
  onClick(calcul, this, &TForm3::CALCULClick);
  onClick(EFFACER, this, &TForm3::EFFACERClick);
  onClick(IMPRIMER, this, &TForm3::IMPRIMERClick);
  onClick(RETOUR_MENU, this, &TForm3::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm3::QUITTERClick);
  linkEnterChain(this, {ch_capital, ch_une_ech, ch_ech_an, ch_tot_ech},
                 [this] { ch_tot_echKeyPress(); });
  const QList<Panel*> rates{taux_per, taux_pro, taux_act};
  emptyOnChange(this, ch_capital, QList<Panel*>{Panel2} + rates);
  emptyOnChange(this, ch_une_ech, QList<Panel*>{Panel3} + rates);
  emptyOnChange(this, ch_ech_an, rates);
  emptyOnChange(this, ch_tot_ech, rates);
}

void TForm3::chooseUnit(MoneyUnit unit) {
  INFO->setColor(colors::ButtonFace);
  INFO->clear();
  choices_->chooseUnit(unit);
  calcul->setEnabled(true);
  Panel4->setText(UnitName(unit).toUpper());
  Panel5->setText(OtherUnitName(unit).toUpper());
  ch_capital->setFocus();
}

void TForm3::FRANCSClick() {
  chooseUnit(MoneyUnit::Francs);
}

void TForm3::EUROSClick() {
  chooseUnit(MoneyUnit::Euros);
}

void TForm3::RECTIFIERClick() {
  choices_->rectifyUnit();
  emptyPanels({Panel2, Panel3, Panel4, Panel5});
}

void TForm3::Button1Click() {
  INFO->setColor(colors::Yellow);
  INFO->setText(QStringLiteral("Faute de choix préalable, la monnaie sera indéterminée."));
}

void TForm3::ch_tot_echKeyPress() {
  calcul->setFocus();
}

bool TForm3::readEntries() {
  EntryReader reader(INFO, kEntryError);
  return store(reader.amount(ch_capital), entries_.capital) &&
         store(reader.amount(ch_une_ech), entries_.instalment) &&
         store(reader.perYearCount(ch_ech_an, false), entries_.perYear) &&
         store(reader.count16(ch_tot_ech, false), entries_.total);
}

void TForm3::CALCULClick() {
  if (!readEntries()) return;
  if (!CapitalIsRepaid(entries_)) {
    INFO->setColor(colors::Red);
    INFO->setText(QStringLiteral("CAPITAL NON AMORTI"));
    return;
  }
  INFO->clear();
  INFO->setColor(colors::ButtonFace);
  CalculateNominalRate(
      entries_, choices_->unit(),
      [this](NominalRateText text, const QString& value) { showResult(text, value); });
}

void TForm3::showResult(NominalRateText text, const QString& value) {
  switch (text) {
    case NominalRateText::CapitalEntry:
      return ch_capital->setText(value);
    case NominalRateText::PerYearEntry:
      return ch_ech_an->setText(value);
    case NominalRateText::InstalmentEntry:
      return ch_une_ech->setText(value);
    case NominalRateText::TotalEntry:
      return ch_tot_ech->setText(value);
    case NominalRateText::OtherCapital:
      return Panel2->setText(value);
    case NominalRateText::OtherInstalment:
      return Panel3->setText(value);
    case NominalRateText::PeriodRate:
      return taux_per->setText(value);
    case NominalRateText::ProportionalRate:
      return taux_pro->setText(value);
    case NominalRateText::ActuarialRate:
      return taux_act->setText(value);
  }
}

void TForm3::EFFACERClick() {
  choices_->enableAllButtons();  // the currency chosen before stays in force
  emptyPanels({Panel2, Panel3, Panel4, Panel5});
  emptyFields({ch_capital, ch_une_ech, ch_ech_an, ch_tot_ech});
  emptyPanels({taux_per, taux_pro, taux_act});
}

void TForm3::IMPRIMERClick() {
  const NominalRateReportTexts shown{choices_->unit(),   ch_capital->text(), Panel2->text(),
                                     ch_une_ech->text(), Panel3->text(),     ch_ech_an->text(),
                                     ch_tot_ech->text(), taux_per->text(),   taux_pro->text(),
                                     taux_act->text()};
  printLineReportAfterDialog(
      this, [&](PrinterTextStream& stream) { WriteNominalRateReport(stream, shown); });
}

void TForm3::RETOUR_MENUClick() {
  showMenu();
}

void TForm3::QUITTERClick() {
  quitApplication();
}

}  // namespace kalmoris
