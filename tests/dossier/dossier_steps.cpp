#include "tests/dossier/dossier_steps.h"

namespace kalmoris::testing {

ScreenDriver openDossier(ScreenFixture& fixture) {
  auto* screen = new TForm2;
  screen->showAt(1, 1);
  screen->resize(798, screen->height());
  return fixture.open(screen);
}

void typeFreshLoanHeader(const ScreenDriver& d) {
  d.fill({{"ch_capital", "200000"},
          {"ch_nb_remb", "180"},
          {"ch_remb_an", "12"},
          {"ch_grpv", "2"},
          {"ch_fr1_val", "7116"},
          {"ch_fr2_val", "2000"}});
}

void typeValidatedLoan(const ScreenDriver& d) {
  d.fill({{"ch_nom_emp", "g. roravor"},
          {"ch_capital", "200000"},
          {"ch_nb_remb", "180"},
          {"ch_remb_an", "12"},
          {"ch_grpv", "2"},
          {"ch_fr1_txt", "frais notariaux"},
          {"ch_fr1_val", "7116"},
          {"ch_fr2_txt", "frais de dossier"},
          {"ch_fr2_val", "2000"},
          {"ch_teg_ann", "12.13"}});
  d.click("bt_valider");
  d.typeRow(1, {"-200000", "1", nullptr, "9116"});
  d.typeRow(2, {"2304.69", "180", "89"});
}

void eraseTypedDossier(ScreenFixture& fixture, const ScreenDriver& d) {
  fixture.platform().yesNoCancelAnswers.push_back(Platform::Answer::No);
  d.click("effac_tout");
}

namespace {
// The buttons of the third example end in 5.
QString exampleSuffix(int example) {
  return QString::number(example == 3 ? 5 : example) + u'_';
}
}  // namespace

void openExampleNotice(const ScreenDriver& d, int example) {
  d.click("VOIR_EXEMPLES");
  d.click("BBt_VOIR_EX_" + exampleSuffix(example));
}

void seeExampleCalculation(const ScreenDriver& d, int example) {
  d.click("Bt_VOIR_CALCUL_" + exampleSuffix(example));
}

bool calculationEnabled(const ScreenDriver& d) {
  return d.button("BBt_CALCUL")->isEnabled() && d.button("Bt_ICI_")->isEnabled();
}

bool waitingLook(const ScreenDriver& d) {
  return d.panel("Panel10")->height() == 1 && d.panel("Panel11")->height() == 5;
}

bool validatedLook(const ScreenDriver& d) {
  return d.panel("Panel10")->height() == 5 && d.panel("Panel11")->height() == 1;
}

}  // namespace kalmoris::testing
