#pragma once

#include <QObject>

class QPushButton;

namespace kalmoris {

// Return or Enter (the keypad's too) on a focused push button presses it, once per press:
// the keyboard's auto-repeat does not press it again. The Enter chains of the screens end on
// their calculate buttons, so that a second Enter calculates.
void pressOnEnter(QPushButton* button);

}  // namespace kalmoris
