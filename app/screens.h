#pragma once

namespace kalmoris {

// Creates the seven screens once, in their fixed order (menu, dossier, nominal rate,
// instalment, capital, accumulated value, amortization table), each running its creation
// handler; the menu is the main window. destroyScreens deletes them when the program ends.
void createScreens();
void destroyScreens();

}  // namespace kalmoris
