#pragma once

#include "dossier/core/loan_dossier.h"
#include "testing/headless_dossier_view.h"

#include <QString>

#include <initializer_list>
#include <utility>

// Dossiers typed on a headless screen, as the tests of the dossier's core use them.
namespace kalmoris::testing {

using FieldText = std::pair<HeaderField, const char*>;

// A fresh screen ("2" blocks) with the given header fields typed.
inline HeadlessDossierView typedHeader(std::initializer_list<FieldText> typed) {
  HeadlessDossierView view;
  for (const auto& [field, text] : typed) view.writeField(field, QString::fromUtf8(text));
  return view;
}

// Types the four cells of a grid row; nullptr leaves a cell as it is.
inline void typeRow(HeadlessDossierView& view, int row, const char* amount, const char* count,
                    const char* insurance = nullptr, const char* fees = nullptr) {
  const char* texts[] = {amount, count, insurance, fees};
  for (int col = 0; col < 4; ++col)
    if (texts[col] != nullptr) view.writeCell(col + 1, row, QString::fromUtf8(texts[col]));
}

// The loan of the first worked example as the user types it: 200 000 over 180 monthly
// payments, fees 7116 and 2000, two blocks.
inline HeadlessDossierView typedLoanHeader() {
  return typedHeader({{HeaderField::BorrowerName, "g. roravor"},
                      {HeaderField::Capital, "200000"},
                      {HeaderField::RepaymentCount, "180"},
                      {HeaderField::RepaymentsPerYear, "12"},
                      {HeaderField::AnnouncedTeg, "12.13"},
                      {HeaderField::FeeLabel1, "frais notariaux"},
                      {HeaderField::FeeLabel2, "frais de dossier"},
                      {HeaderField::Fee1, "7116"},
                      {HeaderField::Fee2, "2000"},
                      {HeaderField::BlockCount, "2"}});
}

// Its grid: the capital less the fees, then 180 payments with their insurance.
inline void typeLoanGrid(HeadlessDossierView& view) {
  typeRow(view, 1, "-200000", "1", nullptr, "9116");
  typeRow(view, 2, "2304.69", "180", "89");
}

// The European Commission's first worked example of a TAEG, typed: 200 000 at 6 %, 4 000 of
// fees, 240 monthly instalments of 1 432,86 (TAEG 6,4344 %, TEG 6,2521 %), announced at 6,4 %.
inline HeadlessDossierView typedCommissionExample() {
  HeadlessDossierView view = typedHeader({{HeaderField::Capital, "200000"},
                                          {HeaderField::RepaymentCount, "240"},
                                          {HeaderField::RepaymentsPerYear, "12"},
                                          {HeaderField::Fee1, "4000"},
                                          {HeaderField::AnnouncedTeg, "6,4"}});
  typeRow(view, 1, "-200000", "1", "0", "4000");
  typeRow(view, 2, "1432.86", "240");
  return view;
}

}  // namespace kalmoris::testing
