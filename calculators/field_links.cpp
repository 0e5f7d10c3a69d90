#include "calculators/field_links.h"

#include "ui/handler.h"
#include "ui/panel.h"
#include "core/numbers.h"

#include <QLineEdit>

namespace kalmoris {

void linkEnterChain(QWidget* screen, const QList<QLineEdit*>& fields,
                    std::function<void()> atLast) {
  for (qsizetype k = 0; k + 1 < fields.size(); ++k) {
    QLineEdit* next = fields[k + 1];
    QObject::connect(fields[k], &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
  }
  if (fields.isEmpty()) return;
  QObject::connect(fields.back(), &QLineEdit::returnPressed, screen,
                   [screen, atLast = std::move(atLast)] { runHandler(screen, atLast); });
}

void emptyOnChange(QWidget* screen, QLineEdit* field, const QList<Panel*>& panels) {
  QObject::connect(field, &QLineEdit::textChanged, screen, [panels] { emptyPanels(panels); });
}

void emptyPanels(const QList<Panel*>& panels) {
  for (Panel* panel : panels) panel->clear();
}

void emptyFields(const QList<QLineEdit*>& fields) {
  for (QLineEdit* field : fields) field->clear();
}

bool readAndRewrite(EntryReader& reader, QLineEdit* field, const QString& pattern, Real& into) {
  if (!store(reader.amount(field), into)) return false;
  field->setText(FormatPattern(into, pattern));
  return true;
}

}  // namespace kalmoris
