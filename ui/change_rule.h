#pragma once

#include <QList>

class QLineEdit;
class QWidget;

namespace kalmoris {

class Panel;

// Every change of the field's text, typed or written by the program, empties the panels that
// show results depending on it.
void emptyOnChange(QWidget* screen, QLineEdit* field, const QList<Panel*>& panels);

void emptyPanels(const QList<Panel*>& panels);
void emptyFields(const QList<QLineEdit*>& fields);

}  // namespace kalmoris
