// The offer's screen wired to its core: typing and calculating, from typed steps or from the
// offer's terms, refusals at the field, the proof, printing and the proof's spreadsheet file, its
// ".offre" files and the question before typed work is lost. The figures and the refusals'
// texts are proven in the core's tests.
#include "offer/offer_screen.h"
#include "app/screens.h"
#include "offer/core/offer_proof.h"
#include "offer/core/offer_results.h"
#include "offer/core/proof_csv.h"
#include "tests/offer/offer_samples.h"
#include "tests/support/file_bytes.h"
#include "tests/support/screen_driver.h"
#include "ui/colors.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalmoris::testing;
using Answer = kalmoris::Platform::Answer;

namespace {

const QString kCaption = QStringLiteral("-8- CONTROLE D'UNE OFFRE DE PRET");

// Example 1 of the Commission with a key the program does not know.
const QByteArray kSavedOffer = R"({
  "format": "kalmoris-offre", "version": 1, "emprunteur": "Exemple 1", "nature": "immobilier",
  "periodicite": 12, "deblocages": [{"date": "2012-01-12", "montant": "200000.00"}],
  "frais": [{"libelle": "Frais de dossier", "montant": "4000.00"}],
  "premiere_echeance": "2012-02-12",
  "paliers": [{"nombre": 240, "montant": "1432.86"}], "dossier_banque": "B-17"
})";

QJsonObject savedObject(const QString& path) {
  return QJsonDocument::fromJson(fileContents(path)).object();
}

}  // namespace

class OfferScreenTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;
  std::unique_ptr<QTemporaryDir> folder;

  QString path(const char* name) const { return folder->filePath(QString::fromUtf8(name)); }

  // A choice made with the keyboard, as the user makes it: the item below or above.
  void choose(const char* name, Qt::Key key) const {
    auto* box = d.find<QComboBox>(name);
    box->setFocus();
    QTest::keyClick(box, key);
  }

  void typeExampleOne() const {
    d.fill({{"ch_nom_emp", "Exemple 1"}, {"ch_taeg_annonce", "6.4"}, {"ch_usure", "5,13"}});
    choose("ch_nature", Qt::Key_Down);  // Immobilier
    d.typeCell(0, 1, "12/01/2012", u"grille_deblocages");
    d.typeCell(1, 1, "200000", u"grille_deblocages");
    d.typeCell(0, 1, "Frais de dossier", u"grille_frais");
    d.typeCell(1, 1, "4000", u"grille_frais");
    d.type("ch_premiere_echeance", "12/02/2012");
    d.typeCell(0, 1, "240", u"grille_paliers");
    d.typeCell(1, 1, "1432.86", u"grille_paliers");
  }

  // Example 1 given by its terms instead of its steps: 6 % a year, 240 instalments.
  void typeExampleOneByItsTerms() const {
    typeExampleOne();
    d.choose("ch_echeances", "conditions de l'offre");
    d.type("ch_taux_debiteur", "6");
    d.type("ch_nombre_echeances", "240");
  }

  QColor lineColor(const char* name) const {
    return d.panel(name)->findChild<QLabel*>()->palette().color(QPalette::WindowText);
  }

  void open(const QString& file) {
    platform().openAnswers.push_back(file);
    d.trigger("Men_OUVRIR");
  }

 private slots:
  void init() {
    d = ScreenFixture::open(new kalmoris::TForm8);
    folder = std::make_unique<QTemporaryDir>();
  }

  // Enter runs through the fields to CALCULER, whose Enter calculates; the entries are written
  // back in their normal form and any change empties the results.
  void typedExampleIsCalculatedWithTheControlLines() {
    typeExampleOne();
    d.pressEnter("ch_premiere_echeance");
    QVERIFY(d.hasFocus("ch_taux_debiteur"));
    d.pressEnter("ch_taux_debiteur");  // the terms' fields, hidden, are passed over
    QVERIFY(d.hasFocus("BBt_CALCUL"));
    d.pressEnter("BBt_CALCUL");
    QCOMPARE(d.text("Panel_taeg"), QString("6,4344 %"));
    QCOMPARE(d.text("Panel_periode"), QString("mensuel"));
    QCOMPARE(d.text("Panel_cout_total"), QString("147886,40"));
    QCOMPARE(d.text("ch_taeg_annonce"), QString("6,4"));
    QCOMPARE(d.cell(1, 1, u"grille_deblocages"), QString("200000,00"));
    QVERIFY(d.text("lb_verdict").startsWith("TAEG (actuariel) : minoré de 0,0344 point"));
    QCOMPARE(lineColor("lb_verdict"), kalmoris::colors::Green);
    QVERIFY(d.text("lb_information").startsWith("pour information : TEG (proportionnel)"));
    QVERIFY(d.text("lb_categorie").startsWith("Catégorie de l'usure : "));
    QVERIFY(d.text("lb_usure").contains("au-dessus du seuil de l'usure (5,13 %)"));
    QCOMPARE(lineColor("lb_usure"), kalmoris::colors::Red);
    QVERIFY(platform().questions.isEmpty());

    d.typeCell(1, 1, "1432,87", u"grille_paliers");
    QCOMPARE(d.text("Panel_taeg"), QString());
    QCOMPARE(d.text("lb_verdict"), QString());
  }

  // The terms take the place of the typed steps; CALCULER shows the steps generated from them
  // and fills the proof, which PREUVE shows over the entries and RETOUR hides; a change of an
  // entry empties them with the results.
  void termsAreCalculatedWithTheirStepsAndTheProof() {
    typeExampleOneByItsTerms();
    QVERIFY(!d.shown("grille_paliers"));
    QVERIFY(d.shown("ch_nombre_echeances"));
    QVERIFY(!d.shown("Panel_preuve"));
    d.click("BBt_CALCUL");
    QCOMPARE(d.text("Panel_taeg"), QString("6,4344 %"));
    QCOMPARE(d.grid("grille_paliers_calcules")->rowCount(), 3);
    QCOMPARE(d.cell(0, 1, u"grille_paliers_calcules"), QString("239"));
    QCOMPARE(d.cell(1, 2, u"grille_paliers_calcules"), QString("1433,76"));
    QCOMPARE(d.grid("grille_preuve")->rowCount(), 1 + 242);  // the captions, then every flow
    QCOMPARE(d.cell(1, 242, u"grille_preuve"), QString("Échéance 240"));
    QCOMPARE(d.text("Panel_somme_preuve"), QString("0,00"));

    d.click("Bt_PREUVE");
    QVERIFY(d.shown("Panel_preuve"));
    QVERIFY(d.shown("lb_verdict"));
    d.click("Bt_RETOUR_PREUVE");
    QVERIFY(!d.shown("Panel_preuve"));

    d.type("ch_nombre_echeances", "239");
    QCOMPARE(d.grid("grille_paliers_calcules")->rowCount(), 1);
    QCOMPARE(d.grid("grille_preuve")->rowCount(), 1);
    QCOMPARE(d.text("Panel_somme_preuve"), QString());
  }

  // A term refused by the core's rules is marked at its own field.
  void badTermIsRefusedAtItsField() {
    typeExampleOneByItsTerms();
    d.choose("ch_differe", "partiel");
    d.type("ch_nombre_differe", "240");
    d.click("BBt_CALCUL");
    QVERIFY(
        d.text("info").startsWith("Échéances différées : un différé compte au moins une "
                                  "échéance et moins que le prêt, qui en compte 240"));
    QCOMPARE(d.background("ch_nombre_differe"), kalmoris::colors::Yellow);
    QVERIFY(d.hasFocus("ch_nombre_differe"));
    QCOMPARE(d.text("Panel_taeg"), QString());
  }

  // IMPRIMER prints what the screen holds, calculated first: the offer, its results, the control
  // and the proof; an entry refused prints nothing and asks nothing.
  void printingCalculatesFirstAndPrintsTheWholeReport() {
    typeExampleOne();
    d.type("ch_premiere_echeance", "12/01/2012");
    d.click("IMPRIMER");
    QCOMPARE(platform().printDialogs, 0);
    QVERIFY(d.text("info").startsWith("Première échéance : "));

    d.type("ch_premiere_echeance", "12/02/2012");
    platform().printDialogAnswers.push_back(true);
    d.click("IMPRIMER");
    QCOMPARE(d.text("Panel_taeg"), QString("6,4344 %"));
    QCOMPARE(platform().printed.size(), std::size_t(1));
    const QStringList lines = platform().lastPrinted().lines();
    QVERIFY(lines.contains("    CONTROLE D'UNE OFFRE DE PRET"));
    QVERIFY(!lines.filter(QRegularExpression("^    TAEG \\(actuariel\\) : minoré de 0,0344 point"))
                 .isEmpty());
    QVERIFY(!lines.filter(QRegularExpression("^    12/01/2032 +Échéance 240 ")).isEmpty());
    QVERIFY(lines.last().startsWith("    Somme des valeurs actualisées :"));
  }

  // The proof's spreadsheet file is the core's, written under the name chosen with ".csv".
  void proofIsWrittenAsASpreadsheetFile() {
    typeExampleOneByItsTerms();
    d.click("Bt_PREUVE");
    platform().saveAnswers.push_back(path("preuve"));
    d.click("Bt_CSV");
    const kalmoris::Offer offer =
        kalmoris::testing::CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12));
    QCOMPARE(fileContents(path("preuve.csv")),
             kalmoris::proofCsv(kalmoris::offerProof(kalmoris::computeOfferResults(offer))));
  }

  void scheduleWithoutRateSaysSoAndShowsNoRate() {
    typeExampleOne();
    d.typeCell(1, 1, "0", u"grille_paliers");
    d.click("BBt_CALCUL");
    QCOMPARE(takeErrors(), QStringList{"Aucun taux ne correspond à cet échéancier : vérifiez que "
                                       "les versements remboursent le capital."});
    for (const char* result : {"Panel_taeg", "Panel_taux_periode", "Panel_taux_proportionnel",
                               "Panel_taea", "lb_verdict"})
      QCOMPARE(d.text(result), QString());
  }

  // A refused entry is marked yellow at its place, the message panel saying why; nothing is
  // calculated or written back, and no box is shown.
  void refusedEntryIsMarkedAtItsField_data() {
    QTest::addColumn<QString>("field");  // a field's name, or a grid's and its cell
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("impossible date") << "ch_date_offre"
                                     << "31/02/2026"
                                     << "Date de l'offre : '31/02/2026' n'est pas une date "
                                        "(jj/mm/aaaa).";
    QTest::newRow("amount with letters")
        << "grille_deblocages"
        << "2OO000"
        << "Déblocage n° 1, montant : '2OO000' n'est pas un montant (par ex. 1432,86).";
    QTest::newRow("no nature") << "ch_nature"
                               << ""
                               << "Nature du prêt : choisissez Immobilier, Consommation ou "
                                  "Professionnel.";
  }
  void refusedEntryIsMarkedAtItsField() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    typeExampleOne();
    if (field == "grille_deblocages")
      d.typeCell(1, 1, typed, field);
    else if (field == "ch_nature")
      choose("ch_nature", Qt::Key_Up);
    else
      d.type(field, typed);
    d.click("BBt_CALCUL");
    QCOMPARE(d.text("info"), message);
    QCOMPARE(d.panel("info")->color(), kalmoris::colors::Aqua);
    if (field == "grille_deblocages") {
      const QModelIndex cell = d.grid(field)->model()->index(0, 1);
      QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), kalmoris::colors::Yellow);
      QCOMPARE(d.grid(field)->currentIndex(), cell);
    } else if (field == "ch_date_offre") {
      QCOMPARE(d.background(field), kalmoris::colors::Yellow);
    }
    QVERIFY(d.hasFocus(field));
    QCOMPARE(d.text("Panel_taeg"), QString());
    QCOMPARE(d.text("ch_taeg_annonce"), QString("6.4"));
    QVERIFY(platform().questions.isEmpty());

    // Put right, the entry calculates and its mark goes.
    d.find<QComboBox>("ch_nature")->setCurrentIndex(1);
    d.type("ch_date_offre", "");
    d.typeCell(1, 1, "200000", u"grille_deblocages");
    d.click("BBt_CALCUL");
    QCOMPARE(d.text("info"), QString());
    QCOMPARE(d.background("ch_date_offre"), kalmoris::colors::White);
    QCOMPARE(d.text("Panel_taeg"), QString("6,4344 %"));
  }

  // A row is added at the end and removed where the user stands; what it held does not come
  // back with the next row added.
  void rowsAreAddedAtTheEndAndRemovedWhereTheUserStands() {
    for (int k = 0; k < 2; ++k) d.click("Bt_ajout_deblocage");
    for (int row = 1; row <= 3; ++row)
      d.typeCell(1, row, QString::number(row), u"grille_deblocages");
    kalmoris::StringGrid* grid = d.grid("grille_deblocages");
    grid->setCurrentIndex(grid->model()->index(1, 1));
    d.click("Bt_retrait_deblocage");
    QCOMPARE(grid->rowCount(), 3);  // the header and two rows
    QCOMPARE(d.cell(1, 2, u"grille_deblocages"), QString("3"));
    d.click("Bt_ajout_deblocage");
    QCOMPARE(d.cell(1, 3, u"grille_deblocages"), QString());
  }

  // What the screen does not show, an unknown key, survives an opening and a save.
  void openedOfferIsSavedWithWhatTheScreenDoesNotShow() {
    QVERIFY(writeFile(path("exemple.offre"), kSavedOffer));
    open(path("exemple.offre"));
    QCOMPARE(platform().lastOpenFilter, QString("Offres (*.offre)"));
    QCOMPARE(d.screen()->windowTitle(), path("exemple.offre"));
    QCOMPARE(d.text("ch_nom_emp"), QString("Exemple 1"));
    QCOMPARE(d.find<QComboBox>("ch_nature")->currentText(), QString("Immobilier"));
    QCOMPARE(d.cell(1, 1, u"grille_paliers"), QString("1432,86"));

    d.type("ch_nom_emp", "Exemple 1 bis");
    platform().saveAnswers.push_back(path("copie"));
    d.trigger("Men_ENREGISTRER_SOUS");
    QCOMPARE(platform().lastSaveFilter, QString("*.offre"));
    QCOMPARE(d.screen()->windowTitle(), path("copie.offre"));
    const QJsonObject saved = savedObject(path("copie.offre"));
    QCOMPARE(saved["emprunteur"].toString(), QString("Exemple 1 bis"));
    QCOMPARE(saved["dossier_banque"].toString(), QString("B-17"));
    QCOMPARE(saved["paliers"][0]["montant"].toString(), QString("1432.86"));

    d.click("QUITTER");  // saved: nothing to ask
    QCOMPARE(platform().quitRequests, 1);
    QVERIFY(platform().questions.isEmpty());
  }

  // An offer given by its terms opens with them on screen, and saves them back.
  void offerGivenByItsTermsOpensAndSavesWithThem() {
    QByteArray terms = kSavedOffer;
    terms.replace(R"("paliers": [{"nombre": 240, "montant": "1432.86"}])",
                  R"("taux_debiteur": "6", "nombre_echeances": 240,
                     "assurance": {"mode": "fixe", "montant": "16.67"})");
    QVERIFY(writeFile(path("conditions.offre"), terms));
    open(path("conditions.offre"));
    QCOMPARE(d.text("ch_echeances"), QString("conditions de l'offre"));
    QCOMPARE(d.text("ch_nombre_echeances"), QString("240"));
    QCOMPARE(d.text("ch_assurance_montant"), QString("16,67"));
    QVERIFY(d.shown("ch_assurance_montant"));
    QVERIFY(!d.shown("ch_assurance_taux"));

    d.type("ch_nombre_echeances", "180");
    d.trigger("Men_ENREGISTRER");
    const QJsonObject saved = savedObject(path("conditions.offre"));
    QCOMPARE(saved["nombre_echeances"].toInt(), 180);
    QCOMPARE(saved["assurance"]["montant"].toString(), QString("16.67"));
    QVERIFY(!saved.contains("paliers"));
    QVERIFY(!saved.contains("regle"));  // not stated when opened, and left at the contract's
  }

  // Opening is all or nothing: a refused file leaves the screen, its title and its file.
  void refusedFileLeavesTheScreenAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");  // none: the file is missing
    QTest::addColumn<QString>("message");
    QByteArray noNature = kSavedOffer;
    noNature.replace("\"nature\": \"immobilier\",", "");
    QTest::newRow("key missing") << noNature
                                 << "Clé « nature » : absente alors qu'elle est obligatoire.";
    QTest::newRow("missing file") << QByteArray() << "Fichier introuvable";
  }
  void refusedFileLeavesTheScreenAsItWas() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    if (!bytes.isEmpty()) QVERIFY(writeFile(path("autre.offre"), bytes));
    d.type("ch_nom_emp", "en cours");
    platform().yesNoCancelAnswers.push_back(Answer::No);
    open(path("autre.offre"));
    QCOMPARE(takeErrors(), QStringList{message});
    QCOMPARE(d.text("ch_nom_emp"), QString("en cours"));
    QCOMPARE(d.screen()->windowTitle(), kCaption);
  }

  // Typed work not saved is asked about once, before it is lost.
  void unsavedOfferIsAskedAboutOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("lost");
    QTest::newRow("QUITTER, Non quits") << "QUITTER" << int(Answer::No) << true;
    QTest::newRow("QUITTER, Annuler stays") << "QUITTER" << int(Answer::Cancel) << false;
    QTest::newRow("EFFACER, Non erases") << "EFFACER" << int(Answer::No) << true;
    QTest::newRow("EFFACER, Annuler keeps") << "EFFACER" << int(Answer::Cancel) << false;
  }
  void unsavedOfferIsAskedAboutOnce() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, lost);
    d.typeCell(0, 1, "12/01/2012", u"grille_deblocages");
    choose("ch_nature", Qt::Key_Down);
    platform().yesNoCancelAnswers.push_back(Answer(answer));
    d.click(command);
    QCOMPARE(platform().questions, QStringList{"Enregistrer les modifications de l'offre ?"});
    if (command == "QUITTER") QCOMPARE(platform().quitRequests, lost ? 1 : 0);
    if (command == "EFFACER") {
      QCOMPARE(d.cell(0, 1, u"grille_deblocages"), lost ? QString() : QString("12/01/2012"));
      QCOMPARE(d.find<QComboBox>("ch_nature")->currentText(), lost ? "" : QString("Immobilier"));
    }
  }

  // `kalmoris FILE.offre` opens the offer's screen with its file, as the menu and OUVRIR would.
  void offerNamedOnTheCommandLineOpensInItsScreen() {
    openApplication();
    QVERIFY(writeFile(path("exemple.offre"), kSavedOffer));
    kalmoris::openCommandLineDossier({"kalmoris", path("exemple.offre")});
    QCOMPARE(kalmoris::Form8->windowTitle(), path("exemple.offre"));
    QVERIFY(kalmoris::Form8->isVisible());
  }
};

QTEST_MAIN(OfferScreenTest)
#include "offer_screen_test.moc"
