#pragma once

#include <QObject>

class QWidget;

namespace kalmoris {

class Panel;

// The row under the costs that shows the insurance's own annual rate, proportional and
// actuarial, as the calculation writes it. It belongs to the last calculation and goes when its
// results are emptied.
class InsuranceRateRow : public QObject {
  Q_OBJECT

 public:
  explicit InsuranceRateRow(QWidget* parent);

  void clear();

 private:
  Panel* Panel_taea_prop;
  Panel* Panel_taea_actu;
};

}  // namespace kalmoris
