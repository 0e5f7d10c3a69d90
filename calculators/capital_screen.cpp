#include "calculators/capital_screen.h"

#include "calculators/calculator_controls.h"
#include "calculators/core/capital_report.h"
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

TForm5* Form5 = nullptr;

namespace {
const QString kEntryError = QStringLiteral("-ERREUR SAISIE-");
constexpr int kFieldLeft = 244;
constexpr int kAmountWidth = 120;
constexpr int kCountWidth = 70;
constexpr int kUnitWidth = 64;
constexpr int kUnitLeft = kFieldLeft + kAmountWidth + 4;
}  // namespace

using namespace calculator_controls;

TForm5::TForm5() : Screen("Form5", QStringLiteral("CALCUL RAPIDE D'UN CAPITAL"), QSize(710, 502)) {
  createControls();
  createConnections();
}

TForm5::~TForm5() = default;

void TForm5::createControls() {
  const LoanChoiceBoxes boxes =
      loanChoiceBoxes(this, "GroupBox1", QStringLiteral("FRANCS ou EUROS ?"), "GroupBox2",
                      QStringLiteral("TYPE de TAUX ANNUEL:"), "Label1");
  GroupBox1 = boxes.currency;
  GroupBox2 = boxes.rateKind;
  Label1 = boxes.reminder;
  FRANCS = GroupBox1->first();
  EUROS = GroupBox1->second();
  RECTIFIER = GroupBox1->rectify();
  tx_prop = GroupBox2->first();
  tx_actu = GroupBox2->second();
  RECTIFIER_1 = GroupBox2->rectify();
  createEntries();
  createResults();

  calcul = calculateButton(this, "calcul", QStringLiteral("CALCUL"), QRect(500, 340, 200, 44));
  info = messagePanel(this, "info", QRect(10, 424, 690, 28));
  info->setBevel(true);  // unlike the other calculators' message panels
  const CommandRow commands = commandRow(this, {"effacer", "imprimer", "retour_menu", "quitter"},
                                         QStringLiteral("RETOUR MENU"), QPoint(10, 462), 162, 176);
  effacer = commands.erase;
  imprimer = commands.print;
  retour_menu = commands.menu;
  quitter = commands.quit;

  choices_ = std::make_unique<LoanChoices>(GroupBox1, GroupBox2, calcul);
}

void TForm5::createEntries() {
  GroupBox3 = controls::groupBox(this, "GroupBox3", QStringLiteral("SAISIE DES DONNEES"),
                                 QRect(10, 94, 690, 150));
  const QRect instalment(kFieldLeft, 24, kAmountWidth, 24);
  const QRect perYear(kFieldLeft, 54, kCountWidth, 24);
  const QRect total(kFieldLeft, 84, kCountWidth, 24);
  const QRect rate(kFieldLeft, 114, kAmountWidth, 24);
  ch_une_ech = controls::edit(GroupBox3, "ch_une_ech", instalment);
  Label2 =
      rowCaption(GroupBox3, "Label2", QStringLiteral("MONTANT D'UNE ECHEANCE"), 12, ch_une_ech);
  Panel2 = unitPanel(GroupBox3, "Panel2", QRect(kUnitLeft, 24, kUnitWidth, 24));
  controls::describe(Panel2, QStringLiteral("Monnaie de l'échéance"));
  Panel3 =
      resultPanel(GroupBox3, "Panel3", QRect(kUnitLeft + kUnitWidth + 10, 24, kAmountWidth, 24));
  controls::describe(Panel3, QStringLiteral("Échéance dans l'autre monnaie"));
  Panel4 = unitPanel(GroupBox3, "Panel4",
                     QRect(kUnitLeft + kUnitWidth + kAmountWidth + 14, 24, kUnitWidth, 24));
  controls::describe(Panel4, QStringLiteral("Autre monnaie"));
  ch_ech_an = controls::edit(GroupBox3, "ch_ech_an", perYear);
  Label3 =
      rowCaption(GroupBox3, "Label3", QStringLiteral("NOMBRE D'ECHEANCES PAR AN"), 12, ch_ech_an);
  ch_tot_ech = controls::edit(GroupBox3, "ch_tot_ech", total);
  Label4 =
      rowCaption(GroupBox3, "Label4", QStringLiteral("NOMBRE TOTAL D'ECHEANCES"), 12, ch_tot_ech);
  ch_le_taux = controls::edit(GroupBox3, "ch_le_taux", rate);
  Label5 =
      rowCaption(GroupBox3, "Label5", QStringLiteral("TAUX ANNUEL INDETERMINE"), 12, ch_le_taux);
  Label6 =
      controls::label(GroupBox3, "Label6", QStringLiteral("%"), QRect(kUnitLeft + 2, 117, 20, 20));

  Label10 = controls::note(
      this, "Label10",
      QStringLiteral("Le résultat final dépend très étroitement de la précision de la saisie: plus "
                     "il y aura de décimales dans le montant d'une échéance et du taux annuel, "
                     "mieux le capital sera reconstitué. "),
      QRect(14, 250, 686, 40));
  colors::setTextColor(Label10, colors::Blue);
}

