// The "FICHIER" menu: opening, saving and saving as ".TEG" dossier files.
#include "dossier/dossier_screen.h"

#include "dossier/core/dossier_file.h"
#include "dossier/core/file_io.h"
#include "dossier/screen_view.h"
#include "ui/platform.h"

#include <QDir>
#include <QFileInfo>

namespace kalmoris {

namespace {
const QString kOpenFilter = QStringLiteral("Répertoire(*.REP) (*.TEG)");
const QString kSaveFilter = QStringLiteral("*.TEG");
const QString kExtension = QStringLiteral(".TEG");
const QString kFolder = QStringLiteral("repertoire");
}  // namespace

void TForm2::Men_OUVRIR1_Click() {
  const QDir folder(kFolder);
  const QString chosen = platform().askOpenFileName(
      this, folder.exists() ? folder.absolutePath() : QString(), kOpenFilter);
  if (!chosen.isEmpty()) openFile(chosen);
}

// The window title names the chosen file, even when it cannot be read, so that a later save
// writes it. The screen is erased only once the file has been read: a file that cannot be
// read (missing, refused, a folder, too large) leaves the dossier on screen as it was.
void TForm2::openFile(const QString& chosen) {
  currentFile_ = QFileInfo(chosen).absoluteFilePath();
  setWindowTitle(currentFile_);
  const QByteArray bytes = readDossierFile(currentFile_);
  effac_toutClick();
  loadDossierFile(bytes, dossier_, *view_);
}

void TForm2::ENREGISTRER1Click() {
  if (currentFile_.isEmpty()) {
    Men_ENREGISTRERSOUS1_Click();
    return;
  }
  saveTo(currentFile_);
}

// The dialog confirms replacing the name it returns; a name that becomes another one with
// ".TEG" appended is confirmed here.
void TForm2::Men_ENREGISTRERSOUS1_Click() {
  QString target = platform().askSaveFileName(this, QString(), kSaveFilter);
  if (target.isEmpty()) return;
  if (!target.endsWith(kExtension, Qt::CaseInsensitive)) {
    target += kExtension;
    const QString question =
        QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?").arg(target);
    if (QFileInfo::exists(target) && !platform().askYesNo(this, question)) return;
  }
  saveTo(target);
}

// The file is written whole or not at all; once saved it is the dossier's current file.
void TForm2::saveTo(const QString& path) {
  saveDossierFile(path, encodeDossierFile(*view_, dossier_.blockCount));
  currentFile_ = QFileInfo(path).absoluteFilePath();
  setWindowTitle(currentFile_);
}

}  // namespace kalmoris
