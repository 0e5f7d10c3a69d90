// The upper part of the dossier screen: the title, the borrower, the amount and counts, the
// fees, the announced TEG, the validate and erase-all buttons, the two red bars, and what the
// validation shows over the grid.
#include "dossier/dossier_header.h"

#include "dossier/core/dossier_captions.h"
#include "dossier/core/dossier_view.h"
#include "dossier/core/header_validation.h"
#include "dossier/help_tab.h"
#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/handler.h"
#include "ui/panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace kalmoris {

namespace {

constexpr int kLeftCaption = 8;
constexpr int kLeftField = 202;
constexpr int kFeeCaption = 440;
constexpr int kFeeLabel = 504;
constexpr int kFeeAmount = 640;
constexpr int kRowHeight = 21;
constexpr int kBarThin = 1;
constexpr int kBarThick = 5;

// The caption panel beside a field: white bold text on navy (the dossier) or green (the fees).
Panel* caption(QWidget* parent, const char* name, const char* text, QRect place,
               const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString::fromUtf8(text), place, color);
  panel->setCaptionColor(colors::White);
  panel->setCaptionFont(controls::boldFont(8));
  panel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return panel;
}

QLabel* smallNote(QWidget* parent, const char* name, const char* text, QRect place) {
  QLabel* note = controls::note(parent, name, QString::fromUtf8(text), place);
  note->setFont(QFont(QStringLiteral("Arial"), 7));
  return note;
}

QRect leftCaption(int top) {
  return {kLeftCaption, top, 190, kRowHeight};
}
QRect leftField(int top, int width) {
  return {kLeftField, top, width, kRowHeight};
}

// A panel hidden until the validation shows it.
Panel* hiddenPanel(QWidget* parent, const char* name, QRect place, const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString(), place, color);
  panel->hide();
  return panel;
}

}  // namespace

DossierHeader::DossierHeader(QWidget* parent, LoanDossier& dossier, DossierView& view)
    : QObject(parent), dossier_(dossier), view_(view) {
  createTitle();
  createFields();
  createCommands();
  createSignals();
  createConnections();
  describeControls();
}

void DossierHeader::createTitle() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  Panel19 = controls::panel(parent, "Panel19", QStringLiteral("VERIFICATION D'UN PRET"),
                            QRect(8, 3, 250, 24), colors::Lime);
  Panel19->setCaptionFont(controls::boldFont(11));
  Panel20 = helpTab(parent, "Panel20", QRect(262, 5, 18, 20));
  VOIR_EXEMPLES = controls::button(parent, "VOIR_EXEMPLES", QStringLiteral("Voir EXEMPLES"),
                                   QRect(300, 3, 128, 24));
  VOIR_EXEMPLES->setFont(controls::boldFont(9));
}

