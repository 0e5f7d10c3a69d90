#include "ui/controls.h"

#include "ui/enter_presses.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris::controls {

namespace {
template <typename Widget>
Widget* placed(Widget* widget, const char* name, QRect place) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(place);
  return widget;
}
}  // namespace

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect place) {
  auto* widget = placed(new QPushButton(caption, parent), name, place);
  widget->setAutoDefault(false);
  pressOnEnter(widget);
  return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place) {
  return placed(new QLabel(text, parent), name, place);
}

QLabel* note(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* widget = label(parent, name, text, place);
  widget->setWordWrap(true);
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return widget;
}

QLineEdit* edit(QWidget* parent, const char* name, QRect place) {
  return placed(new QLineEdit(parent), name, place);
}

Panel* panel(QWidget* parent, const char* name, const QString& caption, QRect place,
             const QColor& color) {
  auto* widget = placed(new Panel(parent), name, place);
  widget->setText(caption);
  if (!caption.isEmpty()) describe(widget, caption);
  widget->setColor(color);
  return widget;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect place) {
  return placed(new QGroupBox(title, parent), name, place);
}

void describe(QWidget* widget, const QString& description) {
  widget->setAccessibleName(description.simplified());
}

QFont boldFont(int pointSize, const QString& family) {
  QFont font(family, pointSize);
  font.setBold(true);
  return font;
}

}  // namespace kalmoris::controls
