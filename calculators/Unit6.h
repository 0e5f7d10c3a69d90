#pragma once

#include "app/ui/screen.h"

class QPushButton;

namespace kalmoris {

class TForm6 : public Screen {
  Q_OBJECT

 public:
  TForm6();

  void RETOUR_MENUClick();
  void QUITTERClick();

 private:
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm6* Form6;

}  // namespace kalmoris
