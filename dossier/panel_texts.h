#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// How the dossier's own panels lay out their texts.
namespace kalmoris::panel_texts {

// The visible code of a panel ("P90") at its top-left corner.
QLabel* code(QWidget* panel, const char* code);
// A bold heading, centred on the panel's width at `top`.
QLabel* heading(QWidget* panel, const char* name, const QString& text, int top);
// Wrapped paragraphs, one a line, in a small font.
QLabel* paragraphs(QWidget* panel, const char* name, std::initializer_list<const char*> lines,
                   QRect place);

}  // namespace kalmoris::panel_texts
