// The three notices of the worked examples (P45, P98, P6): how a loan is cut into input
// blocks, with the grids that result, and the buttons "VOIR CALCUL" and "EFFACER".
#include "dossier/dossier_examples.h"

#include "dossier/core/worked_examples.h"
#include "dossier/notice_grid.h"
#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QLabel>
#include <QPushButton>

namespace kalmoris {

namespace {

constexpr int kNoticeHeight = 546;

struct Notice {
  Panel* panel;
  QPushButton* calculate;
  QPushButton* erase;
};

Notice makeNotice(QWidget* parent, const char* name, const char* code, const char* title, int width,
                  const char* calculateName, const char* eraseName) {
  Panel* panel =
      controls::panel(parent, name, QString(), QRect(0, 0, width, kNoticeHeight), colors::Silver);
  panel->hide();
  panel_texts::code(panel, code);
  QLabel* heading = panel_texts::heading(panel, (QByteArray("Titre_") + name).constData(),
                                         QString::fromUtf8(title), 6);
  heading->setFont(controls::boldFont(11));
  colors::setTextColor(heading, colors::Navy);
  auto command = [&](const char* buttonName, const char* caption, int left) {
    QPushButton* button = controls::button(panel, buttonName, QString::fromUtf8(caption),
                                           QRect(left, kNoticeHeight - 44, 130, 32));
    button->setFont(controls::boldFont(9));
    return button;
  };
  return {panel, command(calculateName, "VOIR CALCUL", width - 290),
          command(eraseName, "EFFACER", width - 150)};
}

QLabel* remark(QWidget* notice, const char* name, const char* text, int top, bool bold = false) {
  QLabel* label = panel_texts::paragraphs(notice, name, {text}, QRect(16, top, 708, 18));
  if (bold) label->setFont(controls::boldFont(9));
  return label;
}

NoticeRow noticeRow(std::array<const char*, 6> cells, const char* block) {
  NoticeRow row;
  for (std::size_t k = 0; k < cells.size(); ++k) row.cells[k] = QString::fromUtf8(cells[k]);
  row.block = QString::fromUtf8(block);
  return row;
}

// The grid of the third example, drawn from its data: the cumul is the sum of the three
// typed amounts.
std::vector<NoticeRow> periodicityRows() {
  std::vector<NoticeRow> rows;
  const WorkedExample& example = workedExample(3);
  for (std::size_t k = 0; k < example.rows.size(); ++k) {
    NoticeRow row;
    row.cells[0] = QString::number(k + 1);
    int cumul = 0;
    for (std::size_t col = 0; col < 4; ++col) {
      row.cells[col + 1] = example.rows[k][col].value_or(QString());
      if (col != 1) cumul += row.cells[col + 1].toInt();
    }
    row.cells[5] = QString::number(cumul);
    row.block = QStringLiteral("BLOC %1").arg(k + 1);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

void DossierExamples::createNotices(QWidget* screenArea, QWidget* mainPanel) {
  const Notice simple = makeNotice(mainPanel, "Panel45", "P45", "EXEMPLE 1: simple...", 740,
                                   "Bt_VOIR_CALCUL_1_", "Bt_EFF_EXPLI_EX_1_");
  Panel45 = simple.panel;
  Bt_VOIR_CALCUL_1_ = simple.calculate;
  Bt_EFF_EXPLI_EX_1_ = simple.erase;
  panel_texts::paragraphs(
      Panel45, "Texte_Panel45",
      {"Un capital de 200000 F. est versé en une seule fois à l'emprunteur. Il est remboursé par "
       "180 mensualités de 2304,69 F. (12 remboursements par an).",
       "Frais de notaire: 7116 F ; frais de dossier: 2000 F ; assurance: 89 F par mensualité.",
       "TEG annoncé: 12.13%", "",
       "Un BLOC de SAISIE, c'est une ligne de la grille où au moins deux colonnes sont remplies: "
       "les colonnes 2 et 3 (versement et nombre de versements) suffisent pour le taux nominal; "
       "pour le TEG, il faut y ajouter les colonnes 4 (assurance) et 5 (frais).",
       "La VALIDATION de la partie supérieure ouvre les lignes nécessaires et remplit la "
       "colonne 1; la colonne 6 est remplie par le calcul. Il ne reste à remplir que les "
       "colonnes 2 à 5."},
      QRect(16, 30, 708, 138));
  remark(Panel45, "Label_nominal_45", "Pour le TAUX NOMINAL seul:", 172, true);
  drawNoticeGrid(Panel45, "Grille45a", QPoint(16, 192),
                 {noticeRow({"1", "-200000", "1", "", "", "-200000"}, "BLOC 1"),
                  noticeRow({"2", "2304.69", "180", "", "", "2304,69"}, "BLOC 2")});
  remark(Panel45, "Remarque_nominal_45",
         "Le calculateur indiquera un TEG, mais égal au taux nominal, puisqu'il n'y a ni frais ni "
         "assurance.",
         260);
  remark(Panel45, "Label_teg_45", "Pour le TEG:", 290, true);
  drawNoticeGrid(Panel45, "Grille45b", QPoint(16, 310),
                 {noticeRow({"1", "-200000", "1", "", "9116", "-190884"}, "BLOC 1"),
                  noticeRow({"2", "2304.69", "180", "89", "", "2393,69"}, "BLOC 2")});
  remark(Panel45, "Remarque_teg_45",
         "Le calculateur indiquera les deux taux, nominal et effectif global", 378);
  remark(Panel45, "Conclusion_45", "Dans ce cas de figure, 2 BLOCS de SAISIE suffisent...", 414,
         true);

  const Notice variant = makeNotice(
      mainPanel, "Panel98", "P98", "EXEMPLE 2:  L'Ex.  1 avec une variante qui complique un peu...",
      740, "Bt_VOIR_CALCUL_2_", "Bt_EFF_EXPLI_EX_2_");
  Panel98 = variant.panel;
  Bt_VOIR_CALCUL_2_ = variant.calculate;
  Bt_EFF_EXPLI_EX_2_ = variant.erase;
  panel_texts::paragraphs(
      Panel98, "Texte_Panel98",
      {"Le même prêt qu'à l'exemple 1, mais les frais de notaire sont payés au moment où le "
       "capital est versé, et les frais de dossier de 2000 F. avec la première mensualité, 30 "
       "jours plus tard.",
       "TEG annoncé : 12.13%", "",
       "Pour le taux nominal, rien ne change: 2 blocs de saisie suffisent.",
       "Pour le TEG, la première mensualité forme un bloc à elle seule (mensualité + assurance "
       "+ frais de dossier); les 179 autres mensualités sont faites de la mensualité et de "
       "l'assurance.",
       "A la question \"COMBIEN DE BLOCS DE SAISIE ?\", il faut donc répondre 3."},
      QRect(16, 30, 708, 150));
  drawNoticeGrid(Panel98, "Grille98", QPoint(16, 196),
                 {noticeRow({"1", "-200000", "1", "0", "7116", "-192884"}, "BLOC 1"),
                  noticeRow({"2", "2304.69", "1", "89", "2000", "4393,69"}, "BLOC 2"),
                  noticeRow({"3", "2304.69", "179", "89", "0", "2393,69"}, "BLOC 3")});
  remark(Panel98, "Conclusion_98", "Le calcul démontrera que le TEG annoncé est minoré.", 300,
         true);

  const Notice periodicity =
      makeNotice(screenArea, "Panel6", "P6", "EXEMPLE 3: changement de périodicité", 770,
                 "Bt_VOIR_CALCUL_5_", "Bt_EFF_EX_5_");
  Panel6 = periodicity.panel;
  Bt_VOIR_CALCUL_5_ = periodicity.calculate;
  Bt_EFF_EX_5_ = periodicity.erase;
  panel_texts::paragraphs(
      Panel6, "Texte_Panel6",
      {"Un prêt de 20000 Um. est remboursé par 24 mensualités de 500 Um., puis par 12 "
       "remboursements de 1005 Um. tous les deux mois.",
       "Frais de dossier: 200 Um., pris avec la première mensualité. Assurance: 5 Um. pour les "
       "24 premières échéances, 10 Um. ensuite.",
       "Quel est le TEG ?", "",
       "On ne peut saisir qu'un seul nombre de remboursements par an: il faut retenir "
       "l'intervalle le plus court, le mois, soit 12.",
       "Pour garder la période mensuelle, un remboursement fictif de 0 Um. est inséré avant "
       "chaque remboursement réel fait tous les deux mois.",
       "", "BLOC 1: le Capital soit:    -20000",
       "BLOC 2: 1er. remboursement + frais + assurance =1 fois 500+ 200+ 5=705",
       "BLOC 3: Remb 2 à 24 soit: 23 fois 500+ 5= 505", "BLOC 4: 1 fois  0",
       "BLOC 5: 1 fois 1005+ 10 = 1015 (le N° 1 de 1015)", "…",
       "BLOC 27: 1 fois 1005+ 10 = 1015 (N° 12)", "",
       "Ce sont donc 27 blocs de saisie  à prévoir ! (pour 24 + 12 = 36 remboursements)",
       "Les versements 0 ne sont pas à compter dans les  remboursements, mais constituent "
       "quand-même un bloc de saisie."},
      QRect(12, 30, 322, 450));
  drawNoticeGrid(Panel6, "Grille6", QPoint(340, 30), periodicityRows(),
                 NoticeGridMetrics{30, 56, 56, 15});
}

}  // namespace kalmoris
