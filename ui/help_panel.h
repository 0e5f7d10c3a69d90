#pragma once

#include "ui/panel.h"

#include <QRect>
#include <QString>

namespace kalmoris {

// A help panel: hidden at first, with its visible code ("P8"), an optional heading, a French
// text and under it a small "VU" button (named `closeName`) whose only effect is to hide the
// panel. The panel is made taller than `place` when its text needs it.
Panel* makeHelpPanel(QWidget* parent, const char* name, const QString& code, const QString& heading,
                     const QString& text, QRect place, const char* closeName, const QColor& color);

}  // namespace kalmoris
