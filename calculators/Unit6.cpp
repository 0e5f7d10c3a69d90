#include "calculators/Unit6.h"

#include "app/ui/controls.h"
#include "app/ui/handler.h"

#include <QPushButton>

namespace kalmoris {

TForm6* Form6 = nullptr;

TForm6::TForm6() : Screen("Form6", QStringLiteral("LE CUMUL DES VERSEMENTS"), QSize(600, 420)) {
  RETOUR_MENU = controls::button(this, "RETOUR_MENU", QStringLiteral("RETOUR MENU"), QRect(20, 376, 120, 30));
  QUITTER = controls::button(this, "QUITTER", QStringLiteral("QUITTER"), QRect(150, 376, 120, 30));
  onClick(RETOUR_MENU, this, &TForm6::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm6::QUITTERClick);
}

void TForm6::RETOUR_MENUClick() { showMenu(); }

void TForm6::QUITTERClick() { quitApplication(); }

}  // namespace kalmoris
