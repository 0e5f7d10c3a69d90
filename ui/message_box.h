#pragma once

#include <QMessageBox>

#include <memory>

class QWidget;

namespace kalmoris {

// The program's own message boxes, titled "KALMORIS", with French buttons whether or not Qt's
// French translations are installed: an error (OK), a yes-or-no question (Oui, Non; Non by
// default) and a question that can be cancelled (Oui, Non, Annuler; Oui by default, Escape
// cancels).
enum class BoxKind { Error, YesNo, YesNoCancel };

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, BoxKind kind, const QString& text);

}  // namespace kalmoris
