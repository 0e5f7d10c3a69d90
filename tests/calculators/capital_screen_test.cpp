// The capital screen driven through its controls: the choices and their unit names, the
// calculation with its early conversion, its failures, the change rule, EFFACER, the report.
#include "calculators/capital_screen.h"
#include "tests/support/screen_driver.h"
#include "ui/colors.h"

#include <QtTest>

namespace colors = kalmoris::colors;
using namespace kalmoris::testing;

namespace {
const QStringList kFields{"ch_une_ech", "ch_ech_an", "ch_tot_ech", "ch_le_taux"};
const QStringList kUnits{"Panel2", "Panel4", "Panel8", "Panel9"};
const QStringList kComputed{"Panel3", "taux_per", "capital_1", "Capital_2"};
}  // namespace

class CapitalScreenTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver ui_;

  void typeLoan(const QString& instalment = "716.43", const QString& rate = "6",
                const QString& perYear = "12", const QString& total = "240") {
    ui_.fill({{"ch_une_ech", instalment},
              {"ch_ech_an", perYear},
              {"ch_tot_ech", total},
              {"ch_le_taux", rate}});
  }
  void calculateLoan(const char* currency = "FRANCS", const char* kind = "tx_prop") {
    ui_.click(currency);
    ui_.click(kind);
    typeLoan();
    ui_.click("calcul");
  }
  QStringList texts(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names) shown << ui_.text(name);
    return shown;
  }
  void verifyEmpty(const QStringList& names) {
    for (const QString& name : names) QVERIFY2(ui_.text(name).isEmpty(), qPrintable(name));
  }

 private slots:
  void init() { ui_ = open(new kalmoris::TForm5); }

  void startsEmptyWithCalculateDisabled() {
    verifyEmpty(kFields + kUnits + kComputed + QStringList{"info"});
    QVERIFY(!ui_.button("calcul")->isEnabled());
    QCOMPARE(ui_.text("Label5"), QString("TAUX ANNUEL INDETERMINE"));
  }

  void choicesNameTheUnitsAndEnableCalculate_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<bool>>("enabled");  // FRANCS, EUROS, tx_prop, tx_actu, calcul
    QTest::addColumn<QString>("rateLabel");
    QTest::addColumn<QStringList>("units");
    QTest::newRow("francs names the units")
        << QStringList{"FRANCS"} << QList<bool>{true, false, true, true, false}
        << "TAUX ANNUEL INDETERMINE" << QStringList{"Francs", "Euros", "Francs", "Euros"};
    QTest::newRow("euros then proportional")
        << QStringList{"EUROS", "tx_prop"} << QList<bool>{false, true, true, false, true}
        << "TAUX ANNUEL PROPORTIONNEL" << QStringList{"Euros", "Francs", "Euros", "Francs"};
    QTest::newRow("actuarial then francs")
        << QStringList{"tx_actu", "FRANCS"} << QList<bool>{true, false, false, true, true}
        << "TAUX ANNUEL ACTUARIEL" << QStringList{"Francs", "Euros", "Francs", "Euros"};
    QTest::newRow("currency rectifier empties the units")
        << QStringList{"FRANCS", "tx_actu", "RECTIFIER"}
        << QList<bool>{true, true, false, true, false} << "TAUX ANNUEL ACTUARIEL"
        << QStringList{"", "", "", ""};
    QTest::newRow("rate rectifier empties them too, the currency staying")
        << QStringList{"FRANCS", "tx_actu", "RECTIFIER_1"}
        << QList<bool>{true, false, true, true, false} << "TAUX ANNUEL INDETERMINE"
        << QStringList{"", "", "", ""};
  }
  void choicesNameTheUnitsAndEnableCalculate() {
    QFETCH(QStringList, clicks);
    QFETCH(QList<bool>, enabled);
    QFETCH(QString, rateLabel);
    QFETCH(QStringList, units);
    for (const QString& name : clicks) ui_.click(name);
    const QStringList buttons{"FRANCS", "EUROS", "tx_prop", "tx_actu", "calcul"};
    for (qsizetype k = 0; k < buttons.size(); ++k)
      QVERIFY2(ui_.button(buttons[k])->isEnabled() == enabled[k], qPrintable(buttons[k]));
    QCOMPARE(ui_.text("Label5"), rateLabel);
    QCOMPARE(texts(kUnits), units);
  }

  void rateKindMovesTheFocusToTheInstalment() {
    ui_.field("ch_le_taux")->setFocus();
    ui_.click("tx_prop");
    QVERIFY(ui_.hasFocus("ch_une_ech"));
  }

  void calculationRebuildsTheCapital_data() {
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("computed");  // Panel3, taux_per, capital_1, Capital_2
    QTest::addColumn<QStringList>("units");
    QTest::newRow("francs proportional, from the rounded instalment")
        << "FRANCS"
        << "tx_prop" << QStringList{"109,22", "  0,5000000 %", "99999,85", "15244,88"}
        << QStringList{"Francs", "Euros", "Francs", "Euros"};
    QTest::newRow("francs actuarial")
        << "FRANCS"
        << "tx_actu" << QStringList{"109,22", "  0,4867551 %", "101291,96", "15441,86"}
        << QStringList{"Francs", "Euros", "Francs", "Euros"};
    QTest::newRow("euros actuarial")
        << "EUROS"
        << "tx_actu" << QStringList{"4699,47", "  0,4867551 %", "101291,96", "664431,71"}
        << QStringList{"Euros", "Francs", "Euros", "Francs"};
  }
  void calculationRebuildsTheCapital() {
    QFETCH(QString, currency);
    QFETCH(QString, kind);
    QFETCH(QStringList, computed);
    QFETCH(QStringList, units);
    calculateLoan(qPrintable(currency), qPrintable(kind));
    QCOMPARE(texts(kComputed), computed);
    QCOMPARE(texts(kUnits), units);
    QCOMPARE(texts(kFields), (QStringList{"716,43", "12", "240", "6,0000"}));
  }

  void calculationWritesTheUnitNamesAgain() {
    ui_.click("EUROS");
    ui_.click("tx_prop");
    ui_.click("RECTIFIER_1");
    ui_.click("tx_prop");
    typeLoan();
    ui_.click("calcul");
    QCOMPARE(texts(kUnits), (QStringList{"Euros", "Francs", "Euros", "Francs"}));
  }

  // The instalment is converted with eight digits as soon as it is read; re-writing the rate
  // field afterwards empties it by the change rule, like any change.
  void earlyConversionStaysUnlessTheRateIsRewritten_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("converted");
    QTest::newRow("rate already in its pattern") << "6,0000"
                                                 << "18820866,00";
    QTest::newRow("rate re-written") << "6"
                                     << "";
  }
  void earlyConversionStaysUnlessTheRateIsRewritten() {
    QFETCH(QString, rate);
    QFETCH(QString, converted);
    ui_.click("FRANCS");
    ui_.click("tx_prop");
    typeLoan("123456789", rate, "");
    ui_.click("calcul");
    QCOMPARE(ui_.text("ch_ech_an"), QString());
    QCOMPARE(ui_.background("ch_ech_an"), colors::Yellow);
    QCOMPARE(ui_.text("Panel3"), converted);
    ui_.type("ch_ech_an", "12");
    ui_.click("calcul");
    QCOMPARE(ui_.text("Panel3"), QString("18820866,15"));  // ten digits at the end
  }

  void emptyTotalCountStopsBeforeTheCapital() {
    ui_.click("FRANCS");
    ui_.click("tx_prop");
    typeLoan("716.43", "6", "12", "");
    ui_.click("calcul");
    QCOMPARE(ui_.background("ch_tot_ech"), colors::Yellow);
    QCOMPARE(ui_.background("info"), colors::Aqua);
    QCOMPARE(ui_.text("info"), QString("-ERREUR SAISIE-"));
    verifyEmpty({"taux_per", "capital_1", "Capital_2"});
  }

  void enterInTheRateFieldNeedsBothChoices() {
    ui_.click("FRANCS");
    ui_.pressEnter("ch_le_taux");
    QVERIFY(ui_.hasFocus("ch_le_taux"));
    QCOMPARE(ui_.background("info"), colors::Red);
    QCOMPARE(ui_.text("info"), QString("Il faut faire les choix de Monnaie et de Taux"));
    ui_.click("tx_actu");
    QVERIFY(ui_.text("info").isEmpty());
    QCOMPARE(ui_.background("info"), colors::Red);
    ui_.pressEnter("ch_le_taux");
    QVERIFY(ui_.hasFocus("calcul"));
    typeLoan();
    ui_.click("calcul");
    QCOMPARE(ui_.background("info"), colors::White);
  }

  void arithmeticEdgesOfTheFormula_data() {
    QTest::addColumn<QString>("instalment");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("computed");
    QTest::newRow("zero per-year count divides by zero")
        << "716.43"
        << "6"
        << "0"
        << "240"
        << "Division flottante par zéro" << QStringList{"", "", "", ""};
    QTest::newRow("zero total count gives a zero capital")
        << "716.43"
        << "6"
        << "12"
        << "0"
        << "" << QStringList{"109,22", "  0,5000000 %", "0,00", "0,00"};
  }
  void arithmeticEdgesOfTheFormula() {
    QFETCH(QString, instalment);
    QFETCH(QString, rate);
    QFETCH(QString, perYear);
    QFETCH(QString, total);
    QFETCH(QString, message);
    QFETCH(QStringList, computed);
    ui_.click("FRANCS");
    ui_.click("tx_prop");
    typeLoan(instalment, rate, perYear, total);
    ui_.click("calcul");
    QCOMPARE(takeErrors(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(texts(kComputed), computed);
  }

  void changeOfAnyFieldEmptiesTheComputedResults_data() {
    QTest::addColumn<QString>("field");
    for (const QString& field : kFields) QTest::newRow(qPrintable(field)) << field;
  }
  void changeOfAnyFieldEmptiesTheComputedResults() {
    QFETCH(QString, field);
    calculateLoan();
    ui_.pressKey(field, Qt::Key_5);
    verifyEmpty(kComputed);
    QCOMPARE(texts(kUnits), (QStringList{"Francs", "Euros", "Francs", "Euros"}));
  }

  void clearKeepsTheChoicesAndTheCapitalUnits() {
    calculateLoan("EUROS", "tx_actu");
    ui_.click("effacer");
    verifyEmpty(kFields + kComputed + QStringList{"Panel2", "Panel4"});
    QCOMPARE(texts({"Panel8", "Panel9"}), (QStringList{"Euros", "Francs"}));
    QVERIFY(!ui_.button("FRANCS")->isEnabled());
    QVERIFY(!ui_.button("tx_prop")->isEnabled());
    QVERIFY(ui_.button("calcul")->isEnabled());
  }

  void reportPrintsWhatTheScreenShows() {
    calculateLoan("FRANCS", "tx_prop");
    platform().printDialogAnswers = {true};
    ui_.click("imprimer");
    const QStringList expected{"    ",
                               "    ",
                               "  CALCUL D'UN CAPITAL.",
                               "    ",
                               "    Au vu des indications suivantes:",
                               "    ...Montant d'une échéance  : 716,43 Francs ou 109,22 Euros.",
                               "    ...Le TAUX ANNUEL est exprimé en TAUX PROPORTIONNEL.",
                               "    ...TAUX du PRET: 6,0000 %.",
                               "    ...Nb. Echéances par an: 12",
                               "    ...Nb. Total Echéances : 240",
                               "  ",
                               "    .....Le TAUX de Période est de          :   0,5000000 %",
                               "    .....Le MONTANT DU CAPITAL est de: 99999,85 Francs",
                               "    ................................ou de: 15244,88 Euros",
                               "    .........",
                               "  ",
                               "    Z.Q. .....1 Euro = 6.55957 Francs."};
    QCOMPARE(platform().lastPrinted().lines(), expected);
  }
};

QTEST_MAIN(CapitalScreenTest)
#include "capital_screen_test.moc"
