#pragma once

#include <QRect>

class QPushButton;
class QWidget;

namespace kalmoris {

// A small red bold "?" tab that shows a help panel.
QPushButton* helpTab(QWidget* parent, const char* name, QRect place);

}  // namespace kalmoris
