#include "dossier/core/dossier_file.h"

#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "dossier/core/worked_examples.h"
#include "tests/core/failure_expectations.h"
#include "tests/dossier/dossier_samples.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;

QStringList linesOf(const QByteArray& file) {
  QStringList lines = QString::fromLatin1(file).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.takeLast(), QString()) << "the last line ends with CR LF";
  return lines;
}

// A validated and calculated copy of the loan typed in the tests.
HeadlessDossierView calculatedLoan(LoanDossier& dossier) {
  HeadlessDossierView view = testing::typedLoanHeader();
  view.writeField(HeaderField::FeeLabel2, "");
  testing::typeLoanGrid(view);
  validateHeader(dossier, view);
  calculateDossier(dossier, view);
  return view;
}

TEST(DossierFileWriting, CalculatedDossierIsTwelveLinesThenFourPerGroup) {
  LoanDossier dossier;
  const HeadlessDossierView view = calculatedLoan(dossier);
  const QByteArray file = encodeDossierFile(view, dossier.blockCount);
  EXPECT_EQ(linesOf(file), QStringList({"G. RORAVOR",
                                        " 200000,00",
                                        " 180",
                                        " 12",
                                        " 12,13",
                                        "frais notariaux",
                                        QString::fromLatin1("     n\xe9"
                                                            "ant"),
                                        QString::fromLatin1("     n\xe9"
                                                            "ant"),
                                        " 7116,00",
                                        " 2000,00",
                                        " 0,00",
                                        " 2",
                                        " -200000,00",
                                        " 1",
                                        " 0,00",
                                        " 9116,00",
                                        " 2304,69",
                                        " 180",
                                        " 89,00",
                                        " 0,00"}));
  EXPECT_TRUE(
      file.contains("n\xe9"
                    "ant\r\n"));
}

TEST(DossierFileWriting, DossierBeforeValidationKeepsWhatWasTyped) {
  HeadlessDossierView view = testing::typedLoanHeader();
  testing::typeLoanGrid(view);
  const QStringList lines = linesOf(encodeDossierFile(view, 2));
  ASSERT_EQ(lines.size(), 20);
  EXPECT_EQ(lines[1], "200000");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[10], "");
  EXPECT_EQ(lines[16], "2304.69");
  EXPECT_EQ(lines[14], "");
}

TEST(DossierFileWriting, GroupCountInForceDecidesTheGroupsWritten) {
  HeadlessDossierView view;
  view.writeField(HeaderField::BlockCount, "5");
  EXPECT_EQ(linesOf(encodeDossierFile(view, 3)).size(), 24);
}

struct UnstorableCase {
  const char* name;
  HeaderField field;  // BlockCount means the grid cell of row 2, fees
  const char* typed;
  const char* place;
  const char* character;
};

class UnstorableText : public ::testing::TestWithParam<UnstorableCase> {};

