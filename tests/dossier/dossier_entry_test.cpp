// The dossier screen's header, validation, erase-all and calculation, driven offscreen.
#include "app/ui/colors.h"
#include "app/ui/string_grid.h"
#include "tests/dossier/dossier_driver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using kalmoris::TForm2;
using kalmoris::testing::DossierDriver;
namespace colors = kalmoris::colors;

namespace {
const QString kClickHere = QStringLiteral("CLIQUER ICI pour VALIDER");
const QString kValidated = QStringLiteral("SAISIE VALIDEE");
const QString kNotValidated = QStringLiteral("SAISIE NON VALIDEE");
const QStringList kRatePanels = {"Panel1", "Panel83", "Panel37", "Panel39", "Panel82", "Panel84"};
}  // namespace

class DossierEntryTest : public QObject {
  Q_OBJECT

  std::unique_ptr<DossierDriver> d;

  bool calculationEnabled() const {
    return d->button("BBt_CALCUL")->isEnabled() && d->button("Bt_ICI_")->isEnabled();
  }
  bool waitingLook() const {
    return d->panel("Panel10")->height() == 1 && d->panel("Panel11")->height() == 5;
  }
  bool validatedLook() const {
    return d->panel("Panel10")->height() == 5 && d->panel("Panel11")->height() == 1;
  }
  void typeFreshLoanHeader() {
    d->typeAll({{"ch_capital", "200000"},
                {"ch_nb_remb", "180"},
                {"ch_remb_an", "12"},
                {"ch_grpv", "2"},
                {"ch_fr1_val", "7116"},
                {"ch_fr2_val", "2000"}});
  }

