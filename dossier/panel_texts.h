#pragma once

#include <QRect>
#include <QString>

class QColor;
class QLabel;
class QWidget;

namespace kalmoris {
class Panel;
}

// How the dossier's own panels lay out their texts.
namespace kalmoris::panel_texts {

// A sunken result panel whose value stands right-aligned in bold (rates, costs).
Panel* resultPanel(QWidget* parent, const char* name, QRect place, const QColor& color);

// The visible code of a panel ("P90") at its top-left corner.
QLabel* code(QWidget* panel, const char* code);
// A bold heading, centred on the panel's width at `top`.
QLabel* heading(QWidget* panel, const char* name, const QString& text, int top);
// Wrapped paragraphs, one a line, in a small font.
QLabel* paragraphs(QWidget* panel, const char* name, std::initializer_list<const char*> lines,
                   QRect place);

}  // namespace kalmoris::panel_texts
