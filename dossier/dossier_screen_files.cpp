// The "FICHIER" menu: opening, saving and saving as ".TEG" dossier files.
#include "dossier/dossier_screen.h"

#include "core/file_save.h"
#include "dossier/core/dossier_file.h"
#include "dossier/core/file_io.h"
#include "dossier/screen_view.h"
#include "ui/platform.h"
#include "ui/save_file_name.h"

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

// The screen is erased only once the file has been read: a file that cannot be read
// (refused, a folder, too large) leaves the dossier on screen as it was, and its own file
// stays the current one. A name that does not exist yet becomes the current file at once,
// so that a later ENREGISTRER creates it.
void TForm2::openFile(const QString& chosen) {
  const QString path = QFileInfo(chosen).absoluteFilePath();
  if (!QFileInfo::exists(path)) setCurrentFile(path);
  const QByteArray bytes = readDossierFile(path);
  setCurrentFile(path);
  effac_toutClick();
  loadDossierFile(bytes, dossier_, *view_);
}

void TForm2::ENREGISTRER1Click() {
  save();
}

void TForm2::Men_ENREGISTRERSOUS1_Click() {
  saveAs();
}

bool TForm2::save() {
  if (currentFile_.isEmpty()) return saveAs();
  saveTo(currentFile_);
  return true;
}

bool TForm2::saveAs() {
  const QString target = askFileNameToWrite(this, kSaveFilter, kExtension);
  if (target.isEmpty()) return false;
  saveTo(target);
  return true;
}

// The file is written whole or not at all; once saved it is the dossier's current file.
void TForm2::saveTo(const QString& path) {
  saveFileAtomically(path, encodeDossierFile(*view_, dossier_.blockCount));
  setCurrentFile(path);
  modified_ = false;
}

void TForm2::setCurrentFile(const QString& path) {
  currentFile_ = QFileInfo(path).absoluteFilePath();
  setWindowTitle(currentFile_);
}

}  // namespace kalmoris
