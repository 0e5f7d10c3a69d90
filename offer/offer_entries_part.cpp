// The upper part of the offer's screen: the offer and its drawdowns at the left, the fees at the
// right, and the message panel; the instalments under the fees are built in
// offer_instalment_entries.cpp.
#include "offer/offer_entries_part.h"

#include "core/counting_rate.h"
#include "offer/entry_grid.h"
#include "offer/entry_layout.h"
#include "offer/result_grid.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

using namespace entry_layout;

OfferEntriesPart::OfferEntriesPart(QWidget* parent) : QObject(parent) {
  createOfferFields();
  createDrawdowns();
  createFees();
  createInstalments();
  info = controls::panel(parent, "info", QString(), QRect(kLeft, 612, 784, 22), colors::Light3D);
  info->setBevel(false);
  info->setCaptionFont(controls::boldFont(9));
  choicePalette_ = ch_nature->palette();
  createConnections();
  describeControls();
}

void OfferEntriesPart::createOfferFields() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  const auto row = [](int k) { return QPoint(kLeft, 34 + k * kRowStep); };
  caption(parent, "Lib_nom_emp", "EMPRUNTEUR :", row(0), colors::Navy);
  ch_nom_emp = controls::edit(parent, "ch_nom_emp", fieldPlace(row(0), 214));
  caption(parent, "Lib_nature", "NATURE DU PRET :", row(1), colors::Navy);
  ch_nature = choice(parent, "ch_nature", loanNatureItems(), fieldPlace(row(1), 130));
  caption(parent, "Lib_date_offre", "DATE DE L'OFFRE :", row(2), colors::Navy);
  ch_date_offre = controls::edit(parent, "ch_date_offre", fieldPlace(row(2), 90));
  unitNote(parent, "Label_date_offre", "jj/mm/aaaa", ch_date_offre->geometry());
  caption(parent, "Lib_taeg_annonce", "TAEG ANNONCE :", row(3), colors::Navy);
  ch_taeg_annonce = controls::edit(parent, "ch_taeg_annonce", fieldPlace(row(3), 90));
  unitNote(parent, "Label_taeg_annonce", "%", ch_taeg_annonce->geometry());
  caption(parent, "Lib_taea_annonce", "TAEA ANNONCE :", row(4), colors::Navy);
  ch_taea_annonce = controls::edit(parent, "ch_taea_annonce", fieldPlace(row(4), 90));
  unitNote(parent, "Label_taea_annonce", "point", ch_taea_annonce->geometry());
  caption(parent, "Lib_usure", "SEUIL DE L'USURE :", row(5), colors::Navy);
  ch_usure = controls::edit(parent, "ch_usure", fieldPlace(row(5), 90));
  unitNote(parent, "Label_usure", "%", ch_usure->geometry());
  caption(parent, "Lib_periodicite", "PERIODICITE :", row(6), colors::Navy);
  ch_periodicite = choice(parent, "ch_periodicite", periodicityItems(), fieldPlace(row(6), 130));
}

void OfferEntriesPart::createDrawdowns() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  gridTitle(parent, "Label_deblocages", "DEBLOCAGES (le premier est l'origine des temps)",
            QPoint(kLeft, 206));
  grille_deblocages =
      new EntryGrid(parent, "grille_deblocages", QRect(kLeft, 222, kGridWidth, kBottom - 222),
                    {QStringLiteral("Date"), QStringLiteral("Montant")}, {110, 140});
  std::tie(Bt_ajout_deblocage, Bt_retrait_deblocage) = rowButtons(
      parent, "Bt_ajout_deblocage", "Bt_retrait_deblocage", QPoint(kLeft + kGridWidth + 6, 222));
}

void OfferEntriesPart::createFees() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  gridTitle(parent, "Label_frais", "FRAIS (sans date : à la date du premier déblocage)",
            QPoint(kRight, 4));
  grille_frais =
      new EntryGrid(parent, "grille_frais", QRect(kRight, 20, kGridWidth, 84),
                    {QStringLiteral("Libellé"), QStringLiteral("Montant"), QStringLiteral("Date")},
                    {110, 80, 70});
  std::tie(Bt_ajout_frais, Bt_retrait_frais) =
      rowButtons(parent, "Bt_ajout_frais", "Bt_retrait_frais", QPoint(kRight + kGridWidth + 6, 20));
}

