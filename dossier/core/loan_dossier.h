#pragma once

#include "core/arith.h"
#include "core/solver.h"
#include "dossier/core/fixed4.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kalmoris {

// The twelve header fields, in the order of the dossier file's first twelve lines.
enum class HeaderField {
  BorrowerName,       // ch_nom_emp
  Capital,            // ch_capital
  RepaymentCount,     // ch_nb_remb
  RepaymentsPerYear,  // ch_remb_an
  AnnouncedTeg,       // ch_teg_ann
  FeeLabel1,          // ch_fr1_txt
  FeeLabel2,          // ch_fr2_txt
  FeeLabel3,          // ch_fr3_txt
  Fee1,               // ch_fr1_val
  Fee2,               // ch_fr2_val
  Fee3,               // ch_fr3_val
  BlockCount,         // ch_grpv
};
inline constexpr int kHeaderFieldCount = 12;
inline constexpr std::array<HeaderField, kHeaderFieldCount> kHeaderFields = {
    HeaderField::BorrowerName,   HeaderField::Capital,
    HeaderField::RepaymentCount, HeaderField::RepaymentsPerYear,
    HeaderField::AnnouncedTeg,   HeaderField::FeeLabel1,
    HeaderField::FeeLabel2,      HeaderField::FeeLabel3,
    HeaderField::Fee1,           HeaderField::Fee2,
    HeaderField::Fee3,           HeaderField::BlockCount};
inline constexpr std::array<HeaderField, 3> kFeeLabels = {
    HeaderField::FeeLabel1, HeaderField::FeeLabel2, HeaderField::FeeLabel3};
inline constexpr std::array<HeaderField, 3> kFeeAmounts = {HeaderField::Fee1, HeaderField::Fee2,
                                                           HeaderField::Fee3};

// The grid's columns as cell(col, row) addresses them; row 0 is the header row.
enum GridColumn : int {
  kNumberColumn = 0,     // "1 N° BL", written by the validation
  kAmountColumn = 1,     // "2 VERSM."
  kCountColumn = 2,      // "3 Nb Vers."
  kInsuranceColumn = 3,  // "4 ASS."
  kFeesColumn = 4,       // "5 FRAIS"
  kCumulColumn = 5,      // "6 CUMUL", written by the calculation
};
inline constexpr int kGridColumnCount = 6;

// The dossier's group storage ends at 360 groups.
inline constexpr int kMaxGroups = 360;

// The six totals of a calculation, in ten-thousandths.
struct DossierTotals {
  Fixed4 negativeTotal;       // amounts < 0
  Fixed4 positiveCountTotal;  // counts of the groups with amount > 0 and count > 0
  Fixed4 repaymentTotal;      // amount x count over the same groups
  Fixed4 insuranceCost;       // insurance x count over all groups
  Fixed4 gridFeeTotal;        // fees, once per group
  Fixed4 loanCost;            // repayments + insurance + fees + negative total
};

// What the dossier screen knows of a loan besides the texts it shows: the header values of
// the last validation and the results of the last calculation.
struct LoanDossier {
  Real capital = 0;
  std::uint16_t repaymentCount = 0;
  std::uint8_t repaymentsPerYear = 0;
  std::uint16_t blockCount = 2;  // the grid's group rows; ch_grpv shows "2" at start
  std::array<Fixed4, 3> fees;
  Fixed4 feeTotal;
  Fixed4 announcedTeg;  // for the record only

  std::vector<RepaymentGroup> groups;  // as read by the last calculation
  std::uint16_t lastSolvedCount = 0;   // groups read by the last calculation since start-up
  Real nominalRate = 0;
  Real tegRate = 0;
  DossierTotals totals;

  // Erase-all and the worked examples set the stored groups to 0 but keep their count.
  void clearStoredGroups();
  // Erase-all: the header values back to a fresh dossier's (announced TEG and fee total stay).
  void clearHeaderValues();
};

}  // namespace kalmoris
