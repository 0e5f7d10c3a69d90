#include "dossier/core/header_validation.h"

#include "dossier/core/dossier_captions.h"
#include "tests/core/failure_expectations.h"
#include "tests/dossier/dossier_samples.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;
using testing::typedHeader;
using testing::typedLoanHeader;

QString text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TEST(HeaderNumber, BlankTextsCountAsZeroAndThePointBecomesAComma) {
  EXPECT_EQ(headerNumberText(""), "0");
  EXPECT_EQ(headerNumberText("    "), "0");
  EXPECT_EQ(headerNumberText("     "), "     ");
  EXPECT_EQ(headerNumberText("1.5.5"), "1,5.5");
  EXPECT_EQ(readHeaderReal(" 1234.5"), 1234.5L);
  EXPECT_EQ(readHeaderInteger("   "), 0);
  EXPECT_EQ(readHeaderInteger("  -7"), -7);
}

// One header field typed into an otherwise valid header, then validated.
struct FieldCase {
  const char* name;
  HeaderField field;
  const char* typed;
  const char* rewritten;
  bool red;
  bool accepted;  // the validation reports no failed field
};

class ValidatedField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ValidatedField, IsRewrittenAndMarked) {
  const FieldCase& row = GetParam();
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(row.field, text(row.typed));
  LoanDossier dossier;
  EXPECT_EQ(validateHeader(dossier, view), row.accepted);
  EXPECT_EQ(view.fieldText(row.field), text(row.rewritten));
  EXPECT_EQ(view.fieldFailed(row.field), row.red);
  EXPECT_EQ(view.shown(DossierPanel::Warning), row.red);
  EXPECT_EQ(view.text(DossierText::ValidateCaption),
            row.accepted ? captions::kValidated : captions::kNotValidated);
  EXPECT_TRUE(view.calculationEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Rewrites, ValidatedField,
    ::testing::Values(
        FieldCase{"CapitalGetsLeadingSpaceAndTwoDecimals", HeaderField::Capital, "200000",
                  " 200000,00", false, true},
        FieldCase{"CapitalPointBecomesComma", HeaderField::Capital, "1234.5", " 1234,50", false,
                  true},
        FieldCase{"CapitalOfTenDigitsLosesItsSecondDecimal", HeaderField::Capital, "123456789.456",
                  " 123456789,50", false, true},
        FieldCase{"CapitalBelowOneIsEmptied", HeaderField::Capital, "0,5", "", true, false},
        FieldCase{"NegativeCapitalFails", HeaderField::Capital, "-5", "", true, false},
        FieldCase{"EmptyCapitalCountsAsZero", HeaderField::Capital, "", "", true, false},
        FieldCase{"CountIsWrittenAfterASpace", HeaderField::RepaymentCount, "180", " 180", false,
                  true},
        FieldCase{"CountKeepsNoLeadingSpaces", HeaderField::RepaymentCount, "   180", " 180", false,
                  true},
        FieldCase{"EmptyCountFails", HeaderField::RepaymentCount, "", "", true, false},
        FieldCase{"ThreeSpacesCountAsZero", HeaderField::RepaymentCount, "   ", "", true, false},
        FieldCase{"LargestRepaymentCount", HeaderField::RepaymentCount, "65535", " 65535", false,
                  true},
        FieldCase{"RepaymentCountBeyondSixteenBitsFails", HeaderField::RepaymentCount, "65536", "",
                  true, false},
        FieldCase{"NegativeRepaymentCountFails", HeaderField::RepaymentCount, "-1", "", true,
                  false},
        FieldCase{"LargestPerYearCount", HeaderField::RepaymentsPerYear, "255", " 255", false,
                  true},
        FieldCase{"PerYearBeyondEightBitsFails", HeaderField::RepaymentsPerYear, "256", "", true,
                  false},
        FieldCase{"PerYearInHexadecimal", HeaderField::RepaymentsPerYear, "$C", " 12", false, true},
        FieldCase{"AnnouncedTegWithTwoDecimals", HeaderField::AnnouncedTeg, "12", " 12,00", false,
                  true},
        FieldCase{"AnnouncedTegKeepsFourSignificantDigits", HeaderField::AnnouncedTeg, "6.255",
                  " 6,26", false, true},
        FieldCase{"EmptyAnnouncedTegIsZero", HeaderField::AnnouncedTeg, "", " 0,00", false, true},
        FieldCase{"FeeWithTwoDecimals", HeaderField::Fee1, "7116", " 7116,00", false, true},
        FieldCase{"EmptyFeeIsZero", HeaderField::Fee3, "", " 0,00", false, true},
        FieldCase{"BlockCountWrittenAfterASpace", HeaderField::BlockCount, "3", " 3", false, true},
        FieldCase{"OneBlockIsRedButAccepted", HeaderField::BlockCount, "1", " 1", true, true},
        FieldCase{"NoBlockIsRedButAccepted", HeaderField::BlockCount, "0", " 0", true, true},
        FieldCase{"FullCapacityOfBlocks", HeaderField::BlockCount, "360", " 360", false, true},
        FieldCase{"BlocksBeyondCapacityFail", HeaderField::BlockCount, "361", "", true, false},
        FieldCase{"NegativeBlockCountFails", HeaderField::BlockCount, "-2", "", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  HeaderField field;
  const char* typed;
  const char* message;
};

class RefusedField : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedField, StopsTheValidationWithTheConversionMessage) {
  const RefusedCase& row = GetParam();
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(row.field, text(row.typed));
  LoanDossier dossier;
  try {
    validateHeader(dossier, view);
    ADD_FAILURE() << "validated";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.message(), text(row.message));
  }
  EXPECT_FALSE(view.calculationEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, RefusedField,
    ::testing::Values(RefusedCase{"DecimalCount", HeaderField::RepaymentCount, "12,5",
                                  "'12,5' n'est pas une valeur entière correcte"},
                      RefusedCase{"PointedCountQuotedWithItsComma", HeaderField::RepaymentCount,
                                  "12.5", "'12,5' n'est pas une valeur entière correcte"},
                      RefusedCase{"SpaceAfterCount", HeaderField::RepaymentsPerYear, "12 ",
                                  "'12 ' n'est pas une valeur entière correcte"},
                      RefusedCase{"CountBeyondThirtyTwoBits", HeaderField::RepaymentCount,
                                  "4294967296",
                                  "'4294967296' n'est pas une valeur entière correcte"},
                      RefusedCase{"LetterBlockCount", HeaderField::BlockCount, "deux",
                                  "'deux' n'est pas une valeur entière correcte"},
                      RefusedCase{"CapitalWithTwoCommas", HeaderField::Capital, "1,2,3",
                                  "'1,2,3' n'est pas une valeur flottante correcte"},
                      RefusedCase{"FiveSpacesAreNotBlank", HeaderField::Capital, "     ",
                                  "'     ' n'est pas une valeur flottante correcte"},
                      RefusedCase{"LettersInAnnouncedTeg", HeaderField::AnnouncedTeg, "abc",
                                  "'abc' n'est pas une valeur flottante correcte"},
                      RefusedCase{"FeeBeyondSixtyFourBits", HeaderField::Fee2, "1e20",
                                  "Opération flottante incorrecte"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeaderValidation, RefusedFieldLeavesTheEarlierStepsDone) {
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(HeaderField::AnnouncedTeg, "abc");
  view.writeField(HeaderField::BlockCount, "5");
  LoanDossier dossier;
  EXPECT_THROW(validateHeader(dossier, view), ConversionFailure);
  EXPECT_EQ(view.fieldText(HeaderField::BorrowerName), "G. RORAVOR");
  EXPECT_EQ(view.fieldText(HeaderField::Capital), " 200000,00");
  EXPECT_EQ(view.fieldText(HeaderField::RepaymentsPerYear), " 12");
  EXPECT_EQ(dossier.repaymentsPerYear, 12);
  EXPECT_EQ(view.fieldText(HeaderField::Fee1), "7116");
  EXPECT_EQ(view.fieldText(HeaderField::FeeLabel3), "");
  EXPECT_EQ(view.fieldText(HeaderField::BlockCount), "5");
  EXPECT_EQ(view.gridRowCount, 3);
  EXPECT_EQ(view.cellText(kNumberColumn, 1), "");
}

TEST(HeaderValidation, StoresTheValuesAndTotalsTheFees) {
  HeadlessDossierView view = typedLoanHeader();
  LoanDossier dossier;
  ASSERT_TRUE(validateHeader(dossier, view));
  EXPECT_EQ(dossier.capital, 200000);
  EXPECT_EQ(dossier.repaymentCount, 180);
  EXPECT_EQ(dossier.repaymentsPerYear, 12);
  EXPECT_EQ(dossier.blockCount, 2);
  EXPECT_EQ(dossier.announcedTeg.units(), 121300);
  EXPECT_EQ(dossier.feeTotal.units(), 91160000);
  EXPECT_EQ(view.text(DossierText::FeeTotal), "9116,00");
  EXPECT_EQ(view.fieldText(HeaderField::FeeLabel1), "frais notariaux");
  EXPECT_EQ(view.fieldText(HeaderField::FeeLabel3), captions::kNoFee);
  EXPECT_EQ(view.fieldText(HeaderField::Fee3), " 0,00");
  EXPECT_TRUE(view.shown(DossierPanel::GridPrompt));
  EXPECT_FALSE(view.shown(DossierPanel::Mask));
}

TEST(HeaderValidation, UpperCasesOnlyTheLettersAToZ) {
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(HeaderField::BorrowerName, text("emprunteur é ß-x"));
  LoanDossier dossier;
  validateHeader(dossier, view);
  EXPECT_EQ(view.fieldText(HeaderField::BorrowerName), text("EMPRUNTEUR é ß-X"));
}

TEST(HeaderValidation, SizesAndNumbersTheGrid) {
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(HeaderField::BlockCount, "5");
  LoanDossier dossier;
  validateHeader(dossier, view);
  EXPECT_EQ(view.gridRowCount, 6);
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(view.cellText(kNumberColumn, row), QString::number(row));
  EXPECT_EQ(view.cellText(kNumberColumn, 6), "");
}

TEST(HeaderValidation, BlocksBeyondCapacityNeverSizeTheGridPastIt) {
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(HeaderField::BlockCount, "65538");
  LoanDossier dossier;
  EXPECT_FALSE(validateHeader(dossier, view));
  EXPECT_EQ(dossier.blockCount, 0);
  EXPECT_EQ(view.gridRowCount, 1);
  EXPECT_EQ(view.cellText(kNumberColumn, 1), "");
}

TEST(HeaderValidation, RowsLeftEmptySinceTheLastCalculationGetDefaults) {
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(HeaderField::BlockCount, "5");
  LoanDossier dossier;
  dossier.lastSolvedCount = 3;
  validateHeader(dossier, view);
  const char* expected[6][4] = {{},
                                {"-1", "1", "0", "0"},
                                {"1", "1", "0", "0"},
                                {"1", "1", "0", "0"},
                                {"", "", "", ""},
                                {"", "", "", ""}};
  for (int row = 1; row <= 5; ++row)
    for (int col = 1; col <= 4; ++col)
      EXPECT_EQ(view.cellText(col, row), expected[row][col - 1]) << row << "," << col;
}

TEST(HeaderValidation, TypedFirstRowKeepsEveryCell) {
  HeadlessDossierView view = typedLoanHeader();
  testing::typeRow(view, 1, "-200000", nullptr);
  LoanDossier dossier;
  dossier.lastSolvedCount = 2;
  validateHeader(dossier, view);
  EXPECT_EQ(view.cellText(kCountColumn, 1), "");
  EXPECT_EQ(view.cellText(kAmountColumn, 2), "");
}

TEST(HeaderValidation, NoDefaultsBeforeTheFirstCalculation) {
  HeadlessDossierView view = typedLoanHeader();
  LoanDossier dossier;
  validateHeader(dossier, view);
  EXPECT_EQ(view.cellText(kAmountColumn, 1), "");
}

TEST(HeaderValidation, FailedCapitalRaisesTheTallWarning) {
  HeadlessDossierView capitalView =
      typedHeader({{HeaderField::RepaymentCount, "180"}, {HeaderField::RepaymentsPerYear, "12"}});
  LoanDossier dossier;
  EXPECT_FALSE(validateHeader(dossier, capitalView));
  EXPECT_TRUE(capitalView.warningTall);
  EXPECT_TRUE(capitalView.shown(DossierPanel::Warning));

  HeadlessDossierView countView = typedLoanHeader();
  countView.writeField(HeaderField::RepaymentsPerYear, "");
  EXPECT_FALSE(validateHeader(dossier, countView));
  EXPECT_TRUE(countView.shown(DossierPanel::Warning));
  EXPECT_FALSE(countView.warningTall);
  EXPECT_EQ(countView.fieldText(HeaderField::RepaymentsPerYear), "");
}

}  // namespace
}  // namespace kalmoris
