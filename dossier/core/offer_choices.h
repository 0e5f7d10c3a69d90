#pragma once

#include "dossier/core/dossier_view.h"

#include <QByteArray>
#include <QString>

// The entries of the strip "CONTROLE DE L'OFFRE" kept beside a dossier file, in
// NAME.TEG.controle: the ".TEG" layout has no place for them (its reader takes any further
// lines for another dossier).

namespace kalmoris {

// NAME.TEG.controle beside NAME.TEG.
QString offerChoicesPath(const QString& dossierPath);

// The three entries as JSON ({"ch_nature": "Immobilier", "ch_date_offre": "15/01/2026",
// "ch_usure": "5,13"}), as the fields show them; empty when none is made.
QByteArray encodeOfferChoices(const DossierView& view);

// The file beside a dossier file, or nothing when there is none or it cannot be read.
QByteArray readOfferChoicesFile(const QString& dossierPath);

// Puts the entries of a choices file back into the strip's fields; a file that is not such a
// JSON object is ignored, and so is a value that is not a text or a nature not on the list.
void showOfferChoices(const QByteArray& json, DossierView& view);

}  // namespace kalmoris
