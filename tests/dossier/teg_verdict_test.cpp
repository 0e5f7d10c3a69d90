#include "dossier/core/teg_verdict.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

QString text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// An announced TEG against a computed proportional TEG of 12,8289 %, as the screen shows it.
struct JudgementCase {
  const char* name;
  const char* announced;
  std::int64_t difference;
  bool exact;
  const char* screenLine;
};

class AnnouncedTeg : public ::testing::TestWithParam<JudgementCase> {};

TEST_P(AnnouncedTeg, IsJudgedToTheDecimal) {
  const JudgementCase& row = GetParam();
  const TegVerdict verdict = judgeAnnouncedTeg(text(row.announced), "12,8289 %", "13,6107 %");
  ASSERT_EQ(verdict.announcement, TegVerdict::Announcement::Given);
  EXPECT_EQ(verdict.proportional.difference, row.difference);
  EXPECT_EQ(verdict.proportional.exact(), row.exact);
  EXPECT_EQ(verdictLine("PROPORTIONNEL", verdict.proportional), text(row.screenLine));
}

INSTANTIATE_TEST_SUITE_P(
    Tolerance, AnnouncedTeg,
    ::testing::Values(
        JudgementCase{"WorkedExampleOne", " 12,00", -8289, false,
                      "PROPORTIONNEL : minoré de 0,8289 point, inexact à la décimale"},
        JudgementCase{"JustWithinTheDecimal", "12.729", -999, true,
                      "PROPORTIONNEL : minoré de 0,0999 point, exact à la décimale"},
        JudgementCase{"ATenthOfAPointIsInexact", "12,7289", -1000, false,
                      "PROPORTIONNEL : minoré de 0,1000 point, inexact à la décimale"},
        JudgementCase{"AboveIsMajore", "12,9", 711, true,
                      "PROPORTIONNEL : majoré de 0,0711 point, exact à la décimale"},
        JudgementCase{"Equal", "12,8289", 0, true,
                      "PROPORTIONNEL : égal au TEG calculé, exact à la décimale"},
        JudgementCase{"TwoPointsArePlural", "10", -28289, false,
                      "PROPORTIONNEL : minoré de 2,8289 points, inexact à la décimale"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnnouncedTeg, WithoutANumberThereIsNothingToCompare) {
  for (const char* none : {"", "   ", " 0,00", "0"}) {
    EXPECT_EQ(judgeAnnouncedTeg(text(none), "12,8289 %", "13,6107 %").announcement,
              TegVerdict::Announcement::None)
        << none;
  }
  EXPECT_EQ(nothingToCompareLine(TegVerdict::Announcement::None),
            text("Pas de TEG annoncé : rien à comparer."));
  const TegVerdict letters = judgeAnnouncedTeg("douze", "12,8289 %", "13,6107 %");
  EXPECT_EQ(letters.announcement, TegVerdict::Announcement::Unreadable);
  EXPECT_EQ(verdictReportLines(letters)[2],
            text("    Le TEG annoncé n'est pas un nombre : rien à comparer."));
}

TEST(AnnouncedTeg, ReportSignsEachDifference) {
  const TegVerdict verdict = judgeAnnouncedTeg(" 6,255", "6,2000 %", "6,4000 %");
  const QStringList lines = verdictReportLines(verdict);
  EXPECT_EQ(lines[2], text("    Taux Effectif Global annoncé: 6,255 %"));
  EXPECT_EQ(lines[3], text("         PROPORTIONNEL: écart +0,0550 point, majoré, exact à la "
                           "décimale."));
  EXPECT_EQ(lines[4], text("         ACTUARIEL: écart -0,1450 point, minoré, inexact à la "
                           "décimale."));
}

}  // namespace
}  // namespace kalmoris
