#pragma once

#include "offer/core/offer_form.h"
#include "offer/core/schedule_generator.h"

#include <QList>
#include <QObject>
#include <QPalette>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kalmoris {

class EntryGrid;
class Panel;
class ResultGrid;

// The offer as the user types it: the borrower, the nature, the offer's date, the announced
// rates, the usury threshold and the periodicity; the drawdowns and the fees; the first
// instalment, the insurance, the debit rate, and the instalments typed as steps or generated
// from the offer's terms, whose steps are shown once calculated. Its texts are read and written
// as an OfferForm; a refused entry is marked at its place, the message panel saying why.
class OfferEntriesPart : public QObject {
  Q_OBJECT

 public:
  explicit OfferEntriesPart(QWidget* parent);

  OfferForm form() const;
  // The texts written, the choices set: a change of the entries, not the user's.
  void show(const OfferForm& form);
  // Every field and grid emptied, the choices back to a new offer's.
  void erase();

  // The field or cell turns yellow and takes the focus; the message panel turns aqua with the
  // refusal. clearRefusal takes the marks away.
  void markRefusal(const FormRefusal& refusal);
  void clearRefusal();

  // The fields of the Enter chain, in the screen's order; those hidden or disabled by the
  // choices are passed over.
  QList<QLineEdit*> enterChain() const;

  // The steps generated from the terms, to compare with the lender's table; none empties them.
  void showGeneratedSteps(const std::vector<GeneratedStep>& steps);

  void Bt_ajout_deblocageClick();
  void Bt_retrait_deblocageClick();
  void Bt_ajout_fraisClick();
  void Bt_retrait_fraisClick();
  void Bt_ajout_palierClick();
  void Bt_retrait_palierClick();

 signals:
  // An entry changed, typed or written by the program: the results no longer hold.
  void changed();
  // The user typed into an entry, made a choice, added or removed a row.
  void edited();

 private:
  void createOfferFields();
  void createDrawdowns();
  void createFees();
  void createInstalments();
  void createInstalmentChoice();
  void createTerms();
  void createConnections();
  void describeControls();
  // The typed steps or the terms, as ch_echeances chooses; the deferral's count and the
  // premium or the rate of the insurance as the terms' choices ask for them.
  void showChosenInstalments();
  QWidget* widgetOf(OfferField field) const;
  EntryGrid* gridOf(OfferField field) const;

  QLineEdit* ch_nom_emp;
  QComboBox* ch_nature;
  QLineEdit* ch_date_offre;
  QLineEdit* ch_taeg_annonce;
  QLineEdit* ch_taea_annonce;
  QLineEdit* ch_usure;
  QComboBox* ch_periodicite;
  EntryGrid* grille_deblocages;
  QPushButton* Bt_ajout_deblocage;
  QPushButton* Bt_retrait_deblocage;
  EntryGrid* grille_frais;
  QPushButton* Bt_ajout_frais;
  QPushButton* Bt_retrait_frais;
  QLineEdit* ch_premiere_echeance;
  QComboBox* ch_assurance;
  QLineEdit* ch_taux_debiteur;
  QComboBox* ch_base_periode_brisee;  // the days of the year of a broken period's interest
  QComboBox* ch_echeances;            // typed steps or the offer's terms
  EntryGrid* grille_paliers;
  QPushButton* Bt_ajout_palier;
  QPushButton* Bt_retrait_palier;
  Panel* Panel_conditions;  // the terms, in the place of the typed steps
  QLineEdit* ch_nombre_echeances;
  QComboBox* ch_regle;
  QComboBox* ch_differe;
  QLineEdit* ch_nombre_differe;
  QComboBox* ch_assurance_mode;
  QLineEdit* ch_assurance_montant;
  QLineEdit* ch_assurance_taux;
  QLabel* Label_assurance_unite;  // "€ par échéance" or "% l'an", after the premium or the rate
  ResultGrid* grille_paliers_calcules;
  Panel* info;  // the message panel: why an entry is refused

  QWidget* marked_ = nullptr;  // the field or choice marked as refused
  QPalette choicePalette_;     // a choice's own colours, given back when its mark goes
};

}  // namespace kalmoris
