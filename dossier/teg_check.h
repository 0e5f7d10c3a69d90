#pragma once

#include <QObject>

class QWidget;

namespace kalmoris {

class Panel;

// What the dossier adds beside its results: under the TEG box, the verdict on the announced
// TEG, one line per annual rate; under the costs, the insurance's own annual rate. The
// calculation writes both; both belong to it and go as soon as its results no longer hold.
class TegCheck : public QObject {
  Q_OBJECT

 public:
  explicit TegCheck(QWidget* parent);

  void hideVerdict();
  // The results no longer hold: no verdict, no insurance rate.
  void clear();

 private:
  void createVerdict(QWidget* parent);
  void createInsuranceRates(QWidget* parent);

  Panel* Panel_controle_teg;  // the verdict, under the TEG box
  Panel* Panel_taea_prop;     // the insurance's rate, proportional
  Panel* Panel_taea_actu;     // and actuarial
};

}  // namespace kalmoris
