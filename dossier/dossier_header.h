#pragma once

#include "dossier/core/loan_dossier.h"

#include <QObject>

#include <array>

class QLineEdit;
class QPushButton;
class QWidget;

namespace kalmoris {

class DossierView;
class Panel;

// The upper part of the dossier screen and its validation: the borrower, the amount and the
// counts, the fees and the announced TEG, the validate and erase-all buttons with the two red
// bars, and the signals of the validation over the grid (the warning on failed fields, the
// grid prompt, the provisional mask). The "?" tabs and "Voir EXEMPLES" stand among these
// controls; the help and the examples own what they do.
class DossierHeader : public QObject {
  Q_OBJECT

 public:
  DossierHeader(QWidget* parent, LoanDossier& dossier, DossierView& view);

  struct Tabs {
    QPushButton* title;     // Panel20, beside "VERIFICATION D'UN PRET"
    QPushButton* fees;      // Pan_AIDE_FRAIS_
    QPushButton* validate;  // Pan_AIDE_VALIDER_
    QPushButton* erase;     // Pan_AIDE_EFF_DONN_
    QPushButton* examples;  // VOIR_EXEMPLES
  };
  Tabs tabs() const;
  QPushButton* eraseButton() const { return effac_tout; }

  QLineEdit* field(HeaderField which) const;
  // The header's end of every validation: erase-all enabled, the bars validated, the prompt.
  void finishValidation();

  // Erase-all: first the look of a header waiting for its validation, then the fields.
  void showWaitingLook();
  void eraseFields();
  // The eleven fields emptied, "2" blocks shown, no fee total.
  void emptyFields();

  void ch_capitalChange();
  void ch_nb_rembChange();
  void ch_remb_anChange();
  void ch_grpvChange();
  void bt_validerClick();

 signals:
  // The amount or a count changed: the header waits for its validation.
  void changed();
  // The user typed in one of the fields.
  void edited();

 private:
  void createTitle();
  void createFields();
  void createCommands();
  void createSignals();
  void createConnections();
  void describeControls();
  void headerChanged();

  LoanDossier& dossier_;
  DossierView& view_;

  Panel* Panel19;        // title "VERIFICATION D'UN PRET"
  QPushButton* Panel20;  // "?" beside the title
  QPushButton* VOIR_EXEMPLES;
  QLineEdit* ch_nom_emp;
  QLineEdit* ch_capital;
  QLineEdit* ch_nb_remb;
  QLineEdit* ch_remb_an;
  QLineEdit* ch_grpv;
  QLineEdit* ch_fr1_txt;
  QLineEdit* ch_fr1_val;
  QLineEdit* ch_fr2_txt;
  QLineEdit* ch_fr2_val;
  QLineEdit* ch_fr3_txt;
  QLineEdit* ch_fr3_val;
  QLineEdit* ch_teg_ann;
  QPushButton* Pan_AIDE_FRAIS_;
  Panel* Panel8;  // the fee total
  QPushButton* bt_valider;
  QPushButton* Pan_AIDE_VALIDER_;
  QPushButton* effac_tout;
  QPushButton* Pan_AIDE_EFF_DONN_;
  Panel* Panel10;  // red bar under the header fields
  Panel* Panel11;  // red bar under the validate button
  Panel* Panel42;  // grid prompt
  std::array<QLineEdit*, kHeaderFieldCount> fields_;
};

}  // namespace kalmoris
