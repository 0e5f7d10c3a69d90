#pragma once

#include <QPixmap>

namespace kalmoris {

// The program's picture (a coin marked with a percent sign) at the given size; also the
// window icon and the desktop icon.
QPixmap kalmorisPicture(int size);

}  // namespace kalmoris
