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

// Factories for the controls of the screens: each control gets its name as objectName and a
// fixed place in its parent. What a screen reader says of it is its caption (a button's, a
// label's, a box's, a captioned panel's), the label it is the buddy of, or the French
// description the screen gives it.
namespace kalmoris::controls {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect place);
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place);
QLineEdit* edit(QWidget* parent, const char* name, QRect place);
Panel* panel(QWidget* parent, const char* name, const QString& caption, QRect place,
             const QColor& color);
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect place);

// A label whose text wraps inside its place.
QLabel* note(QWidget* parent, const char* name, const QString& text, QRect place);

// The readable name of a control that shows no caption of its own: a field, a result panel.
void describe(QWidget* widget, const QString& description);

QFont boldFont(int pointSize, const QString& family = QStringLiteral("Arial"));

}  // namespace kalmoris::controls
