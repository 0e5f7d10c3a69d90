#pragma once

#include "offer/core/offer_proof.h"

#include <QObject>

#include <optional>

class QPushButton;
class QWidget;

namespace kalmoris {

class Panel;
class ResultGrid;

// The proof of the TAEG, on a panel shown over the offer's entries so that the results and the
// control stay in sight under it: every flow with its date, what it is made of, its time from
// the first drawdown and its value discounted at the TAEG, the sum of those values under the
// grid, and the proof written as a spreadsheet file.
class OfferProofPart : public QObject {
  Q_OBJECT

 public:
  // The panel covers `place` of the parent when it is shown; it starts hidden.
  OfferProofPart(QWidget* parent, QRect place);

  void show(const OfferProof& proof);
  void clear();
  // The panel shown over the entries, or hidden.
  void open();
  void close();

  void Bt_CSVClick();
  void Bt_RETOUR_PREUVEClick();

 private:
  void createControls(QRect place);
  void createConnections();

  std::optional<OfferProof> proof_;  // the proof shown; none when the results are empty
  Panel* Panel_preuve;               // the panel that holds the proof
  ResultGrid* grille_preuve;
  Panel* Panel_somme_preuve;  // the sum of the discounted values
  QPushButton* Bt_CSV;
  QPushButton* Bt_RETOUR_PREUVE;
};

}  // namespace kalmoris
