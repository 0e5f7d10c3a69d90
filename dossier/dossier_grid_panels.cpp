// The panels over the grid and the results: the grid instructions (P90), the cover after an
// edit (P123), the nominal rate not computable (P216) and the discrepancy panel (P161).
#include "dossier/dossier_grid.h"

#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QLabel>
#include <QPushButton>

#include <utility>

namespace kalmoris {

namespace {

Panel* framedPanel(QWidget* parent, const char* name, QRect place, const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString(), place, color);
  panel->hide();
  return panel;
}

}  // namespace

void DossierGrid::createPanels() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  Panel90 = framedPanel(parent, "Panel90", QRect(456, 227, 280, 250), colors::Aqua);
  panel_texts::code(Panel90, "P90");
  panel_texts::heading(Panel90, "Titre_Panel90", QStringLiteral("TRAVAIL SUR GRILLE :"), 4);
  panel_texts::paragraphs(
      Panel90, "Texte_Panel90",
      {"(Avant de travailler sur la GRILLE, il faut avoir complété et VALIDE la partie "
       "supérieure du tableau)",
       "IMPERATIVEMENT, ce qui représente le CAPITAL doit être saisi en valeur NEGATIVE",
       "Dans les colonnes 2 et 3, toutes les lignes doivent contenir une valeur.",
       "Ne rien taper dans la colonne 6, c'est le logiciel qui se charge de compléter"},
      QRect(8, 24, 264, 140));
  controls::label(Panel90, "Label_volet", QStringLiteral("Ce volet s'effacera en cliquant"),
                  QRect(8, 172, 180, 18))
      ->setFont(QFont(QStringLiteral("Arial"), 8));
  Bt_ICI_ = controls::button(Panel90, "Bt_ICI_", QStringLiteral("ICI"), QRect(190, 169, 70, 24));
  Bt_ICI_->setFont(controls::boldFont(9));
  Bt_ICI_->setEnabled(false);
  panel_texts::paragraphs(Panel90, "Texte_corrections",
                          {"Il sera possible d'apporter des corrections dans la GRILLE puis de "
                           "relancer le calcul"},
                          QRect(8, 200, 264, 44));

  Panel123 = framedPanel(parent, "Panel123", QRect(456, 250, 280, 226), colors::Silver);
  panel_texts::code(Panel123, "P123");
  panel_texts::heading(Panel123, "Titre_Panel123", QStringLiteral("INTERVENTION(S) sur GRILLE"), 8);
  panel_texts::paragraphs(
      Panel123, "Texte_Panel123",
      {"Ne pas intervenir Colonne 1 ou Colonne 6", "",
       "Les calculs déjà éxécutés, mais masqués par ce cache, ne sont plus "
       "valables.",
       "", "Procéder aux modifications nécessaires.", "", "Cliquer sur CALCULER..."},
      QRect(12, 36, 256, 180));

  Panel216 = framedPanel(parent, "Panel216", QRect(468, 274, 262, 84), colors::Yellow);
  panel_texts::code(Panel216, "P216");
  QLabel* notComputable = panel_texts::paragraphs(
      Panel216, "Texte_Panel216",
      {"Le TAUX NOMINAL ou MOYEN ne peut pas être calculé avec versements ZERO et décalages..."},
      QRect(10, 18, 242, 60));
  notComputable->setFont(controls::boldFont(9));
  colors::setTextColor(notComputable, colors::Red);
}

void DossierGrid::createDiscrepancyPanel() {
  Panel161 = framedPanel(qobject_cast<QWidget*>(parent()), "Panel161", QRect(432, 221, 306, 278),
                         colors::Yellow);
  panel_texts::code(Panel161, "P161");
  QLabel* title =
      panel_texts::heading(Panel161, "Titre_Panel161", QStringLiteral("DISCORDANCE:"), 4);
  colors::setTextColor(title, colors::Red);
  panel_texts::paragraphs(
      Panel161, "Texte_Panel161",
      {"Le logiciel relève les discordances entre les données de la partie supérieure et celles "
       "de la grille de saisie.",
       "Les calculs ne seront effectués qu'après élimination de ces discordances...",
       "Si la grille affiche des données telles que -1 et 1 en colonnes 2 et 3, c'est qu'un "
       "calcul aura été lancé alors qu'il manquait des éléments essentiels dans la grille"},
      QRect(8, 24, 290, 110));
  const QFont captionFont = controls::boldFont(7);
  for (const auto& [name, top] : {std::pair{"Label134", 138}, std::pair{"Label136", 164}}) {
    QLabel* caption = controls::label(Panel161, name, QString(), QRect(8, top, 206, 22));
    caption->setFont(captionFont);
    caption->setWordWrap(true);
  }
  Panel163 =
      controls::panel(Panel161, "Panel163", QString(), QRect(216, 138, 82, 22), colors::White);
  Panel164 =
      controls::panel(Panel161, "Panel164", QString(), QRect(216, 164, 82, 22), colors::White);
  for (Panel* value : {Panel163, Panel164}) {
    value->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setCaptionFont(controls::boldFont(8));
  }
  panel_texts::paragraphs(Panel161, "Texte_rectifier",
                          {"Veuillez vérifier vos données et  rectifier. Toute intervention en "
                           "partie haute demande VALIDATION. Ensuite, relancer le calcul."},
                          QRect(8, 192, 290, 48));
  Pan_EFF_DISCOR_ = controls::button(Panel161, "Pan_EFF_DISCOR_", QStringLiteral("RE-CALCUL !"),
                                     QRect(93, 244, 120, 26));
  Pan_EFF_DISCOR_->setFont(controls::boldFont(9));
  colors::setTextColor(Pan_EFF_DISCOR_, colors::Red);
  Pan_EFF_DISCOR_->setEnabled(false);
}

}  // namespace kalmoris
