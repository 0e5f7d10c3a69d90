// The dossier screen's help panels: the "?" tabs, and the texts of every panel it shows.
#include "tests/dossier/dossier_steps.h"
#include "ui/colors.h"

#include <QtTest>

using kalmoris::Panel;
namespace colors = kalmoris::colors;
using namespace kalmoris::testing;

namespace {

// Every text a panel shows: its labels, its caption and those of its panels and buttons.
QString textsOf(QWidget* panel) {
  QStringList texts;
  for (QLabel* label : panel->findChildren<QLabel*>()) texts.append(label->text());
  for (QPushButton* button : panel->findChildren<QPushButton*>()) texts.append(button->text());
  return texts.join('\n');
}

}  // namespace

class DossierHelpTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;

 private slots:
  void init() { d = openDossier(*this); }

  void helpTabsShowTheirPanelsAtTheirPlace_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("closer");
    QTest::newRow("opening a dossier") << "Panel20"
                                       << "Panel17" << QPoint(30, 220) << "ClientArea"
                                       << "Bt_VU_OUV_DOSS_";
    QTest::newRow("fees") << "Pan_AIDE_FRAIS_"
                          << "Panel15" << QPoint(88, 200) << "ClientArea"
                          << "Bt_VU_FRAIS_";
    QTest::newRow("validation") << "Pan_AIDE_VALIDER_"
                                << "Panel43" << QPoint(20, 220) << "OUVRE_DOSSIER"
                                << "Bt_VU_AVERT_";
    QTest::newRow("erasing") << "Pan_AIDE_EFF_DONN_"
                             << "Panel215" << QPoint(88, 120) << "OUVRE_DOSSIER"
                             << "Bt_VU_AID_EFF_DONN_";
  }
  void helpTabsShowTheirPanelsAtTheirPlace() {
    QFETCH(QString, tab);
    QFETCH(QString, panel);
    QFETCH(QPoint, place);
    QFETCH(QString, parent);
    QFETCH(QString, closer);
    QPushButton* question = d.button(tab);
    QCOMPARE(question->text(), QString("?"));
    QVERIFY(question->font().bold());
    QCOMPARE(question->palette().color(QPalette::ButtonText), colors::Red);
    QVERIFY(question->width() <= 24);
    d.click(tab);
    d.click(tab);
    QVERIFY(d.shown(panel));
    QCOMPARE(d.place(panel), place);
    QCOMPARE(d.panel(panel)->parentWidget()->objectName(), parent);
    d.click(closer);
    QVERIFY(!d.shown(panel));
  }

  void panelsCarryTheirCodeAndQuotedTexts_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("quoted");
    const QList<std::pair<const char*, const char*>> rows = {
        {"Panel17", "P17"},
        {"Panel17",
         "L'ouverture d'un dossier de prêt en vue de son contrôle peut être une "
         "opération simple ou très fastidieuse et va dépendre surtout du nombre de "
         "Blocs de Saisie."},
        {"Panel17",
         "Pour bien comprendre ce que sont ces \"BLOCS de SAISIE\", cliquer sur le "
         "bouton marqué \" VOIR EXEMPLES\"."},
        {"Panel15", "P15"},
        {"Panel15", "LES FRAIS:  "},
        {"Panel43", "P43"},
        {"Panel43", "AVERTISSEMENT"},
        {"Panel43",
         "Chaque intervention en partie supérieure doit être confirmée par \" VALIDER "
         "\". "},
        {"Panel215", "P215"},
        {"Panel215", "Avant d'ouvrir un Fichier:"},
        {"Panel215", "Avant de faire une autre saisie:"},
        {"Panel215", "Il est préférable d'effacer les données d'un précédent calcul."},
        {"Panel215", "(Après leur sauvegarde, bien entendu...)"},
        {"Panel90", "P90"},
        {"Panel90", "TRAVAIL SUR GRILLE :"},
        {"Panel90",
         "(Avant de travailler sur la GRILLE, il faut avoir complété et VALIDE la "
         "partie supérieure du tableau)"},
        {"Panel90",
         "IMPERATIVEMENT, ce qui représente le CAPITAL doit être saisi en valeur "
         "NEGATIVE"},
        {"Panel90", "Dans les colonnes 2 et 3, toutes les lignes doivent contenir une valeur."},
        {"Panel90",
         "Ne rien taper dans la colonne 6, c'est le logiciel qui se charge de "
         "compléter"},
        {"Panel90", "Ce volet s'effacera en cliquant"},
        {"Panel90",
         "Il sera possible d'apporter des corrections dans la GRILLE puis de relancer "
         "le calcul"},
        {"Panel123", "P123"},
        {"Panel123", "INTERVENTION(S) sur GRILLE"},
        {"Panel123", "Ne pas intervenir Colonne 1 ou Colonne 6"},
        {"Panel123",
         "Les calculs déjà éxécutés, mais masqués par ce cache, ne sont plus "
         "valables."},
        {"Panel123", "Procéder aux modifications nécessaires."},
        {"Panel123", "Cliquer sur CALCULER..."},
        {"Panel216", "P216"},
        {"Panel216",
         "Le TAUX NOMINAL ou MOYEN ne peut pas être calculé avec versements ZERO et "
         "décalages..."},
        {"Panel161", "P161"},
        {"Panel161", "DISCORDANCE:"},
        {"Panel161",
         "Le logiciel relève les discordances entre les données de la partie "
         "supérieure et celles de la grille de saisie."},
        {"Panel161",
         "Les calculs ne seront effectués qu'après élimination de ces "
         "discordances..."},
        {"Panel161",
         "Si la grille affiche des données telles que -1 et 1 en colonnes 2 et 3, "
         "c'est qu'un calcul aura été lancé alors qu'il manquait des éléments "
         "essentiels dans la grille"},
        {"Panel161",
         "Veuillez vérifier vos données et  rectifier. Toute intervention en partie "
         "haute demande VALIDATION. Ensuite, relancer le calcul."},
        {"Panel161", "RE-CALCUL !"},
        {"Panel92", "P92"},
        {"Panel92", "IMPERATIF: compléter les zones rouges..."},
        {"Panel92", "Sinon il y aurait des risques de blocage du logiciel"},
        {"Panel42", "VEUILLEZ COMPLETER LA GRILLE CI-DESSOUS"},
        {"Panel42", "Avec au moins une valeur dans chaque zone des colonnes 2 et 3"},
        {"Panel42", " Colonne 2: ce qui représente le CAPITAL doit être saisi en VALEUR NEGATIVE"},
        {"Panel91", "P91"},
        {"Panel91", "Les exemples à disposition se présentent en deux parties:"},
        {"Panel91", "Une NOTICE descriptive ;"},
        {"Panel91", "Une application semi-pratique: il n'y a pas de saisie à effectuer"},
        {"Panel91", "EX 1: simple"},
        {"Panel91", "EX 2: variante de 1"},
        {"Panel91", "EX 3: changement de périodicité"},
        {"Panel91",
         "Dans chaque exemple, après avoir cliqué sur \"VOIR CALCUL\", il suffira de "
         "cliquer sur \"CLIQUER ICI pour VALIDER\" puis sur \"ICI\""},
        {"Panel91", "Surtout, ne pas modifier ce qui est dans la grille."},
        {"Panel91", "RETOUR"},
        {"Panel45", "P45"},
        {"Panel45", "EXEMPLE 1: simple..."},
        {"Panel45", "TEG annoncé: 12.13%"},
        {"Panel45",
         "Le calculateur indiquera un TEG, mais égal au taux nominal, puisqu'il n'y a "
         "ni frais ni assurance."},
        {"Panel45", "Le calculateur indiquera les deux taux, nominal et effectif global"},
        {"Panel45", "Dans ce cas de figure, 2 BLOCS de SAISIE suffisent..."},
        {"Panel98", "P98"},
        {"Panel98", "EXEMPLE 2:  L'Ex.  1 avec une variante qui complique un peu..."},
        {"Panel98", "TEG annoncé : 12.13%"},
        {"Panel98", "COMBIEN DE BLOCS DE SAISIE ?"},
        {"Panel98", "Le calcul démontrera que le TEG annoncé est minoré."},
        {"Panel6", "P6"},
        {"Panel6", "Quel est le TEG ?"},
        {"Panel6", "BLOC 1: le Capital soit:    -20000"},
        {"Panel6", "BLOC 2: 1er. remboursement + frais + assurance =1 fois 500+ 200+ 5=705"},
        {"Panel6", "BLOC 3: Remb 2 à 24 soit: 23 fois 500+ 5= 505"},
        {"Panel6", "BLOC 4: 1 fois  0"},
        {"Panel6", "BLOC 5: 1 fois 1005+ 10 = 1015 (le N° 1 de 1015)"},
        {"Panel6", "BLOC 27: 1 fois 1005+ 10 = 1015 (N° 12)"},
        {"Panel6",
         "Ce sont donc 27 blocs de saisie  à prévoir ! (pour 24 + 12 = 36 "
         "remboursements)"},
        {"Panel6",
         "Les versements 0 ne sont pas à compter dans les  remboursements, mais "
         "constituent quand-même un bloc de saisie."},
    };
    int count = 0;
    for (const auto& [panel, quoted] : rows)
      QTest::addRow("%s %d", panel, ++count) << QString(panel) << QString::fromUtf8(quoted);
  }
  void panelsCarryTheirCodeAndQuotedTexts() {
    QFETCH(QString, panel);
    QFETCH(QString, quoted);
    const QString texts = textsOf(d.panel(panel));
    QVERIFY2(texts.contains(quoted), qPrintable(texts));
  }
};

QTEST_MAIN(DossierHelpTest)
#include "dossier_help_test.moc"