void TForm5::createResults() {
  GroupBox4 = controls::groupBox(this, "GroupBox4", QStringLiteral("VOICI LES ELEMENTS DE REPONSE"),
                                 QRect(10, 296, 468, 120));
  const QRect period(kFieldLeft, 24, 150, 24);
  const QRect capital(kFieldLeft, 56, kAmountWidth, 24);
  const QRect converted = capital.translated(0, 28);
  taux_per = resultPanel(GroupBox4, "taux_per", period);
  Label7 = rowCaption(GroupBox4, "Label7", QStringLiteral("TAUX DE PERIODE"), 12, taux_per);
  Label8 = controls::label(GroupBox4, "Label8", QStringLiteral("CAPITAL RECONSTITUE"),
                           QRect(12, 71, 200, 20));
  Panel10 = bracePanel(GroupBox4, "Panel10", QRect(kFieldLeft - 24, 54, 22, 56));
  capital_1 = resultPanel(GroupBox4, "capital_1", capital);
  controls::describe(capital_1, QStringLiteral("Capital reconstitué"));
  Panel8 = unitPanel(GroupBox4, "Panel8", QRect(kUnitLeft, 56, kUnitWidth, 24));
  controls::describe(Panel8, QStringLiteral("Monnaie du capital"));
  Capital_2 = resultPanel(GroupBox4, "Capital_2", converted);
  controls::describe(Capital_2, QStringLiteral("Capital dans l'autre monnaie"));
  Panel9 = unitPanel(GroupBox4, "Panel9", QRect(kUnitLeft, 84, kUnitWidth, 24));
  controls::describe(Panel9, QStringLiteral("Autre monnaie"));
}

void TForm5::createConnections() {
  onClick(FRANCS, this, &TForm5::FRANCSClick);
  onClick(EUROS, this, &TForm5::EUROSClick);
  onClick(RECTIFIER, this, &TForm5::RECTIFIERClick);
  onClick(tx_prop, this, &TForm5::tx_propClick);
  onClick(tx_actu, this, &TForm5::tx_actuClick);
  onClick(RECTIFIER_1, this, &TForm5::RECTIFIER_1Click);
  onClick(calcul, this, &TForm5::calculClick);
  onClick(effacer, this, &TForm5::effacerClick);
  onClick(imprimer, this, &TForm5::imprimerClick);
  onClick(retour_menu, this, &TForm5::retour_menuClick);
  onClick(quitter, this, &TForm5::quitterClick);
  linkEnterChain(this, {ch_une_ech, ch_ech_an, ch_tot_ech, ch_le_taux},
                 [this] { ch_le_tauxKeyPress(); });
  for (QLineEdit* field : {ch_une_ech, ch_ech_an, ch_tot_ech, ch_le_taux})
    emptyOnChange(this, field, {Panel3, taux_per, capital_1, Capital_2});
}

void TForm5::emptyResults() {
  emptyPanels({Panel2, Panel4, Panel8, Panel9, taux_per, capital_1, Capital_2, Panel3});
}

