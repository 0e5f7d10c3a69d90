#pragma once

#include <QObject>

class QWidget;

namespace kalmoris {

class Panel;

// The help panels of the dossier screen's "?" tabs: opening a dossier (P17), the fees (P15),
// the validation (P43) and erasing (P215). Shown by their tabs, hidden by their "VU" buttons;
// the validation hides P43 and erase-all P215.
class DossierHelp : public QObject {
  Q_OBJECT

 public:
  // P17 and P15 stand on the screen itself, P43 and P215 on its main panel.
  DossierHelp(QWidget* screenArea, QWidget* mainPanel);

  void Panel16Click();
  void Pan_AIDE_FRAIS_Click();
  void Pan_AIDE_VALIDER_Click();
  void Pan_AIDE_EFF_DONN_Click();

  void hideValidationHelp();
  void hideEraseHelp();

 private:
  Panel* Panel17;
  Panel* Panel15;
  Panel* Panel43;
  Panel* Panel215;
};

}  // namespace kalmoris
