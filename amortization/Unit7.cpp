#include "amortization/Unit7.h"

#include "app/ui/controls.h"
#include "app/ui/handler.h"

#include <QPushButton>

namespace kalmoris {

TForm7* Form7 = nullptr;

TForm7::TForm7() : Screen("Form7", QStringLiteral("-7- TABLEAU D'AMORTISSEMENT"), QSize(680, 570)) {
  RETOUR_MENU = controls::button(this, "RETOUR_MENU", QStringLiteral("RETOUR MENU"), QRect(20, 526, 120, 30));
  QUITTER = controls::button(this, "QUITTER", QStringLiteral("QUITTER"), QRect(150, 526, 120, 30));
  onClick(RETOUR_MENU, this, &TForm7::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm7::QUITTERClick);
}

void TForm7::RETOUR_MENUClick() { showMenu(); }

void TForm7::QUITTERClick() { quitApplication(); }

}  // namespace kalmoris