void DossierHeader::createFields() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  caption(parent, "Lib_nom_emp", "EMPRUNTEUR :", leftCaption(31), colors::Navy);
  ch_nom_emp = controls::edit(parent, "ch_nom_emp", leftField(31, 226));
  smallNote(parent, "Label_4_zones", "Ces 4 Zones doivent être renseignées dans tous les cas.",
            QRect(kLeftCaption, 55, 420, 13));
  caption(parent, "Lib_capital", "MONTANT PRET:", leftCaption(70), colors::Navy);
  ch_capital = controls::edit(parent, "ch_capital", leftField(70, 120));
  caption(parent, "Lib_nb_remb", "Nb. Tot. REMBOURS...", leftCaption(94), colors::Navy);
  ch_nb_remb = controls::edit(parent, "ch_nb_remb", leftField(94, 64));
  caption(parent, "Lib_remb_an", "Nb. REMBOURS... / AN..:", leftCaption(118), colors::Navy);
  ch_remb_an = controls::edit(parent, "ch_remb_an", leftField(118, 64));
  caption(parent, "Lib_grpv", "COMBIEN DE BLOCS de SAISIE ?:", leftCaption(142), colors::Navy);
  ch_grpv = controls::edit(parent, "ch_grpv", leftField(142, 64));
  ch_grpv->setText(QStringLiteral("2"));
  controls::label(parent, "Label_mini", QStringLiteral("(mini=2)"), QRect(272, 144, 60, 16));

  smallNote(parent, "Label_zones_frais",
            "Ces Zones sont à compléter, si des frais existent, dans le cadre de calcul d'un "
            "TEG",
            QRect(kFeeCaption, 28, 270, 26));
  Pan_AIDE_FRAIS_ = helpTab(parent, "Pan_AIDE_FRAIS_", QRect(716, 31, 18, 20));
  const char* const feeCaptions[] = {" FRAIS 1", "FRAIS 2", "FRAIS 3"};
  const char* const captionNames[] = {"Lib_fr1", "Lib_fr2", "Lib_fr3"};
  const char* const labelNames[] = {"ch_fr1_txt", "ch_fr2_txt", "ch_fr3_txt"};
  const char* const amountNames[] = {"ch_fr1_val", "ch_fr2_val", "ch_fr3_val"};
  QLineEdit* labels[3];
  QLineEdit* amounts[3];
  for (int k = 0; k < 3; ++k) {
    const int top = 56 + 22 * k;
    caption(parent, captionNames[k], feeCaptions[k], QRect(kFeeCaption, top, 60, kRowHeight),
            colors::Green);
    labels[k] = controls::edit(parent, labelNames[k], QRect(kFeeLabel, top, 132, kRowHeight));
    amounts[k] = controls::edit(parent, amountNames[k], QRect(kFeeAmount, top, 94, kRowHeight));
  }
  ch_fr1_txt = labels[0];
  ch_fr2_txt = labels[1];
  ch_fr3_txt = labels[2];
  ch_fr1_val = amounts[0];
  ch_fr2_val = amounts[1];
  ch_fr3_val = amounts[2];
  caption(parent, "Panel5", "TOTAL des FRAIS", QRect(kFeeCaption, 122, 196, kRowHeight),
          colors::Green);
  Panel8 = controls::panel(parent, "Panel8", QString(), QRect(kFeeAmount, 122, 94, kRowHeight),
                           colors::White);
  Panel8->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Panel8->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  smallNote(parent, "Label_calcule", "( calculé par le  logiciel )",
            QRect(kFeeAmount - 20, 144, 114, 12))
      ->setAlignment(Qt::AlignRight | Qt::AlignTop);
  caption(parent, "Lib_teg_ann",
          "Pour mémoire: TEG. ANNONCE:", QRect(kFeeCaption, 159, 196, kRowHeight), colors::Green);
  ch_teg_ann = controls::edit(parent, "ch_teg_ann", QRect(kFeeAmount, 159, 70, kRowHeight));
  controls::label(parent, "Label_pourcent", QStringLiteral(" % "), QRect(712, 161, 22, 16));

  fields_ = {ch_nom_emp, ch_capital, ch_nb_remb, ch_remb_an, ch_teg_ann, ch_fr1_txt,
             ch_fr2_txt, ch_fr3_txt, ch_fr1_val, ch_fr2_val, ch_fr3_val, ch_grpv};
}

void DossierHeader::createCommands() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  Panel10 = controls::panel(parent, "Panel10", QString(), QRect(0, 183, 740, 1), colors::Red);
  Panel10->setBevel(false);
  bt_valider = controls::button(parent, "bt_valider", captions::kValidate,
                                QRect(kLeftCaption, 189, 232, 24));
  bt_valider->setFont(controls::boldFont(9));
  Pan_AIDE_VALIDER_ = helpTab(parent, "Pan_AIDE_VALIDER_", QRect(242, 191, 18, 20));
  smallNote(parent, "Label_imperatif",
            "Il faut IMPERATIVEMENT VALIDER toute saisie ou modification avant de continuer sur "
            "la grille en partie basse !",
            QRect(266, 188, 246, 26));
  effac_tout = controls::button(parent, "effac_tout", QStringLiteral("EFFACER TOUTES LES DONNEES"),
                                QRect(518, 189, 196, 24));
  effac_tout->setFont(controls::boldFont(8));
  colors::setTextColor(effac_tout, colors::Red);
  effac_tout->setEnabled(false);
  Pan_AIDE_EFF_DONN_ = helpTab(parent, "Pan_AIDE_EFF_DONN_", QRect(716, 191, 18, 20));
  Panel11 = controls::panel(parent, "Panel11", QString(), QRect(0, 216, 740, 5), colors::Red);
  Panel11->setBevel(false);
}

// What the validation shows over the grid area.
void DossierHeader::createSignals() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  Panel42 = hiddenPanel(parent, "Panel42", QRect(4, 223, 424, 44), colors::Yellow);
  panel_texts::paragraphs(Panel42, "Texte_Panel42",
                          {"VEUILLEZ COMPLETER LA GRILLE CI-DESSOUS",
                           "Avec au moins une valeur dans chaque zone des colonnes 2 et 3",
                           " Colonne 2: ce qui représente le CAPITAL doit être saisi en VALEUR "
                           "NEGATIVE"},
                          QRect(8, 2, 410, 40))
      ->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

  Panel* Panel92 = hiddenPanel(parent, "Panel92", QRect(2, 216, 730, 64), colors::White);
  panel_texts::code(Panel92, "P92");
  controls::describe(Panel92, QStringLiteral("Avertissement (P92)"));
  QLabel* warning = panel_texts::heading(
      Panel92, "Titre_Panel92", QStringLiteral("IMPERATIF: compléter les zones rouges..."), 10);
  warning->setFont(controls::boldFont(12));
  colors::setTextColor(warning, colors::Red);
  panel_texts::heading(Panel92, "Texte_Panel92",
                       QStringLiteral("Sinon il y aurait des risques de blocage du logiciel"), 34)
      ->setFont(QFont(QStringLiteral("Arial"), 9));

  // Out of sight; the validation hides it.
  controls::panel(parent, "Panel27", QStringLiteral("MASQUE PROVISOIRE"), QRect(0, 600, 740, 40),
                  colors::Silver);
}

