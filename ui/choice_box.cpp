#include "ui/choice_box.h"

#include "ui/controls.h"

#include <QPushButton>

namespace kalmoris {

ChoiceBox::ChoiceBox(QWidget* parent, const char* name, const QString& title, QRect place,
                     Choice first, Choice second, const char* rectifyName)
    : QGroupBox(title, parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(place);
  const int buttonWidth = (place.width() - 40) / 3;
  const int top = 22;
  const int height = qMax(24, place.height() - 32);
  first_ = controls::button(this, first.name, first.caption, QRect(10, top, buttonWidth, height));
  second_ = controls::button(this, second.name, second.caption,
                             QRect(20 + buttonWidth, top, buttonWidth, height));
  rectify_ = controls::button(this, rectifyName, QStringLiteral("RECTIFIER"),
                              QRect(30 + 2 * buttonWidth, top, buttonWidth, height));
}

void ChoiceBox::chooseFirst() {
  second_->setEnabled(false);
}

void ChoiceBox::chooseSecond() {
  first_->setEnabled(false);
}

void ChoiceBox::enableBoth() {
  first_->setEnabled(true);
  second_->setEnabled(true);
}

}  // namespace kalmoris
