#include "core/offer_control.h"

#include "failure_expectations.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

using testing::PrintTo;

enum class Line { Verdict, Information, Category, Usury };

// One line of the control for one offer; a null text means the line is absent.
struct ControlCase {
  const char* name;
  OfferFigures figures;
  Line line;
  const char* text;
  Tone tone;
};

const QDate k2026(2026, 1, 15);
const QDate k2015(2015, 1, 15);

// The Commission's example 1: 200 000 €, fees 4 000 €, 240 x 1 432,86 € monthly.
OfferFigures exampleOne(LoanNature nature, std::optional<QDate> date, std::optional<Real> announced,
                        std::optional<Real> threshold = {}) {
  return {nature, date, announced, 6.4344L, 6.2521L, {200000, 240, 12}, threshold};
}

// The same loan in 239 instalments.
OfferFigures in239(std::optional<QDate> date, std::optional<Real> announced,
                   std::optional<Real> threshold = {}) {
  return {LoanNature::Immobilier, date, announced, 6.4064L, 6.2257L, {200000, 239, 12}, threshold};
}

// A judgement of the courts on a proportional TEG.
OfferFigures court(Real announced, Real proportional) {
  return {LoanNature::Professionnel, std::nullopt, announced, 7, proportional,
          {100000, 120, 12},         std::nullopt};
}

std::optional<TonedLine> lineOf(const OfferControl& control, Line line) {
  switch (line) {
    case Line::Verdict:
      return control.verdict;
    case Line::Information:
      return control.information;
    case Line::Category:
      return control.category;
    case Line::Usury:
      return control.usury;
  }
  return std::nullopt;
}

class OfferControlTest : public ::testing::TestWithParam<ControlCase> {};

TEST_P(OfferControlTest, ShowsTheLineTheLawReads) {
  const ControlCase& row = GetParam();
  const std::optional<TonedLine> line = lineOf(controlOffer(row.figures), row.line);
  if (!row.text) {
    EXPECT_FALSE(line) << line->text.toStdString();
    return;
  }
  ASSERT_TRUE(line);
  EXPECT_EQ(line->text, QString::fromUtf8(row.text));
  EXPECT_EQ(line->tone, row.tone);
}

constexpr auto kImmo = LoanNature::Immobilier;

