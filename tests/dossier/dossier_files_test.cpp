// The dossier screen's "FICHIER" menu: opening, saving and saving as ".TEG" files.
#include "tests/dossier/dossier_steps.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalmoris::testing;

namespace {

const QString kCaption = QStringLiteral("-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.");

// A dossier of two groups as a user saved it before validating, with an accented name.
const QByteArray kTypedDossier =
    "Ren\xe9 \x80uro\r\n200000\r\n180\r\n12\r\n12.13\r\nfrais notariaux\r\nfrais de "
    "dossier\r\n\r\n7116\r\n2000\r\n\r\n2\r\n-200000\r\n1\r\n\r\n9116\r\n2304.69\r\n180\r\n89\r\n"
    "\r\n";

}  // namespace

class DossierFilesTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;

  std::unique_ptr<QTemporaryDir> folder;

  QString path(const char* name) const { return folder->filePath(QString::fromUtf8(name)); }
  void open(const QString& name) {
    platform().openAnswers.push_back(name);
    d.trigger("Men_OUVRIR1_");
  }
  void saveAs(const QString& name) {
    platform().saveAnswers.push_back(name);
    d.trigger("Men_ENREGISTRERSOUS1_");
  }
  void validateAndCalculate() {
    d.click("bt_valider");
    d.click("BBt_CALCUL");
  }
  QStringList results() const {
    QStringList shown;
    for (const char* name :
         {"Panel1", "Panel83", "Panel37", "Panel39", "Panel82", "Panel84", "Panel125", "Panel127"})
      shown.append(d.text(name));
    return shown;
  }

 private slots:
  void init() {
    d = openDossier(*this);
    folder = std::make_unique<QTemporaryDir>();
  }

  void cancellingTheOpenDialogChangesNothing() {
    typeValidatedLoan(d);
    platform().yesNoCancelAnswers.push_back(kalmoris::Platform::Answer::No);
    open(QString());
    QCOMPARE(platform().lastOpenFilter, QString("Répertoire(*.REP) (*.TEG)"));
    QCOMPARE(d.text("ch_capital"), QString(" 200000,00"));
    QCOMPARE(d.cell(1, 2), QString("2304.69"));
    QCOMPARE(d.screen()->windowTitle(), kCaption);
  }

  void openStartsInTheRepertoireFolderWhereItExists_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("folder present") << true;
    QTest::newRow("folder absent") << false;
  }
  void openStartsInTheRepertoireFolderWhereItExists() {
    QFETCH(bool, exists);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder->path());
    if (exists) QDir(folder->path()).mkdir("repertoire");
    open(QString());
    QDir::setCurrent(previous);
    QCOMPARE(platform().lastOpenDirectory, exists ? path("repertoire") : QString());
  }

  void openingAFileErasesTheScreenThenPutsItsTextsBack() {
    typeValidatedLoan(d);
    d.typeCell(2, 2, "179");
    d.click("BBt_CALCUL");
    QVERIFY(writeFile(path("dossier.TEG"), kTypedDossier));
    platform().yesNoCancelAnswers.push_back(kalmoris::Platform::Answer::No);
    open(path("dossier.TEG"));
    QCOMPARE(d.screen()->windowTitle(), path("dossier.TEG"));
    QCOMPARE(d.text("ch_nom_emp"), QString("René €uro"));
    QCOMPARE(d.text("ch_teg_ann"), QString("12.13"));
    QCOMPARE(d.text("ch_fr3_txt"), QString());
    QCOMPARE(d.text("ch_grpv"), QString("2"));
    QCOMPARE(d.cell(1, 1), QString("-200000"));
    QCOMPARE(d.cell(4, 1), QString("9116"));
    QCOMPARE(d.cell(3, 2), QString("89"));
    QCOMPARE(d.cell(0, 1), QString());
    QCOMPARE(d.cell(5, 1), QString());
    QCOMPARE(d.text("bt_valider"), QString("CLIQUER ICI pour VALIDER"));
    QVERIFY(!d.button("BBt_CALCUL")->isEnabled());
    QVERIFY(!d.shown("Panel161"));
    QVERIFY(d.text("Panel127").isEmpty());
    validateAndCalculate();
    QCOMPARE(d.text("Panel82"), QString("12,8289 %"));
    QCOMPARE(d.text("ch_nom_emp"), QString("RENé €URO"));
  }

  // Opening is all or nothing: a file that cannot be read, or is refused for what it holds,
  // leaves the dossier on screen, the title and the current file as they were, so that the next
  // ENREGISTRER writes the dossier's own file and never the refused one.
  void refusedFileLeavesTheDossierAndItsFile_data() {
    QTest::addColumn<QString>("name");      // the file chosen in the dialog; empty: the folder
    QTest::addColumn<QByteArray>("bytes");  // written there first, unless empty
    QTest::addColumn<QString>("message");
    QTest::newRow("folder") << "" << QByteArray()
                            << "« %1 » est un répertoire : choisissez un fichier .TEG.";
    QTest::newRow("missing name") << "absent.TEG" << QByteArray() << "Fichier introuvable";
    QTest::newRow("huge file") << "autre.TEG" << QByteArray(1024 * 1024 + 1, '\n')
                               << "« %1 » dépasse 1024 Ko : ce n'est pas un dossier .TEG.";
    QTest::newRow("one line of text") << "autre.TEG" << QByteArray("ceci n'est pas un dossier\r\n")
                                      << "'' n'est pas une valeur entière correcte";
    QByteArray renamed = kTypedDossier;
    renamed.replace("\r\n2\r\n-200000", "\r\ndeux\r\n-200000");
    QTest::newRow("line 12 changed by hand")
        << "autre.TEG" << renamed << "'deux' n'est pas une valeur entière correcte";
    QTest::newRow("no group") << "autre.TEG"
                              << QByteArray("A\r\n1\r\n1\r\n1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n")
                              << "Ce fichier ne peut pas être ouvert : sa ligne 12 annonce 0 blocs "
                                 "de saisie, alors qu'un dossier en compte de 1 à 360.";
    QTest::newRow("lines of LF alone") << "autre.TEG" << QByteArray("B\n1\n1\n1\n\n\n\n\n\n\n\nx\n")
                                       << "'x' n'est pas une valeur entière correcte";
  }
  void refusedFileLeavesTheDossierAndItsFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString file = name.isEmpty() ? folder->path() : folder->filePath(name);
    if (!bytes.isEmpty()) QVERIFY(writeFile(file, bytes));
    typeValidatedLoan(d);
    saveAs(path("A"));
    d.type("ch_nom_emp", "autre emprunteur");
    const QString typedCapital = d.cell(1, 1);
    platform().yesNoCancelAnswers.push_back(kalmoris::Platform::Answer::No);
    open(file);
    QCOMPARE(takeErrors(), QStringList{message.contains("%1") ? message.arg(file) : message});
    QCOMPARE(d.text("ch_nom_emp"), QString("autre emprunteur"));
    QCOMPARE(d.cell(1, 1), typedCapital);
    QCOMPARE(d.screen()->windowTitle(), path("A.TEG"));
    d.trigger("ENREGISTRER1");
    QVERIFY(fileContents(path("A.TEG")).startsWith("autre emprunteur\r\n"));
    QCOMPARE(fileContents(file), bytes);
  }

  void saveAsWritesTheDossierAndMakesItTheCurrentFile_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "pret"
                                  << "pret.TEG";
    QTest::newRow("extension kept") << "pret.TEG"
                                    << "pret.TEG";
    QTest::newRow("extension in lower case") << "pret.teg"
                                             << "pret.teg";
    QTest::newRow("other extension") << "pret.txt"
                                     << "pret.txt.TEG";
  }
  void saveAsWritesTheDossierAndMakesItTheCurrentFile() {
    QFETCH(QString, answer);
    QFETCH(QString, saved);
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    saveAs(folder->filePath(answer));
    QCOMPARE(platform().lastSaveFilter, QString("*.TEG"));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{saved});
    const QStringList lines =
        QString::fromLatin1(fileContents(folder->filePath(saved))).split("\r\n");
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines[0], QString("G. RORAVOR"));
    QCOMPARE(lines[7], QString::fromLatin1("     n\xe9"
                                           "ant"));
    QCOMPARE(lines[12], QString(" -200000,00"));
    QCOMPARE(lines[19], QString(" 0,00"));
    QCOMPARE(d.screen()->windowTitle(), folder->filePath(saved));
  }

  void saveAsAsksBeforeReplacingTheNameItMade_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("replaced") << true;
    QTest::newRow("kept") << false;
  }
  void saveAsAsksBeforeReplacingTheNameItMade() {
    QFETCH(bool, replace);
    QVERIFY(writeFile(path("pret.TEG"), "ancien\r\n"));
    typeValidatedLoan(d);
    platform().yesNoAnswers.push_back(replace);
    saveAs(path("pret"));
    QCOMPARE(platform().questions.size(), 1);
    QVERIFY(platform().questions[0].contains(path("pret.TEG")));
    QCOMPARE(fileContents(path("pret.TEG")) == "ancien\r\n", !replace);
    QCOMPARE(d.screen()->windowTitle(), replace ? path("pret.TEG") : kCaption);
  }

  void saveAsOntoAFolderSaysSo() {
    QVERIFY(QDir().mkdir(path("pret.TEG")));
    typeValidatedLoan(d);
    saveAs(path("pret"));
    QCOMPARE(takeErrors(), QStringList{QString("« %1 » est un dossier : choisissez un autre nom "
                                               "de fichier.")
                                           .arg(path("pret.TEG"))});
    QVERIFY(platform().questions.isEmpty());
  }

  void saveWithoutACurrentFileAsksForAName() {
    typeValidatedLoan(d);
    platform().saveAnswers.push_back(path("premier"));
    d.trigger("ENREGISTRER1");
    QVERIFY(QFile::exists(path("premier.TEG")));
    QVERIFY(!QFile::exists(kCaption));
  }

  void saveWritesTheFileLastSavedAs() {
    QVERIFY(writeFile(path("ouvert.TEG"), kTypedDossier));
    open(path("ouvert.TEG"));
    saveAs(path("copie"));
    d.type("ch_nom_emp", "autre");
    d.trigger("ENREGISTRER1");
    QVERIFY(fileContents(path("copie.TEG")).startsWith("autre\r\n"));
    QCOMPARE(fileContents(path("ouvert.TEG")), kTypedDossier);
  }

  void savedDossierReopensToTheSameResults() {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    const QStringList before = results();
    saveAs(path("pret"));
    d.click("effac_tout");
    open(path("pret.TEG"));
    validateAndCalculate();
    QCOMPARE(results(), before);
    QCOMPARE(d.cell(5, 2), QString(" 2393,69"));
  }

  // The offer's entries are kept beside the dossier file, never in it, and come back when it is
  // opened; entries that are not texts, or a nature not on the list, are left out.
  void offerEntriesAreKeptBesideTheDossierFile() {
    typeValidatedLoan(d);
    d.choose("ch_nature", "Consommation");
    d.type("ch_date_offre", "15/01/2026");
    saveAs(path("pret"));
    QCOMPARE(fileContents(path("pret.TEG")).count("\r\n"), 20);
    const QJsonObject kept =
        QJsonDocument::fromJson(fileContents(path("pret.TEG.controle"))).object();
    QCOMPARE(kept.value("ch_nature").toString(), QString("Consommation"));
    QCOMPARE(kept.value("ch_date_offre").toString(), QString("15/01/2026"));
    QVERIFY(!kept.contains("ch_usure"));

    QVERIFY(writeFile(path("autre.TEG"), kTypedDossier));
    QVERIFY(writeFile(path("autre.TEG.controle"),
                      R"({"ch_nature": "Viager", "ch_date_offre": 15012026})"));
    open(path("autre.TEG"));
    QVERIFY(takeErrors().isEmpty());
    QCOMPARE(d.text("ch_nature"), QString());
    QCOMPARE(d.text("ch_date_offre"), QString());
    open(path("pret.TEG"));
    QCOMPARE(d.text("ch_nature"), QString("Consommation"));
    QCOMPARE(d.text("ch_date_offre"), QString("15/01/2026"));

    d.choose("ch_nature", "");
    d.type("ch_date_offre", "");
    d.trigger("ENREGISTRER1");
    QVERIFY2(!QFile::exists(path("pret.TEG.controle")), "saved with no entry, none is kept");
  }

  void exampleSavedAtOnceKeepsItsThreeGroups() {
    d.click("VOIR_EXEMPLES");
    d.click("BBt_VOIR_EX_2_");
    d.click("Bt_VOIR_CALCUL_2_");
    saveAs(path("exemple2"));
    const QStringList lines = QString::fromLatin1(fileContents(path("exemple2.TEG"))).split("\r\n");
    QCOMPARE(lines.size(), 12 + 3 * 4 + 1);
    QCOMPARE(lines[11], QString("3"));
    QCOMPARE(lines.mid(20, 4), QStringList({"2304.69", "179", "89", "0"}));
  }

  void textTheFileCannotHoldIsRefusedAndThePreviousFileKept() {
    QVERIFY(writeFile(path("pret.TEG"), kTypedDossier));
    open(path("pret.TEG"));
    d.type("ch_nom_emp", "Łukasz");
    d.trigger("ENREGISTRER1");
    const QStringList errors = takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains("« EMPRUNTEUR »") && errors[0].contains("« Ł »"),
             qPrintable(errors[0]));
    QCOMPARE(fileContents(path("pret.TEG")), kTypedDossier);
  }

  void savingIntoAMissingFolderFails() {
    typeValidatedLoan(d);
    saveAs(path("absent/pret"));
    QCOMPARE(takeErrors(), QStringList{"Fichier introuvable"});
    QCOMPARE(d.screen()->windowTitle(), kCaption);
  }

  void fullCapacityDossierSavesAndReopens() {
    d.fill({{"ch_capital", "360000"},
            {"ch_nb_remb", "359"},
            {"ch_remb_an", "12"},
            {"ch_grpv", "360"}});
    d.click("bt_valider");
    kalmoris::StringGrid* grid = d.grid();
    grid->setCell(1, 1, "-360000");
    for (int row = 2; row <= 360; ++row) grid->setCell(1, row, QString::number(1000 + row));
    d.click("BBt_CALCUL");
    const QStringList before = results();
    saveAs(path("long"));
    d.click("effac_tout");
    open(path("long.TEG"));
    QCOMPARE(d.grid()->rowCount(), 361);
    QCOMPARE(d.cell(1, 360), QString(" 1360,00"));
    validateAndCalculate();
    QCOMPARE(results(), before);
  }
};

QTEST_MAIN(DossierFilesTest)
#include "dossier_files_test.moc"
