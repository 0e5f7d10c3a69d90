#include "dossier/teg_check.h"

#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QLabel>

namespace kalmoris {

namespace {

QLabel* verdictLabel(Panel* parent, const char* name, int top) {
  QLabel* label = controls::label(parent, name, QString(), QRect(4, top, 284, 11));
  label->setFont(QFont(QStringLiteral("Arial"), 7));
  return label;
}

}  // namespace

TegCheck::TegCheck(QWidget* parent) : QObject(parent) {
  createVerdict(parent);
  createInsuranceRates(parent);
}

// In the space between the TEG box and CALCULER, inside the area the discrepancy panel covers,
// and under every other panel of the screen: it never hides one.
void TegCheck::createVerdict(QWidget* parent) {
  Panel_controle_teg = controls::panel(parent, "Panel_controle_teg", QString(),
                                       QRect(440, 474, 292, 24), colors::White);
  Panel_controle_teg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  controls::describe(Panel_controle_teg, QStringLiteral("Contrôle du TEG annoncé"));
  verdictLabel(Panel_controle_teg, "Label_controle_prop", 1);
  verdictLabel(Panel_controle_teg, "Label_controle_actu", 12);
  Panel_controle_teg->hide();
  Panel_controle_teg->lower();
}

// A row under the costs, in their columns.
void TegCheck::createInsuranceRates(QWidget* parent) {
  const QFont captionFont = controls::boldFont(8);
  controls::label(parent, "Label_taea", QStringLiteral("TAUX ANNUEL EFFECTIF DE L'ASSURANCE"),
                  QRect(6, 506, 300, 14))
      ->setFont(captionFont);
  controls::label(parent, "Label_taea_prop", QStringLiteral("PROPORTIONNEL"),
                  QRect(6, 522, 104, 20))
      ->setFont(captionFont);
  Panel_taea_prop =
      panel_texts::resultPanel(parent, "Panel_taea_prop", QRect(112, 521, 100, 22), colors::White);
  controls::label(parent, "Label_taea_actu", QStringLiteral("ACTUARIEL"), QRect(222, 522, 90, 20))
      ->setFont(captionFont);
  Panel_taea_actu =
      panel_texts::resultPanel(parent, "Panel_taea_actu", QRect(312, 521, 116, 22), colors::White);
  controls::describe(Panel_taea_prop,
                     QStringLiteral("Taux annuel effectif de l'assurance, proportionnel"));
  controls::describe(Panel_taea_actu,
                     QStringLiteral("Taux annuel effectif de l'assurance, actuariel"));
}

void TegCheck::hideVerdict() {
  Panel_controle_teg->hide();
}

void TegCheck::clear() {
  hideVerdict();
  Panel_taea_prop->clear();
  Panel_taea_actu->clear();
}

}  // namespace kalmoris
