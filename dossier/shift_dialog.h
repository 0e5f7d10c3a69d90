#pragma once

#include "dossier/core/time_shift.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalmoris {

// "Insérer un décalage" before a row of the dossier's grid: a number of days, or the dates of
// the payout and of the first instalment, and the day-count convention (the calendar of the
// credit directives needs the dates). "Insérer" keeps the
// dialog open with a French message while the entries cannot be used.
class ShiftDialog : public QDialog {
  Q_OBJECT

 public:
  ShiftDialog(QWidget* parent, int row, int periodsPerYear);

  // The shift accepted by "Insérer".
  const Shift& shift() const { return shift_; }

 private:
  void createControls();
  void createConnections();
  ShiftEntry entry() const;
  void showSummary();
  void insertClick();

  int row_;
  int periodsPerYear_;
  Shift shift_;

  QRadioButton* par_jours;
  QLineEdit* ch_jours;
  QRadioButton* par_dates;
  QLineEdit* ch_date_versement;
  QLineEdit* ch_date_echeance;
  QRadioButton* mois_normalise;
  QRadioButton* mois_30;
  QRadioButton* calendrier;
  QLabel* apercu;
  QLabel* message;
};

}  // namespace kalmoris
