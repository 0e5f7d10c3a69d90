#pragma once

#include "core/toned_line.h"

#include <QColor>

class QWidget;

// The standard system colours the screens use, and how a control's background is set and read.
namespace kalmoris::colors {

inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor Aqua{0x00, 0xFF, 0xFF};
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Lime{0x00, 0xFF, 0x00};
inline const QColor Navy{0x00, 0x00, 0x80};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor Orange{0xE0, 0x70, 0x00};  // dark enough to read on the screens' background
inline const QColor Silver{0xC0, 0xC0, 0xC0};  // light grey panels
inline const QColor ButtonFace{0xF0, 0xF0, 0xF0};
inline const QColor Light3D{0xE3, 0xE3, 0xE3};  // the screens' background

// Background of an entry field (its base colour) or of a panel or window.
void setBackground(QWidget* widget, const QColor& color);
QColor background(const QWidget* widget);

// Colour of a widget's text.
void setTextColor(QWidget* widget, const QColor& color);

// The colour of a line's tone: green, red or orange, black without one.
const QColor& ofTone(Tone tone);

}  // namespace kalmoris::colors
