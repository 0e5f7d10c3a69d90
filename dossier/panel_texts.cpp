#include "dossier/panel_texts.h"

#include "ui/controls.h"
#include "ui/panel.h"

#include <QLabel>
#include <QStringList>

namespace kalmoris::panel_texts {

Panel* resultPanel(QWidget* parent, const char* name, QRect place, const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString(), place, color);
  panel->setCaptionFont(controls::boldFont(9));
  panel->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}

QLabel* code(QWidget* panel, const char* code) {
  const QByteArray name = QByteArray("Code_") + panel->objectName().toLatin1();
  QLabel* label =
      controls::label(panel, name.constData(), QString::fromLatin1(code), QRect(4, 3, 36, 13));
  label->setFont(QFont(QStringLiteral("Arial"), 7));
  return label;
}

QLabel* heading(QWidget* panel, const char* name, const QString& text, int top) {
  QLabel* label = controls::label(panel, name, text, QRect(36, top, panel->width() - 72, 18));
  label->setFont(controls::boldFont(9));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  return label;
}

QLabel* paragraphs(QWidget* panel, const char* name, std::initializer_list<const char*> lines,
                   QRect place) {
  QStringList texts;
  for (const char* line : lines) texts.append(QString::fromUtf8(line));
  QLabel* label = controls::note(panel, name, texts.join(QLatin1Char('\n')), place);
  label->setFont(QFont(QStringLiteral("Arial"), 8));
  return label;
}

}  // namespace kalmoris::panel_texts
