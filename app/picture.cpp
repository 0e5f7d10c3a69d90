#include "app/picture.h"

#include <QPainter>

namespace kalmoris {

QPixmap kalmorisPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal edge = size / 16.0;
  painter.setPen(QPen(QColor(0x80, 0x60, 0x00), edge));
  painter.setBrush(QColor(0xFF, 0xCC, 0x33));
  painter.drawEllipse(QRectF(edge, edge, size - 2 * edge, size - 2 * edge));
  painter.setPen(QColor(0x00, 0x00, 0x80));
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(size / 2);
  painter.setFont(font);
  painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("%"));
  return picture;
}

}  // namespace kalmoris
