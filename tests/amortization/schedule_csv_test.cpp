#include "amortization/core/schedule_csv.h"

#include "tests/amortization/loan_inputs.h"
#include "tests/core/failure_expectations.h"
#include "tests/core/spreadsheet_reader.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <vector>

namespace kalmoris {
namespace {

using testing::FrancsLoan;
using testing::LoanInputs;
using testing::Sheet;
using testing::SheetAmount;

Sheet Table(const ScheduleInputs& inputs, MoneyUnit currency, ReportRange range) {
  return testing::ReadSheet(ScheduleCsv(inputs, currency, range));
}

TEST(ScheduleCsv, WholeFrancsTableOfTheLoan) {
  const Sheet sheet = Table(FrancsLoan(), MoneyUnit::Francs, {1, 240});
  EXPECT_TRUE(sheet.byteOrderMark);
  EXPECT_FALSE(sheet.bareLineFeed);
  ASSERT_EQ(sheet.rows.size(), 241u);
  EXPECT_EQ(sheet.rows[0], (QStringList{"Num. Echéance", "Date Echéance", "Echéance",
                                        "Part Intérêts", "Part amortissmnt", "Capital reste du"}));
  EXPECT_EQ(sheet.rows[1],
            (QStringList{"1", "03 / 2002", "716,43", "500,00", "216,43", "99783,57"}));
  EXPECT_EQ(sheet.rows[2],
            (QStringList{"2", "04 / 2002", "716,43", "498,92", "217,51", "99566,06"}));
  const QStringList last = sheet.rows[240];
  EXPECT_EQ(last.mid(0, 5), (QStringList{"240", "02 / 2022", "716,43", "3,56", "712,87"}));
  EXPECT_NEAR(SheetAmount(last[5]), 0, 0.005);
}

TEST(ScheduleCsv, EurosTableOfAFrancsLoanTakesTheEuroCapitalAndInstalment) {
  const Sheet sheet = Table(FrancsLoan(), MoneyUnit::Euros, {1, 240});
  EXPECT_EQ(sheet.rows[1], (QStringList{"1", "03 / 2002", "109,22", "76,22", "32,99", "15211,91"}));
}

// Instalments before the range are computed: the capital left after 30 is the loan's.
TEST(ScheduleCsv, RangeTakesTheReportsInstalments) {
  const Sheet sheet = Table(FrancsLoan(), MoneyUnit::Francs, {25, 30});
  ASSERT_EQ(sheet.rows.size(), 7u);
  for (int k = 25; k <= 30; ++k) {
    EXPECT_EQ(sheet.rows[k - 24][0], QString::number(k));
    EXPECT_EQ(sheet.rows[k - 24][1], QStringLiteral("%1 / 2004").arg(k - 22, 2, 10, QChar(u'0')));
  }
  const Real growth = std::pow(1.005L, 30);
  const Real instalment = 100000 * 0.005L / (1 - std::pow(1.005L, -240));
  EXPECT_NEAR(SheetAmount(sheet.rows[6][5]), 100000 * growth - instalment * (growth - 1) / 0.005L,
              0.005);
  EXPECT_EQ(Table(FrancsLoan(), MoneyUnit::Francs, {1, 9999}).rows.size(), 241u);
  EXPECT_EQ(Table(FrancsLoan(), MoneyUnit::Francs, {5, 3}).rows.size(), 1u);
  EXPECT_EQ(Table(FrancsLoan(), MoneyUnit::Francs, {241, 300}).rows.size(), 1u);
}

TEST(ScheduleCsv, WithoutDatesEveryDateIsStars) {
  const Sheet sheet = Table(FrancsLoan(0, 0), MoneyUnit::Francs, {1, 240});
  ASSERT_EQ(sheet.rows.size(), 241u);
  for (std::size_t k = 1; k < sheet.rows.size(); ++k)
    EXPECT_EQ(sheet.rows[k][1], QStringLiteral("******"));
}

TEST(ScheduleCsv, HugeAmountsKeepEveryDigit) {
  const ScheduleInputs inputs =
      LoanInputs(MoneyUnit::Francs, RateKind::Proportional, 1e20L, 6, 12, 240);
  const QStringList first = Table(inputs, MoneyUnit::Francs, {1, 1}).rows[1];
  EXPECT_NEAR(SheetAmount(first[3]), 5e17L, 0.04);
  EXPECT_EQ(first[5].indexOf(u','), 20);
  EXPECT_NEAR(SheetAmount(first[5]) / 1e20L, 1 - 216.43 / 100000, 1e-7);
}

}  // namespace
}  // namespace kalmoris
