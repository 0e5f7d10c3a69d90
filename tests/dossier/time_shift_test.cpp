#include "dossier/core/time_shift.h"

#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "tests/dossier/dossier_samples.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

using testing::typedLoanHeader;
using testing::typeLoanGrid;

QString text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

ShiftEntry byDays(const char* days, DayCount convention) {
  return {false, text(days), {}, {}, convention};
}

ShiftEntry byDates(const char* payout, const char* first, DayCount convention) {
  return {true, {}, text(payout), text(first), convention};
}

// What the dialog shows before it inserts: the days and the count as the grid will hold it.
struct ShiftCase {
  const char* name;
  ShiftEntry entry;
  int periodsPerYear;
  const char* summary;
};

class ReadShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ReadShift, GivesTheCountOfTheGroup) {
  const ShiftCase& row = GetParam();
  const Shift shift = readShift(row.entry, row.periodsPerYear);
  EXPECT_EQ(shift.refusal, QString());
  EXPECT_EQ(shiftSummary(shift), text(row.summary));
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, ReadShift,
    ::testing::Values(
        // A quarterly loan whose ninth payment comes 41 days after the eighth: 49 days early.
        ShiftCase{"QuarterlyFortyNineDaysEarly", byDays("-49", DayCount::ThirtyDayMonth), 4,
                  "Décalage de -49 jours : -0,544444 période"},
        // 45 days from payout to the first monthly instalment: 45 x 12 / 365 - 1 periods.
        ShiftCase{"DatesInANormalisedMonth",
                  byDates("01/01/2024", "15/02/2024", DayCount::NormalisedMonth), 12,
                  "Décalage de 14,58 jours : 0,479452 période"},
        // The 31st counts as the 30th: 31 January to 31 March is two months of 30 days.
        ShiftCase{"ThirtyFirstIsTheThirtieth",
                  byDates("31.01.2024", "31-03-2024", DayCount::ThirtyDayMonth), 12,
                  "Décalage de 30 jours : 1 période"},
        ShiftCase{"FebruaryEndsEarly",
                  byDates("31/01/2023", "28/02/2023", DayCount::ThirtyDayMonth), 12,
                  "Décalage de -2 jours : -0,066667 période"},
        // A month, then 3 days of the year ending 15/01/2013, which holds 29/02/2012.
        ShiftCase{"CalendarCountsWholePeriodsThenDays",
                  byDates("12/01/2013", "15/02/2013", DayCount::Calendar), 12,
                  "Première échéance à 1 mois + 3 / 366 du versement : 0,098361 période"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadShift, RefusesWhatItCannotUse) {
  const std::pair<ShiftEntry, const char*> refused[] = {
      {byDays("", DayCount::NormalisedMonth), "Indiquez le nombre de jours du décalage."},
      {byDays("4,5", DayCount::NormalisedMonth), "'4,5' n'est pas un nombre entier de jours."},
      {byDays("0", DayCount::NormalisedMonth),
       "Un décalage nul ne change rien : aucun bloc à insérer."},
      {byDays("-4000", DayCount::NormalisedMonth),
       "Un décalage ne peut dépasser 3660 jours, soit dix ans."},
      {byDates("31/02/2024", "15/03/2024", DayCount::NormalisedMonth),
       "'31/02/2024' n'est pas une date (jj/mm/aaaa)."},
      {byDates("", "15/03/2024", DayCount::NormalisedMonth),
       "Indiquez la date du versement du capital."},
      {byDates("01/03/2024", "  ", DayCount::NormalisedMonth),
       "Indiquez la date de la première échéance."},
      {byDates("", "", DayCount::NormalisedMonth), "Indiquez la date du versement du capital."},
      {byDates("15/03/2024", "01/03/2024", DayCount::NormalisedMonth),
       "La première échéance doit venir après le versement du capital."},
      {byDates("01/01/2024", "01/02/2024", DayCount::ThirtyDayMonth),
       "Un décalage nul ne change rien : aucun bloc à insérer."},
  };
  for (const auto& [entry, reason] : refused)
    EXPECT_EQ(readShift(entry, 12).refusal, text(reason)) << reason;
  EXPECT_EQ(readShift(byDays("-15", DayCount::Calendar), 12).refusal,
            text("Le calendrier se compte d'après les deux dates : indiquez le versement du "
                 "capital et la première échéance."));
  EXPECT_EQ(readShift(byDates("01/01/2024", "15/03/2024", DayCount::Calendar), 5).refusal,
            text("Le calendrier compte des périodes d'un nombre entier de mois : il ne s'applique "
                 "qu'à 1, 2, 3, 4, 6 ou 12 remboursements par an."));
}

// The calendar's count as the insertion writes it: whole periods - 1 + days x 12 / 365 or 366.
struct CalendarCase {
  const char* name;
  const char* payout;
  const char* firstInstalment;
  const char* inserted;
};

class CalendarShift : public ::testing::TestWithParam<CalendarCase> {};

TEST_P(CalendarShift, InsertsItsCount) {
  const CalendarCase& row = GetParam();
  HeadlessDossierView view = typedLoanHeader();
  LoanDossier dossier;
  validateHeader(dossier, view);
  const Shift shift = readShift(byDates(row.payout, row.firstInstalment, DayCount::Calendar), 12);
  ASSERT_EQ(shift.refusal, QString());
  insertShiftGroup(dossier, view, 2, shift.count);
  EXPECT_EQ(view.cellText(kCountColumn, 2), text(row.inserted));
}

INSTANTIATE_TEST_SUITE_P(Monthly, CalendarShift,
                         ::testing::Values(CalendarCase{"ThreeDaysOfALeapYearAfterAMonth",
                                                        "12/01/2013", "15/02/2013", " 0,098361"},
                                           CalendarCase{"LessThanAPeriodAfterThePayoutIsNegative",
                                                        "15/02/2015", "01/03/2015", " -0,539726"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The Commission's second example, case 1: 200 000 signed 12/01/2012, 4 000 of fees, 240
// monthly instalments of 1 433,57 from 15/02/2012; its TAEG is published as 6,434185 %.
TEST(CalendarShift, GivesTheTaegOfTheCommissionsSecondExample) {
  HeadlessDossierView view = testing::typedHeader({{HeaderField::Capital, "200000"},
                                                   {HeaderField::RepaymentCount, "240"},
                                                   {HeaderField::RepaymentsPerYear, "12"},
                                                   {HeaderField::Fee1, "4000"}});
  LoanDossier dossier;
  validateHeader(dossier, view);
  testing::typeRow(view, 1, "-200000", "1", "0", "4000");
  testing::typeRow(view, 2, "1433.57", "240");
  const Shift shift = readShift(byDates("12/01/2012", "15/02/2012", DayCount::Calendar), 12);
  insertShiftGroup(dossier, view, 2, shift.count);
  validateHeader(dossier, view);
  calculateDossier(dossier, view);
  EXPECT_EQ(view.text(DossierText::TegActuarial), "6,4342 %");
}

// The loan of the first example, validated and calculated, then a shift of half a month
// inserted before its payments, as the dialog does it.
TEST(InsertShiftGroup, MovesTheRowsDownAndCountsTheNewGroup) {
  HeadlessDossierView view = typedLoanHeader();
  LoanDossier dossier;
  validateHeader(dossier, view);
  typeLoanGrid(view);
  calculateDossier(dossier, view);
  EXPECT_EQ(shiftInsertionRefusal(dossier, view.gridRowCount, 2), QString());

  const Shift shift = readShift(byDays("-15", DayCount::ThirtyDayMonth), 12);
  insertShiftGroup(dossier, view, 2, shift.count);
  const char* grid[4][6] = {{},
                            {"1", " -200000,00", " 1", " 0,00", " 9116,00", " -190884,00"},
                            {"2", " 0,00", " -0,500000", " 0,00", " 0,00", " 0,00"},
                            {"3", " 2304,69", " 180", " 89,00", " 0,00", " 2393,69"}};
  for (int row = 1; row <= 3; ++row)
    for (int col = 0; col < 6; ++col) EXPECT_EQ(view.cellText(col, row), grid[row][col]);
  EXPECT_EQ(view.gridRowCount, 4);
  EXPECT_EQ(view.fieldText(HeaderField::BlockCount), " 3");

  // Validated and calculated again: the TEG of the schedule paid half a month earlier, from a
  // 50-digit recomputation (12,93154316 % and 13,72620091 %).
  validateHeader(dossier, view);
  calculateDossier(dossier, view);
  EXPECT_EQ(view.text(DossierText::TegProportional), "12,9315 %");
  EXPECT_EQ(view.text(DossierText::TegActuarial), "13,7262 %");
  EXPECT_TRUE(view.shown(DossierPanel::NotComputable));
}

TEST(InsertShiftGroup, NeedsAValidatedGridWithRoomLeft) {
  HeadlessDossierView view = typedLoanHeader();
  LoanDossier dossier;
  const QString notValidated = shiftInsertionRefusal(dossier, view.gridRowCount, 1);
  EXPECT_TRUE(notValidated.startsWith(text("Validez d'abord la saisie")))
      << notValidated.toStdString();
  validateHeader(dossier, view);
  EXPECT_EQ(shiftInsertionRefusal(dossier, view.gridRowCount, 0),
            text("Choisissez dans la grille la ligne devant laquelle insérer le décalage."));
  dossier.blockCount = kMaxGroups;
  EXPECT_EQ(shiftInsertionRefusal(dossier, kMaxGroups + 1, 1),
            text("La grille compte déjà 360 blocs de saisie : un décalage de plus n'y tient pas."));
}

}  // namespace
}  // namespace kalmoris
