#include "app/picture.h"

// The resource lives in a static library: it must be registered before first use.
static void registerPictureResource() {
  Q_INIT_RESOURCE(kalmoris);
}

namespace kalmoris {

QPixmap kalmorisPicture(int size) {
  registerPictureResource();
  return QPixmap(QStringLiteral(":/kalmoris/kalmoris.png"))
      .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace kalmoris
