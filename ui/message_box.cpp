#include "ui/message_box.h"

#include <QPushButton>

namespace kalmoris {

namespace {
QPushButton* addButton(QMessageBox& box, QMessageBox::StandardButton which, const char* caption) {
  QPushButton* button = box.addButton(which);
  button->setText(QString::fromUtf8(caption));
  return button;
}
}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, BoxKind kind, const QString& text) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(QStringLiteral("KALMORIS"));
  box->setText(text);
  switch (kind) {
    case BoxKind::Error:
      box->setIcon(QMessageBox::Critical);
      box->setDefaultButton(addButton(*box, QMessageBox::Ok, "OK"));
      break;
    case BoxKind::YesNo:
      box->setIcon(QMessageBox::Question);
      addButton(*box, QMessageBox::Yes, "Oui");
      box->setDefaultButton(addButton(*box, QMessageBox::No, "Non"));
      break;
    case BoxKind::YesNoCancel:
      box->setIcon(QMessageBox::Question);
      box->setDefaultButton(addButton(*box, QMessageBox::Yes, "Oui"));
      addButton(*box, QMessageBox::No, "Non");
      box->setEscapeButton(addButton(*box, QMessageBox::Cancel, "Annuler"));
      break;
  }
  return box;
}

}  // namespace kalmoris
