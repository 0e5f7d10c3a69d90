#pragma once

#include <QGroupBox>
#include <QRect>
#include <QString>

class QPushButton;

namespace kalmoris {

// A box of two exclusive choices and its RECTIFIER button (currency: FRANCS / EUROS, rate
// kind: PROPORTIONNEL / ACTUARIEL). While one is chosen the other button is disabled; the
// chosen one stays enabled. RECTIFIER enables both again. The screen keeps the choice itself.
class ChoiceBox : public QGroupBox {
  Q_OBJECT

 public:
  struct Choice {
    const char* name;
    QString caption;
  };

  ChoiceBox(QWidget* parent, const char* name, const QString& title, QRect place, Choice first,
            Choice second, const char* rectifyName);

  QPushButton* first() const { return first_; }
  QPushButton* second() const { return second_; }
  QPushButton* rectify() const { return rectify_; }

  void chooseFirst();   // the second button disabled
  void chooseSecond();  // the first button disabled
  void enableBoth();

 private:
  QPushButton* first_;
  QPushButton* second_;
  QPushButton* rectify_;
};

}  // namespace kalmoris
