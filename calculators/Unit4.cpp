#include "calculators/Unit4.h"

#include "app/ui/controls.h"
#include "app/ui/handler.h"

#include <QPushButton>

namespace kalmoris {

TForm4* Form4 = nullptr;

TForm4::TForm4() : Screen("Form4", QStringLiteral("     CALCUL D'UNE ECHEANCE (ou d'un versement)"), QSize(620, 480)) {
  RETOUR_MENU = controls::button(this, "RETOUR_MENU", QStringLiteral("RETOUR_MENU"), QRect(20, 436, 120, 30));
  QUITTER = controls::button(this, "QUITTER", QStringLiteral("QUITTER"), QRect(150, 436, 120, 30));
  onClick(RETOUR_MENU, this, &TForm4::RETOUR_MENUClick);
  onClick(QUITTER, this, &TForm4::QUITTERClick);
}

void TForm4::RETOUR_MENUClick() { showMenu(); }

void TForm4::QUITTERClick() { quitApplication(); }

}  // namespace kalmoris
