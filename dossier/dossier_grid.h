#pragma once

#include "dossier/core/loan_dossier.h"

#include <QObject>

class QAction;
class QGroupBox;
class QPushButton;
class QWidget;

namespace kalmoris {

class DossierView;
class Panel;
class StringGrid;

// The lower part of the dossier screen: the grid of repayment groups and its calculation, the
// two rate boxes with "CALCULER", the two costs, and the panels over them: the instructions
// with "ICI" (P90), the cover after an edit (P123), the nominal rate not computable (P216)
// and the discrepancies with "RE-CALCUL !" (P161).
class DossierGrid : public QObject {
  Q_OBJECT

 public:
  DossierGrid(QWidget* parent, LoanDossier& dossier, DossierView& view);

  // The six rate panels emptied.
  void emptyRates();
  QPushButton* calculateButton() const { return BBt_CALCUL; }

  // CALCULER, ICI and RE-CALCUL !, enabled by a validation.
  void setCalculationEnabled(bool enabled);
  // The header was edited: no calculation until the next validation, and the instructions.
  void waitForValidation();
  // Erase-all's part in the grid and the results.
  void erase();
  // What "Voir EXEMPLES" empties: the instructions shown, P216 hidden, the rows and the rates.
  void prepareExamples();

  void BBt_CALCULClick();
  void StringGrid1Click();
  // "Insérer un décalage…" on the grid's current row: a time-shift group asked in a dialog.
  void Insere_decalageClick();

 signals:
  // The user typed in a cell.
  void edited();
  // The results stand covered (a click in the grid, an edit of the header, the examples)...
  void resultsCovered();
  // ...or emptied (erase-all).
  void resultsEmptied();

 private:
  void createGrid();
  void createResults();
  void createPanels();
  void createDiscrepancyPanel();
  void createConnections();
  void describeControls();
  void createShiftAction();
  void showGridHelp();
  // Every cell of every group row the grid holds emptied, whatever the block count in force;
  // the row count stays.
  void emptyGroupRows();

  LoanDossier& dossier_;
  DossierView& view_;

  StringGrid* StringGrid1;
  QAction* Insere_decalage;  // in the grid's context menu, Ctrl+D
  Panel* Panel125;           // insurance cost
  Panel* Panel127;           // loan cost
  QGroupBox* GroupBox1;      // nominal rate
  QGroupBox* GroupBox2;      // TEG
  Panel* Panel1;
  Panel* Panel83;
  Panel* Panel37;
  Panel* Panel39;
  Panel* Panel82;
  Panel* Panel84;
  QPushButton* BBt_CALCUL;
  Panel* Panel90;  // grid instructions, with ICI
  QPushButton* Bt_ICI_;
  Panel* Panel123;  // cover after an edit of the grid
  Panel* Panel216;  // nominal rate not computable
  Panel* Panel161;  // discrepancy panel over the results
  Panel* Panel163;  // the header's value
  Panel* Panel164;  // the grid's value
  QPushButton* Pan_EFF_DISCOR_;
};

}  // namespace kalmoris
