#pragma once

#include <QPixmap>

namespace kalmoris {

// The program's small picture: a coin marked with a percent sign, drawn at the given size.
QPixmap kalmorisPicture(int size);

}  // namespace kalmoris
