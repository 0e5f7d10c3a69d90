// The "FICHIER" menu: opening, saving and saving as ".TEG" dossier files.
#include "dossier/dossier_screen.h"

#include "core/file_errors.h"
#include "core/file_save.h"
#include "dossier/core/dossier_file.h"
#include "dossier/core/file_io.h"
#include "dossier/core/offer_choices.h"
#include "dossier/screen_view.h"
#include "ui/platform.h"
#include "ui/save_file_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace kalmoris {

namespace {
const QString kOpenFilter = QStringLiteral("Répertoire(*.REP) (*.TEG)");
const QString kSaveFilter = QStringLiteral("*.TEG");
const QString kExtension = QStringLiteral(".TEG");
const QString kFolder = QStringLiteral("repertoire");
}  // namespace

// Typed changes are saved, or given up, before the choice of another dossier.
void TForm2::Men_OUVRIR1_Click() {
  if (!mayDiscardChanges()) return;
  const QDir folder(kFolder);
  const QString chosen = platform().askOpenFileName(
      this, folder.exists() ? folder.absolutePath() : QString(), kOpenFilter);
  if (!chosen.isEmpty()) openFile(chosen);
}

// All or nothing: the file is read and checked whole first, so that one that cannot be read
// or is refused (a missing name included) leaves the dossier on screen, the title and the
// current file as they were, and a later ENREGISTRER never writes over it. The offer's entries
// come from the file beside it, or stay empty.
void TForm2::openFile(const QString& chosen) {
  const QString path = QFileInfo(chosen).absoluteFilePath();
  const DossierFileContents contents = readDossierContents(readDossierFile(path));
  const QByteArray choices = readOfferChoicesFile(path);
  eraseAll();
  showDossierContents(contents, dossier_, *view_);
  showOfferChoices(choices, *view_);
  setCurrentFile(path);
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

// The file is written whole or not at all, then the offer's entries beside it (a file of
// entries no longer made goes); once both are saved it is the dossier's current file.
void TForm2::saveTo(const QString& path) {
  saveFileAtomically(path, encodeDossierFile(*view_, dossier_.blockCount));
  const QString choicesPath = offerChoicesPath(path);
  const QByteArray choices = encodeOfferChoices(*view_);
  errno = 0;
  if (!choices.isEmpty())
    saveFileAtomically(choicesPath, choices);
  else if (QFile::exists(choicesPath) && !QFile::remove(choicesPath))
    failFile(lastFileError());
  setCurrentFile(path);
  modified_ = false;
}

void TForm2::setCurrentFile(const QString& path) {
  currentFile_ = QFileInfo(path).absoluteFilePath();
  setWindowTitle(currentFile_);
}

}  // namespace kalmoris
