#include "calculators/Unit5.h"

#include "app/ui/controls.h"
#include "app/ui/handler.h"

#include <QPushButton>

namespace kalmoris {

TForm5* Form5 = nullptr;

TForm5::TForm5() : Screen("Form5", QStringLiteral("CALCUL RAPIDE D'UN CAPITAL"), QSize(620, 480)) {
  retour_menu = controls::button(this, "retour_menu", QStringLiteral("RETOUR MENU"), QRect(20, 436, 120, 30));
  quitter = controls::button(this, "quitter", QStringLiteral("QUITTER"), QRect(150, 436, 120, 30));
  onClick(retour_menu, this, &TForm5::retour_menuClick);
  onClick(quitter, this, &TForm5::quitterClick);
}

void TForm5::retour_menuClick() { showMenu(); }

void TForm5::quitterClick() { quitApplication(); }

}  // namespace kalmoris
