// The dossier's files when the system fails them: a full disk, a read-only or vanished
// folder, and files that cannot or should not be opened. The previous file stays intact byte
// for byte, the message is the right French one, and the screen keeps what it showed. And the
// typed dossier that a command would replace is not thrown away without a question.
#include "tests/dossier/dossier_steps.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace kalmoris::testing;

namespace {

// A small file system of its own where the test may mount one (as the superuser with the
// right to mount): it can be filled up and made read-only.
class SmallDisk {
 public:
  SmallDisk() {
    if (geteuid() != 0) return;
    mounted_ =
        mount("tmpfs", folder_.path().toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) umount(folder_.path().toLocal8Bit().constData());
  }
  bool mounted() const { return mounted_; }
  QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  void fill() const {
    QFile filler(path("remplissage"));
    if (!filler.open(QIODevice::WriteOnly)) return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
  }
  bool makeReadOnly() const {
    return mount("tmpfs", folder_.path().toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                 "size=64k") == 0;
  }

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
};

}  // namespace

class DossierFaultsTest : public ScreenFixture {
  Q_OBJECT

  using Answer = kalmoris::Platform::Answer;

  ScreenDriver d;

  void saveAs(const QString& name) {
    platform().saveAnswers.push_back(name);
    d.trigger("Men_ENREGISTRERSOUS1_");
  }
  void open(const QString& name) {
    platform().openAnswers.push_back(name);
    d.trigger("Men_OUVRIR1_");
  }
  // The loan of the first worked example, validated and calculated, saved in `name`.
  QByteArray savedLoan(const QString& name) {
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    saveAs(name);
    [&] { QVERIFY2(takeErrors().isEmpty(), "the first save succeeds"); }();
    return fileContents(name);
  }
  QStringList screenTexts() const {
    QStringList texts;
    for (const char* name : {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_grpv", "Panel1",
                             "Panel39", "Panel125", "Panel127"})
      texts.append(d.text(name));
    for (int row = 1; row <= 2; ++row)
      for (int col = 1; col <= 5; ++col) texts.append(d.cell(col, row));
    return texts;
  }

 private slots:
  void init() { d = openDossier(*this); }

  void fullDiskLeavesThePreviousFileWhole() {
    SmallDisk disk;
    if (!disk.mounted()) QSKIP("no file system of its own can be mounted here");
    const QString name = disk.path("pret.TEG");
    const QByteArray before = savedLoan(name);
    QVERIFY(!before.isEmpty());
    disk.fill();
    d.type("ch_nom_emp", QString(3000, u'Z'));  // a dossier larger than what is left
    d.trigger("ENREGISTRER1");
    QCOMPARE(takeErrors(), QStringList{"Disque plein"});
    QCOMPARE(fileContents(name), before);
  }

  void readOnlyFolderLeavesThePreviousFileWhole() {
    SmallDisk disk;
    if (!disk.mounted()) QSKIP("no file system of its own can be mounted here");
    const QString name = disk.path("pret.TEG");
    const QByteArray before = savedLoan(name);
    QVERIFY(disk.makeReadOnly());
    d.type("ch_nom_emp", "AUTRE EMPRUNTEUR");
    d.trigger("ENREGISTRER1");
    QCOMPARE(takeErrors(), QStringList{"Accès au fichier refusé"});
    QCOMPARE(fileContents(name), before);
  }

  void vanishedFolderIsReportedAndTheScreenKept() {
    auto folder = std::make_unique<QTemporaryDir>();
    const QString name = folder->filePath("pret.TEG");
    savedLoan(name);
    const QStringList shown = screenTexts();
    folder.reset();  // the folder disappears behind the program's back
    d.trigger("ENREGISTRER1");
    QCOMPARE(takeErrors(), QStringList{"Fichier introuvable"});
    QCOMPARE(screenTexts(), shown);
    QVERIFY(!QFile::exists(name));
  }