TEST_P(UnstorableText, IsRefusedNamingItsField) {
  const UnstorableCase& row = GetParam();
  HeadlessDossierView view = testing::typedLoanHeader();
  if (row.field == HeaderField::BlockCount)
    view.writeCell(kFeesColumn, 2, QString::fromUtf8(row.typed));
  else
    view.writeField(row.field, QString::fromUtf8(row.typed));
  try {
    encodeDossierFile(view, 2);
    ADD_FAILURE() << "the text was written";
  } catch (const FileFailure& failure) {
    EXPECT_TRUE(failure.message().contains(QString::fromUtf8(row.place))) << failure.what();
    EXPECT_TRUE(failure.message().contains(QString::fromUtf8(row.character))) << failure.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, UnstorableText,
    ::testing::Values(UnstorableCase{"OutsideTheCodePage", HeaderField::BorrowerName, "Łukasz",
                                     "la zone « EMPRUNTEUR »", "« Ł »"},
                      UnstorableCase{"Emoji", HeaderField::FeeLabel2, "frais 😀",
                                     "la zone « FRAIS 2 (libellé) »", "« 😀 »"},
                      UnstorableCase{"LineFeed", HeaderField::Capital, "200\n000",
                                     "la zone « MONTANT PRET »", "U+000A"},
                      UnstorableCase{"EndOfFileByte", HeaderField::FeeLabel1, "a\x1a",
                                     "FRAIS 1 (libellé)", "U+001A"},
                      UnstorableCase{"GridCell", HeaderField::BlockCount, "1✓",
                                     "la cellule de la ligne 2, colonne « 5 FRAIS »", "« ✓ »"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file written line by line, each line ended as given.
QByteArray fileOf(const QStringList& lines, const char* end = "\r\n") {
  QByteArray file;
  for (const QString& line : lines) file += line.toLatin1() + end;
  return file;
}

QStringList headerLines(const char* groups) {
  return {"NOM", "1000", "2", "12", "5", "f1", "f2", "f3", "1", "2", "3", groups};
}

struct Loaded {
  HeadlessDossierView view;
  LoanDossier dossier;
};

Loaded load(const QByteArray& file) {
  Loaded loaded;
  loadDossierFile(file, loaded.dossier, loaded.view);
  return loaded;
}

// A refused file is read whole before anything of it is shown: the view and the dossier stay
// as they were.
void expectNothingShown(const HeadlessDossierView& view, const LoanDossier& dossier) {
  const HeadlessDossierView fresh;
  EXPECT_EQ(view.fields(), fresh.fields());
  EXPECT_EQ(view.cells, fresh.cells);
  EXPECT_EQ(view.gridRowCount, fresh.gridRowCount);
  EXPECT_EQ(dossier.blockCount, LoanDossier{}.blockCount);
}

TEST(DossierFileReading, PutsTheTextsBackAndSizesTheGrid) {
  const Loaded loaded =
      load(fileOf(headerLines(" 2") + QStringList{"-1000", "1", "", "3", "520,5", "2", "0", ""}));
  EXPECT_EQ(loaded.view.fieldText(HeaderField::BorrowerName), "NOM");
  EXPECT_EQ(loaded.view.fieldText(HeaderField::Fee3), "3");
  EXPECT_EQ(loaded.view.fieldText(HeaderField::BlockCount), " 2");
  EXPECT_EQ(loaded.dossier.blockCount, 2);
  EXPECT_EQ(loaded.view.gridRowCount, 3);
  EXPECT_EQ(loaded.view.cellText(kAmountColumn, 1), "-1000");
  EXPECT_EQ(loaded.view.cellText(kFeesColumn, 1), "3");
  EXPECT_EQ(loaded.view.cellText(kAmountColumn, 2), "520,5");
  EXPECT_EQ(loaded.view.cellText(kNumberColumn, 1), "");
  EXPECT_EQ(loaded.view.cellText(kCumulColumn, 1), "");
}

TEST(DossierFileReading, LinesMayEndWithLfAloneOrCrAlone) {
  const QStringList lines = headerLines("1") + QStringList{"-1000", "1", "", ""};
  for (const char* end : {"\n", "\r"}) {
    const Loaded loaded = load(fileOf(lines, end));
    EXPECT_EQ(loaded.view.fieldText(HeaderField::Capital), "1000") << end;
    EXPECT_EQ(loaded.view.cellText(kAmountColumn, 1), "-1000") << end;
  }
}

TEST(DossierFileReading, EndOfFileByteEndsTheFile) {
  QByteArray file = fileOf(headerLines("2") + QStringList{"-1000", "1"});
  file +=
      "\x1a"
      "garbage\r\nmore\r\n";
  const Loaded loaded = load(file);
  EXPECT_EQ(loaded.view.cellText(kCountColumn, 1), "1");
  EXPECT_EQ(loaded.view.cellText(kInsuranceColumn, 1), "");
  EXPECT_EQ(loaded.view.cellText(kAmountColumn, 2), "");
}

TEST(DossierFileReading, FileEndingAfterTheHeaderGivesAnEmptyGrid) {
  const Loaded loaded = load(fileOf(headerLines("2")));
  EXPECT_EQ(loaded.view.gridRowCount, 3);
  EXPECT_EQ(loaded.view.cellText(kAmountColumn, 1), "");
}

TEST(DossierFileReading, ShortHeaderFailsOnTheEmptyGroupCountShowingNothing) {
  HeadlessDossierView view;
  LoanDossier dossier;
  EXPECT_TRUE(FailsWith<ConversionFailure>(
      [&] {
        loadDossierFile(fileOf({"NOM", "1000"}), dossier, view);
      },
      "'' n'est pas une valeur entière correcte"));
  expectNothingShown(view, dossier);
}

TEST(DossierFileReading, SeveralDossiersLeaveTheLastOne) {
  QStringList second = headerLines("1");
  second[0] = "SECOND";
  const Loaded loaded =
      load(fileOf(headerLines("2") + QStringList{"-1", "1", "", "", "1", "1", "", ""} + second +
                  QStringList{"-7", "1", "", ""}));
  EXPECT_EQ(loaded.view.fieldText(HeaderField::BorrowerName), "SECOND");
  EXPECT_EQ(loaded.dossier.blockCount, 1);
  EXPECT_EQ(loaded.view.gridRowCount, 2);
  EXPECT_EQ(loaded.view.cellText(kAmountColumn, 1), "-7");
}

TEST(DossierFileReading, FurtherDossierThatFailsRefusesTheWholeFile) {
  // Three groups on file, but line 12 says 2: the third group becomes the next header, whose
  // line 12 is empty. The first dossier, whole, is not shown either.
  HeadlessDossierView view;
  LoanDossier dossier;
  const QByteArray file = fileOf(
      headerLines("2") + QStringList{"-1000", "1", "", "", "500", "1", "", "", "500", "1", "", ""});
  EXPECT_TRUE(FailsWith<ConversionFailure>([&] { loadDossierFile(file, dossier, view); },
                                           "'' n'est pas une valeur entière correcte"));
  expectNothingShown(view, dossier);
}

struct GroupCountCase {
  const char* name;
  const char* line12;
  const char* message;
};

class RefusedGroupCount : public ::testing::TestWithParam<GroupCountCase> {};

TEST_P(RefusedGroupCount, RefusesTheFileShowingNothing) {
  const GroupCountCase& row = GetParam();
  HeadlessDossierView view;
  LoanDossier dossier;
  try {
    loadDossierFile(fileOf(headerLines(row.line12) + QStringList{"-1000", "1"}), dossier, view);
    ADD_FAILURE() << "opened";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.message(), QString::fromUtf8(row.message));
  }
  expectNothingShown(view, dossier);
}

INSTANTIATE_TEST_SUITE_P(
    LineTwelve, RefusedGroupCount,
    ::testing::Values(
        GroupCountCase{"NotAnInteger", "2,5", "'2,5' n'est pas une valeur entière correcte"},
        GroupCountCase{"Empty", "", "'' n'est pas une valeur entière correcte"},
        GroupCountCase{"Zero", "0",
                       "Ce fichier ne peut pas être ouvert : sa ligne 12 annonce 0 blocs de "
                       "saisie, alors qu'un dossier en compte de 1 à 360."},
        GroupCountCase{"Negative", " -3",
                       "Ce fichier ne peut pas être ouvert : sa ligne 12 annonce -3 blocs de "
                       "saisie, alors qu'un dossier en compte de 1 à 360."},
        GroupCountCase{"BeyondCapacity", "361",
                       "Ce fichier ne peut pas être ouvert : sa ligne 12 annonce 361 blocs de "
                       "saisie, alors qu'un dossier en compte de 1 à 360."},
        GroupCountCase{"WrapsPastSixteenBits", "65538",
                       "Ce fichier ne peut pas être ouvert : sa ligne 12 annonce 65538 blocs de "
                       "saisie, alors qu'un dossier en compte de 1 à 360."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DossierFileReading, LineLongerThanAFieldIsRefused) {
  HeadlessDossierView view;
  LoanDossier dossier;
  const QByteArray file = "NOM\r\n" + QByteArray(kMaxDossierLineLength + 1, '7') + "\r\n";
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { loadDossierFile(file, dossier, view); },
      "Ce fichier n'est pas un dossier .TEG : sa ligne 2 dépasse 32767 caractères."));
  expectNothingShown(view, dossier);
}

TEST(DossierFileReading, FileWithoutALineIsRefused) {
  for (const QByteArray& file : {QByteArray(), QByteArray("\x1a\r\n")}) {
    HeadlessDossierView view;
    LoanDossier dossier;
    EXPECT_TRUE(FailsWith<FileFailure>(
        [&] { loadDossierFile(file, dossier, view); },
        "Ce fichier est vide : il ne contient aucun dossier .TEG à ouvrir."));
    expectNothingShown(view, dossier);
  }
}

TEST(DossierFileRoundTrip, FullCapacityDossierReadsBackAsWritten) {
  HeadlessDossierView written;
  written.writeField(HeaderField::BorrowerName, QString::fromUtf8("Prêt à 5 € – Zoë"));
  written.writeField(HeaderField::BlockCount, "360");
  for (int row = 1; row <= kMaxGroups; ++row)
    testing::typeRow(written, row, "-1", QByteArray::number(row).constData(), "", "0,5");
  const QByteArray file = encodeDossierFile(written, kMaxGroups);
  const Loaded loaded = load(file);
  EXPECT_EQ(loaded.dossier.blockCount, kMaxGroups);
  EXPECT_EQ(loaded.view.fields(), written.fields());
  EXPECT_EQ(loaded.view.cells, written.cells);
  EXPECT_EQ(encodeDossierFile(loaded.view, kMaxGroups), file);
}

TEST(DossierFileRoundTrip, ReopenedExampleValidatesAndCalculatesToTheSameResults) {
  HeadlessDossierView typed;
  LoanDossier first;
  fillWorkedExample(workedExample(2), first, typed);
  const QByteArray file = encodeDossierFile(typed, first.blockCount);
  validateHeader(first, typed);
  calculateDossier(first, typed);

  Loaded reopened = load(file);
  validateHeader(reopened.dossier, reopened.view);
  calculateDossier(reopened.dossier, reopened.view);
  for (DossierText rate : kRateTexts) EXPECT_EQ(reopened.view.text(rate), typed.text(rate));
  EXPECT_EQ(reopened.view.cells, typed.cells);
  EXPECT_EQ(reopened.view.text(DossierText::LoanCost), typed.text(DossierText::LoanCost));
  EXPECT_EQ(reopened.view.text(DossierText::TegProportional), "12,8267 %");
}

}  // namespace
}  // namespace kalmoris
