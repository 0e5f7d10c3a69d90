#include "ui/enter_chain.h"

#include "ui/handler.h"

#include <QLineEdit>

namespace kalmoris {

void linkEnterChain(QWidget* screen, const QList<QLineEdit*>& fields,
                    std::function<void()> atLast) {
  for (qsizetype k = 0; k < fields.size(); ++k) {
    QObject::connect(fields[k], &QLineEdit::returnPressed, screen, [screen, fields, k, atLast] {
      for (qsizetype next = k + 1; next < fields.size(); ++next) {
        QLineEdit* field = fields[next];
        if (field->isVisibleTo(screen) && field->isEnabled()) {
          field->setFocus(Qt::TabFocusReason);
          return;
        }
      }
      runHandler(screen, atLast);
    });
  }
}

}  // namespace kalmoris