 private slots:
  void init() { d = std::make_unique<DossierDriver>(); }
  void cleanup() {
    const QStringList problems = d->problems();
    d.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

  void creationSetsTheScreenAsFormCreateGivesIt() {
    TForm2 fresh;
    QCOMPARE(fresh.objectName(), QString("Form2"));
    QCOMPARE(fresh.size(), QSize(740, 570));
    QCOMPARE(fresh.windowTitle(), QString("-2- VERIFICATION DE TAUX EFFECTIF GLOBAL."));
    QCOMPARE(d->panel("OUVRE_DOSSIER")->geometry().topLeft(), QPoint(25, 0));
    QCOMPARE(d->panel("OUVRE_DOSSIER")->width(), 740);
    QVERIFY(!d->shown("Panel43"));
    QCOMPARE(d->place("Panel43"), QPoint(0, 214));
    QVERIFY(d->shown("Panel90"));
    QCOMPARE(d->place("Panel90"), QPoint(456, 227));
    const QStringList headers = {"1 N° BL", "2 VERSM.", "3 Nb Vers.",
                                 "4 ASS.",  "5 FRAIS",  "6 CUMUL"};
    QCOMPARE(d->grid()->colCount(), 6);
    QCOMPARE(d->grid()->cells()->fixedCols(), 0);
    for (int col = 0; col < 6; ++col) QCOMPARE(d->cell(col, 0), headers[col]);
  }

  void freshScreenWaitsForItsValidation() {
    QCOMPARE(d->text("ch_grpv"), QString("2"));
    for (const char* name : {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an", "ch_teg_ann",
                             "ch_fr1_txt", "ch_fr1_val", "ch_fr3_val"})
      QVERIFY2(d->text(name).isEmpty(), name);
    QCOMPARE(d->text("bt_valider"), kClickHere);
    QVERIFY(waitingLook());
    QVERIFY(!calculationEnabled());
    QVERIFY(!d->button("effac_tout")->isEnabled());
    for (const char* hidden : {"Panel92", "Panel42", "Panel123", "Panel216", "Panel161", "Panel91",
                               "Panel45", "Panel98", "Panel6", "Panel17", "Panel15", "Panel215"})
      QVERIFY2(!d->shown(hidden), hidden);
    QVERIFY(d->panel("Panel27")->y() >= d->panel("OUVRE_DOSSIER")->height());
    QCOMPARE(d->panel("Panel27")->text(), QString("MASQUE PROVISOIRE"));
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
    QCOMPARE(d->text(name.toLatin1().constData()), caption);
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
    QAction* item = d->action(name.toLatin1().constData());
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
  }

  void quitEndsTheApplication() {
    d->trigger("QUITTER1");
    QCOMPARE(d->platform().quitRequests, 1);
  }

  void enterMovesThroughTheHeaderToTheValidateButton() {
    QApplication::setActiveWindow(&d->screen());
    QVERIFY(QTest::qWaitForWindowActive(&d->screen()));
    const QStringList chain = {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an",
                               "ch_grpv",    "ch_fr1_txt", "ch_fr1_val", "ch_fr2_txt",
                               "ch_fr2_val", "ch_fr3_txt", "ch_fr3_val", "bt_valider"};
    d->field("ch_nom_emp")->setFocus();
    for (qsizetype k = 0; k + 1 < chain.size(); ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget()->objectName(), chain[k + 1]);
    }
    d->field("ch_teg_ann")->setFocus();
    QTest::keyClick(d->field("ch_teg_ann"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("ch_teg_ann"));
  }

  void firstValidationEndsOnClickHereAndTheSecondOnValidated() {
    typeFreshLoanHeader();
    d->click("bt_valider");
    QCOMPARE(d->text("ch_capital"), QString(" 200000,00"));
    QCOMPARE(d->text("bt_valider"), kClickHere);
    QVERIFY(calculationEnabled());
    QVERIFY(d->button("effac_tout")->isEnabled());
    QVERIFY(validatedLook());
    QVERIFY(d->shown("Panel42"));
    QVERIFY(!d->shown("Panel92"));
    QVERIFY(!d->shown("Panel27"));
    QCOMPARE(d->text("Panel8"), QString("9116,00"));
    QCOMPARE(d->grid()->rowCount(), 3);
    QCOMPARE(d->cell(0, 2), QString("2"));
    d->click("bt_valider");
    QCOMPARE(d->text("bt_valider"), kValidated);
    QVERIFY(calculationEnabled());
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
    typeFreshLoanHeader();
    d->click("bt_valider");
    d->click("bt_valider");
    d->click("Bt_ICI_");
    QVERIFY(!d->shown("Panel90"));
    QTest::keyClick(d->field(name.toLatin1().constData()), Qt::Key_End);
    QTest::keyClicks(d->field(name.toLatin1().constData()), "1");
    QCOMPARE(d->text("bt_valider"), watched ? kClickHere : kValidated);
    QCOMPARE(calculationEnabled(), !watched);
    QCOMPARE(waitingLook(), watched);
    QCOMPARE(d->shown("Panel90"), watched);
    if (watched) QCOMPARE(d->place("Panel90"), QPoint(456, 227));
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
    typeFreshLoanHeader();
    d->type(name.toLatin1().constData(), typed);
    d->click("bt_valider");
    QCOMPARE(d->background(name.toLatin1().constData()), colors::Red);
    QCOMPARE(d->text(name.toLatin1().constData()), QString());
    QVERIFY(d->shown("Panel92"));
    QCOMPARE(d->panel("Panel92")->geometry(), QRect(2, 216, 730, warningHeight));
    QCOMPARE(d->text("bt_valider"), kNotValidated);
    QVERIFY(d->button("bt_valider")->isEnabled());
    QVERIFY2(calculationEnabled(), "a failed validation does not prevent calculating");
    QVERIFY(d->grid()->rowCount() <= 361);
  }

  void singleBlockTurnsRedWithoutFailing() {
    typeFreshLoanHeader();
    d->type("ch_grpv", "1");
    d->click("bt_valider");
    QCOMPARE(d->background("ch_grpv"), colors::Red);
    QCOMPARE(d->text("ch_grpv"), QString(" 1"));
    QVERIFY(d->shown("Panel92"));
    QCOMPARE(d->text("bt_valider"), kClickHere);
    QCOMPARE(d->grid()->rowCount(), 2);
    d->type("ch_grpv", "2");
    d->click("bt_valider");
    QCOMPARE(d->background("ch_grpv"), colors::White);
    QVERIFY(!d->shown("Panel92"));
  }

  void refusedConversionStopsTheValidationWhereItStands() {
    typeFreshLoanHeader();
    d->type("ch_nb_remb", "12.5");
    d->click("bt_valider");
    QCOMPARE(d->takeErrors(), QStringList{"'12,5' n'est pas une valeur entière correcte"});
    QCOMPARE(d->text("ch_capital"), QString(" 200000,00"));
    QCOMPARE(d->text("ch_nb_remb"), QString("12.5"));
    QCOMPARE(d->text("ch_remb_an"), QString("12"));
    QCOMPARE(d->text("Panel8"), QString());
    QCOMPARE(d->text("bt_valider"), kClickHere);
    QVERIFY(!calculationEnabled());
    QVERIFY(!d->button("effac_tout")->isEnabled());
  }

  void validationHidesItsHelpPanel() {
    d->click("Pan_AIDE_VALIDER_");
    QVERIFY(d->shown("Panel43"));
    QCOMPARE(d->place("Panel43"), QPoint(20, 220));
    typeFreshLoanHeader();
    d->click("bt_valider");
    QVERIFY(!d->shown("Panel43"));
  }

  void calculationRewritesTheGridAndShowsTheResults_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("CALCULER") << "BBt_CALCUL";
    QTest::newRow("ICI") << "Bt_ICI_";
    QTest::newRow("RE-CALCUL") << "Pan_EFF_DISCOR_";
  }
  void calculationRewritesTheGridAndShowsTheResults() {
    QFETCH(QString, command);
    d->typeValidatedLoan();
    if (command == "Pan_EFF_DISCOR_") {
      d->typeCell(2, 2, "179");
      d->click("BBt_CALCUL");
      QVERIFY(d->shown("Panel161"));
      d->typeCell(2, 2, "180");
    }
    d->click(command.toLatin1().constData());
    const QStringList row1 = {"1", " -200000,00", " 1", " 0,00", " 9116,00", " -190884,00"};
    const QStringList row2 = {"2", " 2304,69", " 180", " 89,00", " 0,00", " 2393,69"};
    for (int col = 0; col < 6; ++col) {
      QCOMPARE(d->cell(col, 1), row1[col]);
      QCOMPARE(d->cell(col, 2), row2[col]);
    }
    const QStringList rates = {"0,0093750052", "11,2500 %", "11,8486 %",
                               "0,0106907204", "12,8289 %", "13,6107 %"};
    for (qsizetype k = 0; k < rates.size(); ++k)
      QCOMPARE(d->text(kRatePanels[k].toLatin1().constData()), rates[k]);
    QCOMPARE(d->text("Panel125"), QString("16020,00"));
    QCOMPARE(d->text("Panel127"), QString("239980,20"));
    QVERIFY(!d->shown("Panel161"));
    QVERIFY(!d->shown("Panel90"));
    QVERIFY(!d->shown("Panel216"));
  }

