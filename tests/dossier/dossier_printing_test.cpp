// The dossier screen's "IMPRIMER" menu: the report printed at once, and the printer choice.
#include "tests/dossier/dossier_steps.h"

#include <QtTest>

using kalmoris::PageFont;
using namespace kalmoris::testing;

class DossierPrintingTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;

  QStringList print() {
    d.trigger("Menu_IMPRESSIONTEXTE1_");
    if (platform().printed.size() != 1) return {};
    return platform().lastPrinted().lines();
  }
  const DocumentEvent* drawStarting(const QString& start) {
    for (const DocumentEvent& event : platform().lastPrinted().events)
      if (event.kind == DocumentEvent::Kind::Draw && event.text.startsWith(start)) return &event;
    return nullptr;
  }
 private slots:
  void init() { d = openDossier(*this); }

  void calculatedDossierIsPrintedAtOnceFromTheScreensTexts() {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    const QStringList lines = print();
    QCOMPARE(platform().printDialogs, 0);
    QVERIFY(platform().lastPrinted().finished);
    QCOMPARE(lines.size(), 42);
    QCOMPARE(lines[4], QString("            DOSSIER: G. RORAVOR"));
    QCOMPARE(lines[8], QString("    Montant du Prêt:  200000,00 Um."));
    QCOMPARE(lines[10], QString("    Taux Effectif Global annoncé:  12,13 %"));
    QCOMPARE(lines.mid(13, 4),
             QStringList({"    frais notariaux---------------       7116,00 Um.",
                          "    frais de dossier--------------       2000,00 Um.",
                          "         néant--------------------          0,00 Um.",
                          "    TOTAL des FRAIS---------------       9116,00 Um."}));
    for (int k = 13; k <= 16; ++k) QCOMPARE(lines[k].indexOf(" Um."), 48);
    QCOMPARE(lines[22], QString("        1      -200000,00              1       0,00     9116,00"
                                "      -190884,00"));
    QCOMPARE(
        lines[23],
        QString("        2         2304,69            180      89,00        0,00         2393,69"));
    QCOMPARE(lines[26], QString("         de PERIODE = 0,0093750052"));
    QCOMPARE(lines[31],
             QString("         ANNUEL: PROPORTIONNEL = 12,8289 %   ACTUARIEL = 13,6107 %"));
    QCOMPARE(lines[34], QString("    ***** COUT DU PRET  : 239980,20 Um."));
    // The verdict the screen shows ends the report.
    QCOMPARE(lines[36], QString("    ***** CONTROLE DU TEG ANNONCE *****"));
    QCOMPARE(lines[38], QString("         PROPORTIONNEL: écart -0,6989 point, minoré, inexact à "
                                "la décimale."));
  }

  void reportSetsItsFontsAndLeavesTheLastOne() {
    typeValidatedLoan(d);
    PageFont& pageFont = platform().pageFont();
    pageFont.name = "Courier New";
    pageFont.setSizePoints(12);
    print();
    const DocumentEvent* opening = drawStarting("            ");
    QVERIFY(opening);
    QCOMPARE(opening->font.name, QString("Courier New"));
    QCOMPARE(opening->font.size, 12);
    const DocumentEvent* title = drawStarting("    VERIFICATION DE PRET:");
    QVERIFY(title);
    QCOMPARE(title->font.name, QString("ARIAL"));
    QCOMPARE(title->font.unit, PageFont::SizeUnit::Dots);
    QCOMPARE(title->font.size, 100);
    const DocumentEvent* fees = drawStarting("    frais notariaux");
    QVERIFY(fees);
    QCOMPARE(fees->font.name, QString("COURIER NEW"));
    QCOMPARE(fees->font.size, 10);
    QCOMPARE(pageFont.name, QString("COURIER NEW"));
  }

  void shiftedExamplePrintsTheNominalRateAsNotComputable() {
    openExampleNotice(d, 3);
    seeExampleCalculation(d, 3);
    d.click("bt_valider");
    d.click("Bt_ICI_");
    QVERIFY(d.shown("Panel216"));
    const QStringList lines = print();
    const qsizetype heading = lines.indexOf("    ***** TAUX NOMINAL ou MOYEN *****");
    QVERIFY(heading > 0);
    QCOMPARE(lines[heading + 1], QString("    TAUX NOMINAL NON CALCULABLE..."));
    QCOMPARE(lines[heading + 5], QString("         ANNUEL: PROPORTIONNEL = 10,3071 %   "
                                         "ACTUARIEL = 10,8083 %"));
    QCOMPARE(lines.indexOf("      BLOC     VERSEMENTS        NB VERS. ASSURANCE       FRAIS     "
                           "CUMUL 2+4+5"),
             heading - 29);
  }

  void neverValidatedDossierPrintsUpToItsFeesHeading() {
    const QStringList lines = print();
    QCOMPARE(takeErrors(), QStringList{"'' n'est pas une valeur flottante correcte"});
    QVERIFY(platform().lastPrinted().finished);
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines.last(), QString("    ***** DETAIL des FRAIS *****"));
  }

  void printerConfigurationOnlyOpensTheDialog_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
  }
  void printerConfigurationOnlyOpensTheDialog() {
    QFETCH(bool, confirmed);
    typeValidatedLoan(d);
    platform().printDialogAnswers.push_back(confirmed);
    d.trigger("Men_CONFIGURATIONIMPRI1_");
    QCOMPARE(platform().printDialogs, 1);
    QVERIFY(platform().printed.empty());
  }
};

QTEST_MAIN(DossierPrintingTest)
#include "dossier_printing_test.moc"
