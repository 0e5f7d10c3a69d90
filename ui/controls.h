#pragma once

#include "ui/panel.h"

#include <QColor>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Factories for the controls of the screens: each control gets its name as objectName (and
// as accessible name, with its caption when it has one) and a fixed place in its parent.
namespace kalmoris::controls {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect place);
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place);
QLineEdit* edit(QWidget* parent, const char* name, QRect place);
Panel* panel(QWidget* parent, const char* name, const QString& caption, QRect place,
             const QColor& color);
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect place);

// A label whose text wraps inside its place.
QLabel* note(QWidget* parent, const char* name, const QString& text, QRect place);

QFont boldFont(int pointSize, const QString& family = QStringLiteral("Arial"));

}  // namespace kalmoris::controls
