// The instalments of the offer's entries, under the fees: the first instalment, the insurance
// and the debit rate, then the instalments typed as steps or the terms they are generated from,
// with the steps generated from them.
#include "offer/core/offer_result_texts.h"
#include "offer/entry_grid.h"
#include "offer/entry_layout.h"
#include "offer/offer_entries_part.h"
#include "offer/result_grid.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

using namespace entry_layout;

namespace {

constexpr int kInstalmentsTop = 206;  // the steps, or the terms, from here to kBottom
constexpr int kTermCaptionWidth = 96;
constexpr int kTermRowStep = 22;
constexpr int kTermRowHeight = 20;
constexpr int kGeneratedTop = 3 * kTermRowStep;  // in the terms' panel, under three rows

QLineEdit* termField(QWidget* parent, const char* name, QRect place) {
  QLineEdit* field = controls::edit(parent, name, place);
  field->setFont(QFont(QStringLiteral("Arial"), 8));
  return field;
}

}  // namespace

void OfferEntriesPart::createInstalments() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  const QPoint first(kRight, 110);
  const QPoint insurance(kRight, 110 + kRowStep);
  const QPoint rate(kRight, 110 + 2 * kRowStep);
  caption(parent, "Lib_premiere_echeance", "PREMIERE ECHEANCE :", first, colors::Green);
  ch_premiere_echeance = controls::edit(parent, "ch_premiere_echeance", fieldPlace(first, 90));
  unitNote(parent, "Label_premiere_echeance", "jj/mm/aaaa", ch_premiere_echeance->geometry());
  caption(parent, "Lib_assurance", "ASSURANCE :", insurance, colors::Green);
  ch_assurance = choice(parent, "ch_assurance", insuranceItems(), fieldPlace(insurance, 130));
  caption(parent, "Lib_taux_debiteur", "TAUX DEBITEUR :", rate, colors::Green);
  ch_taux_debiteur = controls::edit(parent, "ch_taux_debiteur", fieldPlace(rate, 60));
  QLabel* unit =
      unitNote(parent, "Label_taux_debiteur", "% l'an,", ch_taux_debiteur->geometry(), 44);
  controls::label(parent, "Label_base_periode_brisee", QStringLiteral("jours/an :"),
                  QRect(unit->geometry().right() + 2, unit->y(), 52, 17));
  ch_base_periode_brisee = choice(parent, "ch_base_periode_brisee", brokenPeriodBaseItems(),
                                  QRect(kRight + 384 - 50, rate.y(), 50, kRowHeight));
  createInstalmentChoice();
  grille_paliers =
      new EntryGrid(parent, "grille_paliers",
                    QRect(kRight, kInstalmentsTop, kGridWidth, kBottom - kInstalmentsTop),
                    {QStringLiteral("Nombre"), QStringLiteral("Montant hors ass."),
                     QStringLiteral("Assurance / éch.")},
                    {56, 110, 100});
  std::tie(Bt_ajout_palier, Bt_retrait_palier) =
      rowButtons(parent, "Bt_ajout_palier", "Bt_retrait_palier",
                 QPoint(kRight + kGridWidth + 6, kInstalmentsTop));
  createTerms();
  showChosenInstalments();
}

void OfferEntriesPart::createInstalmentChoice() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  const QPoint place(kRight, 110 + 3 * kRowStep);
  caption(parent, "Lib_echeances", "ECHEANCES :", place, colors::Green);
  ch_echeances = choice(parent, "ch_echeances", instalmentsItems(), fieldPlace(place, 170));
}

