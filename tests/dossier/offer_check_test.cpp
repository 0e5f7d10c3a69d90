#include "dossier/core/offer_check.h"

#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "tests/dossier/dossier_samples.h"

#include <gtest/gtest.h>

#include <array>

namespace kalmoris {
namespace {

// The Commission's first example, calculated with the strip's entries and announced rate.
struct StripCase {
  const char* name;
  const char* nature;
  const char* offerDate;
  const char* threshold;
  const char* announced;
  std::array<const char*, 4> lines;  // lb_verdict, lb_information, lb_categorie, lb_usure
  std::array<Tone, 4> tones;
};

class OfferStripLines : public ::testing::TestWithParam<StripCase> {};

TEST_P(OfferStripLines, AreWrittenWithTheirTones) {
  const StripCase& row = GetParam();
  HeadlessDossierView view = testing::typedCommissionExample();
  LoanDossier dossier;
  validateHeader(dossier, view);
  view.writeText(DossierText::Nature, QString::fromUtf8(row.nature));
  view.writeText(DossierText::OfferDate, QString::fromUtf8(row.offerDate));
  view.writeText(DossierText::UsuryThreshold, QString::fromUtf8(row.threshold));
  view.writeField(HeaderField::AnnouncedTeg, QString::fromUtf8(row.announced));
  calculateDossier(dossier, view);
  ASSERT_TRUE(view.shown(DossierPanel::Verdict));
  const DossierText lines[] = {DossierText::VerdictLine, DossierText::InformationLine,
                               DossierText::CategoryLine, DossierText::UsuryLine};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(view.text(lines[k]), QString::fromUtf8(row.lines[k])) << k;
    EXPECT_EQ(view.tones[HeadlessDossierView::index(lines[k])], row.tones[k]) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    CommissionExample, OfferStripLines,
    ::testing::Values(
        StripCase{"NoNatureKeepsTheVerdictOnEachTegAndAddsTheCeiling",
                  "",
                  "",
                  "5,13",
                  " 6,40",
                  {"PROPORTIONNEL : majoré de 0,1479 point, inexact à la décimale",
                   "ACTUARIEL : minoré de 0,0344 point, exact à la décimale", "",
                   "TAEG 6,4344 % : au-dessus du seuil de l'usure (5,13 %) de 1,3044 point"},
                  {Tone::Red, Tone::Green, Tone::None, Tone::Red}},
        StripCase{"ConsumerCategoryIsTheHeadersCapital",
                  "Consommation",
                  "15/01/2026",
                  "",
                  "6,3",
                  {"TAEG (actuariel) : minoré de 0,1344 point, inexact à la décimale, au "
                   "détriment de l'emprunteur",
                   "pour information : TEG (proportionnel) 6,2521 %, majoré de 0,0479 point",
                   "Catégorie de l'usure : consommation, plus de 6 000 €", ""},
                  {Tone::Red, Tone::None, Tone::None, Tone::None}},
        StripCase{"AnnouncementThatIsNoNumberIsSaidSo",
                  "Immobilier",
                  "15/01/2015",
                  "",
                  "six",
                  {"TEG (proportionnel) : le taux annoncé n'est pas un nombre, rien à comparer",
                   "pour information : TAEG (actuariel) 6,4344 %",
                   "Catégorie de l'usure : immobilier à taux fixe, toutes durées (taux variable "
                   "et prêt relais : autres seuils)",
                   ""},
                  {Tone::None, Tone::None, Tone::None, Tone::None}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
