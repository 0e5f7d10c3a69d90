#include "app/screens.h"

#include "amortization/amortization_screen.h"
#include "app/main_menu.h"
#include "calculators/capital_screen.h"
#include "calculators/deposits_screen.h"
#include "calculators/instalment_screen.h"
#include "calculators/nominal_rate_screen.h"
#include "dossier/dossier_screen.h"
#include "offer/offer_screen.h"
#include "ui/handler.h"

namespace kalmoris {

void createScreens() {
  Form1 = new TForm1;
  setMenuWindow(Form1);
  Form2 = new TForm2;
  Form3 = new TForm3;
  Form4 = new TForm4;
  Form5 = new TForm5;
  Form6 = new TForm6;
  Form7 = new TForm7;
  Form8 = new TForm8;
}

namespace {
template <typename Form>
void destroy(Form*& form) {
  delete form;
  form = nullptr;
}
}  // namespace

void destroyScreens() {
  destroy(Form8);
  destroy(Form7);
  destroy(Form6);
  destroy(Form5);
  destroy(Form4);
  destroy(Form3);
  destroy(Form2);
  setMenuWindow(nullptr);
  destroy(Form1);
}

void openCommandLineDossier(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  const QString& file = arguments[1];
  if (file.endsWith(QStringLiteral(".offre"), Qt::CaseInsensitive)) {
    Form1->controle_offreClick();
    runHandler(Form8, [&] { Form8->openFile(file); });
    return;
  }
  Form1->ouvre_dossierClick();
  runHandler(Form2, [&] { Form2->openFile(file); });
}

}  // namespace kalmoris
