#pragma once

#include <QStringList>

namespace kalmoris {

// Creates the eight screens once, in their fixed order (menu, dossier, nominal rate,
// instalment, capital, accumulated value, amortization table, offer), each running its
// creation handler; the menu is the main window. destroyScreens deletes them when the program
// ends.
void createScreens();
void destroyScreens();

// With a file named after the program's name, shows the dossier screen as the menu does and
// opens that file in it, as its menu "OUVRIR " would; a ".offre" file opens in the offer's
// screen the same way.
void openCommandLineDossier(const QStringList& arguments);

}  // namespace kalmoris
