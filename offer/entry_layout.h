#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <utility>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The look of the offer's entries, shared by the files that build them: a caption panel beside
// each field, a note after it, the choices, the titles of the grids and the buttons beside them.
namespace kalmoris {
class Panel;
}

namespace kalmoris::entry_layout {

inline constexpr int kLeft = 8;     // the offer and its drawdowns
inline constexpr int kRight = 408;  // the fees and the instalments
inline constexpr int kCaptionWidth = 168;
inline constexpr int kFieldOffset = 174;  // from a caption's left to its field's
inline constexpr int kRowHeight = 21;
inline constexpr int kRowStep = 24;
inline constexpr int kGridWidth = 300;
inline constexpr int kRowButtonWidth = 82;
inline constexpr int kBottom = 356;  // where the entries end, above the red bar

// The caption beside a field: white bold text on navy (the offer) or green (the instalments).
Panel* caption(QWidget* parent, const char* name, const char* text, QPoint place,
               const QColor& color, int width = kCaptionWidth);
QRect fieldPlace(QPoint captionPlace, int width);
// A short note after a field: its unit or the shape of its text.
QLabel* unitNote(QWidget* parent, const char* name, const char* text, QRect field, int width = 90);
QComboBox* choice(QWidget* parent, const char* name, const QStringList& items, QRect place);
QLabel* gridTitle(QWidget* parent, const char* name, const char* text, QPoint place);
// The two buttons beside a grid that add a row to it and remove one.
std::pair<QPushButton*, QPushButton*> rowButtons(QWidget* parent, const char* addName,
                                                 const char* removeName, QPoint place);

}  // namespace kalmoris::entry_layout
