// The dossier screen's header: its controls, the Enter chain, the change handlers, the
// validation and erase-all, driven offscreen.
#include "tests/dossier/dossier_steps.h"
#include "ui/colors.h"

#include <QApplication>
#include <QtTest>

using kalmoris::TForm2;
namespace colors = kalmoris::colors;
using namespace kalmoris::testing;

namespace {
const QString kClickHere = QStringLiteral("CLIQUER ICI pour VALIDER");
const QString kValidated = QStringLiteral("SAISIE VALIDEE");
const QString kNotValidated = QStringLiteral("SAISIE NON VALIDEE");
const QStringList kRatePanels = {"Panel1", "Panel83", "Panel37", "Panel39", "Panel82", "Panel84"};
}  // namespace

class DossierHeaderTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;

 private slots:
  void init() { d = openDossier(*this); }

  void creationSetsTheScreenAsFormCreateGivesIt() {
    TForm2 fresh;
    QCOMPARE(fresh.objectName(), QString("Form2"));
    QCOMPARE(fresh.size(), QSize(740, 700));
    QCOMPARE(fresh.windowTitle(), QString("-2- VERIFICATION DE TAUX EFFECTIF GLOBAL."));
    QCOMPARE(d.panel("OUVRE_DOSSIER")->geometry().topLeft(), QPoint(25, 0));
    QCOMPARE(d.panel("OUVRE_DOSSIER")->width(), 740);
    QVERIFY(!d.shown("Panel43"));
    QCOMPARE(d.place("Panel43"), QPoint(0, 214));
    QVERIFY(d.shown("Panel90"));
    QCOMPARE(d.place("Panel90"), QPoint(456, 227));
    const QStringList headers = {"1 N° BL", "2 VERSM.", "3 Nb Vers.",
                                 "4 ASS.",  "5 FRAIS",  "6 CUMUL"};
    QCOMPARE(d.grid()->colCount(), 6);
    QCOMPARE(d.grid()->cells()->fixedCols(), 0);
    for (int col = 0; col < 6; ++col) QCOMPARE(d.cell(col, 0), headers[col]);
  }

  void freshScreenWaitsForItsValidation() {
    QCOMPARE(d.text("ch_grpv"), QString("2"));
    for (const char* name : {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an", "ch_teg_ann",
                             "ch_fr1_txt", "ch_fr1_val", "ch_fr3_val"})
      QVERIFY2(d.text(name).isEmpty(), name);
    QCOMPARE(d.text("bt_valider"), kClickHere);
    QVERIFY(waitingLook(d));
    QVERIFY(!calculationEnabled(d));
    QVERIFY(!d.button("effac_tout")->isEnabled());
    for (const char* hidden : {"Panel92", "Panel42", "Panel123", "Panel216", "Panel161", "Panel91",
                               "Panel45", "Panel98", "Panel6", "Panel17", "Panel15", "Panel215"})
      QVERIFY2(!d.shown(hidden), hidden);
    QVERIFY(d.panel("Panel27")->y() >= d.panel("OUVRE_DOSSIER")->height());
    QCOMPARE(d.panel("Panel27")->text(), QString("MASQUE PROVISOIRE"));
  }

  void captionsAndNotesAreTheScreensTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("title") << "Panel19"
                           << "VERIFICATION D'UN PRET";
    QTest::newRow("borrower") << "Lib_nom_emp"
                              << "EMPRUNTEUR :";
    QTest::newRow("capital") << "Lib_capital"
                             << "MONTANT PRET:";
    QTest::newRow("repayments") << "Lib_nb_remb"
                                << "Nb. Tot. REMBOURS...";
    QTest::newRow("per year") << "Lib_remb_an"
                              << "Nb. REMBOURS... / AN..:";
    QTest::newRow("blocks") << "Lib_grpv"
                            << "COMBIEN DE BLOCS de SAISIE ?:";
    QTest::newRow("minimum") << "Label_mini"
                             << "(mini=2)";
    QTest::newRow("fee 1") << "Lib_fr1"
                           << " FRAIS 1";
    QTest::newRow("fee 2") << "Lib_fr2"
                           << "FRAIS 2";
    QTest::newRow("fee 3") << "Lib_fr3"
                           << "FRAIS 3";
    QTest::newRow("fee total") << "Panel5"
                               << "TOTAL des FRAIS";
    QTest::newRow("computed") << "Label_calcule"
                              << "( calculé par le  logiciel )";
    QTest::newRow("announced") << "Lib_teg_ann"
                               << "Pour mémoire: TEG. ANNONCE:";
    QTest::newRow("percent") << "Label_pourcent"
                             << " % ";
    QTest::newRow("erase") << "effac_tout"
                           << "EFFACER TOUTES LES DONNEES";
    QTest::newRow("examples") << "VOIR_EXEMPLES"
                              << "Voir EXEMPLES";
    QTest::newRow("calculate") << "BBt_CALCUL"
                               << "CALCULER";
    QTest::newRow("here") << "Bt_ICI_"
                          << "ICI";
    QTest::newRow("four zones") << "Label_4_zones"
                                << "Ces 4 Zones doivent être renseignées dans tous les cas.";
    QTest::newRow("fee zones")
        << "Label_zones_frais"
        << "Ces Zones sont à compléter, si des frais existent, dans le cadre de calcul d'un TEG";
    QTest::newRow("imperative") << "Label_imperatif"
                                << "Il faut IMPERATIVEMENT VALIDER toute saisie ou modification "
                                   "avant de continuer sur la grille en partie basse !";
    QTest::newRow("grid moves") << "Label_deplacements"
                                << "Déplacements par souris ou touches de direction.";
    QTest::newRow("insurance cost") << "Label_cout_assurance"
                                    << "COUT ASSURANCE";
    QTest::newRow("loan cost") << "Label_cout_pret"
                               << "COUT DU PRET";
  }
  void captionsAndNotesAreTheScreensTexts() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(d.text(name), caption);
  }

  void menuBarItemsCarryTheirNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("open") << "Men_OUVRIR1_"
                          << "OUVRIR ";
    QTest::newRow("save") << "ENREGISTRER1"
                          << "ENREGISTRER";
    QTest::newRow("save as") << "Men_ENREGISTRERSOUS1_"
                             << "ENREGISTRER SOUS";
    QTest::newRow("quit") << "QUITTER1"
                          << "QUITTER";
    QTest::newRow("print") << "Menu_IMPRESSIONTEXTE1_"
                           << "IMPRESSION TEXTE";
    QTest::newRow("printer") << "Men_CONFIGURATIONIMPRI1_"
                             << "CONFIGURATION IMPRI";
    QTest::newRow("menu") << "Men_RETOUR_MENU1_"
                          << "RETOUR MENU";
  }
  void menuBarItemsCarryTheirNames() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(d.action(name)->text(), caption);
  }

  void quitEndsTheApplication() {
    d.trigger("QUITTER1");
    QCOMPARE(platform().quitRequests, 1);
  }

  void enterMovesThroughTheHeaderToTheValidateButton() {
    const QStringList chain = {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an",
                               "ch_grpv",    "ch_fr1_txt", "ch_fr1_val", "ch_fr2_txt",
                               "ch_fr2_val", "ch_fr3_txt", "ch_fr3_val", "bt_valider"};
    d.field("ch_nom_emp")->setFocus();
    for (qsizetype k = 0; k + 1 < chain.size(); ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget()->objectName(), chain[k + 1]);
    }
    d.pressEnter("ch_teg_ann");
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("ch_teg_ann"));
  }

  void firstValidationEndsOnClickHereAndTheSecondOnValidated() {
    typeFreshLoanHeader(d);
    d.click("bt_valider");
    QCOMPARE(d.text("ch_capital"), QString(" 200000,00"));
    QCOMPARE(d.text("bt_valider"), kClickHere);
    QVERIFY(calculationEnabled(d));
    QVERIFY(d.button("effac_tout")->isEnabled());
    QVERIFY(validatedLook(d));
    QVERIFY(d.shown("Panel42"));
    QVERIFY(!d.shown("Panel92"));
    QVERIFY(!d.shown("Panel27"));
    QCOMPARE(d.text("Panel8"), QString("9116,00"));
    QCOMPARE(d.grid()->rowCount(), 3);
    QCOMPARE(d.cell(0, 2), QString("2"));
    d.click("bt_valider");
    QCOMPARE(d.text("bt_valider"), kValidated);
    QVERIFY(calculationEnabled(d));
  }

  void editingAWatchedFieldAsksForAValidation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("watched");
    QTest::newRow("capital") << "ch_capital" << true;
    QTest::newRow("repayments") << "ch_nb_remb" << true;
    QTest::newRow("per year") << "ch_remb_an" << true;
    QTest::newRow("blocks") << "ch_grpv" << true;
    QTest::newRow("fee") << "ch_fr1_val" << false;
    QTest::newRow("fee label") << "ch_fr2_txt" << false;
    QTest::newRow("borrower") << "ch_nom_emp" << false;
    QTest::newRow("announced TEG") << "ch_teg_ann" << false;
  }
  void editingAWatchedFieldAsksForAValidation() {
    QFETCH(QString, name);
    QFETCH(bool, watched);
    typeFreshLoanHeader(d);
    d.click("bt_valider");
    d.click("bt_valider");
    d.click("Bt_ICI_");
    QVERIFY(!d.shown("Panel90"));
    d.pressKey(name, Qt::Key_End);
    d.pressKey(name, Qt::Key_1);
    QCOMPARE(d.text("bt_valider"), watched ? kClickHere : kValidated);
    QCOMPARE(calculationEnabled(d), !watched);
    QCOMPARE(waitingLook(d), watched);
    QCOMPARE(d.shown("Panel90"), watched);
    if (watched) QCOMPARE(d.place("Panel90"), QPoint(456, 227));
  }

  void failedFieldTurnsRedAndEmptyUnderTheWarning_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("warningHeight");
    QTest::newRow("capital below 1") << "ch_capital"
                                     << "0,5" << 200;
    QTest::newRow("no repayment") << "ch_nb_remb"
                                  << "" << 64;
    QTest::newRow("repayments beyond 65535") << "ch_nb_remb"
                                             << "70000" << 64;
    QTest::newRow("no repayment a year") << "ch_remb_an"
                                         << "   " << 64;
    QTest::newRow("per year beyond 255") << "ch_remb_an"
                                         << "256" << 64;
    QTest::newRow("blocks beyond capacity") << "ch_grpv"
                                            << "361" << 64;
  }
  void failedFieldTurnsRedAndEmptyUnderTheWarning() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(int, warningHeight);
    typeFreshLoanHeader(d);
    d.type(name, typed);
    d.click("bt_valider");
    QCOMPARE(d.background(name), colors::Red);
    QCOMPARE(d.text(name), QString());
    QVERIFY(d.shown("Panel92"));
    QCOMPARE(d.panel("Panel92")->geometry(), QRect(2, 216, 730, warningHeight));
    QCOMPARE(d.text("bt_valider"), kNotValidated);
    QVERIFY(d.button("bt_valider")->isEnabled());
    QVERIFY2(calculationEnabled(d), "a failed validation does not prevent calculating");
    QVERIFY(d.grid()->rowCount() <= 361);
  }

  void singleBlockTurnsRedWithoutFailing() {
    typeFreshLoanHeader(d);
    d.type("ch_grpv", "1");
    d.click("bt_valider");
    QCOMPARE(d.background("ch_grpv"), colors::Red);
    QCOMPARE(d.text("ch_grpv"), QString(" 1"));
    QVERIFY(d.shown("Panel92"));
    QCOMPARE(d.text("bt_valider"), kClickHere);
    QCOMPARE(d.grid()->rowCount(), 2);
    d.type("ch_grpv", "2");
    d.click("bt_valider");
    QCOMPARE(d.background("ch_grpv"), colors::White);
    QVERIFY(!d.shown("Panel92"));
  }

  void refusedConversionStopsTheValidationWhereItStands() {
    typeFreshLoanHeader(d);
    d.type("ch_nb_remb", "12.5");
    d.click("bt_valider");
    QCOMPARE(takeErrors(), QStringList{"'12,5' n'est pas une valeur entière correcte"});
    QCOMPARE(d.text("ch_capital"), QString(" 200000,00"));
    QCOMPARE(d.text("ch_nb_remb"), QString("12.5"));
    QCOMPARE(d.text("ch_remb_an"), QString("12"));
    QCOMPARE(d.text("Panel8"), QString());
    QCOMPARE(d.text("bt_valider"), kClickHere);
    QVERIFY(!calculationEnabled(d));
    QVERIFY(!d.button("effac_tout")->isEnabled());
  }

  void validationHidesItsHelpPanel() {
    d.click("Pan_AIDE_VALIDER_");
    QVERIFY(d.shown("Panel43"));
    QCOMPARE(d.place("Panel43"), QPoint(20, 220));
    typeFreshLoanHeader(d);
    d.click("bt_valider");
    QVERIFY(!d.shown("Panel43"));
  }

  void eraseAllReturnsToAnEmptyDossier() {
    typeValidatedLoan(d);
    d.typeCell(2, 2, "179");
    d.click("BBt_CALCUL");
    d.click("Pan_AIDE_EFF_DONN_");
    eraseTypedDossier(*this, d);
    for (const char* name :
         {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an", "ch_teg_ann", "ch_fr1_txt",
          "ch_fr2_txt", "ch_fr3_txt", "ch_fr1_val", "ch_fr2_val", "ch_fr3_val", "Panel8",
          "Panel125", "Panel127", "Panel163", "Panel164"})
      QVERIFY2(d.text(name).isEmpty(), name);
    for (const QString& rate : kRatePanels) QVERIFY(d.text(rate).isEmpty());
    QCOMPARE(d.text("ch_grpv"), QString("2"));
    for (int row = 1; row <= 2; ++row)
      for (int col = 0; col < 6; ++col) QVERIFY(d.cell(col, row).isEmpty());
    QCOMPARE(d.grid()->rowCount(), 3);
    QVERIFY(!d.shown("Panel161"));
    QVERIFY(!d.shown("Panel215"));
    QVERIFY(d.shown("Panel90"));
    QCOMPARE(d.text("bt_valider"), kClickHere);
    QVERIFY(waitingLook(d));
    QVERIFY(!calculationEnabled(d));
    QVERIFY(!d.button("effac_tout")->isEnabled());
    QCOMPARE(d.panel("Panel8")->color(), colors::White);
  }

  // A refused block count leaves no group in force: erase-all empties the old rows all the
  // same, so that the next validation does not bring them back.
  void eraseAllAfterARefusedBlockCountEmptiesTheOldRows() {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    d.type("ch_grpv", "400");
    d.click("bt_valider");
    eraseTypedDossier(*this, d);
    typeFreshLoanHeader(d);
    d.click("bt_valider");
    QCOMPARE(d.cell(1, 1), QString("-1"));  // the defaults, not the old loan's capital
    QCOMPARE(d.cell(4, 1), QString("0"));
  }

  void rowsOfTheLastCalculationGetDefaultsAfterErasing() {
    typeValidatedLoan(d);
    d.type("ch_grpv", "3");
    d.click("bt_valider");
    d.typeRow(3, {"1", "1", "0", "0"});
    d.click("BBt_CALCUL");
    eraseTypedDossier(*this, d);
    d.fill({{"ch_capital", "1000"}, {"ch_nb_remb", "4"}, {"ch_remb_an", "12"}, {"ch_grpv", "5"}});
    d.click("bt_valider");
    QCOMPARE(d.grid()->rowCount(), 6);
    const QStringList first = {"1", "-1", "1", "0", "0"};
    const QStringList later = {"", "1", "1", "0", "0"};
    for (int col = 1; col <= 4; ++col) {
      QCOMPARE(d.cell(col, 1), first[col]);
      QCOMPARE(d.cell(col, 2), later[col]);
      QCOMPARE(d.cell(col, 3), later[col]);
      QCOMPARE(d.cell(col, 4), QString());
      QCOMPARE(d.cell(col, 5), QString());
    }
    QCOMPARE(d.cell(0, 5), QString("5"));
  }
};

QTEST_MAIN(DossierHeaderTest)
#include "dossier_header_test.moc"
