#pragma once

#include "dossier/core/loan_dossier.h"

#include <QObject>

class QPushButton;
class QWidget;

namespace kalmoris {

class DossierGrid;
class DossierHeader;
class DossierView;
class Panel;
struct WorkedExample;

// The three worked examples of the dossier screen: "Voir EXEMPLES" empties the dossier and
// shows the examples menu (P91); each OK shows a notice (P45, P98, P6) that explains how the
// loan is cut into input blocks; its "VOIR CALCUL" fills the header and the grid with the
// example, which the user then validates and calculates.
class DossierExamples : public QObject {
  Q_OBJECT

 public:
  // P6 stands on the screen itself, the menu and the other notices on its main panel.
  DossierExamples(QWidget* screenArea, QWidget* mainPanel, LoanDossier& dossier, DossierView& view,
                  DossierHeader& header, DossierGrid& grid);

  void voir_exemplesClick();
  void BBt_VOIR_EX_1_Click();
  void BBt_VOIR_EX_2_Click();
  void BBt_VOIR_EX_5_Click();
  void BBt_EFF_MENU_EX_Click();
  void Bt_VOIR_CALCUL_1_Click();
  void Bt_VOIR_CALCUL_2_Click();
  void Bt_VOIR_CALCUL_5_Click();
  void Bt_EFF_EXPLI_EX_1_Click();
  void Bt_EFF_EXPLI_EX_2_Click();
  void Bt_EFF_EX_5_Click();

 signals:
  // The dossier on screen was emptied or replaced by an example.
  void dossierReplaced();

 private:
  void createMenu(QWidget* mainPanel);
  void createNotices(QWidget* screenArea, QWidget* mainPanel);
  void createConnections();
  void fillExample(const WorkedExample& example);

  LoanDossier& dossier_;
  DossierView& view_;
  DossierHeader& header_;
  DossierGrid& grid_;

  Panel* Panel91;  // examples menu
  QPushButton* BBt_VOIR_EX_1_;
  QPushButton* BBt_VOIR_EX_2_;
  QPushButton* BBt_VOIR_EX_5_;
  QPushButton* BBt_EFF_MENU_EX_;
  Panel* Panel45;  // notice of example 1
  Panel* Panel98;  // notice of example 2
  Panel* Panel6;   // notice of example 3
  QPushButton* Bt_VOIR_CALCUL_1_;
  QPushButton* Bt_EFF_EXPLI_EX_1_;
  QPushButton* Bt_VOIR_CALCUL_2_;
  QPushButton* Bt_EFF_EXPLI_EX_2_;
  QPushButton* Bt_VOIR_CALCUL_5_;
  QPushButton* Bt_EFF_EX_5_;
};

}  // namespace kalmoris