  void lastFailingCheckIsShownOverTheResults() {
    d->typeValidatedLoan();
    d->typeCell(2, 2, "179");
    d->click("BBt_CALCUL");
    QVERIFY(d->shown("Panel161"));
    QCOMPARE(d->place("Panel161"), QPoint(432, 221));
    QCOMPARE(d->text("Label134"), QString("Nombre de REMB. annoncé :"));
    QCOMPARE(d->text("Panel163"), QString("180,00"));
    QCOMPARE(d->text("Label136"), QString("Dans la GRILLE est de (versements positifs) :"));
    QCOMPARE(d->text("Panel164"), QString("179,00"));
    QVERIFY2(d->text("Panel82").endsWith(" %"), "the rates are written under the panel");
  }

  void emptyGridTakesDefaultsAndShowsTheRepaymentsShort() {
    d->typeAll({{"ch_capital", "200000"}, {"ch_nb_remb", "180"}, {"ch_remb_an", "12"}});
    d->click("bt_valider");
    d->click("BBt_CALCUL");
    QCOMPARE(d->cell(1, 1), QString(" -1,00"));
    QCOMPARE(d->cell(2, 1), QString(" 1"));
    QCOMPARE(d->cell(1, 2), QString(" 1,00"));
    QCOMPARE(d->text("Label136"), QString("CUMUL des REMB: insuffisant! :"));
    QCOMPARE(d->text("Panel163"), QString("200000,00"));
    QCOMPARE(d->text("Panel164"), QString("1,00"));
  }

  void clickInTheGridCoversTheResultsUntilTheNextCalculation() {
    d->typeValidatedLoan();
    d->click("BBt_CALCUL");
    d->clickCell(2, 1);
    QVERIFY(d->shown("Panel123"));
    QCOMPARE(d->place("Panel123"), QPoint(456, 250));
    QVERIFY(!d->shown("Panel90"));
    d->click("bt_valider");
    QVERIFY2(d->shown("Panel123"), "only a calculation removes it");
    d->click("BBt_CALCUL");
    QVERIFY(!d->shown("Panel123"));
    QTest::keyClick(d->grid(), Qt::Key_Down);
    QVERIFY2(d->shown("Panel123"), "moving with the arrows is a click too");
  }

