#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kalmoris {

// Whether typed work may be given up now. Unmodified work may; otherwise `question` is asked:
// "Oui" saves it (false when the save was cancelled or failed), "Non" gives it up, "Annuler"
// keeps it.
bool mayGiveUpChanges(QWidget* parent, bool modified, const QString& question,
                      const std::function<bool()>& save);

}  // namespace kalmoris
