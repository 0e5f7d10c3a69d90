#include "calculators/deposits_screen.h"

#include "calculators/calculator_controls.h"
#include "calculators/core/deposits_report.h"
#include "ui/change_rule.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/entry_reader.h"
#include "ui/handler.h"
#include "ui/report_printing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

TForm6* Form6 = nullptr;

namespace {
const QString kEntryError = QStringLiteral("-ERREUR SAISIE-");
constexpr int kFieldLeft = 276;
constexpr int kAmountWidth = 130;
constexpr int kCountWidth = 70;
}  // namespace

using namespace calculator_controls;

TForm6::TForm6() : Screen("Form6", QStringLiteral("LE CUMUL DES VERSEMENTS"), QSize(640, 420)) {
  createControls();
  createConnections();
}

void TForm6::createControls() {
  createExplanation();
  createEntries();
  CALCULER =
      calculateButton(this, "CALCULER", QStringLiteral("CALCULER"), QRect(460, 108, 170, 44));
  IMPRIMER =
      controls::button(this, "IMPRIMER", QStringLiteral("IMPRIMER"), QRect(460, 160, 170, 30));
  EFFACER = controls::button(this, "EFFACER", QStringLiteral("EFFACER"), QRect(460, 198, 170, 30));

  const QRect deposited(kFieldLeft, 262, 160, 26);
  const QRect accumulated = deposited.translated(0, 34);
  Panel2 = resultPanel(this, "Panel2", deposited);
  Label5 = rowCaption(this, "Label5", QStringLiteral("Montant des sommes versées:"), 18, Panel2);
  Panel4 = resultPanel(this, "Panel4", accumulated);
  Label7 = rowCaption(this, "Label7", QStringLiteral("Valeur Acquise:"), 18, Panel4);
  Panel4->setCaptionFont(controls::boldFont(10));
  info = messagePanel(this, "info", QRect(10, 334, 620, 28));
  info->setBevel(true);  // unlike the other calculators' message panels
  RETOUR_MENU =
      controls::button(this, "RETOUR_MENU", QStringLiteral("RETOUR MENU"), QRect(10, 376, 155, 30));
  QUITTER = controls::button(this, "QUITTER", QStringLiteral("QUITTER"), QRect(475, 376, 155, 30));
}

void TForm6::createExplanation() {
  auto red = [&](const char* name, const QString& text, QRect place) {
    QLabel* label = controls::label(this, name, text, place);
    colors::setTextColor(label, colors::Red);
    return label;
  };
  Label8 = red("Label8",
               QStringLiteral("C'est la VALEUR ACQUISE par une série de versements consécutifs,"),
               QRect(14, 8, 616, 24));
  Label8->setFont(controls::boldFont(12));
  Label9 = red("Label9", QStringLiteral("en appliquant la formule des intérêts composés: "),
               QRect(14, 36, 290, 18));
  Label11 = red("Label11", QStringLiteral("- les intérêts acquis pendant une période s'ajoutent"),
                QRect(306, 36, 324, 18));
  Label10 = red("Label10", QStringLiteral("au capital et génèrent à leur tour des intérêts"),
                QRect(316, 54, 314, 18));
  Label12 = red("Label12",
                QStringLiteral("( la période est le délai qui s'écoule entre deux versements. )"),
                QRect(14, 76, 616, 18));
}

void TForm6::createEntries() {
  const QRect deposit(kFieldLeft, 112, kAmountWidth, 24);
  const QRect perYear(kFieldLeft, 144, kCountWidth, 24);
  const QRect rate(kFieldLeft, 176, kAmountWidth, 24);
  const QRect count(kFieldLeft, 208, kCountWidth, 24);
  ch_le_vers = controls::edit(this, "ch_le_vers", deposit);
  le_vers = rowCaption(this, "le_vers", QStringLiteral("MONTANT D'UN VERSEMENT:"), 18, ch_le_vers);
  Label6 = controls::label(this, "Label6", QStringLiteral("U.M."),
                           QRect(deposit.right() + 8, deposit.top() + 3, 40, 20));
  ch_vers_an = controls::edit(this, "ch_vers_an", perYear);
  Label1 =
      rowCaption(this, "Label1", QStringLiteral("NOMBRE DE VERSEMENTS PAR AN:"), 18, ch_vers_an);
  ch_le_taux = controls::edit(this, "ch_le_taux", rate);
  Label2 = rowCaption(this, "Label2", QStringLiteral("A QUEL TAUX ANNUEL PROPORTIONNEL:"), 18,
                      ch_le_taux);
  Label3 = controls::label(this, "Label3", QStringLiteral("%"),
                           QRect(rate.right() + 8, rate.top() + 3, 20, 20));
  ch_nb_vers = controls::edit(this, "ch_nb_vers", count);
  Label4 = rowCaption(this, "Label4", QStringLiteral("SUR COMBIEN DE VERSEMENTS:"), 18, ch_nb_vers);
}

void TForm6::createConnections() {
  onClick(CALCULER, this, &TForm6::CALCULERClick);
  onClick(IMPRIMER, this, &TForm6::IMPRIMERClick);
  onClick(EFFACER, this, &TForm6::EFFACERClick);
  onClick(RETOUR_MENU, this, &TForm6::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm6::QUITTERClick);
  // The screen's order; the calculation reads the rate second.
  linkEnterChain(this, {ch_le_vers, ch_vers_an, ch_le_taux, ch_nb_vers},
                 [this] { ch_nb_versKeyPress(); });
  for (QLineEdit* field : {ch_le_vers, ch_vers_an, ch_le_taux, ch_nb_vers})
    emptyOnChange(this, field, {Panel2, Panel4});
}

void TForm6::ch_nb_versKeyPress() {
  CALCULER->setFocus();
}

bool TForm6::readEntries() {
  EntryReader reader(info, kEntryError);
  return readAndRewrite(reader, ch_le_vers, QStringLiteral("#0.00"), entries_.deposit) &&
         readAndRewrite(reader, ch_le_taux, QStringLiteral("#0.0000"), entries_.annualRate) &&
         store(reader.perYearCount(ch_vers_an, true), entries_.perYear) &&
         store(reader.count32(ch_nb_vers, true), entries_.count);
}

void TForm6::CALCULERClick() {
  if (!readEntries()) return;
  const DepositTexts results = CalculateDeposits(entries_);
  Panel2->setText(results.deposited);
  Panel4->setText(results.accumulated);
}

void TForm6::EFFACERClick() {
  emptyFields({ch_le_vers, ch_vers_an, ch_le_taux, ch_nb_vers});
  emptyPanels({Panel2, Panel4});
}

void TForm6::IMPRIMERClick() {
  const DepositsReportTexts shown{ch_le_vers->text(), ch_vers_an->text(), ch_le_taux->text(),
                                  ch_nb_vers->text(), Panel2->text(),     Panel4->text()};
  printLineReportAfterDialog(
      this, [&](PrinterTextStream& stream) { WriteDepositsReport(stream, shown); });
}

void TForm6::RETOUR_MENUClick() {
  showMenu();
}

void TForm6::QUITTERClick() {
  quitApplication();
}

}  // namespace kalmoris
