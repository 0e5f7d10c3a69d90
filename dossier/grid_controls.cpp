// The lower part of the dossier screen: the grid of repayment groups with its prompt, the
// two costs under it, and the rate boxes with the calculate button at its right.
#include "dossier/dossier_screen.h"

#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/string_grid.h"
#include "dossier/live_cell_delegate.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace kalmoris {

namespace {

constexpr int kColumnWidths[kGridColumnCount] = {52, 78, 70, 58, 64, 82};

Panel* resultPanel(QWidget* parent, const char* name, QRect place, const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString(), place, color);
  panel->setCaptionFont(controls::boldFont(9));
  panel->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}

// One framed box of three rates: the period rate, then the two annual rates.
QGroupBox* rateBox(QWidget* parent, const char* name, const char* title, int top,
                   std::array<const char*, 3> panelNames, std::array<Panel**, 3> panels) {
  QGroupBox* box =
      controls::groupBox(parent, name, QString::fromUtf8(title), QRect(440, top, 292, 108));
  box->setFont(controls::boldFont(9));
  const QFont labels(QStringLiteral("Arial"), 8);
  const QByteArray prefix = QByteArray(name) + "_";
  controls::label(box, (prefix + "periode").constData(), QStringLiteral("TAUX DE PERIODE"),
                  QRect(10, 24, 120, 16))
      ->setFont(labels);
  controls::label(box, (prefix + "annuel").constData(), QStringLiteral("ANNUEL"),
                  QRect(10, 48, 120, 14))
      ->setFont(labels);
  controls::label(box, (prefix + "proportionnel").constData(), QStringLiteral(" PROPORTIONNEL"),
                  QRect(10, 60, 120, 14))
      ->setFont(labels);
  controls::label(box, (prefix + "actuariel").constData(), QStringLiteral("ACTUARIEL"),
                  QRect(10, 82, 120, 16))
      ->setFont(labels);
  const int tops[] = {22, 50, 78};
  for (int k = 0; k < 3; ++k)
    *panels[k] = resultPanel(box, panelNames[k], QRect(138, tops[k], 144, 22), colors::Lime);
  return box;
}

}  // namespace

void TForm2::createGrid() {
  QWidget* const parent = OUVRE_DOSSIER;
  StringGrid1 =
      new StringGrid(parent, "StringGrid1", QRect(4, 283, 424, 192), kGridColumnCount, 3, 0, true);
  StringGrid1->setItemDelegate(new LiveCellDelegate(StringGrid1));
  StringGrid1->setDefaultRowHeight(20);
  for (int col = 0; col < kGridColumnCount; ++col)
    StringGrid1->horizontalHeader()->resizeSection(col, kColumnWidths[col]);
  StringGrid1->setFont(QFont(QStringLiteral("Arial"), 8));
  controls::label(parent, "Label_deplacements",
                  QStringLiteral("Déplacements par souris ou touches de direction."),
                  QRect(8, 268, 420, 14))
      ->setFont(QFont(QStringLiteral("Arial"), 7));

  const QFont costFont = controls::boldFont(8);
  controls::label(parent, "Label_cout_assurance", QStringLiteral("COUT ASSURANCE"),
                  QRect(6, 484, 104, 20))
      ->setFont(costFont);
  Panel125 = resultPanel(parent, "Panel125", QRect(112, 482, 100, 22), colors::White);
  controls::label(parent, "Label_cout_pret", QStringLiteral("COUT DU PRET"),
                  QRect(222, 484, 90, 20))
      ->setFont(costFont);
  Panel127 = resultPanel(parent, "Panel127", QRect(312, 482, 116, 22), colors::White);
}

void TForm2::createResults() {
  GroupBox1 = rateBox(OUVRE_DOSSIER, "GroupBox1", "TAUX NOMINAL ou MOYEN", 250,
                      {"Panel1", "Panel83", "Panel37"}, {&Panel1, &Panel83, &Panel37});
  GroupBox2 = rateBox(OUVRE_DOSSIER, "GroupBox2", "TAUX EFFECTIF GLOBAL", 364,
                      {"Panel39", "Panel82", "Panel84"}, {&Panel39, &Panel82, &Panel84});
  BBt_CALCUL = controls::button(OUVRE_DOSSIER, "BBt_CALCUL", QStringLiteral("CALCULER"),
                                QRect(440, 504, 292, 30));
  BBt_CALCUL->setFont(controls::boldFont(10));
  BBt_CALCUL->setEnabled(false);
}

}  // namespace kalmoris