  void refusedFilesLeaveTheScreenAsItWas_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a device") << "device";
    QTest::newRow("100 MB, far beyond a dossier") << "huge";
  }
  void refusedFilesLeaveTheScreenAsItWas() {
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QString name = folder.path();
    if (kind == "device") name = "/dev/urandom";
    if (kind == "huge") {
      name = folder.filePath("gros.TEG");
      QFile file(name);
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(file.resize(qint64(100) << 20));  // sparse: nothing written, nothing to wait for
    }
    typeValidatedLoan(d);
    d.click("BBt_CALCUL");
    const QStringList shown = screenTexts();
    const QString currentFile = d.screen()->windowTitle();
    platform().yesNoCancelAnswers.push_back(kalmoris::Platform::Answer::No);
    open(name);
    const QStringList errors = takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(name), qPrintable(errors[0]));  // the message names the file
    QCOMPARE(screenTexts(), shown);
    QCOMPARE(d.screen()->windowTitle(), currentFile);  // a later save does not go there
  }

  void unreadableFileIsRefused() {
    if (geteuid() == 0) QSKIP("the superuser reads every file");
    QTemporaryDir folder;
    const QString name = folder.filePath("secret.TEG");
    QVERIFY(writeFile(name, "x\r\n"));
    QFile::setPermissions(name, QFileDevice::Permissions());
    open(name);
    QCOMPARE(takeErrors(), QStringList{"Accès au fichier refusé"});
  }

  // Locks on this system are advisory: a dossier held under an exclusive lock still opens.
  // OUVRIR, "Voir EXEMPLES" and erase-all would replace a typed dossier: the quit's question
  // comes first. Oui saves then goes on, Non goes on, Annuler (or a cancelled save) does nothing.
  void replacingATypedDossierAsksFirst_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savedAs");  // the save dialog's answer, empty cancels
    const int yes = int(Answer::Yes);
    const int no = int(Answer::No);
    QTest::newRow("OUVRIR, Oui saves then goes on") << "Men_OUVRIR1_" << yes << "pret";
    QTest::newRow("OUVRIR, Annuler does nothing") << "Men_OUVRIR1_" << int(Answer::Cancel) << "";
    QTest::newRow("Voir EXEMPLES, Non goes on") << "VOIR_EXEMPLES" << no << "";
    QTest::newRow("erase-all, Non goes on") << "effac_tout" << no << "";
    QTest::newRow("erase-all, Oui with the name cancelled does nothing")
        << "effac_tout" << yes << "";
  }
  void replacingATypedDossierAsksFirst() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, savedAs);
    QTemporaryDir folder;
    typeValidatedLoan(d);
    platform().yesNoCancelAnswers.push_back(Answer(answer));
    if (answer == int(Answer::Yes))
      platform().saveAnswers.push_back(savedAs.isEmpty() ? "" : folder.filePath(savedAs));
    const bool goesOn = answer == int(Answer::No) || !savedAs.isEmpty();
    if (command == "Men_OUVRIR1_") {
      if (goesOn) platform().openAnswers.push_back(QString());  // then the dialog is cancelled
      d.trigger(command);
    } else {
      d.click(command);
    }
    QCOMPARE(platform().questions, QStringList{"Enregistrer les modifications du dossier ?"});
    QCOMPARE(QFile::exists(folder.filePath("pret.TEG")), !savedAs.isEmpty());
    const bool replaced = goesOn && command != "Men_OUVRIR1_";
    QCOMPARE(d.text("ch_nom_emp"), replaced ? QString() : QString("G. RORAVOR"));
    QCOMPARE(d.cell(1, 1), replaced ? QString() : QString("-200000"));
  }

  void untouchedOrSavedDossierIsReplacedWithoutAQuestion() {
    d.click("VOIR_EXEMPLES");  // untouched
    d.click("BBt_EFF_MENU_EX_");
    typeValidatedLoan(d);
    QTemporaryDir folder;
    saveAs(folder.filePath("pret"));
    d.click("effac_tout");
    QCOMPARE(d.text("ch_nom_emp"), QString());
    QVERIFY(platform().questions.isEmpty());
  }

  void lockedFileOpensAsItStands() {
    QTemporaryDir folder;
    const QString name = folder.filePath("pret.TEG");
    savedLoan(name);
    QFile holder(name);
    QFile other(name);
    QVERIFY(holder.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly));
    QCOMPARE(flock(holder.handle(), LOCK_EX | LOCK_NB), 0);
    QVERIFY2(flock(other.handle(), LOCK_EX | LOCK_NB) == -1 && errno == EWOULDBLOCK,
             "the lock is held");
    d.click("effac_tout");
    open(name);
    QVERIFY(takeErrors().isEmpty());
    QCOMPARE(d.text("ch_capital"), QString(" 200000,00"));
    flock(holder.handle(), LOCK_UN);
  }
};

QTEST_MAIN(DossierFaultsTest)
#include "dossier_faults_test.moc"
