// The dossier screen's grid: the calculation, its panels and its failures, driven offscreen.
#include "tests/dossier/dossier_steps.h"

#include <QDialog>
#include <QPointer>
#include <QRadioButton>
#include <QtTest>

using namespace kalmoris::testing;

namespace {
const QStringList kRatePanels = {"Panel1", "Panel83", "Panel37", "Panel39", "Panel82", "Panel84"};

// The European Commission's first worked example of a TAEG: 200 000 at 6 %, 4 000 of fees,
// 240 monthly instalments of 1 432,86, announced at 6,4 %; validated.
void typeCommissionExample(const ScreenDriver& d) {
  d.fill({{"ch_capital", "200000"},
          {"ch_nb_remb", "240"},
          {"ch_remb_an", "12"},
          {"ch_fr1_val", "4000"},
          {"ch_teg_ann", "6,4"}});
  d.click("bt_valider");
  d.typeRow(1, {"-200000", "1", "0", "4000"});
  d.typeRow(2, {"1432.86", "240"});
}

QColor textColor(const ScreenDriver& d, const char* label) {
  return d.find<QLabel>(label)->palette().color(QPalette::WindowText);
}

const QColor kGreen(0, 0x80, 0);
const QColor kOrange(0xE0, 0x70, 0);
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
    QVERIFY(d.shown("Panel_verdict"));
    auto* proportional = d.find<QLabel>("lb_verdict");
    QCOMPARE(proportional->text(),
             QString("PROPORTIONNEL : minoré de 0,6989 point, inexact à la décimale"));
    QCOMPARE(proportional->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(d.text("Panel_taea_prop"), QString("0,7170 point"));
    QCOMPARE(d.text("Panel_taea_actu"), QString("0,8033 point"));
    const QString longest = "PROPORTIONNEL : minoré de 99,9999 points, inexact à la décimale";
    QVERIFY(QFontMetrics(proportional->font()).horizontalAdvance(longest) <= proportional->width());

    d.type("ch_teg_ann", "12,9");
    QVERIFY2(!d.shown("Panel_verdict"), "the verdict judged the announced TEG before");
    d.click("BBt_CALCUL");
    QCOMPARE(proportional->text(),
             QString("PROPORTIONNEL : majoré de 0,0711 point, exact à la décimale"));
    QCOMPARE(proportional->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    d.clickCell(2, 1);
    QVERIFY2(!d.shown("Panel_verdict"), "it goes with the results P123 covers");
    QCOMPARE(d.text("Panel_taea_prop"), QString("0,7170 point"));
    eraseTypedDossier(*this, d);
    QCOMPARE(d.text("Panel_taea_prop"), QString());
  }

  void offerStripJudgesTheOfferAtEachCalculation() {
    typeCommissionExample(d);
    d.choose("ch_nature", "Immobilier");
    d.fill({{"ch_date_offre", "15/01/2026"}, {"ch_usure", "5,13"}});
    d.click("BBt_CALCUL");
    QVERIFY(d.shown("Panel_verdict"));
    const struct {
      const char* label;
      const char* text;
      QColor color;
    } lines[] = {
        {"lb_verdict", "TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale", kGreen},
        {"lb_information",
         "pour information : TEG (proportionnel) 6,2521 %, majoré de 0,1479 point", Qt::black},
        {"lb_categorie",
         "Catégorie de l'usure : immobilier à taux fixe, 20 ans et plus (taux variable et prêt "
         "relais : autres seuils)",
         Qt::black},
        {"lb_usure", "TAEG 6,4344 % : au-dessus du seuil de l'usure (5,13 %) de 1,3044 point",
         Qt::red},
    };
    for (const auto& [label, text, color] : lines) {
      QCOMPARE(d.text(label), QString::fromUtf8(text));
      QCOMPARE(textColor(d, label), color);
    }
    const QString longest =
        "TAEG (actuariel) : minoré de 99,9999 points, inexact à la décimale, au "
        "détriment de l'emprunteur (date de l'offre non indiquée)";
    auto* verdict = d.find<QLabel>("lb_verdict");
    QVERIFY(QFontMetrics(verdict->font()).horizontalAdvance(longest) <= verdict->width());
    QCOMPARE(verdict->font().pointSize(), QApplication::font().pointSize());

    d.type("ch_usure", "7");
    QVERIFY2(!d.shown("Panel_verdict"), "a change to an entry hides the lines");
    d.type("ch_teg_ann", "6,6");
    d.click("BBt_CALCUL");
    QCOMPARE(d.text("lb_verdict"), QString("TAEG (actuariel) : majoré de 0,1656 point, inexact à "
                                           "la décimale, en faveur de l'emprunteur"));
    QCOMPARE(textColor(d, "lb_verdict"), kOrange);
    QCOMPARE(d.text("lb_usure"),
             QString("TAEG 6,4344 % : ne dépasse pas le seuil de l'usure (7,00 %)"));

    // Enter runs through the entries to CALCULER; Tab comes to them from the announced TEG.
    d.pressEnter("ch_nature");
    QVERIFY(d.hasFocus("ch_date_offre"));
    d.pressEnter("ch_date_offre");
    d.pressEnter("ch_usure");
    QVERIFY(d.hasFocus("BBt_CALCUL"));
    d.pressKey("ch_teg_ann", Qt::Key_Tab);
    QVERIFY(d.hasFocus("ch_nature"));

    eraseTypedDossier(*this, d);
    for (const char* entry : {"ch_nature", "ch_date_offre", "ch_usure"})
      QVERIFY2(d.text(entry).isEmpty(), entry);
    QVERIFY(!d.shown("Panel_verdict"));
  }

  // A refused entry turns red and the strip says why, without a message box; it counts as not
  // made, and the other lines still show.
  void offerStripRefusesABadEntryAtItsField() {
    typeCommissionExample(d);
    d.choose("ch_nature", "Immobilier");
    d.fill({{"ch_date_offre", "31/02/2026"}, {"ch_usure", "cinq"}});
    d.click("BBt_CALCUL");
    QVERIFY(takeErrors().isEmpty());
    QCOMPARE(d.background("ch_date_offre"), QColor(Qt::red));
    QCOMPARE(d.background("ch_usure"), QColor(Qt::red));
    QCOMPARE(d.text("lb_refus"), QString("'31/02/2026' n'est pas une date (jj/mm/aaaa). 'cinq' "
                                         "n'est pas un seuil en % (par ex. 5,13)."));
    QCOMPARE(d.text("lb_verdict"), QString("TAEG (actuariel) : minoré de 0,0344 point, exact à la "
                                           "décimale (date de l'offre non indiquée)"));
    QVERIFY(d.text("lb_categorie").contains("20 ans et plus"));
    QCOMPARE(d.text("lb_usure"), QString());
    d.type("ch_date_offre", "28/02/2026");
    QCOMPARE(d.background("ch_date_offre"), QColor(Qt::white));
    QVERIFY(!d.shown("Panel_verdict"));
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

  void shiftHelperCountsByTheCalendarFromTheTwoDates() {
    typeValidatedLoan(d);
    d.clickCell(1, 2);
    platform().expectedDialogs << "Insérer un décalage";
    d.trigger("Insere_decalage");
    ScreenDriver shift(d.screen()->findChild<QDialog*>("DialogueDecalage"));
    shift.click("calendrier");
    QVERIFY2(shift.find<QRadioButton>("par_dates")->isChecked(), "the calendar needs the dates");
    shift.type("ch_date_versement", "12/01/2013");
    shift.type("ch_date_echeance", "15/02/2013");
    shift.click("Inserer");
    QCOMPARE(d.cell(2, 2), QString(" 0,098361"));
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
