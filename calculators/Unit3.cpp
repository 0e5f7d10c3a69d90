#include "calculators/Unit3.h"

#include "app/ui/controls.h"
#include "app/ui/handler.h"

#include <QPushButton>

namespace kalmoris {

TForm3* Form3 = nullptr;

TForm3::TForm3() : Screen("Form3", QStringLiteral("        CALCULER UN TAUX NOMINAL."), QSize(600, 440)) {
  RETOUR_MENU = controls::button(this, "RETOUR_MENU", QStringLiteral("RETOUR_MENU"), QRect(20, 396, 120, 30));
  QUITTER = controls::button(this, "QUITTER", QStringLiteral("QUITTER"), QRect(150, 396, 120, 30));
  onClick(RETOUR_MENU, this, &TForm3::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm3::QUITTERClick);
}

void TForm3::RETOUR_MENUClick() { showMenu(); }

void TForm3::QUITTERClick() { quitApplication(); }

}  // namespace kalmoris
