// The "IMPRIMER" menu: the dossier report at once, or the choice of the printer.
#include "dossier/dossier_screen.h"

#include "ui/platform.h"
#include "ui/report_printing.h"
#include "dossier/core/dossier_report.h"
#include "dossier/screen_view.h"

namespace kalmoris {

void TForm2::Menu_IMPRESSIONTEXTE1_Click() {
  printLineReport(this, [this](PrinterTextStream& out) {
    writeDossierReport(out, *view_, dossier_.blockCount);
  });
}

// What the user chooses in the dialog becomes the printer of every later report; nothing
// is printed here.
void TForm2::Men_CONFIGURATIONIMPRI1_Click() {
  platform().runPrintDialog(this);
}

}  // namespace kalmoris
