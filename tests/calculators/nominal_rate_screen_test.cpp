// The nominal-rate screen driven through its controls: the calculation, its stops and
// failures, the optional currency, EFFACER, the change rule and the report.
#include "calculators/nominal_rate_screen.h"
#include "tests/calculators/printed_lines.h"
#include "tests/support/screen_driver.h"
#include "ui/colors.h"

#include <QtTest>

namespace colors = kalmoris::colors;
using namespace kalmoris::testing;

namespace {
const QStringList kRates{"taux_per", "taux_pro", "taux_act"};
const QStringList kConversions{"Panel2", "Panel3", "Panel4", "Panel5"};
}  // namespace

class NominalRateScreenTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver ui_;

  void typeLoan(const QString& capital, const QString& instalment, const QString& perYear = "12",
                const QString& total = "240") {
    ui_.fill({{"ch_capital", capital},
              {"ch_une_ech", instalment},
              {"ch_ech_an", perYear},
              {"ch_tot_ech", total}});
  }
  void calculateLoan(const char* currency = "FRANCS") {
    if (*currency) ui_.click(currency);
    typeLoan("100000", "716.43");
    ui_.click("calcul");
  }
  void verifyEmpty(const QStringList& names) {
    for (const QString& name : names) QVERIFY2(ui_.text(name).isEmpty(), qPrintable(name));
  }

 private slots:
  void init() { ui_ = open(new kalmoris::TForm3); }

  void startsEmptyWithCalculateEnabled() {
    verifyEmpty(QStringList{"ch_capital", "ch_une_ech", "ch_ech_an", "ch_tot_ech", "INFO"} +
                kRates + kConversions);
    for (const char* name : {"calcul", "FRANCS", "EUROS", "RECTIFIER"})
      QVERIFY2(ui_.button(name)->isEnabled(), name);
  }

  void calculationShowsTheRates_data() {
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QStringList>("shown");  // fields, conversions, rates, unit names
    QTest::newRow("francs") << "FRANCS"
                            << "100000"
                            << QStringList{"100000,00", "716,43", "12",          "240",
                                           "15244,90",  "109,22", "0,4999985 %", "6,0000 %",
                                           "6,1678 %",  "FRANCS", "EUROS"};
    QTest::newRow("euros") << "EUROS"
                           << "100000"
                           << QStringList{"100000,00", "716,43",  "12",          "240",
                                          "655957,00", "4699,47", "0,4999985 %", "6,0000 %",
                                          "6,1678 %",  "EUROS",   "FRANCS"};
    QTest::newRow("no currency shows no conversion")
        << ""
        << "100000" << QStringList{"100000,00",   "716,43",   "12",       "240", "", "",
                                   "0,4999985 %", "6,0000 %", "6,1678 %", "",    ""};
    QTest::newRow("typed point becomes a comma and two decimals")
        << ""
        << "100000.5" << QStringList{"100000,50",   "716,43",   "12",       "240", "", "",
                                     "0,4999933 %", "5,9999 %", "6,1677 %", "",    ""};
  }
  void calculationShowsTheRates() {
    QFETCH(QString, currency);
    QFETCH(QString, capital);
    QFETCH(QStringList, shown);
    if (!currency.isEmpty()) ui_.click(currency);
    typeLoan(capital, "716.43");
    ui_.click("calcul");
    const QStringList names{"ch_capital", "ch_une_ech", "ch_ech_an", "ch_tot_ech",
                            "Panel2",     "Panel3",     "taux_per",  "taux_pro",
                            "taux_act",   "Panel4",     "Panel5"};
    for (qsizetype k = 0; k < names.size(); ++k) QCOMPARE(ui_.text(names[k]), shown[k]);
    QCOMPARE(ui_.background("INFO"), colors::ButtonFace);
    QVERIFY(ui_.text("INFO").isEmpty());
  }

  // Earlier results that no change emptied stay; the fields keep their normalised text.
  void capitalNotRepaidStopsBeforeTheRates() {
    calculateLoan();
    ui_.type("ch_une_ech", "400");
    ui_.click("calcul");
    QCOMPARE(ui_.background("INFO"), colors::Red);
    QCOMPARE(ui_.text("INFO"), QString("CAPITAL NON AMORTI"));
    QCOMPARE(ui_.text("ch_une_ech"), QString("400"));
    QCOMPARE(ui_.text("Panel2"), QString("15244,90"));
    verifyEmpty(kRates + QStringList{"Panel3"});
  }

  // The rate sought is 0, shown without a sign whichever side the solver reaches it from.
  void capitalEqualToTheInstalmentsIsNotRefused_data() {
    QTest::addColumn<QStringList>("loan");  // capital, instalment, per year, total
    QTest::newRow("240 monthly instalments") << QStringList{"96000", "400", "12", "240"};
    QTest::newRow("one yearly instalment") << QStringList{"100000", "100000", "1", "1"};
  }
  void capitalEqualToTheInstalmentsIsNotRefused() {
    QFETCH(QStringList, loan);
    typeLoan(loan[0], loan[1], loan[2], loan[3]);
    ui_.click("calcul");
    QVERIFY(ui_.text("INFO").isEmpty());
    QCOMPARE(ui_.text("ch_capital"), loan[0] + ",00");
    QCOMPARE(ui_.text("ch_une_ech"), loan[1] + ",00");
    QCOMPARE(ui_.text("taux_per"), QString("0,0000000 %"));
    QCOMPARE(ui_.text("taux_pro"), QString("0,0000 %"));
    QCOMPARE(ui_.text("taux_act"), QString("0,0000 %"));
  }

  void refusedEntryStopsTheCalculation_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");  // the field's text after the refusal
    QTest::newRow("space in an amount") << "ch_capital"
                                        << "1 000"
                                        << "";
    QTest::newRow("minus sign") << "ch_capital"
                                << "-5"
                                << "";
    QTest::newRow("percent sign") << "ch_une_ech"
                                  << "5 %"
                                  << "";
    QTest::newRow("letter") << "ch_une_ech"
                            << "12F"
                            << "";
    QTest::newRow("second point") << "ch_une_ech"
                                  << "1.234.5"
                                  << "";
    QTest::newRow("comma in a count") << "ch_ech_an"
                                      << "12,0"
                                      << "";
    QTest::newRow("no point to comma in a count") << "ch_tot_ech"
                                                  << "240.0"
                                                  << "";
    QTest::newRow("per-year count above 255 is refused, not reduced") << "ch_ech_an"
                                                                      << "300"
                                                                      << "300";
    QTest::newRow("per-year count 256 is refused, not held as 0") << "ch_ech_an"
                                                                  << "256"
                                                                  << "256";
    QTest::newRow("total above 65535 is refused, not reduced") << "ch_tot_ech"
                                                               << "70000"
                                                               << "70000";
  }
  void refusedEntryStopsTheCalculation() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    ui_.click("FRANCS");
    typeLoan("100000", "716.43");
    ui_.type(field, typed);
    ui_.click("calcul");
    QCOMPARE(ui_.text(field), left);
    QCOMPARE(ui_.background(field), colors::Yellow);
    QVERIFY(ui_.hasFocus(field));
    QCOMPARE(ui_.background("INFO"), colors::Aqua);
    QCOMPARE(ui_.text("INFO"), QString("-Erreur Saisie-"));
    verifyEmpty(kRates + QStringList{"Panel2", "Panel3"});
  }

  void largestCountsAreAccepted() {
    typeLoan("100000", "716.43", "255", "65535");
    ui_.click("calcul");
    QCOMPARE(ui_.text("ch_ech_an"), QString("255"));
    QCOMPARE(ui_.text("ch_tot_ech"), QString("65535"));
    QVERIFY(!ui_.text("taux_per").isEmpty());
  }

  void failureShowsItsBoxAndKeepsWhatWasWritten_data() {
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("capitalShown");
    QTest::addColumn<QString>("conversionShown");
    QTest::newRow("two commas do not convert") << "12,5,1"
                                               << "12"
                                               << "'12,5,1' n'est pas une valeur flottante correcte"
                                               << "12,5,1"
                                               << "";
    QTest::newRow("zero per year divides by zero in the solver") << "100000"
                                                                 << "0"
                                                                 << "Division flottante par zéro"
                                                                 << "100000,00"
                                                                 << "15244,90";
    QTest::newRow("nothing borrowed has no rate")
        << "0"
        << "12"
        << "Aucun taux ne correspond à cet échéancier : vérifiez que les versements remboursent le "
           "capital."
        << "0,00"
        << "0,00";
  }
  void failureShowsItsBoxAndKeepsWhatWasWritten() {
    QFETCH(QString, capital);
    QFETCH(QString, perYear);
    QFETCH(QString, message);
    QFETCH(QString, capitalShown);
    QFETCH(QString, conversionShown);
    ui_.click("FRANCS");
    typeLoan(capital, "716.43", perYear);
    ui_.click("calcul");
    QCOMPARE(takeErrors(), QStringList{message});
    QCOMPARE(ui_.text("ch_capital"), capitalShown);
    QCOMPARE(ui_.background("ch_capital"), colors::White);
    QCOMPARE(ui_.text("Panel2"), conversionShown);
    verifyEmpty(kRates);
  }

  void currencyButtonsFollowTheProtocol_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("francsEnabled");
    QTest::addColumn<bool>("eurosEnabled");
    QTest::addColumn<QString>("typedUnit");
    QTest::addColumn<QString>("otherUnit");
    QTest::newRow("francs") << QStringList{"FRANCS"} << true << false << "FRANCS"
                            << "EUROS";
    QTest::newRow("euros") << QStringList{"EUROS"} << false << true << "EUROS"
                           << "FRANCS";
    QTest::newRow("francs again keeps francs")
        << QStringList{"FRANCS", "FRANCS"} << true << false << "FRANCS"
        << "EUROS";
    QTest::newRow("rectifier undoes the choice")
        << QStringList{"FRANCS", "RECTIFIER"} << true << true << ""
        << "";
    QTest::newRow("euros after rectifier")
        << QStringList{"FRANCS", "RECTIFIER", "EUROS"} << false << true << "EUROS"
        << "FRANCS";
  }
  void currencyButtonsFollowTheProtocol() {
    QFETCH(QStringList, clicks);
    QFETCH(bool, francsEnabled);
    QFETCH(bool, eurosEnabled);
    QFETCH(QString, typedUnit);
    QFETCH(QString, otherUnit);
    ui_.click("Button1");
    for (const QString& name : clicks) ui_.click(name);
    QCOMPARE(ui_.button("FRANCS")->isEnabled(), francsEnabled);
    QCOMPARE(ui_.button("EUROS")->isEnabled(), eurosEnabled);
    QVERIFY(ui_.button("calcul")->isEnabled());
    QCOMPARE(ui_.text("Panel4"), typedUnit);
    QCOMPARE(ui_.text("Panel5"), otherUnit);
    QCOMPARE(ui_.background("INFO"), colors::ButtonFace);  // a currency choice clears the help
    QVERIFY(ui_.text("INFO").isEmpty());
  }

  void currencyChoiceMovesTheFocusToTheCapital() {
    ui_.field("ch_tot_ech")->setFocus();
    ui_.click("EUROS");
    QVERIFY(ui_.hasFocus("ch_capital"));
  }

  void helpButtonExplainsTheMissingCurrency() {
    ui_.click("Button1");
    QCOMPARE(ui_.background("INFO"), colors::Yellow);
    QCOMPARE(ui_.text("INFO"), QString("Faute de choix préalable, la monnaie sera indéterminée."));
  }

  void rectifierEmptiesTheConversionsButKeepsTheRates() {
    calculateLoan();
    ui_.click("RECTIFIER");
    verifyEmpty(kConversions);
    QCOMPARE(ui_.text("taux_per"), QString("0,4999985 %"));
    ui_.click("calcul");
    verifyEmpty(kConversions);
    QCOMPARE(ui_.text("taux_act"), QString("6,1678 %"));
  }

  // EFFACER enables both buttons but keeps the currency chosen before in force.
  void clearKeepsTheCurrencyInForce() {
    calculateLoan("FRANCS");
    ui_.click("Button1");
    ui_.click("EFFACER");
    QVERIFY(ui_.button("FRANCS")->isEnabled());
    QVERIFY(ui_.button("EUROS")->isEnabled());
    verifyEmpty(QStringList{"ch_capital", "ch_une_ech", "ch_ech_an", "ch_tot_ech"} + kRates +
                kConversions);
    QCOMPARE(ui_.background("INFO"), colors::Yellow);  // the message panel is left as it is

    typeLoan("100000", "716.43");
    ui_.click("calcul");
    QCOMPARE(ui_.text("Panel2"), QString("15244,90"));
    QCOMPARE(ui_.text("Panel3"), QString("109,22"));
    verifyEmpty({"Panel4", "Panel5"});
    platform().printDialogAnswers = {true};
    ui_.click("IMPRIMER");
    QCOMPARE(platform().lastPrinted().lines()[5],
             QString("    ...Montant du Capital    : 100000,00 Francs ou 15244,90 Euros."));

    ui_.click("EUROS");  // the new choice is set directly, without RECTIFIER
    QVERIFY(!ui_.button("FRANCS")->isEnabled());
    QCOMPARE(ui_.text("Panel4"), QString("EUROS"));
    ui_.click("calcul");
    QCOMPARE(ui_.text("Panel2"), QString("655957,00"));
  }

  void changeEmptiesTheResultsThatDependOnTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("typed");  // typed by the user, or written by the program
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("kept");
    const QStringList units{"Panel4", "Panel5"};
    QTest::newRow("capital typed") << "ch_capital" << true << (QStringList{"Panel2"} + kRates)
                                   << (QStringList{"Panel3"} + units);
    QTest::newRow("capital written") << "ch_capital" << false << (QStringList{"Panel2"} + kRates)
                                     << (QStringList{"Panel3"} + units);
    QTest::newRow("instalment typed") << "ch_une_ech" << true << (QStringList{"Panel3"} + kRates)
                                      << (QStringList{"Panel2"} + units);
    QTest::newRow("per-year count typed")
        << "ch_ech_an" << true << kRates << (QStringList{"Panel2", "Panel3"} + units);
    QTest::newRow("total count written")
        << "ch_tot_ech" << false << kRates << (QStringList{"Panel2", "Panel3"} + units);
  }
  void changeEmptiesTheResultsThatDependOnTheField() {
    QFETCH(QString, field);
    QFETCH(bool, typed);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, kept);
    calculateLoan();
    ui_.click("Button1");
    if (typed)
      ui_.pressKey(field, Qt::Key_Backspace);
    else
      ui_.field(field)->setText("1");
    verifyEmpty(emptied);
    for (const QString& still : kept) QVERIFY2(!ui_.text(still).isEmpty(), qPrintable(still));
    QCOMPARE(ui_.background("INFO"), colors::Yellow);
    QVERIFY(ui_.button("calcul")->isEnabled());
  }

  void reportPrintsWhatTheScreenShows_data() {
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QStringList>("lines");
    const QStringList head{"    ", "    ", "  CALCUL D'UN TAUX NOMINAL.", "    ",
                           "    Au vu des indications suivantes:"};
    const QStringList tail{"    ...Nb. d'Echéances par an: 12",
                           "    ...Nb. Total d'Echéances : 240",
                           "  ",
                           "    .....Le TAUX de Période est de          : 0,4999985 %",
                           "    .....Le TAUX ANNUEL PROPORTIONNEL est de: 6,0000 %",
                           "    .....Le TAUX ANNUEL ACTUARIEL est de    : 6,1678 %",
                           "  ",
                           "    Z.Q. .....1 Euro = 6.55957 Francs."};
    QTest::newRow("euros") << "EUROS"
                           << head +
                                  QStringList{
                                      "    ...Montant du Capital    : 100000,00 Euros "
                                      "ou 655957,00 Francs.",
                                      "    ...Montant d'une Echéance: 716,43 Euros ou "
                                      "4699,47 Francs."} +
                                  tail;
    QTest::newRow("no currency has no amount lines") << "" << head + tail;
  }
  void reportPrintsWhatTheScreenShows() {
    QFETCH(QString, currency);
    QFETCH(QStringList, lines);
    calculateLoan(qPrintable(currency));
    platform().printDialogAnswers = {true};
    ui_.click("IMPRIMER");
    QCOMPARE(platform().printed.size(), std::size_t(1));
    QCOMPARE(platform().lastPrinted().lines(), lines);
  }
};

QTEST_MAIN(NominalRateScreenTest)
#include "nominal_rate_screen_test.moc"
