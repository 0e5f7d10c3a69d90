// The instalment screen driven through its controls: the two choices and the calculate
// button, the calculation and its failures, the change rule, RECTIFIER, EFFACER, the report.
#include "calculators/instalment_screen.h"
#include "tests/support/screen_driver.h"
#include "ui/colors.h"

#include <QtTest>

namespace colors = kalmoris::colors;
using namespace kalmoris::testing;

namespace {
const QStringList kFields{"ch_capital", "ch_le_taux", "ch_ech_an", "ch_tot_ech"};
const QStringList kResults{"Panel2",   "Panel4",   "Panel5", "Panel6",   "Panel7",
                           "taux_per", "echeance", "Panel3", "taux_equi"};
const QString kMissingChoices = QStringLiteral("Il faut faire les choix de Monnaie et de Taux");
}  // namespace

class InstalmentScreenTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver ui_;

  void typeLoan(const QString& rate = "6", const QString& total = "240",
                const QString& perYear = "12") {
    ui_.fill({{"ch_capital", "100000"},
              {"ch_le_taux", rate},
              {"ch_ech_an", perYear},
              {"ch_tot_ech", total}});
  }
  void calculateLoan(const char* currency = "FRANCS", const char* kind = "tx_prop") {
    ui_.click(currency);
    ui_.click(kind);
    typeLoan();
    ui_.click("calcul");
  }
  void verifyEmpty(const QStringList& names) {
    for (const QString& name : names) QVERIFY2(ui_.text(name).isEmpty(), qPrintable(name));
  }
  void verifyShown(const QStringList& names) {
    for (const QString& name : names) QVERIFY2(!ui_.text(name).isEmpty(), qPrintable(name));
  }

 private slots:
  void init() { ui_ = open(new kalmoris::TForm4); }

  void startsEmptyWithCalculateDisabled() {
    verifyEmpty(kFields + kResults + QStringList{"INFO", "Label7"});
    QVERIFY(!ui_.button("calcul")->isEnabled());
    for (const char* name : {"FRANCS", "EUROS", "tx_prop", "tx_actu"})
      QVERIFY2(ui_.button(name)->isEnabled(), name);
  }

  void calculateIsEnabledExactlyWhileBothChoicesAreMade_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<bool>>("enabled");  // FRANCS, EUROS, tx_prop, tx_actu, calcul
    QTest::addColumn<QString>("rateLabel");
    QTest::addColumn<QString>("equivalentLabel");
    QTest::newRow("proportional before any currency")
        << QStringList{"tx_prop"} << QList<bool>{true, true, true, false, false}
        << "TAUX ANNUEL PROPORTIONNEL:"
        << "Taux annuel actuariel équivalent:";
    QTest::newRow("then francs completes the pair")
        << QStringList{"tx_prop", "FRANCS"} << QList<bool>{true, false, true, false, true}
        << "TAUX ANNUEL PROPORTIONNEL:"
        << "Taux annuel actuariel équivalent:";
    QTest::newRow("currency rectifier disables calcul")
        << QStringList{"tx_prop", "FRANCS", "RECTIFIER"}
        << QList<bool>{true, true, true, false, false} << "TAUX ANNUEL PROPORTIONNEL:"
        << "Taux annuel actuariel équivalent:";
    QTest::newRow("rate rectifier disables calcul")
        << QStringList{"FRANCS", "tx_actu", "RECTIFIER_1"}
        << QList<bool>{true, false, true, true, false} << "TAUX ANNUEL INDETERMINE"
        << "";
    QTest::newRow("euros then actuarial")
        << QStringList{"EUROS", "tx_actu"} << QList<bool>{false, true, false, true, true}
        << "TAUX ANNUEL ACTUARIEL:"
        << "Taux annuel proportionnel équivalent:";
    QTest::newRow("chosen button clicked again keeps the choice")
        << QStringList{"EUROS", "tx_actu", "EUROS", "tx_actu"}
        << QList<bool>{false, true, false, true, true} << "TAUX ANNUEL ACTUARIEL:"
        << "Taux annuel proportionnel équivalent:";
  }
  void calculateIsEnabledExactlyWhileBothChoicesAreMade() {
    QFETCH(QStringList, clicks);
    QFETCH(QList<bool>, enabled);
    QFETCH(QString, rateLabel);
    QFETCH(QString, equivalentLabel);
    for (const QString& name : clicks) ui_.click(name);
    const QStringList buttons{"FRANCS", "EUROS", "tx_prop", "tx_actu", "calcul"};
    for (qsizetype k = 0; k < buttons.size(); ++k)
      QVERIFY2(ui_.button(buttons[k])->isEnabled() == enabled[k], qPrintable(buttons[k]));
    QCOMPARE(ui_.text("Label2"), rateLabel);
    QCOMPARE(ui_.text("Label7"), equivalentLabel);
  }

  void rateKindMovesTheFocusToTheCapital() {
    ui_.field("ch_tot_ech")->setFocus();
    ui_.click("tx_actu");
    QVERIFY(ui_.hasFocus("ch_capital"));
  }

  void calculationShowsTheInstalmentInBothCurrencies_data() {
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("shown");  // in the order of kResults
    QTest::newRow("francs proportional")
        << "FRANCS"
        << "tx_prop" << QStringList{"15244,90",      "Francs", "Euros",  "Francs",     "Euros",
                                    "  0,5000000 %", "716,43", "109,22", "6,1677812 %"};
    QTest::newRow("francs actuarial, equivalent rate with four decimals")
        << "FRANCS"
        << "tx_actu" << QStringList{"15244,90",      "Francs", "Euros",  "Francs",  "Euros",
                                    "  0,4867551 %", "707,29", "107,83", "5,8411 %"};
    QTest::newRow("euros proportional")
        << "EUROS"
        << "tx_prop" << QStringList{"655957,00",     "Euros",  "Francs",  "Euros",      "Francs",
                                    "  0,5000000 %", "716,43", "4699,48", "6,1677812 %"};
  }
  void calculationShowsTheInstalmentInBothCurrencies() {
    QFETCH(QString, currency);
    QFETCH(QString, kind);
    QFETCH(QStringList, shown);
    calculateLoan(qPrintable(currency), qPrintable(kind));
    for (qsizetype k = 0; k < kResults.size(); ++k) QCOMPARE(ui_.text(kResults[k]), shown[k]);
    QCOMPARE(ui_.text("ch_capital"), QString("100000,00"));
    QCOMPARE(ui_.text("ch_le_taux"), QString("6,0000"));
    QCOMPARE(ui_.background("INFO"), colors::White);
  }

  // The amounts and the rate are re-written with their patterns, the counts are not.
  void fieldsAreRewrittenWithTheirPatterns() {
    ui_.click("FRANCS");
    ui_.click("tx_prop");
    ui_.fill({{"ch_capital", "2.126"},
              {"ch_le_taux", "6.5"},
              {"ch_ech_an", "012"},
              {"ch_tot_ech", "0240"}});
    ui_.click("calcul");
    QCOMPARE(ui_.text("ch_capital"), QString("2,13"));
    QCOMPARE(ui_.text("ch_le_taux"), QString("6,5000"));
    QCOMPARE(ui_.text("ch_ech_an"), QString("012"));
    QCOMPARE(ui_.text("ch_tot_ech"), QString("0240"));
    QCOMPARE(ui_.text("taux_per"), QString("  0,5416667 %"));
  }

  void enterInTheLastFieldNeedsBothChoices_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("onToCalculate");
    QTest::newRow("no choice") << QStringList{} << false;
    QTest::newRow("only the currency") << QStringList{"FRANCS"} << false;
    QTest::newRow("only the rate kind") << QStringList{"tx_actu"} << false;
    QTest::newRow("both choices") << QStringList{"EUROS", "tx_actu"} << true;
  }
  void enterInTheLastFieldNeedsBothChoices() {
    QFETCH(QStringList, clicks);
    QFETCH(bool, onToCalculate);
    for (const QString& name : clicks) ui_.click(name);
    ui_.pressEnter("ch_tot_ech");
    QCOMPARE(ui_.hasFocus("calcul"), onToCalculate);
    QCOMPARE(ui_.hasFocus("ch_tot_ech"), !onToCalculate);
    QCOMPARE(ui_.text("INFO"), onToCalculate ? QString() : kMissingChoices);
    if (!onToCalculate) QCOMPARE(ui_.background("INFO"), colors::Red);
  }

  // The rate kind empties the message; the panel stays red until a calculation reads a field.
  void missingChoicesMessageStaysRedUntilTheNextCalculation() {
    ui_.click("FRANCS");
    ui_.pressEnter("ch_tot_ech");
    ui_.click("tx_prop");
    QVERIFY(ui_.text("INFO").isEmpty());
    QCOMPARE(ui_.background("INFO"), colors::Red);
    typeLoan();
    ui_.click("calcul");
    QCOMPARE(ui_.background("INFO"), colors::White);
  }

  void disabledCalculateReadsNothing() {
    typeLoan("6.5");
    ui_.click("calcul");
    QCOMPARE(ui_.text("ch_le_taux"), QString("6.5"));
    verifyEmpty(kResults);
  }

  void refusedEntryShowsTheEntryError_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("total typed with a point") << "ch_tot_ech"
                                              << "240.0"
                                              << "";
    QTest::newRow("per-year count above 255 is refused, not reduced") << "ch_ech_an"
                                                                      << "268"
                                                                      << "268";
    QTest::newRow("second point in the rate") << "ch_le_taux"
                                              << "6.0.1"
                                              << "";
  }
  void refusedEntryShowsTheEntryError() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    ui_.click("FRANCS");
    ui_.click("tx_prop");
    typeLoan();
    ui_.type(field, typed);
    ui_.click("calcul");
    QCOMPARE(ui_.text(field), left);
    QCOMPARE(ui_.background(field), colors::Yellow);
    QCOMPARE(ui_.text("INFO"), QString("-ERREUR SAISIE-"));
    QCOMPARE(ui_.background("INFO"), colors::Aqua);
    verifyEmpty(kResults);
  }

  void failureKeepsWhatWasWrittenBefore_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("periodRate");
    QTest::newRow("zero total count divides by zero") << "6"
                                                      << "12"
                                                      << "0"
                                                      << "Division flottante par zéro"
                                                      << "  0,5000000 %";
    QTest::newRow("zero per-year count divides by zero") << "6"
                                                         << "0"
                                                         << "240"
                                                         << "Division flottante par zéro"
                                                         << "";
    QTest::newRow("two commas in the rate do not convert")
        << "6,0,1"
        << "12"
        << "240"
        << "'6,0,1' n'est pas une valeur flottante correcte"
        << "";
  }
  void failureKeepsWhatWasWrittenBefore() {
    QFETCH(QString, rate);
    QFETCH(QString, perYear);
    QFETCH(QString, total);
    QFETCH(QString, message);
    QFETCH(QString, periodRate);
    ui_.click("FRANCS");
    ui_.click("tx_prop");
    typeLoan(rate, total, perYear);
    ui_.click("calcul");
    QCOMPARE(takeErrors(), QStringList{message});
    QCOMPARE(ui_.text("ch_capital"), QString("100000,00"));
    QCOMPARE(ui_.text("taux_per"), periodRate);
    verifyEmpty({"echeance", "taux_equi", "Panel2", "Panel3"});
  }

  void changeEmptiesTheResultsThatDependOnTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("kept");
    const QStringList instalment{"Panel3", "taux_per", "echeance", "taux_equi"};
    const QStringList units{"Panel4", "Panel5", "Panel6", "Panel7"};
    QTest::newRow("capital") << "ch_capital" << (QStringList{"Panel2"} + instalment) << units;
    QTest::newRow("rate keeps the converted capital")
        << "ch_le_taux" << instalment << (QStringList{"Panel2"} + units);
    QTest::newRow("per-year count") << "ch_ech_an" << instalment << (QStringList{"Panel2"} + units);
    QTest::newRow("total count") << "ch_tot_ech" << instalment << (QStringList{"Panel2"} + units);
  }
  void changeEmptiesTheResultsThatDependOnTheField() {
    QFETCH(QString, field);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, kept);
    calculateLoan();
    ui_.pressEnter("ch_tot_ech");  // the focus goes on; the message panel is not touched
    ui_.pressKey(field, Qt::Key_0);
    verifyEmpty(emptied);
    verifyShown(kept);
    QVERIFY(ui_.button("calcul")->isEnabled());
  }

  void rectifierEmptiesTheResults_data() {
    QTest::addColumn<QString>("rectifier");
    QTest::addColumn<QString>("rateLabel");
    QTest::newRow("currency") << "RECTIFIER"
                              << "TAUX ANNUEL PROPORTIONNEL:";
    QTest::newRow("rate kind") << "RECTIFIER_1"
                               << "TAUX ANNUEL INDETERMINE";
  }
  void rectifierEmptiesTheResults() {
    QFETCH(QString, rectifier);
    QFETCH(QString, rateLabel);
    calculateLoan();
    ui_.click(rectifier);
    verifyEmpty(kResults);
    verifyShown(kFields);
    QVERIFY(!ui_.button("calcul")->isEnabled());
    QCOMPARE(ui_.text("Label2"), rateLabel);
  }

  void clearKeepsBothChoices() {
    calculateLoan("EUROS", "tx_actu");
    ui_.pressEnter("ch_capital");
    ui_.click("EFFACER");
    verifyEmpty(kFields + kResults);
    QVERIFY(!ui_.button("FRANCS")->isEnabled());
    QVERIFY(!ui_.button("tx_prop")->isEnabled());
    QVERIFY(ui_.button("calcul")->isEnabled());
    QCOMPARE(ui_.text("Label2"), QString("TAUX ANNUEL ACTUARIEL:"));
    typeLoan();
    ui_.click("calcul");
    QCOMPARE(ui_.text("echeance"), QString("707,29"));
    QCOMPARE(ui_.text("Panel6"), QString("Euros"));
  }

  void reportPrintsWhatTheScreenShows() {
    calculateLoan("FRANCS", "tx_actu");
    platform().printDialogAnswers = {true};
    ui_.click("IMPRIMER");
    const QStringList expected{
        "    ",
        "    ",
        "  CALCUL D'UNE ECHEANCE.",
        "    ",
        "    Au vu des indications suivantes:",
        "    ...Montant du Capital  : 100000,00 Francs ou 15244,90 Euros.",
        "    ...Le TAUX ANNUEL est exprimé en TAUX ACTUARIEL.",
        "    ...TAUX du PRET: 6,0000 %.",
        "    ...Nb. Echéances par an: 12",
        "    ...Nb. Total Echéances : 240",
        "  ",
        "    .....Le TAUX de Période est de          :   0,4867551 %",
        "    .....Le MONTANT D'UNE ECHEANCE est de: 707,29 Francs",
        "    ................................ou de: 107,83 Euros",
        "    .........",
        "    .....(Le TAUX ANNUEL PROPORTIONNEL équivalent est de    : 5,8411 %)",
        "  ",
        "    Z.Q. .....1 Euro = 6.55957 Francs."};
    QCOMPARE(platform().lastPrinted().lines(), expected);
  }

  void reportAfterRectifierHasNoCapitalLine() {
    calculateLoan();
    ui_.click("RECTIFIER");
    platform().printDialogAnswers = {true};
    ui_.click("IMPRIMER");
    const QStringList lines = platform().lastPrinted().lines();
    QCOMPARE(lines[5], QString("    ...Le TAUX ANNUEL est exprimé en TAUX PROPORTIONNEL."));
    QCOMPARE(lines[11], QString("    .....Le MONTANT D'UNE ECHEANCE est de:  "));
  }
};

QTEST_MAIN(InstalmentScreenTest)
#include "instalment_screen_test.moc"
