#include "offer/core/offer_proof.h"

#include "core/csv_table.h"
#include "offer/core/proof_csv.h"
#include "tests/core/failure_expectations.h"
#include "tests/core/spreadsheet_reader.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

using testing::CommissionOffer;
using testing::CommissionTerms;
using testing::ExampleOne;
using testing::PrintTo;

// Example 2 case 1 given by its terms, with a year of total deferral and a required insurance of
// 0,36 % a year on the capital owed.
Offer DeferredTotally() {
  Offer offer = CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 15));
  offer.terms.deferral = Deferral{DeferralKind::Total, 12, {}};
  offer.terms.insurance = InsuranceTerms{InsuranceMode::RemainingCapital, std::nullopt, 0.36L, {}};
  return offer;
}

// A house built in two drawdowns, its steps split at the debit rate stated, its insurance
// optional, quarterly.
Offer HouseWithOptionalInsurance() {
  Offer offer = CommissionOffer(QDate(2026, 1, 15), QDate(2026, 4, 15), 0);
  offer.periodsPerYear = 4;
  offer.drawdowns[0].amount = 100000;
  offer.drawdowns.push_back({QDate(2026, 5, 2), 100000, {}});
  offer.steps = {{2, 3000, 50, {}}, {78, 4500, 50, {}}};
  offer.insuranceRequired = false;
  offer.terms.debitRate = 4.2L;
  return offer;
}

struct BalanceCase {
  const char* name;
  Offer offer;
};

class ProofBalance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(ProofBalance, DiscountedValuesSumToZeroToTheCent) {
  const OfferResults results = computeOfferResults(GetParam().offer);
  const OfferProof proof = offerProof(results);
  ASSERT_EQ(proof.rows.size(), results.flows.size());
  EXPECT_LT(fabsl(proof.discountedSum), 0.005L);
  EXPECT_EQ(proofSumText(proof), QStringLiteral("0,00"));
  // The origin is not discounted.
  EXPECT_EQ(proof.rows.front().discounted, proof.rows.front().amount);
}

INSTANTIATE_TEST_SUITE_P(
    Offers, ProofBalance,
    ::testing::Values(BalanceCase{"Example1OfTypedSteps", ExampleOne()},
                      BalanceCase{"Example4WithARequiredInsurance", ExampleOne(166.67L)},
                      BalanceCase{"GeneratedWithATotalDeferral", DeferredTotally()},
                      BalanceCase{"HouseInTwoDrawdownsQuarterly", HouseWithOptionalInsurance()}),
    [](const auto& info) { return std::string(info.param.name); });

// The first instalment of the deferral pays 34 days of interest, 200 000 x 6 % x 34 / 365 =
// 1 117,81, into the capital, and its premium, 0,03 % of 200 000; the TAEG counts the premium.
TEST(ProofRows, GiveEveryColumnOfAGeneratedInstalment) {
  const OfferProof proof = offerProof(computeOfferResults(DeferredTotally()));
  EXPECT_EQ(proofCells(proof.rows[0]),
            (QStringList{"12/01/2012", "Déblocage 1", "-200000,00", "", "", "", "200000,00",
                         "0 mois + 0 / 365", "0,000000000", "-200000,00"}));
  const QStringList first = proofCells(proof.rows[2]);
  EXPECT_EQ(first.mid(0, 9),
            (QStringList{"15/02/2012", "Échéance 1", "60,00", "1117,81", "-1117,81", "60,00",
                         "201117,81", "1 mois + 3 / 365", "0,091552511"}));
  EXPECT_EQ(proofHeaders().size(), first.size());
}

// An optional premium is shown, outside the amount the TAEG counts; typed steps split at the
// stated rate carry the second drawdown into the capital owed: the first instalment paid a
// quarter's 1 050 of interest on 100 000 and repaid 1 950.
TEST(ProofRows, KeepAnOptionalPremiumOutsideTheAmount) {
  const OfferProof proof = offerProof(computeOfferResults(HouseWithOptionalInsurance()));
  const ProofRow& second = proof.rows[3];
  ASSERT_EQ(second.kind, FlowKind::Drawdown);
  EXPECT_EQ(second.capitalRemaining, 198050);
  const ProofRow& instalment = proof.rows[2];
  EXPECT_EQ(instalment.amount, 3000);
  EXPECT_EQ(instalment.insurance, 50);
  EXPECT_FALSE(instalment.insuranceCounted);
}

TEST(ProofRows, LeaveTheSplitOfTypedStepsEmptyWithoutADebitRate) {
  const ProofRow row = offerProof(computeOfferResults(ExampleOne())).rows[2];
  EXPECT_FALSE(row.interest || row.capitalRepaid || row.capitalRemaining);
  EXPECT_EQ(proofCells(row).mid(3, 4), (QStringList{"", "", "0,00", ""}));
}

TEST(ProofCsv, ReadsBackAsTheReportsColumnsWithTheSumLast) {
  const OfferProof proof = offerProof(computeOfferResults(DeferredTotally()));
  const testing::Sheet sheet = testing::ReadSheet(proofCsv(proof));
  EXPECT_TRUE(sheet.byteOrderMark);
  EXPECT_FALSE(sheet.bareLineFeed);
  ASSERT_EQ(sheet.rows.size(), proof.rows.size() + 2);
  EXPECT_EQ(sheet.rows.front(), proofHeaders());
  for (std::size_t k = 0; k < proof.rows.size(); ++k)
    EXPECT_EQ(sheet.rows[k + 1], proofCells(proof.rows[k]));
  const QStringList sum = sheet.rows.back();
  EXPECT_EQ(sum.front(), QStringLiteral("Somme des valeurs actualisées"));
  EXPECT_EQ(testing::SheetAmount(sum.back()), 0);
}

TEST(ProofCsv, QuotesACellHoldingASeparatorOrAQuote) {
  CsvTable table({QStringLiteral("Libellé"), QStringLiteral("Montant")});
  table.addRow({QStringLiteral("Frais; \"garantie\""), csvAmount(-0.004L)});
  EXPECT_TRUE(table.bytes().contains("\"Frais; \"\"garantie\"\"\";0,00\r\n"));
  EXPECT_EQ(testing::ReadSheet(table.bytes()).rows.back(),
            (QStringList{"Frais; \"garantie\"", "0,00"}));
}

}  // namespace
}  // namespace kalmoris
