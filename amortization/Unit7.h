#pragma once

#include "app/ui/screen.h"

class QPushButton;

namespace kalmoris {

class TForm7 : public Screen {
  Q_OBJECT

 public:
  TForm7();

  void RETOUR_MENUClick();
  void QUITTERClick();

 private:
  QPushButton* RETOUR_MENU;
  QPushButton* QUITTER;
};

extern TForm7* Form7;

}  // namespace kalmoris
