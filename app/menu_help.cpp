#include "app/menu_help.h"

#include <QStringList>

namespace kalmoris {

namespace {

const char* const kChoicesFirst =
    "Obligation de choisir la monnaie et le type de taux (proportionnel ou actuariel) avant les "
    "calculs";

QString lines(std::initializer_list<const char*> paragraphs) {
  QStringList texts;
  for (const char* paragraph : paragraphs) texts.append(QString::fromUtf8(paragraph));
  return texts.join(QLatin1Char('\n'));
}

}  // namespace

MenuHelp menuHelp(const QString& code) {
  if (code == QLatin1String("P8"))
    return {QString(),
            lines({"Ce logiciel permet de vérifier le TAUX EFFECTIF GLOBAL (TEG) d'un prêt "
                   "immobilier (ou autre), simulations, tableau d'amortissement et divers autres "
                   "calculs..",
                   "",
                   "La vérification d'un dossier de prêt demande quelques connaissances en "
                   "mathématiques financières et dans les dispositions légales qui encadrent le "
                   "calcul du TEG.",
                   "L'ordinateur est d'une aide précieuse pour les calculs, longs et fastidieux "
                   "à la main.",
                   "",
                   "Pour approfondir, on se reportera aux guides de référence publiés sur la "
                   "vérification des taux des prêts et des tableaux d'amortissement.",
                   "",
                   "AVERTISSEMENT: l'auteur de ce logiciel n'est pas un programmeur "
                   "professionnel; des erreurs de fonctionnement sont donc probables. "
                   "Vérifiez toujours vos résultats."})};
  if (code == QLatin1String("P9"))
    return {QStringLiteral("VERIFICATION D'UN PRET"),
            lines({"C'est l'écran de constitution d'un nouveau dossier.",
                   "La saisie se fait en deux temps: d'abord la partie supérieure, à "
                   "VALIDER après vérification; ensuite la GRILLE DE SAISIE.",
                   "Le capital y est saisi une deuxième fois, OBLIGATOIREMENT  EN NEGATIF.",
                   "Les échéances et les assurances se saisissent directement à leur place.",
                   "Les frais sont saisis une deuxième fois, globalement ou répartis, selon qu'ils "
                   "sont versés en une seule fois ou en plusieurs fois.",
                   "Un message d'alerte et des colorations signalent les saisies impératives "
                   "manquantes.  ",
                   "Le menu de l'écran permet d'ouvrir un dossier enregistré, d'enregistrer le "
                   "dossier en cours (2 options) et d'imprimer.",
                   "Les fichiers enregistrés reçoivent l'extension \" .TEG \".",
                   "Chaque calcul peut être enregistré séparément, en prenant les précautions "
                   "d'usage pour ne pas écraser un fichier existant.",
                   "VOIR EXEMPLES montre comment procéder.",
                   "Un clic sur EFFACER DONNEES permet de commencer un nouveau dossier."})};
  if (code == QLatin1String("P10"))
    return {QString(),
            lines({"Les divers tableaux d'aide ou de travail affichent un code, par Ex. P1, P10.",
                   "C'est un code de construction, sans aucune influence sur le déroulement du "
                   "programme."})};
  if (code == QLatin1String("P11"))
    return {QStringLiteral("REOUVRIR DOSSIER:"),
            lines({"Pour reprendre un dossier existant: le travailler, le modifier, faire des "
                   "simulations.",
                   "Les options d'enregistrement sont les mêmes qu'à la création du dossier."})};
  if (code == QLatin1String("P18"))
    return {QStringLiteral("TABLEAU D'AMORTISSEMENT"),
            lines({"Affiche et/ou imprime un tableau d'amortissement à partir d'éléments qui "
                   "peuvent être, ou non, ceux des dossiers.",
                   kChoicesFirst})};
  if (code == QLatin1String("P19"))
    return {QStringLiteral("CALCUL TAUX RAPIDE"),
            lines({"Pour rechercher rapidement un taux.",
                   "Il n'est pas obligatoire d'indiquer la monnaie de départ, mais c'est "
                   "conseillé si l'on souhaite la conversion."})};
  if (code == QLatin1String("P20"))
    return {QStringLiteral("CALCUL CAPITAL RAPIDE"),
            lines({"Pour la recherche rapide d'un capital.", kChoicesFirst})};
  if (code == QLatin1String("P21"))
    return {QStringLiteral("CALCUL RAPIDE d'UNE ECHEANCE"),
            lines({"Recherche de la valeur d'une échéance, hors assurance.",
                   "Permet aussi de connaître le coût d'un crédit.", kChoicesFirst})};
  if (code == QLatin1String("P22"))
    return {QStringLiteral("CUMUL VERSEMENTS"),
            lines({"Permet de connaître la valeur cumulée de 'X' versements et des intérêts "
                   "acquis."})};
  if (code == QLatin1String("P23"))
    return {QStringLiteral("CONTROLE D'UNE OFFRE DE PRET"),
            lines({"Pour contrôler une offre de prêt datée: déblocages, frais, paliers "
                   "d'échéances, assurance obligatoire ou facultative.",
                   "Le TAEG est calculé selon le calendrier des directives européennes, puis "
                   "comparé au taux annoncé; le TAEA, le coût total du crédit et le seuil de "
                   "l'usure sont donnés.",
                   "Les offres s'enregistrent dans des fichiers \" .offre \"."})};
  return {};
}

}  // namespace kalmoris
