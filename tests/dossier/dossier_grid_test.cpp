// The dossier screen's grid: the calculation, its panels and its failures, driven offscreen.
#include "tests/dossier/dossier_steps.h"

#include <QDialog>
#include <QPointer>
#include <QtTest>

using namespace kalmoris::testing;

namespace {
const QStringList kRatePanels = {"Panel1", "Panel83", "Panel37", "Panel39", "Panel82", "Panel84"};
}  // namespace

class DossierGridTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;

 private slots:
  void init() { d = openDossier(*this); }

  void calculationRewritesTheGridAndShowsTheResults_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("CALCULER") << "BBt_CALCUL";
    QTest::newRow("ICI") << "Bt_ICI_";
    QTest::newRow("RE-CALCUL") << "Pan_EFF_DISCOR_";
  }
  void calculationRewritesTheGridAndShowsTheResults() {
    QFETCH(QString, command);
    typeValidatedLoan(d);
    if (command == "Pan_EFF_DISCOR_") {
      d.typeCell(2, 2, "179");
      d.click("BBt_CALCUL");
      QVERIFY(d.shown("Panel161"));
      d.typeCell(2, 2, "180");
    }
    d.click(command);
    const QStringList row1 = {"1", " -200000,00", " 1", " 0,00", " 9116,00", " -190884,00"};
    const QStringList row2 = {"2", " 2304,69", " 180", " 89,00", " 0,00", " 2393,69"};
    for (int col = 0; col < 6; ++col) {
      QCOMPARE(d.cell(col, 1), row1[col]);
      QCOMPARE(d.cell(col, 2), row2[col]);
    }
    const QStringList rates = {"0,0093750052", "11,2500 %", "11,8486 %",
                               "0,0106907204", "12,8289 %", "13,6107 %"};
    for (qsizetype k = 0; k < rates.size(); ++k) QCOMPARE(d.text(kRatePanels[k]), rates[k]);
    QCOMPARE(d.text("Panel125"), QString("16020,00"));
    QCOMPARE(d.text("Panel127"), QString("239980,20"));
    QVERIFY(!d.shown("Panel161"));
    QVERIFY(!d.shown("Panel90"));
    QVERIFY(!d.shown("Panel216"));
  }

  void scheduleWithoutRateSaysSoAndShowsNoRate() {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    d.typeCell(1, 1, "200000");
    d.click("BBt_CALCUL");
    QCOMPARE(takeErrors(), QStringList{"Aucun taux ne correspond à cet échéancier : vérifiez que "
                                       "les versements remboursent le capital."});
    QCOMPARE(d.text("Panel39"), QString(" "));
  }

  // The repayment falls 39998 years before the payout: a power overflows where the rates are
  // sought first, yet a rate exists and is shown.
  void rateBeyondTheFirstGuessIsShownWithoutAnOverflow() {
    d.fill({{"ch_capital", "1000"}, {"ch_nb_remb", "1"}, {"ch_remb_an", "1"}, {"ch_grpv", "3"}});
    d.click("bt_valider");
    d.typeRow(1, {"-1000", "1"});
    d.typeRow(2, {"0", "-40000"});
    d.typeRow(3, {"1100", "1"});
    d.click("BBt_CALCUL");
    QVERIFY(takeErrors().isEmpty());
    QCOMPARE(d.text("Panel1"), QString("-0,0000023828"));
    QCOMPARE(d.text("Panel39"), QString("-0,0000023828"));
  }

  void lastFailingCheckIsShownOverTheResults() {
    typeValidatedLoan(d);
    d.typeCell(2, 2, "179");
    d.click("BBt_CALCUL");
    QVERIFY(d.shown("Panel161"));
    QCOMPARE(d.place("Panel161"), QPoint(432, 221));
    QCOMPARE(d.text("Label134"), QString("Nombre de REMB. annoncé :"));
    QCOMPARE(d.text("Panel163"), QString("180,00"));
    QCOMPARE(d.text("Label136"), QString("Dans la GRILLE est de (versements positifs) :"));
    QCOMPARE(d.text("Panel164"), QString("179,00"));
    QVERIFY2(d.text("Panel82").endsWith(" %"), "the rates are written under the panel");
  }

  void emptyGridTakesDefaultsAndShowsTheRepaymentsShort() {
    d.fill({{"ch_capital", "200000"}, {"ch_nb_remb", "180"}, {"ch_remb_an", "12"}});
    d.click("bt_valider");
    d.click("BBt_CALCUL");
    QCOMPARE(d.cell(1, 1), QString(" -1,00"));
    QCOMPARE(d.cell(2, 1), QString(" 1"));
    QCOMPARE(d.cell(1, 2), QString(" 1,00"));
    QCOMPARE(d.text("Label136"), QString("CUMUL des REMB: insuffisant! :"));
    QCOMPARE(d.text("Panel163"), QString("200000,00"));
    QCOMPARE(d.text("Panel164"), QString("1,00"));
  }

  void clickInTheGridCoversTheResultsUntilTheNextCalculation() {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    d.clickCell(2, 1);
    QVERIFY(d.shown("Panel123"));
    QCOMPARE(d.place("Panel123"), QPoint(456, 250));
    QVERIFY(!d.shown("Panel90"));
    d.click("bt_valider");
    QVERIFY2(d.shown("Panel123"), "only a calculation removes it");
    d.click("BBt_CALCUL");
    QVERIFY(!d.shown("Panel123"));
    d.pressKey("StringGrid1", Qt::Key_Down);
    QVERIFY2(d.shown("Panel123"), "moving with the arrows is a click too");
  }

  void cellHoldsWhatIsTypedWhileItIsEdited() {
    const QModelIndex index = d.grid()->model()->index(0, 1);
    d.grid()->setCurrentIndex(index);
    d.grid()->edit(index);
    auto* editor = d.grid()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, "-5000");
    QCOMPARE(d.cell(1, 1), QString("-5000"));
  }

  void timeShiftCoversTheNominalRatesUntilErased() {
    typeValidatedLoan(d);
    d.type("ch_grpv", "3");
    d.click("bt_valider");
    d.typeRow(2, {"0", "-0.544444", "0", "0"});
    d.typeRow(3, {"2304.69", "180", "89", "0"});
    d.click("BBt_CALCUL");
    QVERIFY(d.shown("Panel216"));
    QCOMPARE(d.place("Panel216"), QPoint(468, 274));
    QCOMPARE(d.cell(2, 2), QString(" -0,544444"));
    QVERIFY(d.text("Panel82").endsWith(" %"));
    d.typeRow(2, {"2304.69", "1", "89", "0"});
    d.typeCell(2, 3, "179");
    d.click("BBt_CALCUL");
    QVERIFY2(d.shown("Panel216"), "a later calculation does not hide it");
    eraseTypedDossier(*this, d);
    QVERIFY(!d.shown("Panel216"));
  }

  void verdictAndInsuranceRateStandBesideTheResults() {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    QVERIFY(d.shown("Panel_controle_teg"));
    auto* proportional = d.find<QLabel>("Label_controle_prop");
    QCOMPARE(proportional->text(),
             QString("PROPORTIONNEL : minoré de 0,6989 point, inexact à la décimale"));
    QCOMPARE(proportional->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(d.text("Panel_taea_prop"), QString("0,7170 point"));
    QCOMPARE(d.text("Panel_taea_actu"), QString("0,8033 point"));
    const QString longest = "PROPORTIONNEL : minoré de 99,9999 points, inexact à la décimale";
    QVERIFY(QFontMetrics(proportional->font()).horizontalAdvance(longest) <= proportional->width());

    d.type("ch_teg_ann", "12,9");
    QVERIFY2(!d.shown("Panel_controle_teg"), "the verdict judged the announced TEG before");
    d.click("BBt_CALCUL");
    QCOMPARE(proportional->text(),
             QString("PROPORTIONNEL : majoré de 0,0711 point, exact à la décimale"));
    QCOMPARE(proportional->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    d.clickCell(2, 1);
    QVERIFY2(!d.shown("Panel_controle_teg"), "it goes with the results P123 covers");
    QCOMPARE(d.text("Panel_taea_prop"), QString("0,7170 point"));
    eraseTypedDossier(*this, d);
    QCOMPARE(d.text("Panel_taea_prop"), QString());
  }

  void shiftHelperInsertsAGroupBeforeTheChosenRow() {
    typeValidatedLoan(d);
    d.clickCell(1, 2);
    platform().expectedDialogs << "Insérer un décalage";
    d.trigger("Insere_decalage");
    QPointer<QDialog> dialog = d.screen()->findChild<QDialog*>("DialogueDecalage");
    QVERIFY(dialog && dialog->isVisible());
    ScreenDriver shift(dialog);
    shift.type("ch_jours", "15,5");
    shift.click("Inserer");
    QCOMPARE(shift.text("message"), QString("'15,5' n'est pas un nombre entier de jours."));
    shift.click("par_dates");
    shift.click("Inserer");
    QCOMPARE(shift.text("message"), QString("Indiquez la date du versement du capital."));
    QVERIFY(dialog->isVisible());
    QCOMPARE(d.text("ch_grpv"), QString(" 2"));

    shift.type("ch_jours", "-15");
    shift.click("mois_30");
    QCOMPARE(shift.text("apercu"), QString("Décalage de -15 jours : -0,500000 période"));
    shift.click("Inserer");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QCOMPARE(d.cell(0, 2), QString("2"));
    QCOMPARE(d.cell(2, 2), QString(" -0,500000"));
    QCOMPARE(d.cell(0, 3), QString("3"));
    QCOMPARE(d.cell(1, 3), QString("2304.69"));
    QCOMPARE(d.text("ch_grpv"), QString(" 3"));
    QVERIFY2(!calculationEnabled(d), "a new block count waits for its validation");
  }

  void failedCalculationLeavesWhatWasShown_data() {
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("badCell");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("nominalPeriod");
    QTest::addColumn<QString>("tegProportional");
    QTest::newRow("bad cell") << "12"
                              << "2"
                              << "1,2,3"
                              << "'1,2,3' n'est pas une valeur flottante correcte"
                              << "0,0093750052"
                              << "12,8289 %";
    QTest::newRow("no repayment a year") << "0"
                                         << "2"
                                         << ""
                                         << "Division flottante par zéro"
                                         << " "
                                         << " ";
    QTest::newRow("no block") << "12"
                              << "0"
                              << ""
                              << "Opération flottante incorrecte"
                              << " "
                              << " ";
  }
  void failedCalculationLeavesWhatWasShown() {
    QFETCH(QString, perYear);
    QFETCH(QString, blocks);
    QFETCH(QString, badCell);
    QFETCH(QString, message);
    QFETCH(QString, nominalPeriod);
    QFETCH(QString, tegProportional);
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    d.typeCell(1, 1, "-150000");
    if (!badCell.isEmpty()) d.typeCell(3, 2, badCell);
    d.type("ch_remb_an", perYear);
    d.type("ch_grpv", blocks);
    d.click("bt_valider");
    d.click("BBt_CALCUL");
    QCOMPARE(takeErrors(), QStringList{message});
    QCOMPARE(d.text("Panel1"), nominalPeriod);
    QCOMPARE(d.text("Panel82"), tegProportional);
    QCOMPARE(d.text("Panel127"), QString("239980,20"));
    QCOMPARE(d.cell(1, 1), blocks == "0" ? QString("-150000") : QString(" -150000,00"));
  }
};

QTEST_MAIN(DossierGridTest)
#include "dossier_grid_test.moc"
