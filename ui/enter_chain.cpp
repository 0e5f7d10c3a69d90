#include "ui/enter_chain.h"

#include "ui/handler.h"

#include <QLineEdit>

namespace kalmoris {

void linkEnterChain(QWidget* screen, const QList<QLineEdit*>& fields,
                    std::function<void()> atLast) {
  for (qsizetype k = 0; k + 1 < fields.size(); ++k) {
    QLineEdit* next = fields[k + 1];
    QObject::connect(fields[k], &QLineEdit::returnPressed, next,
                     [next] { next->setFocus(Qt::TabFocusReason); });
  }
  if (fields.isEmpty()) return;
  QObject::connect(fields.back(), &QLineEdit::returnPressed, screen,
                   [screen, atLast = std::move(atLast)] { runHandler(screen, atLast); });
}

}  // namespace kalmoris
