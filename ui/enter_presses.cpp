#include "ui/enter_presses.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kalmoris {

namespace {

class EnterPresses : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
      static_cast<QPushButton*>(watched)->click();
    return true;
  }
};

}  // namespace

void pressOnEnter(QPushButton* button) {
  static EnterPresses filter;
  button->installEventFilter(&filter);
}

}  // namespace kalmoris
