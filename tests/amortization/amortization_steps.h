#pragma once

#include "tests/support/screen_driver.h"

// The amortization screen's steps the tests take again and again, on the shared driver.
namespace kalmoris::testing {

inline void choose(const ScreenDriver& s, QAnyStringView currency = u"francs",
                   QAnyStringView kind = u"tx_prop") {
  s.click(currency);
  s.click(kind);
}

// The six entries, typed.
inline void fillLoan(const ScreenDriver& s, const QString& capital, const QString& rate,
                     const QString& perYear, const QString& total, const QString& month,
                     const QString& year) {
  s.fill({{"ch_capital", capital},
          {"ch_le_taux", rate},
          {"ch_ech_an", perYear},
          {"ch_tot_ech", total},
          {"ch_mois", month},
          {"ch_annee", year}});
}

// 100000 Francs at 6 %, 12 a year, 240 instalments from March 2002, displayed.
inline void displayFrancsLoan(const ScreenDriver& s, QAnyStringView kind = u"tx_prop") {
  choose(s, u"francs", kind);
  fillLoan(s, "100000", "6", "12", "240", "3", "2002");
  s.click("AFFICHER");
}

inline bool gridsEmpty(const ScreenDriver& s) {
  for (const char* name : {"StringGrid1", "StringGrid2"}) {
    const StringGrid* grid = s.grid(name);
    for (int row = 1; row < grid->rowCount(); ++row)
      for (int col = 0; col < 6; ++col)
        if (!grid->cell(col, row).isEmpty()) return false;
  }
  return true;
}

}  // namespace kalmoris::testing
