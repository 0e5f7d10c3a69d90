#pragma once

#include "app/ui/screen.h"

class QPushButton;

namespace kalmoris {

class TForm3 : public Screen {
  Q_OBJECT

 public:
  TForm3();

  void RETOUR_MENUClick();
  void QUITTERClick();

 private:
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm3* Form3;

}  // namespace kalmoris