void OfferEntriesPart::createConnections() {
  onClick(Bt_ajout_deblocage, this, &OfferEntriesPart::Bt_ajout_deblocageClick);
  onClick(Bt_retrait_deblocage, this, &OfferEntriesPart::Bt_retrait_deblocageClick);
  onClick(Bt_ajout_frais, this, &OfferEntriesPart::Bt_ajout_fraisClick);
  onClick(Bt_retrait_frais, this, &OfferEntriesPart::Bt_retrait_fraisClick);
  onClick(Bt_ajout_palier, this, &OfferEntriesPart::Bt_ajout_palierClick);
  onClick(Bt_retrait_palier, this, &OfferEntriesPart::Bt_retrait_palierClick);
  for (QLineEdit* field : {ch_nom_emp, ch_date_offre, ch_taeg_annonce, ch_taea_annonce, ch_usure,
                           ch_premiere_echeance, ch_taux_debiteur, ch_nombre_echeances,
                           ch_nombre_differe, ch_assurance_montant, ch_assurance_taux}) {
    connect(field, &QLineEdit::textChanged, this, &OfferEntriesPart::changed);
    connect(field, &QLineEdit::textEdited, this, &OfferEntriesPart::edited);
  }
  for (QComboBox* box : {ch_nature, ch_periodicite, ch_assurance, ch_base_periode_brisee,
                         ch_echeances, ch_regle, ch_differe, ch_assurance_mode}) {
    connect(box, &QComboBox::currentIndexChanged, this, &OfferEntriesPart::changed);
    connect(box, &QComboBox::activated, this, &OfferEntriesPart::edited);
  }
  for (QComboBox* box : {ch_echeances, ch_differe, ch_assurance_mode})
    connect(box, &QComboBox::currentIndexChanged, this, &OfferEntriesPart::showChosenInstalments);
  for (EntryGrid* grid : {grille_deblocages, grille_frais, grille_paliers}) {
    connect(grid, &EntryGrid::changed, this, &OfferEntriesPart::changed);
    connect(grid, &EntryGrid::edited, this, &OfferEntriesPart::edited);
  }
}

// What a screen reader says of the controls that show no caption of their own.
void OfferEntriesPart::describeControls() {
  const std::pair<QWidget*, const char*> descriptions[] = {
      {ch_nom_emp, "Emprunteur"},
      {ch_nature, "Nature du prêt"},
      {ch_date_offre, "Date de l'offre, jj/mm/aaaa"},
      {ch_taeg_annonce, "TAEG annoncé, en %"},
      {ch_taea_annonce, "TAEA annoncé, en point"},
      {ch_usure, "Seuil de l'usure, en %"},
      {ch_periodicite, "Périodicité des échéances"},
      {grille_deblocages, "Déblocages : date, montant"},
      {grille_frais, "Frais : libellé, montant, date"},
      {ch_premiere_echeance, "Date de la première échéance, jj/mm/aaaa"},
      {ch_assurance, "Assurance obligatoire ou facultative"},
      {ch_taux_debiteur, "Taux débiteur, en % l'an"},
      {ch_base_periode_brisee, "Jours par an des intérêts d'une période brisée"},
      {ch_echeances, "Échéances : paliers saisis ou conditions de l'offre"},
      {grille_paliers, "Paliers : nombre, montant hors assurance, assurance par échéance"},
      {ch_nombre_echeances, "Nombre d'échéances, différées comprises"},
      {ch_regle, "Règle des échéances : contrat ou commission"},
      {ch_differe, "Différé : aucun, partiel ou total"},
      {ch_nombre_differe, "Nombre d'échéances différées"},
      {ch_assurance_mode, "Prime d'assurance : aucune, fixe, sur le capital initial ou restant"},
      {ch_assurance_montant, "Prime d'assurance par échéance, en euros"},
      {ch_assurance_taux, "Taux annuel de l'assurance, en %"},
      {grille_paliers_calcules,
       "Paliers calculés : nombre, montant hors assurance, assurance par échéance"},
      {info, "Message"},
  };
  for (const auto& [widget, description] : descriptions)
    controls::describe(widget, QString::fromUtf8(description));
  const std::pair<QPushButton*, const char*> rowCommands[] = {
      {Bt_ajout_deblocage, "Ajouter un déblocage"}, {Bt_retrait_deblocage, "Retirer un déblocage"},
      {Bt_ajout_frais, "Ajouter des frais"},        {Bt_retrait_frais, "Retirer des frais"},
      {Bt_ajout_palier, "Ajouter un palier"},       {Bt_retrait_palier, "Retirer un palier"},
  };
  for (const auto& [button, description] : rowCommands)
    button->setToolTip(QString::fromUtf8(description));
}

