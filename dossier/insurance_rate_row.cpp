#include "dossier/insurance_rate_row.h"

#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QLabel>

namespace kalmoris {

// A row under the costs, in their columns.
InsuranceRateRow::InsuranceRateRow(QWidget* parent) : QObject(parent) {
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

void InsuranceRateRow::clear() {
  Panel_taea_prop->clear();
  Panel_taea_actu->clear();
}

}  // namespace kalmoris
