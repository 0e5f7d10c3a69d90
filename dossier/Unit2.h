#pragma once

#include "app/ui/screen.h"

class QMenuBar;

namespace kalmoris {

// "-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.": the verification of a loan's TEG.
class TForm2 : public Screen {
  Q_OBJECT

 public:
  TForm2();

  void FormCreate();
  void Men_RETOUR_MENU1_Click();
  void QUITTER1Click();

 private:
  void createMenus();

  QMenuBar* MainMenu1;
};

extern TForm2* Form2;

}  // namespace kalmoris
