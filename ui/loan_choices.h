#pragma once

#include "core/currency.h"

class QPushButton;

namespace kalmoris {

class ChoiceBox;
class Panel;

// The currency and rate-kind choices of a screen. While one choice of a box is made the box's
// other button is disabled; its RECTIFIER enables both again and undoes the choice. The
// screen's action button (calculate, display) is enabled exactly while both choices are made.
// A screen that asks only for the currency has no rate-kind box and no action to enable.
class LoanChoices {
 public:
  explicit LoanChoices(ChoiceBox* currency, ChoiceBox* rateKind = nullptr,
                       QPushButton* action = nullptr);

  MoneyUnit unit() const { return unit_; }
  RateKind kind() const { return kind_; }
  bool made() const { return ChoicesMade(unit_, kind_); }

  void chooseUnit(MoneyUnit unit);
  void chooseKind(RateKind kind);
  void rectifyUnit();
  void rectifyKind();
  // Every choice button enabled again while the choices stay made: a click on one of them
  // then sets its choice directly.
  void enableAllButtons();

  // Enter in the last entry field: on to the action button once both choices are made;
  // otherwise the message panel, if the screen has one, turns red and says so, and the focus
  // stays in the field.
  void enterInLastField(Panel* message);

 private:
  void updateAction();

  ChoiceBox* currency_;
  ChoiceBox* rateKind_;
  QPushButton* action_;
  MoneyUnit unit_ = MoneyUnit::None;
  RateKind kind_ = RateKind::Undetermined;
};

}  // namespace kalmoris
