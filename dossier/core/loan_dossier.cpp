#include "dossier/core/loan_dossier.h"

namespace kalmoris {

void LoanDossier::clearStoredGroups() {
  for (RepaymentGroup& group : groups) group = RepaymentGroup{group.number};
}

void LoanDossier::clearHeaderValues() {
  capital = 0;
  repaymentCount = 0;
  repaymentsPerYear = 0;
  fees = {};
  blockCount = 2;
}

}  // namespace kalmoris
