#include "offer/entry_layout.h"

#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace kalmoris::entry_layout {

Panel* caption(QWidget* parent, const char* name, const char* text, QPoint place,
               const QColor& color, int width) {
  Panel* panel = controls::panel(parent, name, QString::fromUtf8(text),
                                 QRect(place, QSize(width, kRowHeight)), color);
  panel->setCaptionColor(colors::White);
  panel->setCaptionFont(controls::boldFont(8));
  panel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return panel;
}

QRect fieldPlace(QPoint captionPlace, int width) {
  return {captionPlace.x() + kFieldOffset, captionPlace.y(), width, kRowHeight};
}

QLabel* unitNote(QWidget* parent, const char* name, const char* text, QRect field, int width) {
  return controls::label(parent, name, QString::fromUtf8(text),
                         QRect(field.right() + 6, field.top() + 2, width, 17));
}

QComboBox* choice(QWidget* parent, const char* name, const QStringList& items, QRect place) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(place);
  box->addItems(items);
  return box;
}

QLabel* gridTitle(QWidget* parent, const char* name, const char* text, QPoint place) {
  QLabel* title =
      controls::label(parent, name, QString::fromUtf8(text), QRect(place, QSize(384, 16)));
  title->setFont(controls::boldFont(8));
  return title;
}

std::pair<QPushButton*, QPushButton*> rowButtons(QWidget* parent, const char* addName,
                                                 const char* removeName, QPoint place) {
  QPushButton* add = controls::button(parent, addName, QStringLiteral("AJOUTER"),
                                      QRect(place, QSize(kRowButtonWidth, 24)));
  QPushButton* remove = controls::button(parent, removeName, QStringLiteral("RETIRER"),
                                         QRect(place + QPoint(0, 28), QSize(kRowButtonWidth, 24)));
  return {add, remove};
}

}  // namespace kalmoris::entry_layout
