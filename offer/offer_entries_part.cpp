// The upper part of the offer's screen: the offer and its drawdowns at the left, the fees, the
// first instalment, the insurance and the steps at the right, and the message panel.
#include "offer/offer_entries_part.h"

#include "core/counting_rate.h"
#include "offer/entry_grid.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

namespace {

constexpr int kLeft = 8;
constexpr int kRight = 408;
constexpr int kCaptionWidth = 168;
constexpr int kFieldOffset = 174;  // from a caption's left to its field's
constexpr int kRowHeight = 21;
constexpr int kRowStep = 24;
constexpr int kGridWidth = 300;
constexpr int kRowButtonWidth = 82;

// The caption beside a field: white bold text on navy (the offer) or green (the instalments).
Panel* caption(QWidget* parent, const char* name, const char* text, QPoint place,
               const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString::fromUtf8(text),
                                 QRect(place, QSize(kCaptionWidth, kRowHeight)), color);
  panel->setCaptionColor(colors::White);
  panel->setCaptionFont(controls::boldFont(8));
  panel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return panel;
}

QRect fieldPlace(QPoint captionPlace, int width) {
  return {captionPlace.x() + kFieldOffset, captionPlace.y(), width, kRowHeight};
}

// A short note after a field: its unit or the shape of its text.
void unitNote(QWidget* parent, const char* name, const char* text, QRect field) {
  controls::label(parent, name, QString::fromUtf8(text),
                  QRect(field.right() + 6, field.top() + 2, 90, 17));
}

QComboBox* choice(QWidget* parent, const char* name, const QStringList& items, QRect place) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(place);
  box->addItems(items);
  return box;
}

QLabel* gridTitle(QWidget* parent, const char* name, const char* text, QPoint place) {
  QLabel* title =
      controls::label(parent, name, QString::fromUtf8(text), QRect(place, QSize(384, 16)));
  title->setFont(controls::boldFont(8));
  return title;
}

// The two buttons beside a grid that add a row to it and remove one.
std::pair<QPushButton*, QPushButton*> rowButtons(QWidget* parent, const char* addName,
                                                 const char* removeName, QPoint place) {
  QPushButton* add = controls::button(parent, addName, QStringLiteral("AJOUTER"),
                                      QRect(place, QSize(kRowButtonWidth, 24)));
  QPushButton* remove = controls::button(parent, removeName, QStringLiteral("RETIRER"),
                                         QRect(place + QPoint(0, 28), QSize(kRowButtonWidth, 24)));
  return {add, remove};
}

}  // namespace

OfferEntriesPart::OfferEntriesPart(QWidget* parent) : QObject(parent) {
  createOfferFields();
  createDrawdowns();
  createFees();
  createInstalments();
  info = controls::panel(parent, "info", QString(), QRect(kLeft, 562, 784, 22), colors::Light3D);
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
      new EntryGrid(parent, "grille_deblocages", QRect(kLeft, 222, kGridWidth, 84),
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

void OfferEntriesPart::createInstalments() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  const QPoint first(kRight, 110);
  const QPoint insurance(kRight, 110 + kRowStep);
  caption(parent, "Lib_premiere_echeance", "PREMIERE ECHEANCE :", first, colors::Green);
  ch_premiere_echeance = controls::edit(parent, "ch_premiere_echeance", fieldPlace(first, 90));
  unitNote(parent, "Label_premiere_echeance", "jj/mm/aaaa", ch_premiere_echeance->geometry());
  caption(parent, "Lib_assurance", "ASSURANCE :", insurance, colors::Green);
  ch_assurance = choice(parent, "ch_assurance", insuranceItems(), fieldPlace(insurance, 130));
  gridTitle(parent, "Label_paliers", "PALIERS D'ECHEANCES", QPoint(kRight, 162));
  grille_paliers = new EntryGrid(parent, "grille_paliers", QRect(kRight, 178, kGridWidth, 128),
                                 {QStringLiteral("Nombre"), QStringLiteral("Montant hors ass."),
                                  QStringLiteral("Assurance / éch.")},
                                 {56, 110, 100});
  std::tie(Bt_ajout_palier, Bt_retrait_palier) = rowButtons(
      parent, "Bt_ajout_palier", "Bt_retrait_palier", QPoint(kRight + kGridWidth + 6, 178));
}

void OfferEntriesPart::createConnections() {
  onClick(Bt_ajout_deblocage, this, &OfferEntriesPart::Bt_ajout_deblocageClick);
  onClick(Bt_retrait_deblocage, this, &OfferEntriesPart::Bt_retrait_deblocageClick);
  onClick(Bt_ajout_frais, this, &OfferEntriesPart::Bt_ajout_fraisClick);
  onClick(Bt_retrait_frais, this, &OfferEntriesPart::Bt_retrait_fraisClick);
  onClick(Bt_ajout_palier, this, &OfferEntriesPart::Bt_ajout_palierClick);
  onClick(Bt_retrait_palier, this, &OfferEntriesPart::Bt_retrait_palierClick);
  for (QLineEdit* field : {ch_nom_emp, ch_date_offre, ch_taeg_annonce, ch_taea_annonce, ch_usure,
                           ch_premiere_echeance}) {
    connect(field, &QLineEdit::textChanged, this, &OfferEntriesPart::changed);
    connect(field, &QLineEdit::textEdited, this, &OfferEntriesPart::edited);
  }
  for (QComboBox* box : {ch_nature, ch_periodicite, ch_assurance}) {
    connect(box, &QComboBox::currentIndexChanged, this, &OfferEntriesPart::changed);
    connect(box, &QComboBox::activated, this, &OfferEntriesPart::edited);
  }
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
      {grille_paliers, "Paliers : nombre, montant hors assurance, assurance par échéance"},
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
  form.steps = grille_paliers->rows();
  form.insurance = ch_assurance->currentText();
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
  grille_paliers->setRows(form.steps);
  ch_assurance->setCurrentText(form.insurance);
}

void OfferEntriesPart::erase() {
  clearRefusal();
  OfferForm blank;
  blank.periodicity = periodicityItems().front();
  blank.insurance = insuranceItems().front();
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
    case OfferField::Steps:
      return grille_paliers;
    case OfferField::Insurance:
      return ch_assurance;
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
  return {ch_nom_emp,      ch_date_offre, ch_taeg_annonce,
          ch_taea_annonce, ch_usure,      ch_premiere_echeance};
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