void TForm5::chooseUnit(MoneyUnit unit) {
  choices_->chooseUnit(unit);
  Panel2->setText(UnitName(unit));
  Panel4->setText(OtherUnitName(unit));
  Panel8->setText(UnitName(unit));
  Panel9->setText(OtherUnitName(unit));
}

void TForm5::FRANCSClick() {
  chooseUnit(MoneyUnit::Francs);
}

void TForm5::EUROSClick() {
  chooseUnit(MoneyUnit::Euros);
}

void TForm5::RECTIFIERClick() {
  choices_->rectifyUnit();
  emptyResults();
}

void TForm5::chooseKind(RateKind kind, const QString& rateLabel) {
  Label5->setText(rateLabel);
  choices_->chooseKind(kind);
  info->clear();
  ch_une_ech->setFocus();
}

void TForm5::tx_propClick() {
  chooseKind(RateKind::Proportional, QStringLiteral("TAUX ANNUEL PROPORTIONNEL"));
}

void TForm5::tx_actuClick() {
  chooseKind(RateKind::Actuarial, QStringLiteral("TAUX ANNUEL ACTUARIEL"));
}

void TForm5::RECTIFIER_1Click() {
  choices_->rectifyKind();
  Label5->setText(QStringLiteral("TAUX ANNUEL INDETERMINE"));
  // The unit names go too, although the currency stays chosen: the next calculation writes
  // them again.
  emptyResults();
}

void TForm5::ch_le_tauxKeyPress() {
  choices_->enterInLastField(info);
}

bool TForm5::readEntries() {
  EntryReader reader(info, kEntryError);
  if (!readAndRewrite(reader, ch_une_ech, QStringLiteral("#0.00"), entries_.instalment))
    return false;
  Panel3->setText(FirstOtherInstalmentText(entries_.instalment, choices_->unit()));
  return readAndRewrite(reader, ch_le_taux, QStringLiteral("#0.0000"), entries_.annualRate) &&
         store(reader.perYearCount(ch_ech_an, true), entries_.perYear) &&
         store(reader.realCount(ch_tot_ech, true), entries_.total);
}

void TForm5::calculClick() {
  if (!choices_->made() || !readEntries()) return;
  info->clear();
  CalculateCapital(
      entries_, choices_->unit(), choices_->kind(),
      [this](CapitalText text, const QString& value) { panelShowing(text)->setText(value); });
}

Panel* TForm5::panelShowing(CapitalText text) const {
  switch (text) {
    case CapitalText::PeriodRate:
      return taux_per;
    case CapitalText::Capital:
      return capital_1;
    case CapitalText::OtherCapital:
      return Capital_2;
    case CapitalText::InstalmentUnit:
      return Panel2;
    case CapitalText::OtherInstalmentUnit:
      return Panel4;
    case CapitalText::OtherInstalment:
      return Panel3;
    case CapitalText::CapitalUnit:
      return Panel8;
    case CapitalText::OtherCapitalUnit:
      return Panel9;
  }
  return nullptr;
}

void TForm5::effacerClick() {
  // Capital_2 goes by the change rule; the unit names of the capital stay.
  emptyPanels({Panel2, Panel3, Panel4, taux_per, capital_1});
  emptyFields({ch_une_ech, ch_ech_an, ch_tot_ech, ch_le_taux});
}

void TForm5::imprimerClick() {
  CapitalReportTexts shown;
  shown.unit = choices_->unit();
  shown.kind = choices_->kind();
  shown.instalment = ch_une_ech->text();
  shown.otherInstalment = Panel3->text();
  shown.rate = ch_le_taux->text();
  shown.perYear = ch_ech_an->text();
  shown.total = ch_tot_ech->text();
  shown.periodRate = taux_per->text();
  shown.capital = capital_1->text();
  shown.capitalUnit = Panel8->text();
  shown.otherCapital = Capital_2->text();
  shown.otherCapitalUnit = Panel9->text();
  printLineReportAfterDialog(this,
                             [&](PrinterTextStream& stream) { WriteCapitalReport(stream, shown); });
}

void TForm5::retour_menuClick() {
  showMenu();
}

void TForm5::quitterClick() {
  quitApplication();
}

}  // namespace kalmoris
