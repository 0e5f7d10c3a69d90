// The help panels of the "?" tabs: opening a dossier (P17), the fees (P15), the validation
// (P43) and erasing (P215). Each one's "VU" button hides it.
#include "dossier/dossier_help.h"

#include "ui/colors.h"
#include "ui/help_panel.h"
#include "ui/panel.h"

#include <QStringList>

namespace kalmoris {

namespace {

QString lines(std::initializer_list<const char*> paragraphs) {
  QStringList texts;
  for (const char* paragraph : paragraphs) texts.append(QString::fromUtf8(paragraph));
  return texts.join(QLatin1Char('\n'));
}

}  // namespace

DossierHelp::DossierHelp(QWidget* screenArea, QWidget* mainPanel) : QObject(mainPanel) {
  Panel17 = makeHelpPanel(
      screenArea, "Panel17", QStringLiteral("P17"), QString(),
      lines({"L'ouverture d'un dossier de prêt en vue de son contrôle peut être une opération "
             "simple ou très fastidieuse et va dépendre surtout du nombre de Blocs de Saisie.",
             "",
             "Pour bien comprendre ce que sont ces \"BLOCS de SAISIE\", cliquer sur le bouton "
             "marqué \" VOIR EXEMPLES\"."}),
      QRect(30, 220, 420, 160), "Bt_VU_OUV_DOSS_", colors::Yellow);
  Panel15 = makeHelpPanel(
      screenArea, "Panel15", QStringLiteral("P15"), QString(),
      lines({"LES FRAIS:  ",
             "Ce sont les frais de dossier, les frais de notaire ou ceux des intermédiaires.",
             "Seules 3 lignes sont prévues : s'il y a davantage de frais, il faut les regrouper.",
             "Il arrive que le prêteur exprime des frais en pourcentage du capital : il faut "
             "alors les convertir en montants par un calcul à part.",
             "Les frais ne servent qu'au calcul du TEG ; ils sont sans effet sur le taux nominal.",
             "Une erreur ou un oubli pourra être corrigé par la suite, puis VALIDE à nouveau.",
             "Les grilles des EXEMPLES montrent comment saisir les frais."}),
      QRect(88, 200, 470, 200), "Bt_VU_FRAIS_", colors::Yellow);
  Panel43 = makeHelpPanel(
      mainPanel, "Panel43", QStringLiteral("P43"), QStringLiteral("AVERTISSEMENT"),
      lines({"Chaque intervention en partie supérieure doit être confirmée par \" VALIDER \". ",
             "La validation met en mémoire les données nécessaires à la suite des calculs ; le "
             "nombre de BLOCS de SAISIE fixe le nombre de lignes de la grille.",
             "La grille devient alors opérationnelle.",
             "Le CAPITAL y est saisi une deuxième fois, en valeur NEGATIVE, avec les "
             "remboursements, leur nombre, les assurances et les frais."}),
      QRect(0, 214, 480, 190), "Bt_VU_AVERT_", colors::Yellow);
  Panel215 = makeHelpPanel(mainPanel, "Panel215", QStringLiteral("P215"), QString(),
                           lines({"Avant d'ouvrir un Fichier:", "Avant de faire une autre saisie:",
                                  "Il est préférable d'effacer les données d'un précédent calcul.",
                                  "(Après leur sauvegarde, bien entendu...)"}),
                           QRect(88, 120, 340, 124), "Bt_VU_AID_EFF_DONN_", colors::Yellow);
}

void DossierHelp::Panel16Click() {
  Panel17->showAt(30, 220);
}
void DossierHelp::Pan_AIDE_FRAIS_Click() {
  Panel15->showAt(88, 200);
}
void DossierHelp::Pan_AIDE_VALIDER_Click() {
  Panel43->showAt(20, 220);
}
void DossierHelp::Pan_AIDE_EFF_DONN_Click() {
  Panel215->showAt(88, 120);
}

void DossierHelp::hideValidationHelp() {
  Panel43->hide();
}

void DossierHelp::hideEraseHelp() {
  Panel215->hide();
}

}  // namespace kalmoris
