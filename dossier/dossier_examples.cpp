// The worked examples: "Voir EXEMPLES" prepares an empty dossier and shows the examples menu
// (P91); each OK shows a notice, whose "VOIR CALCUL" fills the dossier with its example.
#include "dossier/dossier_examples.h"

#include "dossier/core/worked_examples.h"
#include "dossier/dossier_grid.h"
#include "dossier/dossier_header.h"
#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/panel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace kalmoris {

namespace {

QPushButton* glyphButton(QWidget* parent, const char* name, const QString& caption, QRect place,
                         QStyle::StandardPixmap glyph) {
  QPushButton* button = controls::button(parent, name, caption, place);
  button->setIcon(QApplication::style()->standardIcon(glyph));
  button->setFont(controls::boldFont(8));
  return button;
}

}  // namespace

DossierExamples::DossierExamples(QWidget* screenArea, QWidget* mainPanel, LoanDossier& dossier,
                                 DossierView& view, DossierHeader& header, DossierGrid& grid)
    : QObject(mainPanel), dossier_(dossier), view_(view), header_(header), grid_(grid) {
  createMenu(mainPanel);
  createNotices(screenArea, mainPanel);
  createConnections();
  controls::describe(Panel91, QStringLiteral("Exemples (P91)"));
  controls::describe(Panel45, QStringLiteral("Exemple 1 (P45)"));
  controls::describe(Panel98, QStringLiteral("Exemple 2 (P98)"));
  controls::describe(Panel6, QStringLiteral("Exemple 3 (P6)"));
}

void DossierExamples::createMenu(QWidget* mainPanel) {
  Panel91 =
      controls::panel(mainPanel, "Panel91", QString(), QRect(250, 0, 480, 300), colors::Silver);
  Panel91->hide();
  panel_texts::code(Panel91, "P91");
  panel_texts::paragraphs(
      Panel91, "Texte_Panel91",
      {"Les exemples à disposition se présentent en deux parties:", "Une NOTICE descriptive ;",
       "Une application semi-pratique: il n'y a pas de saisie à effectuer"},
      QRect(40, 10, 420, 52))
      ->setFont(controls::boldFont(8));
  const char* const lines[] = {"EX 1: simple", "EX 2: variante de 1",
                               "EX 3: changement de périodicité"};
  const char* const labelNames[] = {"Label_ex_1", "Label_ex_2", "Label_ex_5"};
  const char* const buttonNames[] = {"BBt_VOIR_EX_1_", "BBt_VOIR_EX_2_", "BBt_VOIR_EX_5_"};
  QPushButton* buttons[3];
  for (int k = 0; k < 3; ++k) {
    const int top = 72 + 34 * k;
    controls::label(Panel91, labelNames[k], QString::fromUtf8(lines[k]), QRect(60, top, 250, 26))
        ->setFont(controls::boldFont(10));
    buttons[k] = glyphButton(Panel91, buttonNames[k], QStringLiteral("OK"), QRect(320, top, 80, 26),
                             QStyle::SP_DialogOkButton);
  }
  BBt_VOIR_EX_1_ = buttons[0];
  BBt_VOIR_EX_2_ = buttons[1];
  BBt_VOIR_EX_5_ = buttons[2];
  panel_texts::paragraphs(Panel91, "Texte_consigne",
                          {"Dans chaque exemple, après avoir cliqué sur \"VOIR CALCUL\", il "
                           "suffira de cliquer sur \"CLIQUER ICI pour VALIDER\" puis sur \"ICI\""},
                          QRect(20, 176, 440, 34));
  QLabel* warning = panel_texts::paragraphs(Panel91, "Texte_ne_pas_modifier",
                                            {"Surtout, ne pas modifier ce qui est dans la grille."},
                                            QRect(20, 214, 440, 20));
  warning->setFont(controls::boldFont(9));
  colors::setTextColor(warning, colors::Red);
  BBt_EFF_MENU_EX_ = glyphButton(Panel91, "BBt_EFF_MENU_EX_", QStringLiteral("RETOUR"),
                                 QRect(190, 250, 100, 30), QStyle::SP_DialogCancelButton);
}

void DossierExamples::createConnections() {
  onClick(BBt_VOIR_EX_1_, this, &DossierExamples::BBt_VOIR_EX_1_Click);
  onClick(BBt_VOIR_EX_2_, this, &DossierExamples::BBt_VOIR_EX_2_Click);
  onClick(BBt_VOIR_EX_5_, this, &DossierExamples::BBt_VOIR_EX_5_Click);
  onClick(BBt_EFF_MENU_EX_, this, &DossierExamples::BBt_EFF_MENU_EX_Click);
  onClick(Bt_VOIR_CALCUL_1_, this, &DossierExamples::Bt_VOIR_CALCUL_1_Click);
  onClick(Bt_VOIR_CALCUL_2_, this, &DossierExamples::Bt_VOIR_CALCUL_2_Click);
  onClick(Bt_VOIR_CALCUL_5_, this, &DossierExamples::Bt_VOIR_CALCUL_5_Click);
  onClick(Bt_EFF_EXPLI_EX_1_, this, &DossierExamples::Bt_EFF_EXPLI_EX_1_Click);
  onClick(Bt_EFF_EXPLI_EX_2_, this, &DossierExamples::Bt_EFF_EXPLI_EX_2_Click);
  onClick(Bt_EFF_EX_5_, this, &DossierExamples::Bt_EFF_EX_5_Click);
}

// Unlike erase-all, the buttons, the caption, the bars, the costs and the discrepancy panel
// are left as they are (the fields' change handlers still run as their texts are emptied).
void DossierExamples::voir_exemplesClick() {
  grid_.prepareExamples();
  header_.emptyFields();
  grid_.emptyRates();
  Panel91->showAt(250, 0);
  emit dossierReplaced();
}

void DossierExamples::BBt_VOIR_EX_1_Click() {
  Panel45->showAt(0, 0);
  Panel91->hide();
}

void DossierExamples::BBt_VOIR_EX_2_Click() {
  Panel91->hide();
  Panel98->showAt(0, 0);
}

void DossierExamples::BBt_VOIR_EX_5_Click() {
  Panel91->hide();
  Panel6->showAt(0, 0);
}

void DossierExamples::BBt_EFF_MENU_EX_Click() {
  Panel91->hide();
}

void DossierExamples::Bt_VOIR_CALCUL_1_Click() {
  Panel45->hide();
  fillExample(workedExample(1));
}

void DossierExamples::Bt_VOIR_CALCUL_2_Click() {
  Panel98->hide();
  fillExample(workedExample(2));
}

void DossierExamples::Bt_VOIR_CALCUL_5_Click() {
  Panel91->hide();
  Panel6->hide();
  fillExample(workedExample(3));
}

void DossierExamples::Bt_EFF_EXPLI_EX_1_Click() {
  Panel45->hide();
}
void DossierExamples::Bt_EFF_EXPLI_EX_2_Click() {
  Panel98->hide();
}
void DossierExamples::Bt_EFF_EX_5_Click() {
  Panel6->hide();
}

void DossierExamples::fillExample(const WorkedExample& example) {
  fillWorkedExample(example, dossier_, view_);
  emit dossierReplaced();
}

}  // namespace kalmoris