// The terms on a panel in the place of the typed steps: three rows of choices and fields, then
// the steps generated from them under their captions.
void OfferEntriesPart::createTerms() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  Panel_conditions = controls::panel(parent, "Panel_conditions", QString(),
                                     QRect(kRight, kInstalmentsTop, 384, kBottom - kInstalmentsTop),
                                     colors::Light3D);
  Panel_conditions->setBevel(false);
  controls::describe(Panel_conditions, QStringLiteral("Conditions de l'offre"));
  QWidget* const terms = Panel_conditions;
  const auto row = [](int k) { return QPoint(0, k * kTermRowStep); };
  const auto termCaption = [&](const char* name, const char* text, QPoint place,
                               int width = kTermCaptionWidth) {
    caption(terms, name, text, place, colors::Green, width)->resize(width, kTermRowHeight);
  };
  const auto after = [](QPoint place, int offset, int width) {
    return QRect(place.x() + offset, place.y(), width, kTermRowHeight);
  };
  const int field = kTermCaptionWidth + 4;

  termCaption("Lib_nombre_echeances", "NB ECHEANCES :", row(0));
  ch_nombre_echeances = termField(terms, "ch_nombre_echeances", after(row(0), field, 50));
  termCaption("Lib_regle", "REGLE :", row(0) + QPoint(164, 0), 60);
  ch_regle = choice(terms, "ch_regle", ruleItems(), after(row(0), 228, 110));

  termCaption("Lib_differe", "DIFFERE :", row(1));
  ch_differe = choice(terms, "ch_differe", deferralItems(), after(row(1), field, 86));
  ch_nombre_differe = termField(terms, "ch_nombre_differe", after(row(1), field + 90, 44));
  controls::label(terms, "Label_nombre_differe", QStringLiteral("échéances différées"),
                  after(row(1) + QPoint(0, 2), field + 140, 140));

  termCaption("Lib_assurance_mode", "PRIME :", row(2));
  ch_assurance_mode =
      choice(terms, "ch_assurance_mode", insuranceModeItems(), after(row(2), field, 120));
  ch_assurance_montant = termField(terms, "ch_assurance_montant", after(row(2), field + 124, 70));
  ch_assurance_taux = termField(terms, "ch_assurance_taux", after(row(2), field + 124, 70));
  Label_assurance_unite = controls::label(terms, "Label_assurance_unite", QString(),
                                          after(row(2) + QPoint(0, 2), field + 198, 90));

  gridTitle(terms, "Label_paliers_calcules", "PALIERS CALCULES (à comparer au tableau du prêteur)",
            QPoint(0, kGeneratedTop));
  const int gridTop = kGeneratedTop + 17;
  grille_paliers_calcules = new ResultGrid(
      terms, "grille_paliers_calcules", QRect(0, gridTop, 384, kBottom - kInstalmentsTop - gridTop),
      {QStringLiteral("Nombre"), QStringLiteral("Montant hors ass."),
       QStringLiteral("Assurance / éch.")},
      {56, 110, 100}, {});
  grille_paliers_calcules->setDefaultRowHeight(18);
  grille_paliers_calcules->verticalHeader()->setVisible(true);  // the steps' numbers
  grille_paliers_calcules->verticalHeader()->setFixedWidth(24);
}

void OfferEntriesPart::showChosenInstalments() {
  const bool typed = ch_echeances->currentIndex() == 0;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{grille_paliers, Bt_ajout_palier, Bt_retrait_palier})
    widget->setVisible(typed);
  Panel_conditions->setVisible(!typed);
  ch_nombre_differe->setEnabled(ch_differe->currentIndex() > 0);
  const int mode = ch_assurance_mode->currentIndex();
  ch_assurance_montant->setVisible(mode == 1);
  ch_assurance_taux->setVisible(mode >= 2);
  Label_assurance_unite->setText(mode == 1   ? QStringLiteral("€ par échéance")
                                 : mode >= 2 ? QStringLiteral("% l'an")
                                             : QString());
}

void OfferEntriesPart::showGeneratedSteps(const std::vector<GeneratedStep>& steps) {
  GridTexts rows;
  for (const GeneratedStep& step : steps) rows.push_back(generatedStepCells(step));
  grille_paliers_calcules->setRows(rows);
}

}  // namespace kalmoris
