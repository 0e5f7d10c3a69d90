#include "ui/colors.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace kalmoris::colors {

namespace {
QPalette::ColorRole backgroundRole(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) ? QPalette::Base : QPalette::Window;
}
}  // namespace

void setBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(backgroundRole(widget), color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QColor background(const QWidget* widget) {
  return widget->palette().color(backgroundRole(widget));
}

void setTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::Text, color);
  palette.setColor(QPalette::ButtonText, color);
  widget->setPalette(palette);
}

const QColor& ofTone(Tone tone) {
  switch (tone) {
    case Tone::Green:
      return Green;
    case Tone::Red:
      return Red;
    case Tone::Orange:
      return Orange;
    case Tone::None:
      break;
  }
  return Black;
}

}  // namespace kalmoris::colors
