#pragma once

#include <QList>

#include <functional>

class QLineEdit;
class QWidget;

namespace kalmoris {

// Enter in each field moves the focus to the next one the user can type into (a field hidden or
// disabled by a choice is passed over); Enter in the last runs `atLast` inside the screen's
// handler boundary. Other keys are left to the field.
void linkEnterChain(QWidget* screen, const QList<QLineEdit*>& fields, std::function<void()> atLast);

}  // namespace kalmoris
