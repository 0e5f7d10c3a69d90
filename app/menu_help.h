#pragma once

#include <QString>

namespace kalmoris {

// The heading and text of one help panel of the main menu.
struct MenuHelp {
  QString heading;
  QString text;
};

// The help of the panel whose code is given ("P8", "P9", "P10", "P11", "P18" … "P23").
MenuHelp menuHelp(const QString& code);

}  // namespace kalmoris