OfferForm OfferEntriesPart::form() const {
  OfferForm form;
  form.borrower = ch_nom_emp->text();
  form.nature = ch_nature->currentText();
  form.offerDate = ch_date_offre->text();
  form.announcedTaeg = ch_taeg_annonce->text();
  form.announcedTaea = ch_taea_annonce->text();
  form.usuryThreshold = ch_usure->text();
  form.periodicity = ch_periodicite->currentText();
  form.drawdowns = grille_deblocages->rows();
  form.fees = grille_frais->rows();
  form.firstInstalment = ch_premiere_echeance->text();
  form.insurance = ch_assurance->currentText();
  form.debitRate = ch_taux_debiteur->text();
  form.brokenPeriodBase = ch_base_periode_brisee->currentText();
  form.instalments = ch_echeances->currentText();
  form.steps = grille_paliers->rows();
  form.instalmentCount = ch_nombre_echeances->text();
  form.rule = ch_regle->currentText();
  form.deferral = ch_differe->currentText();
  form.deferralCount = ch_nombre_differe->text();
  form.insuranceMode = ch_assurance_mode->currentText();
  form.insurancePremium = ch_assurance_montant->text();
  form.insuranceRate = ch_assurance_taux->text();
  return form;
}

void OfferEntriesPart::show(const OfferForm& form) {
  ch_nom_emp->setText(form.borrower);
  ch_nature->setCurrentText(form.nature);
  ch_date_offre->setText(form.offerDate);
  ch_taeg_annonce->setText(form.announcedTaeg);
  ch_taea_annonce->setText(form.announcedTaea);
  ch_usure->setText(form.usuryThreshold);
  ch_periodicite->setCurrentText(form.periodicity);
  grille_deblocages->setRows(form.drawdowns);
  grille_frais->setRows(form.fees);
  ch_premiere_echeance->setText(form.firstInstalment);
  ch_assurance->setCurrentText(form.insurance);
  ch_taux_debiteur->setText(form.debitRate);
  ch_base_periode_brisee->setCurrentText(form.brokenPeriodBase);
  ch_echeances->setCurrentText(form.instalments);
  grille_paliers->setRows(form.steps);
  ch_nombre_echeances->setText(form.instalmentCount);
  ch_regle->setCurrentText(form.rule);
  ch_differe->setCurrentText(form.deferral);
  ch_nombre_differe->setText(form.deferralCount);
  ch_assurance_mode->setCurrentText(form.insuranceMode);
  ch_assurance_montant->setText(form.insurancePremium);
  ch_assurance_taux->setText(form.insuranceRate);
}

void OfferEntriesPart::erase() {
  clearRefusal();
  OfferForm blank;
  blank.periodicity = periodicityItems().front();
  blank.insurance = insuranceItems().front();
  blank.brokenPeriodBase = brokenPeriodBaseItems().front();
  blank.instalments = instalmentsItems().front();
  blank.rule = ruleItems().front();
  blank.deferral = deferralItems().front();
  blank.insuranceMode = insuranceModeItems().front();
  show(blank);
}