  void cellHoldsWhatIsTypedWhileItIsEdited() {
    const QModelIndex index = d->grid()->model()->index(0, 1);
    d->grid()->setCurrentIndex(index);
    d->grid()->edit(index);
    auto* editor = d->grid()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, "-5000");
    QCOMPARE(d->cell(1, 1), QString("-5000"));
  }

  void timeShiftCoversTheNominalRatesUntilErased() {
    d->typeValidatedLoan();
    d->type("ch_grpv", "3");
    d->click("bt_valider");
    d->typeRow(2, {"0", "-0.544444", "0", "0"});
    d->typeRow(3, {"2304.69", "180", "89", "0"});
    d->click("BBt_CALCUL");
    QVERIFY(d->shown("Panel216"));
    QCOMPARE(d->place("Panel216"), QPoint(468, 274));
    QCOMPARE(d->cell(2, 2), QString(" -0,544444"));
    QVERIFY(d->text("Panel82").endsWith(" %"));
    d->typeRow(2, {"2304.69", "1", "89", "0"});
    d->typeCell(2, 3, "179");
    d->click("BBt_CALCUL");
    QVERIFY2(d->shown("Panel216"), "a later calculation does not hide it");
    d->click("effac_tout");
    QVERIFY(!d->shown("Panel216"));
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
                                         << "12,8289 %";
    QTest::newRow("no block") << "12"
                              << "0"
                              << ""
                              << "Opération flottante incorrecte"
                              << " "
                              << "12,8289 %";
  }
  void failedCalculationLeavesWhatWasShown() {
    QFETCH(QString, perYear);
    QFETCH(QString, blocks);
    QFETCH(QString, badCell);
    QFETCH(QString, message);
    QFETCH(QString, nominalPeriod);
    QFETCH(QString, tegProportional);
    d->typeValidatedLoan();
    d->click("BBt_CALCUL");
    d->typeCell(1, 1, "-150000");
    if (!badCell.isEmpty()) d->typeCell(3, 2, badCell);
    d->type("ch_remb_an", perYear);
    d->type("ch_grpv", blocks);
    d->click("bt_valider");
    d->click("BBt_CALCUL");
    QCOMPARE(d->takeErrors(), QStringList{message});
    QCOMPARE(d->text("Panel1"), nominalPeriod);
    QCOMPARE(d->text("Panel82"), tegProportional);
    QCOMPARE(d->text("Panel127"), QString("239980,20"));
    QCOMPARE(d->cell(1, 1), blocks == "0" ? QString("-150000") : QString(" -150000,00"));
  }

  void eraseAllReturnsToAnEmptyDossier() {
    d->typeValidatedLoan();
    d->typeCell(2, 2, "179");
    d->click("BBt_CALCUL");
    d->click("Pan_AIDE_EFF_DONN_");
    d->click("effac_tout");
    for (const char* name :
         {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an", "ch_teg_ann", "ch_fr1_txt",
          "ch_fr2_txt", "ch_fr3_txt", "ch_fr1_val", "ch_fr2_val", "ch_fr3_val", "Panel8",
          "Panel125", "Panel127", "Panel163", "Panel164"})
      QVERIFY2(d->text(name).isEmpty(), name);
    for (const QString& rate : kRatePanels) QVERIFY(d->text(rate.toLatin1().constData()).isEmpty());
    QCOMPARE(d->text("ch_grpv"), QString("2"));
    for (int row = 1; row <= 2; ++row)
      for (int col = 0; col < 6; ++col) QVERIFY(d->cell(col, row).isEmpty());
    QCOMPARE(d->grid()->rowCount(), 3);
    QVERIFY(!d->shown("Panel161"));
    QVERIFY(!d->shown("Panel215"));
    QVERIFY(d->shown("Panel90"));
    QCOMPARE(d->text("bt_valider"), kClickHere);
    QVERIFY(waitingLook());
    QVERIFY(!calculationEnabled());
    QVERIFY(!d->button("effac_tout")->isEnabled());
    QCOMPARE(d->panel("Panel8")->color(), colors::White);
  }

  void rowsOfTheLastCalculationGetDefaultsAfterErasing() {
    d->typeValidatedLoan();
    d->type("ch_grpv", "3");
    d->click("bt_valider");
    d->typeRow(3, {"1", "1", "0", "0"});
    d->click("BBt_CALCUL");
    d->click("effac_tout");
    d->typeAll(
        {{"ch_capital", "1000"}, {"ch_nb_remb", "4"}, {"ch_remb_an", "12"}, {"ch_grpv", "5"}});
    d->click("bt_valider");
    QCOMPARE(d->grid()->rowCount(), 6);
    const QStringList first = {"1", "-1", "1", "0", "0"};
    const QStringList later = {"", "1", "1", "0", "0"};
    for (int col = 1; col <= 4; ++col) {
      QCOMPARE(d->cell(col, 1), first[col]);
      QCOMPARE(d->cell(col, 2), later[col]);
      QCOMPARE(d->cell(col, 3), later[col]);
      QCOMPARE(d->cell(col, 4), QString());
      QCOMPARE(d->cell(col, 5), QString());
    }
    QCOMPARE(d->cell(0, 5), QString("5"));
  }
};

QTEST_MAIN(DossierEntryTest)
#include "dossier_entry_test.moc"
