#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kalmoris {

// The strip "CONTROLE DE L'OFFRE" under the dossier: the loan's nature, the offer's date and
// the usury threshold it states, read at each calculation, and the lines the calculation
// writes from them (the verdict on the announced rate, the other rate for information, the
// usury category and ceiling) with the reason an entry is refused. The lines belong to the
// last calculation: a change to an entry hides them, with the red marks of refused entries.
class OfferStrip : public QObject {
  Q_OBJECT

 public:
  explicit OfferStrip(QWidget* parent);

  // Tab comes from `before` into the strip; Enter moves from field to field, then to
  // `calculate`.
  void linkKeys(QWidget* before, QPushButton* calculate);
  // The results no longer hold.
  void hideLines();
  // Erase-all: no nature, no date, no threshold.
  void empty();

 signals:
  // The user chose or typed an entry.
  void edited();

 private:
  void createEntries(QWidget* strip);
  void createLines(QWidget* strip);
  void createConnections();

  QComboBox* ch_nature;
  QLineEdit* ch_date_offre;
  QLineEdit* ch_usure;
  QWidget* Panel_verdict;  // the lines and the refusal, under the entries
};

}  // namespace kalmoris
