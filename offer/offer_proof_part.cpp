#include "offer/offer_proof_part.h"

#include "core/file_save.h"
#include "offer/core/proof_csv.h"
#include "offer/result_grid.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/panel.h"
#include "ui/save_file_name.h"

#include <QLabel>
#include <QPushButton>

namespace kalmoris {

namespace {

const QString kSpreadsheetFilter = QStringLiteral("Fichiers CSV (*.csv)");
const QString kSpreadsheetExtension = QStringLiteral(".csv");

// The proof's columns, under proofHeaders(): the date, the flow and the time are words, the
// others figures.
const QList<int> kProofWidths = {66, 78, 76, 66, 70, 64, 76, 108, 74, 80};
const QList<int> kProofTextColumns = {0, 1, 7};

}  // namespace

OfferProofPart::OfferProofPart(QWidget* parent, QRect place) : QObject(parent) {
  createControls(place);
  createConnections();
  clear();
}

void OfferProofPart::createControls(QRect place) {
  Panel_preuve = controls::panel(qobject_cast<QWidget*>(parent()), "Panel_preuve", QString(), place,
                                 colors::Light3D);
  Panel_preuve->setBevel(false);
  controls::describe(Panel_preuve, QStringLiteral("Preuve du TAEG"));
  Panel* title =
      controls::panel(Panel_preuve, "Panel_titre_preuve", QStringLiteral("PREUVE DU TAEG"),
                      QRect(8, 4, 388, 24), colors::Lime);
  title->setCaptionFont(controls::boldFont(11));
  controls::note(Panel_preuve, "Label_preuve",
                 QStringLiteral("Chaque flux vu de l'emprunteur (reçu négatif, payé positif), "
                                "son temps depuis le premier déblocage et sa valeur actualisée "
                                "au TAEG, qui s'annulent."),
                 QRect(408, 2, 384, 30))
      ->setFont(QFont(QStringLiteral("Arial"), 8));
  const int width = place.width() - 16;
  const int gridHeight = place.height() - 70;
  grille_preuve = new ResultGrid(Panel_preuve, "grille_preuve", QRect(8, 34, width, gridHeight),
                                 proofHeaders(), kProofWidths, kProofTextColumns);
  controls::describe(grille_preuve, QStringLiteral("Preuve : chaque flux actualisé au TAEG"));
  const int below = 34 + gridHeight + 6;
  Bt_CSV = controls::button(Panel_preuve, "Bt_CSV", QStringLiteral("PREUVE EN CSV"),
                            QRect(8, below, 150, 26));
  Bt_CSV->setToolTip(QStringLiteral("Enregistrer la preuve pour un tableur (.csv)"));
  Bt_RETOUR_PREUVE = controls::button(Panel_preuve, "Bt_RETOUR_PREUVE", QStringLiteral("RETOUR"),
                                      QRect(166, below, 110, 26));
  Bt_RETOUR_PREUVE->setToolTip(QStringLiteral("Revenir à la saisie de l'offre"));
  QLabel* sumLabel = controls::label(Panel_preuve, "Label_somme_preuve",
                                     QStringLiteral("Somme des valeurs actualisées :"),
                                     QRect(width - 330, below + 4, 210, 18));
  sumLabel->setFont(controls::boldFont(8));
  sumLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Panel_somme_preuve = controls::panel(Panel_preuve, "Panel_somme_preuve", QString(),
                                       QRect(width - 112, below + 2, 120, 22), colors::Lime);
  Panel_somme_preuve->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel_somme_preuve->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Panel_somme_preuve->setCaptionFont(controls::boldFont(9));
  controls::describe(Panel_somme_preuve, QStringLiteral("Somme des valeurs actualisées"));
  Panel_preuve->hide();
}

void OfferProofPart::createConnections() {
  onClick(Bt_CSV, this, &OfferProofPart::Bt_CSVClick);
  onClick(Bt_RETOUR_PREUVE, this, &OfferProofPart::Bt_RETOUR_PREUVEClick);
}

void OfferProofPart::show(const OfferProof& proof) {
  GridTexts rows;
  rows.reserve(proof.rows.size());
  for (const ProofRow& row : proof.rows) rows.push_back(proofCells(row));
  grille_preuve->setRows(rows);
  Panel_somme_preuve->setText(proofSumText(proof));
  proof_ = proof;
  Bt_CSV->setEnabled(true);
}

void OfferProofPart::clear() {
  grille_preuve->clear();
  Panel_somme_preuve->clear();
  proof_.reset();
  Bt_CSV->setEnabled(false);
}

void OfferProofPart::open() {
  Panel_preuve->showAt(Panel_preuve->x(), Panel_preuve->y());
}

void OfferProofPart::close() {
  Panel_preuve->hide();
}

// Cancelling the name writes nothing; the file is written whole or not at all.
void OfferProofPart::Bt_CSVClick() {
  if (!proof_) return;
  const QString name =
      askFileNameToWrite(Panel_preuve->window(), kSpreadsheetFilter, kSpreadsheetExtension);
  if (name.isEmpty()) return;
  saveFileAtomically(name, proofCsv(*proof_));
}

void OfferProofPart::Bt_RETOUR_PREUVEClick() {
  close();
}

}  // namespace kalmoris
