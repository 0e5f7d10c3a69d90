#pragma once

#include "dossier/core/dossier_view.h"

#include <QObject>

#include <optional>

class QLabel;
class QWidget;

namespace kalmoris {

class Panel;

// What the dossier adds beside its results: under the TEG box, the verdict on the announced
// TEG, one line per annual rate, green when it is exact to the decimal and red when not; under
// the costs, the insurance's own annual rate. Both belong to the last calculation and go as
// soon as its results no longer hold.
class TegCheck : public QObject {
  Q_OBJECT

 public:
  explicit TegCheck(QWidget* parent);

  void showVerdict(const TegVerdict& verdict);
  void hideVerdict();
  std::optional<TegVerdict> shownVerdict() const;
  InsuranceRateTexts insuranceRateTexts() const;
  void writeInsuranceRates(const InsuranceRateTexts& texts);
  // The results no longer hold: no verdict, no insurance rate.
  void clear();

 private:
  void createVerdict(QWidget* parent);
  void createInsuranceRates(QWidget* parent);

  std::optional<TegVerdict> verdict_;
  Panel* Panel_controle_teg;    // the verdict, under the TEG box
  QLabel* Label_controle_prop;  // its proportional line, or the only line
  QLabel* Label_controle_actu;  // its actuarial line
  Panel* Panel_taea_prop;       // the insurance's rate, proportional
  Panel* Panel_taea_actu;       // and actuarial
};

}  // namespace kalmoris
