#include "calculators/loan_choices.h"

#include "ui/choice_box.h"
#include "ui/colors.h"
#include "ui/panel.h"

#include <QPushButton>

namespace kalmoris {

LoanChoices::LoanChoices(ChoiceBox* currency, ChoiceBox* rateKind, QPushButton* calculate)
    : currency_(currency), rateKind_(rateKind), calculate_(calculate) {
  updateCalculate();
}

void LoanChoices::chooseUnit(MoneyUnit unit) {
  if (unit == MoneyUnit::Francs) currency_->chooseFirst();
  if (unit == MoneyUnit::Euros) currency_->chooseSecond();
  unit_ = unit;
  updateCalculate();
}

void LoanChoices::chooseKind(RateKind kind) {
  if (kind == RateKind::Proportional) rateKind_->chooseFirst();
  if (kind == RateKind::Actuarial) rateKind_->chooseSecond();
  kind_ = kind;
  updateCalculate();
}

void LoanChoices::rectifyUnit() {
  currency_->enableBoth();
  unit_ = MoneyUnit::None;
  updateCalculate();
}

void LoanChoices::rectifyKind() {
  rateKind_->enableBoth();
  kind_ = RateKind::Undetermined;
  updateCalculate();
}

void LoanChoices::enterInLastField(Panel* message) {
  if (made()) {
    calculate_->setFocus();
    return;
  }
  message->setColor(colors::Red);
  message->setText(QStringLiteral("Il faut faire les choix de Monnaie et de Taux"));
}

void LoanChoices::updateCalculate() {
  calculate_->setEnabled(made());
}

}  // namespace kalmoris
