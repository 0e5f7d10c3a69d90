#include "ui/change_rule.h"

#include "ui/panel.h"

#include <QLineEdit>

namespace kalmoris {

void emptyOnChange(QWidget* screen, QLineEdit* field, const QList<Panel*>& panels) {
  QObject::connect(field, &QLineEdit::textChanged, screen, [panels] { emptyPanels(panels); });
}

void emptyPanels(const QList<Panel*>& panels) {
  for (Panel* panel : panels) panel->clear();
}

void emptyFields(const QList<QLineEdit*>& fields) {
  for (QLineEdit* field : fields) field->clear();
}

}  // namespace kalmoris
