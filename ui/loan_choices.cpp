#include "ui/loan_choices.h"

#include "ui/choice_box.h"
#include "ui/colors.h"
#include "ui/panel.h"

#include <QPushButton>

namespace kalmoris {

LoanChoices::LoanChoices(ChoiceBox* currency, ChoiceBox* rateKind, QPushButton* action)
    : currency_(currency), rateKind_(rateKind), action_(action) {
  updateAction();
}

void LoanChoices::chooseUnit(MoneyUnit unit) {
  if (unit == MoneyUnit::Francs) currency_->chooseFirst();
  if (unit == MoneyUnit::Euros) currency_->chooseSecond();
  unit_ = unit;
  updateAction();
}

void LoanChoices::chooseKind(RateKind kind) {
  if (kind == RateKind::Proportional) rateKind_->chooseFirst();
  if (kind == RateKind::Actuarial) rateKind_->chooseSecond();
  kind_ = kind;
  updateAction();
}

void LoanChoices::rectifyUnit() {
  currency_->enableBoth();
  unit_ = MoneyUnit::None;
  updateAction();
}

void LoanChoices::rectifyKind() {
  rateKind_->enableBoth();
  kind_ = RateKind::Undetermined;
  updateAction();
}

void LoanChoices::enableAllButtons() {
  currency_->enableBoth();
  if (rateKind_) rateKind_->enableBoth();
}

void LoanChoices::enterInLastField(Panel* message) {
  if (made()) {
    action_->setFocus();
    return;
  }
  if (!message) return;
  message->setColor(colors::Red);
  message->setText(QStringLiteral("Il faut faire les choix de Monnaie et de Taux"));
}

void LoanChoices::updateAction() {
  if (action_) action_->setEnabled(made());
}

}  // namespace kalmoris