INSTANTIATE_TEST_SUITE_P(
    Figures, OfferControlTest,
    ::testing::Values(
        ControlCase{"ExampleOneStatesTheTaegWithinTheDecimal", exampleOne(kImmo, k2026, 6.4L),
                    Line::Verdict, "TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale",
                    Tone::Green},
        ControlCase{"ExampleOneGivesTheTegForInformation", exampleOne(kImmo, k2026, 6.4L),
                    Line::Information,
                    "pour information : TEG (proportionnel) 6,2521 %, majoré de 0,1479 point",
                    Tone::None},
        ControlCase{"ExampleOneIsTwentyYearsAndMore", exampleOne(kImmo, k2026, 6.4L),
                    Line::Category,
                    "Catégorie de l'usure : immobilier à taux fixe, 20 ans et plus (taux variable "
                    "et prêt relais : autres seuils)",
                    Tone::None},
        ControlCase{
            "ExampleOneIsAboveAThresholdOf513", exampleOne(kImmo, k2026, 6.4L, 5.13L), Line::Usury,
            "TAEG 6,4344 % : au-dessus du seuil de l'usure (5,13 %) de 1,3044 point", Tone::Red},
        ControlCase{"UnderstatedBeyondTheDecimalHarmsTheBorrower", exampleOne(kImmo, k2026, 6.3L),
                    Line::Verdict,
                    "TAEG (actuariel) : minoré de 0,1344 point, inexact à la décimale, au "
                    "détriment de l'emprunteur",
                    Tone::Red},
        ControlCase{"OverstatedBeyondTheDecimalFavoursTheBorrower", exampleOne(kImmo, k2026, 6.6L),
                    Line::Verdict,
                    "TAEG (actuariel) : majoré de 0,1656 point, inexact à la décimale, en faveur "
                    "de l'emprunteur",
                    Tone::Orange},
        ControlCase{"ATenthOfAPointIsInexact", exampleOne(kImmo, k2026, 6.3344L), Line::Verdict,
                    "TAEG (actuariel) : minoré de 0,1000 point, inexact à la décimale, au "
                    "détriment de l'emprunteur",
                    Tone::Red},
        ControlCase{"NoGapIsIdentical", exampleOne(kImmo, k2026, 6.4344L), Line::Verdict,
                    "TAEG (actuariel) : identique au taux calculé, exact à la décimale",
                    Tone::Green},
        ControlCase{"WithoutADateTheTaegCountsAndIsNoted", exampleOne(kImmo, std::nullopt, 6.4L),
                    Line::Verdict,
                    "TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale (date de "
                    "l'offre non indiquée)",
                    Tone::Green},
        ControlCase{"WithoutAnAnnouncedRateNothingIsJudged", exampleOne(kImmo, k2026, std::nullopt),
                    Line::Verdict, "TAEG (actuariel) : pas de taux annoncé, rien à comparer",
                    Tone::None},
        ControlCase{"WithoutAnAnnouncedRateTheOtherRateHasNoGap",
                    exampleOne(kImmo, k2026, std::nullopt), Line::Information,
                    "pour information : TEG (proportionnel) 6,2521 %", Tone::None},
        ControlCase{"AProfessionalLoanStatesTheTeg",
                    exampleOne(LoanNature::Professionnel, k2026, 6.2L), Line::Verdict,
                    "TEG (proportionnel) : minoré de 0,0521 point, exact à la décimale",
                    Tone::Green},
        ControlCase{"AProfessionalLoanGivesTheTaegForInformation",
                    exampleOne(LoanNature::Professionnel, k2026, 6.2L), Line::Information,
                    "pour information : TAEG (actuariel) 6,4344 %, minoré de 0,2344 point",
                    Tone::None},
        ControlCase{"AProfessionalLoanHasNoUsuryLine",
                    exampleOne(LoanNature::Professionnel, k2026, 6.2L, 5.13L), Line::Usury, nullptr,
                    Tone::None},
        ControlCase{"AnOfferOf2015StatesTheTeg", in239(k2015, 6.3L), Line::Verdict,
                    "TEG (proportionnel) : majoré de 0,0743 point, exact à la décimale",
                    Tone::Green},
        ControlCase{"TheUsuryLineComparesTheTegWhenItCounts", in239(k2015, 6.3L, 6), Line::Usury,
                    "TEG 6,2257 % : au-dessus du seuil de l'usure (6,00 %) de 0,2257 point",
                    Tone::Red},
        ControlCase{"WithoutANatureTheUsuryLineComparesTheTaeg",
                    exampleOne(LoanNature::None, k2015, 6.4L, 7), Line::Usury,
                    "TAEG 6,4344 % : ne dépasse pas le seuil de l'usure (7,00 %)", Tone::None},
        ControlCase{"WithoutANatureThereIsNoVerdictLine", exampleOne(LoanNature::None, k2026, 6.4L),
                    Line::Verdict, nullptr, Tone::None},
        ControlCase{"WithoutANatureThereIsNoCategory", exampleOne(LoanNature::None, k2026, 6.4L),
                    Line::Category, nullptr, Tone::None},
        ControlCase{"WithoutAThresholdThereIsNoUsuryLine", exampleOne(kImmo, k2026, 6.4L),
                    Line::Usury, nullptr, Tone::None},
        ControlCase{"Court5672Against5743IsExact", court(5.672L, 5.743L), Line::Verdict,
                    "TEG (proportionnel) : minoré de 0,0710 point, exact à la décimale",
                    Tone::Green},
        ControlCase{"Court6259Against6281IsExact", court(6.259L, 6.281L), Line::Verdict,
                    "TEG (proportionnel) : minoré de 0,0220 point, exact à la décimale",
                    Tone::Green},
        ControlCase{"Court3746Against3748IsExact", court(3.746L, 3.748L), Line::Verdict,
                    "TEG (proportionnel) : minoré de 0,0020 point, exact à la décimale",
                    Tone::Green},
        ControlCase{"Court482Against4713201FavoursTheBorrower", court(4.82L, 4.713201L),
                    Line::Verdict,
                    "TEG (proportionnel) : majoré de 0,1068 point, inexact à la décimale, en "
                    "faveur de l'emprunteur",
                    Tone::Orange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfferControl, TheRateThatCountsIsGivenWithTheLines) {
  EXPECT_EQ(controlOffer(in239(k2015, 6.3L)).counting.label(),
            QStringLiteral("TEG (proportionnel)"));
  EXPECT_EQ(controlOffer(exampleOne(kImmo, std::nullopt, 6.4L)).counting,
            (CountingRate{RateKind::Actuarial, true}));
}

TEST(OfferControl, TheReportCarriesTheLinesInTheStripsOrder) {
  const QStringList lines = controlOffer(exampleOne(kImmo, k2026, 6.4L, 5.13L)).reportLines();
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0],
            QStringLiteral("    TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale"));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("    pour information : ")));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("    Catégorie de l'usure : ")));
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("    TAEG 6,4344 % : au-dessus")));
  EXPECT_EQ(controlOffer(exampleOne(LoanNature::None, k2026, 6.4L)).reportLines(), QStringList());
  EXPECT_EQ(offerControlHeading(),
            (QStringList{QStringLiteral("    "),
                         QStringLiteral("    ***** CONTROLE DU TEG ANNONCE *****")}));
}

}  // namespace
}  // namespace kalmoris
