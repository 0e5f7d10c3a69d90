// The "FICHIER" menu: opening, saving and saving as ".offre" files.
#include "offer/offer_screen.h"

#include "core/file_save.h"
#include "offer/core/offer_file.h"
#include "offer/core/offer_form.h"
#include "offer/offer_entries_part.h"
#include "offer/offer_proof_part.h"
#include "ui/platform.h"
#include "ui/save_file_name.h"

#include <QFileInfo>

namespace kalmoris {

namespace {
const QString kOpenFilter = QStringLiteral("Offres (*.offre)");
const QString kSaveFilter = QStringLiteral("*.offre");
const QString kExtension = QStringLiteral(".offre");
}  // namespace

// Typed changes are saved, or given up, before the choice of another offer.
void TForm8::Men_OUVRIRClick() {
  if (!mayDiscardChanges()) return;
  const QString chosen = platform().askOpenFileName(this, QString(), kOpenFilter);
  if (!chosen.isEmpty()) openFile(chosen);
}

// All or nothing: the file is read and checked whole first, so that one that cannot be read or
// is refused leaves the offer on screen, the title and the current file as they were.
void TForm8::openFile(const QString& chosen) {
  const QString path = QFileInfo(chosen).absoluteFilePath();
  Offer offer = openOfferFile(path);
  proof_->close();
  entries_->clearRefusal();
  entries_->show(offerFormOf(offer));
  clearResults();
  kept_ = std::move(offer);
  setCurrentFile(path);
  modified_ = false;
}

void TForm8::Men_ENREGISTRERClick() {
  save();
}

void TForm8::Men_ENREGISTRER_SOUSClick() {
  saveAs();
}

bool TForm8::save() {
  if (currentFile_.isEmpty()) return saveAs();
  const std::optional<Offer> offer = readOffer();
  if (!offer) return false;
  saveTo(currentFile_, *offer);
  return true;
}

// A refused entry is shown before any name is asked.
bool TForm8::saveAs() {
  const std::optional<Offer> offer = readOffer();
  if (!offer) return false;
  const QString target = askFileNameToWrite(this, kSaveFilter, kExtension);
  if (target.isEmpty()) return false;
  saveTo(target, *offer);
  return true;
}

// The file is written whole or not at all; once saved it is the offer's current file, and the
// offer saved the one whose unknown keys the next save keeps.
void TForm8::saveTo(const QString& path, const Offer& offer) {
  saveFileAtomically(path, writeOfferFile(offer));
  kept_ = offer;
  setCurrentFile(path);
  modified_ = false;
}

void TForm8::setCurrentFile(const QString& path) {
  currentFile_ = QFileInfo(path).absoluteFilePath();
  setWindowTitle(currentFile_);
}

}  // namespace kalmoris