QWidget* OfferEntriesPart::widgetOf(OfferField field) const {
  switch (field) {
    case OfferField::Borrower:
      return ch_nom_emp;
    case OfferField::Nature:
      return ch_nature;
    case OfferField::OfferDate:
      return ch_date_offre;
    case OfferField::AnnouncedTaeg:
      return ch_taeg_annonce;
    case OfferField::AnnouncedTaea:
      return ch_taea_annonce;
    case OfferField::UsuryThreshold:
      return ch_usure;
    case OfferField::Periodicity:
      return ch_periodicite;
    case OfferField::Drawdowns:
      return grille_deblocages;
    case OfferField::Fees:
      return grille_frais;
    case OfferField::FirstInstalment:
      return ch_premiere_echeance;
    case OfferField::Insurance:
      return ch_assurance;
    case OfferField::DebitRate:
      return ch_taux_debiteur;
    case OfferField::BrokenPeriodBase:
      return ch_base_periode_brisee;
    case OfferField::Instalments:
      return ch_echeances;
    case OfferField::Steps:
      return grille_paliers;
    case OfferField::InstalmentCount:
      return ch_nombre_echeances;
    case OfferField::Rule:
      return ch_regle;
    case OfferField::Deferral:
      return ch_differe;
    case OfferField::DeferralCount:
      return ch_nombre_differe;
    case OfferField::InsuranceMode:
      return ch_assurance_mode;
    case OfferField::InsurancePremium:
      return ch_assurance_montant;
    case OfferField::InsuranceRate:
      return ch_assurance_taux;
  }
  return nullptr;
}

EntryGrid* OfferEntriesPart::gridOf(OfferField field) const {
  return qobject_cast<EntryGrid*>(widgetOf(field));
}

void OfferEntriesPart::markRefusal(const FormRefusal& refusal) {
  clearRefusal();
  if (EntryGrid* grid = gridOf(refusal.field)) {
    grid->markCell(refusal.column, refusal.row);
  } else {
    marked_ = widgetOf(refusal.field);
    if (qobject_cast<QLineEdit*>(marked_)) {
      colors::setBackground(marked_, colors::Yellow);
    } else {
      QPalette palette = choicePalette_;
      palette.setColor(QPalette::Button, colors::Yellow);
      palette.setColor(QPalette::Base, colors::Yellow);
      marked_->setPalette(palette);
    }
    marked_->setFocus();
  }
  info->setColor(colors::Aqua);
  info->setText(refusal.message);
  controls::describe(info, refusal.message);
}

void OfferEntriesPart::clearRefusal() {
  if (qobject_cast<QLineEdit*>(marked_))
    colors::setBackground(marked_, colors::White);
  else if (marked_)
    marked_->setPalette(choicePalette_);
  marked_ = nullptr;
  for (EntryGrid* grid : {grille_deblocages, grille_frais, grille_paliers}) grid->clearMark();
  info->setColor(colors::Light3D);
  info->clear();
  controls::describe(info, QStringLiteral("Message"));
}

QList<QLineEdit*> OfferEntriesPart::enterChain() const {
  return {ch_nom_emp,        ch_date_offre,        ch_taeg_annonce,  ch_taea_annonce,
          ch_usure,          ch_premiere_echeance, ch_taux_debiteur, ch_nombre_echeances,
          ch_nombre_differe, ch_assurance_montant, ch_assurance_taux};
}

void OfferEntriesPart::Bt_ajout_deblocageClick() {
  grille_deblocages->addRow();
}
void OfferEntriesPart::Bt_retrait_deblocageClick() {
  grille_deblocages->removeRow();
}
void OfferEntriesPart::Bt_ajout_fraisClick() {
  grille_frais->addRow();
}
void OfferEntriesPart::Bt_retrait_fraisClick() {
  grille_frais->removeRow();
}
void OfferEntriesPart::Bt_ajout_palierClick() {
  grille_paliers->addRow();
}
void OfferEntriesPart::Bt_retrait_palierClick() {
  grille_paliers->removeRow();
}

}  // namespace kalmoris
