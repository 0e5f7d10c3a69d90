#pragma once

#include "ui/entry_reader.h"
#include "core/arith.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace kalmoris {

class Panel;

// Enter in each field moves the focus to the next one; Enter in the last runs `atLast`
// (inside the screen's handler boundary). Other keys are left to the field.
void linkEnterChain(QWidget* screen, const QList<QLineEdit*>& fields, std::function<void()> atLast);

// Every change of the field's text, typed or written by the program, empties the panels that
// show results depending on it.
void emptyOnChange(QWidget* screen, QLineEdit* field, const QList<Panel*>& panels);

void emptyPanels(const QList<Panel*>& panels);
void emptyFields(const QList<QLineEdit*>& fields);

// Keeps a value the reader accepted; false when it refused the entry.
template <typename T>
bool store(const std::optional<T>& read, T& into) {
  if (!read) return false;
  into = *read;
  return true;
}

// Reads an amount or a rate, then writes it back with the pattern "#0.00" or "#0.0000".
bool readAndRewrite(EntryReader& reader, QLineEdit* field, const QString& pattern, Real& into);

}  // namespace kalmoris
