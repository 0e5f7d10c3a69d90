#include "ui/help_panel.h"

#include "ui/controls.h"

#include <QLabel>
#include <QPushButton>

namespace kalmoris {

Panel* makeHelpPanel(QWidget* parent, const char* name, const QString& code, const QString& heading,
                     const QString& text, QRect place, const char* closeName, const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString(), place, color);
  controls::describe(panel, heading.isEmpty()
                                ? QStringLiteral("Aide (%1)").arg(code)
                                : QStringLiteral("Aide (%1) : %2").arg(code, heading));
  const int width = place.width();
  const int height = place.height();  // at least
  const QByteArray codeName = QByteArray("Code_") + name;
  controls::label(panel, codeName.constData(), code, QRect(6, 4, 40, 14));
  int top = 22;
  if (!heading.isEmpty()) {
    const QByteArray headingName = QByteArray("Titre_") + name;
    QLabel* title =
        controls::label(panel, headingName.constData(), heading, QRect(48, 4, width - 96, 20));
    title->setFont(controls::boldFont(10));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    top = 26;
  }
  const QByteArray textName = QByteArray("Texte_") + name;
  QLabel* note = controls::note(panel, textName.constData(), text,
                                QRect(10, top, width - 20, height - top - 34));
  // The panel grows to hold the whole text above its button.
  const int needed = note->heightForWidth(note->width());
  if (needed > note->height()) {
    note->resize(note->width(), needed);
    panel->resize(width, top + needed + 34);
  }
  QPushButton* close = controls::button(panel, closeName, QStringLiteral("VU"),
                                        QRect(width - 46, panel->height() - 30, 40, 24));
  QObject::connect(close, &QPushButton::clicked, panel, &QWidget::hide);
  panel->hide();
  return panel;
}

}  // namespace kalmoris