// Enter moves to the next header field; from the last fee, to the validate button.
void DossierHeader::createConnections() {
  onChange(ch_capital, this, &DossierHeader::ch_capitalChange);
  onChange(ch_nb_remb, this, &DossierHeader::ch_nb_rembChange);
  onChange(ch_remb_an, this, &DossierHeader::ch_remb_anChange);
  onChange(ch_grpv, this, &DossierHeader::ch_grpvChange);
  onClick(bt_valider, this, &DossierHeader::bt_validerClick);
  for (QLineEdit* typed : fields_)
    connect(typed, &QLineEdit::textEdited, this, &DossierHeader::edited);
  linkEnterChain(bt_valider->window(),
                 {ch_nom_emp, ch_capital, ch_nb_remb, ch_remb_an, ch_grpv, ch_fr1_txt, ch_fr1_val,
                  ch_fr2_txt, ch_fr2_val, ch_fr3_txt, ch_fr3_val},
                 [this] { bt_valider->setFocus(Qt::TabFocusReason); });
}

// What a screen reader says of the controls that show no caption of their own.
void DossierHeader::describeControls() {
  const std::pair<QWidget*, const char*> descriptions[] = {
      {Panel20, "Aide : l'ouverture d'un dossier"},
      {ch_nom_emp, "EMPRUNTEUR"},
      {ch_capital, "MONTANT PRET"},
      {ch_nb_remb, "Nombre total de remboursements"},
      {ch_remb_an, "Nombre de remboursements par an"},
      {ch_grpv, "COMBIEN DE BLOCS de SAISIE ?"},
      {Pan_AIDE_FRAIS_, "Aide : les frais"},
      {ch_fr1_txt, "FRAIS 1, libellé"},
      {ch_fr1_val, "FRAIS 1, montant"},
      {ch_fr2_txt, "FRAIS 2, libellé"},
      {ch_fr2_val, "FRAIS 2, montant"},
      {ch_fr3_txt, "FRAIS 3, libellé"},
      {ch_fr3_val, "FRAIS 3, montant"},
      {Panel8, "TOTAL des FRAIS"},
      {ch_teg_ann, "Pour mémoire: TEG. ANNONCE"},
      {Panel10, "Signal de validation"},
      {Pan_AIDE_VALIDER_, "Aide : la validation"},
      {Pan_AIDE_EFF_DONN_, "Aide : effacer les données"},
      {Panel11, "Signal de validation"},
      {Panel42, "Consignes de la grille"},
  };
  for (const auto& [widget, description] : descriptions)
    controls::describe(widget, QString::fromUtf8(description));
}

DossierHeader::Tabs DossierHeader::tabs() const {
  return {Panel20, Pan_AIDE_FRAIS_, Pan_AIDE_VALIDER_, Pan_AIDE_EFF_DONN_, VOIR_EXEMPLES};
}

QLineEdit* DossierHeader::field(HeaderField which) const {
  return fields_[static_cast<std::size_t>(which)];
}

void DossierHeader::finishValidation() {
  effac_tout->setEnabled(true);
  Panel10->resize(Panel10->width(), kBarThick);
  Panel11->resize(Panel11->width(), kBarThin);
  Panel42->show();
}

void DossierHeader::showWaitingLook() {
  Panel10->resize(Panel10->width(), kBarThin);
  Panel11->resize(Panel11->width(), kBarThick);
  bt_valider->setText(captions::kValidate);
}

void DossierHeader::eraseFields() {
  emptyFields();
  dossier_.clearHeaderValues();
  effac_tout->setEnabled(false);
}

void DossierHeader::emptyFields() {
  for (HeaderField which : kHeaderFields)
    if (which != HeaderField::BlockCount) field(which)->clear();
  ch_grpv->setText(QStringLiteral("2"));
  Panel8->clear();
  Panel8->setColor(colors::White);
}

void DossierHeader::headerChanged() {
  showWaitingLook();
  emit changed();
}

void DossierHeader::ch_capitalChange() {
  headerChanged();
}
void DossierHeader::ch_nb_rembChange() {
  headerChanged();
}
void DossierHeader::ch_remb_anChange() {
  headerChanged();
}
void DossierHeader::ch_grpvChange() {
  headerChanged();
}

void DossierHeader::bt_validerClick() {
  validateHeader(dossier_, view_);
}

}  // namespace kalmoris
