#pragma once

#include "app/ui/screen.h"

class QPushButton;

namespace kalmoris {

class TForm5 : public Screen {
  Q_OBJECT

 public:
  TForm5();

  void retour_menuClick();
  void quitterClick();

 private:
  QPushButton* retour_menu;
  QPushButton* quitter;
};

extern TForm5* Form5;

}  // namespace kalmoris
