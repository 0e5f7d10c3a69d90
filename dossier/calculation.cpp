// Calculating the grid ("CALCULER", "ICI", "RE-CALCUL !") and working in it.
#include "dossier/dossier_screen.h"

#include "ui/panel.h"
#include "dossier/core/grid_calculation.h"
#include "dossier/screen_view.h"

namespace kalmoris {

void TForm2::BBt_CALCULClick() {
  calculateDossier(dossier_, *view_);
}

// Any click or move in the grid covers the results, which no longer hold once it is edited.
void TForm2::StringGrid1Click() {
  Panel90->hide();
  Panel123->showAt(456, 250);
}

}  // namespace kalmoris
