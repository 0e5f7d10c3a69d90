#pragma once

#include "app/ui/screen.h"

class QPushButton;

namespace kalmoris {

class TForm4 : public Screen {
  Q_OBJECT

 public:
  TForm4();

  void RETOUR_MENUClick();
  void QUITTERClick();

 private:
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm4* Form4;

}  // namespace kalmoris
