// The lower part of the dossier screen: the grid of repayment groups, the two costs under it,
// the rate boxes with the calculate button at its right, and what they do.
#include "dossier/dossier_grid.h"

#include "dossier/core/dossier_captions.h"
#include "dossier/core/grid_calculation.h"
#include "dossier/panel_texts.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/live_cell_delegate.h"
#include "ui/panel.h"
#include "ui/string_grid.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace kalmoris {

namespace {

constexpr int kColumnWidths[kGridColumnCount] = {52, 78, 70, 58, 64, 82};

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
    *panels[k] =
        panel_texts::resultPanel(box, panelNames[k], QRect(138, tops[k], 144, 22), colors::Lime);
  return box;
}

}  // namespace

DossierGrid::DossierGrid(QWidget* parent, LoanDossier& dossier, DossierView& view)
    : QObject(parent), dossier_(dossier), view_(view) {
  createGrid();
  createResults();
  createPanels();
  createDiscrepancyPanel();
  createShiftAction();
  createConnections();
  describeControls();
  for (int col = 0; col < kGridColumnCount; ++col)
    StringGrid1->setCell(col, 0, captions::kGridHeaders[col]);
  showGridHelp();
}

void DossierGrid::createGrid() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
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
  Panel125 = panel_texts::resultPanel(parent, "Panel125", QRect(112, 482, 100, 22), colors::White);
  controls::label(parent, "Label_cout_pret", QStringLiteral("COUT DU PRET"),
                  QRect(222, 484, 90, 20))
      ->setFont(costFont);
  Panel127 = panel_texts::resultPanel(parent, "Panel127", QRect(312, 482, 116, 22), colors::White);
}

void DossierGrid::createResults() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  GroupBox1 = rateBox(parent, "GroupBox1", "TAUX NOMINAL ou MOYEN", 250,
                      {"Panel1", "Panel83", "Panel37"}, {&Panel1, &Panel83, &Panel37});
  GroupBox2 = rateBox(parent, "GroupBox2", "TAUX EFFECTIF GLOBAL", 364,
                      {"Panel39", "Panel82", "Panel84"}, {&Panel39, &Panel82, &Panel84});
  BBt_CALCUL =
      controls::button(parent, "BBt_CALCUL", QStringLiteral("CALCULER"), QRect(440, 504, 292, 30));
  BBt_CALCUL->setFont(controls::boldFont(10));
  BBt_CALCUL->setEnabled(false);
}

void DossierGrid::createConnections() {
  onClick(BBt_CALCUL, this, &DossierGrid::BBt_CALCULClick);
  onClick(Bt_ICI_, this, &DossierGrid::BBt_CALCULClick);
  onClick(Pan_EFF_DISCOR_, this, &DossierGrid::BBt_CALCULClick);
  connect(StringGrid1->stringCells(), &StringCells::cellEdited, this, &DossierGrid::edited);
  connect(StringGrid1, &StringGrid::cellClicked, this,
          [this] { runHandler(StringGrid1->window(), [this] { StringGrid1Click(); }); });
}

// What a screen reader says of the controls that show no caption of their own.
void DossierGrid::describeControls() {
  const std::pair<QWidget*, const char*> descriptions[] = {
      {StringGrid1, "Grille de saisie"},
      {Panel125, "COUT ASSURANCE"},
      {Panel127, "COUT DU PRET"},
      {Panel1, "Taux nominal de période"},
      {Panel83, "Taux nominal annuel proportionnel"},
      {Panel37, "Taux nominal annuel actuariel"},
      {Panel39, "Taux effectif global de période"},
      {Panel82, "Taux effectif global annuel proportionnel"},
      {Panel84, "Taux effectif global annuel actuariel"},
      {Panel90, "Travail sur grille (P90)"},
      {Panel123, "Intervention sur grille (P123)"},
      {Panel216, "Taux nominal non calculable (P216)"},
      {Panel161, "Discordance (P161)"},
      {Panel163, "Valeur annoncée"},
      {Panel164, "Valeur dans la grille"},
  };
  for (const auto& [widget, description] : descriptions)
    controls::describe(widget, QString::fromUtf8(description));
}

// A refused block count sets the count in force to 0 while the rows of the previous loan are
// still held: they go too, or the next validation would bring them back.
void DossierGrid::emptyGroupRows() {
  StringGrid1->emptyRowsFrom(1);
}

void DossierGrid::showGridHelp() {
  Panel90->showAt(456, 227);
}

void DossierGrid::emptyRates() {
  for (Panel* rate : {Panel1, Panel83, Panel37, Panel39, Panel82, Panel84}) rate->clear();
}

void DossierGrid::setCalculationEnabled(bool enabled) {
  BBt_CALCUL->setEnabled(enabled);
  Bt_ICI_->setEnabled(enabled);
  Pan_EFF_DISCOR_->setEnabled(enabled);
}

void DossierGrid::waitForValidation() {
  setCalculationEnabled(false);
  showGridHelp();
  emit resultsCovered();
}

void DossierGrid::erase() {
  Panel161->hide();
  setCalculationEnabled(false);
  dossier_.clearStoredGroups();
  Panel216->hide();
  showGridHelp();
  emptyGroupRows();
  emptyRates();
  for (Panel* result : {Panel125, Panel127, Panel163, Panel164}) result->clear();
  emit resultsEmptied();
}

void DossierGrid::prepareExamples() {
  dossier_.clearStoredGroups();
  showGridHelp();
  Panel216->hide();
  emptyGroupRows();
  emit resultsCovered();
}

void DossierGrid::BBt_CALCULClick() {
  calculateDossier(dossier_, view_);
}

// Any click or move in the grid covers the results, which no longer hold once it is edited.
void DossierGrid::StringGrid1Click() {
  Panel90->hide();
  Panel123->showAt(456, 250);
  emit resultsCovered();
}

}  // namespace kalmoris
