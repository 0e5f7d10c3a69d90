#pragma once

#include "dossier/dossier_screen.h"
#include "tests/support/screen_driver.h"

// The dossier screen's steps the tests take again and again, on the shared driver.
namespace kalmoris::testing {

// A fresh dossier screen, shown as the menu shows it.
ScreenDriver openDossier(ScreenFixture& fixture);

// The header of the first worked example's loan, typed in.
void typeFreshLoanHeader(const ScreenDriver& d);
// The loan of the first worked example, header and grid typed, the header validated.
void typeValidatedLoan(const ScreenDriver& d);

// "EFFACER TOUTES LES DONNEES" on a typed dossier, answering Non to the question it asks
// first: the changes are given up.
void eraseTypedDossier(ScreenFixture& fixture, const ScreenDriver& d);

// "Voir EXEMPLES", then the OK of an example (1 to 3), which shows its notice.
void openExampleNotice(const ScreenDriver& d, int example);
// "VOIR CALCUL" on the notice of an example.
void seeExampleCalculation(const ScreenDriver& d, int example);

bool calculationEnabled(const ScreenDriver& d);  // CALCULER and ICI
bool waitingLook(const ScreenDriver& d);         // the bars of a header waiting for its validation
bool validatedLook(const ScreenDriver& d);

}  // namespace kalmoris::testing
