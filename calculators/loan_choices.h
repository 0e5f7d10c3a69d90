#pragma once

#include "core/currency.h"

class QPushButton;

namespace kalmoris {

class ChoiceBox;
class Panel;

// The currency and rate-kind choices of the instalment and capital screens. The calculate
// button is enabled exactly while both are made.
class LoanChoices {
 public:
  LoanChoices(ChoiceBox* currency, ChoiceBox* rateKind, QPushButton* calculate);

  MoneyUnit unit() const { return unit_; }
  RateKind kind() const { return kind_; }
  bool made() const { return ChoicesMade(unit_, kind_); }

  // The other button of the box is disabled.
  void chooseUnit(MoneyUnit unit);
  void chooseKind(RateKind kind);
  // Both buttons of the box enabled again, the choice undone.
  void rectifyUnit();
  void rectifyKind();

  // Enter in the last entry field: on to the calculate button once both choices are made;
  // otherwise the message panel turns red and says so, and the focus stays in the field.
  void enterInLastField(Panel* message);

 private:
  void updateCalculate();

  ChoiceBox* currency_;
  ChoiceBox* rateKind_;
  QPushButton* calculate_;
  MoneyUnit unit_ = MoneyUnit::None;
  RateKind kind_ = RateKind::Undetermined;
};

}  // namespace kalmoris
