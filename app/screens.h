#pragma once

#include <QStringList>

namespace kalmoris {

// Creates the seven screens once, in their fixed order (menu, dossier, nominal rate,
// instalment, capital, accumulated value, amortization table), each running its creation
// handler; the menu is the main window. destroyScreens deletes them when the program ends.
void createScreens();
void destroyScreens();

// With a file named after the program's name, shows the dossier screen as the menu does and
// opens that file in it, as its menu "OUVRIR " would.
void openCommandLineDossier(const QStringList& arguments);

}  // namespace kalmoris
