#include "ui/unsaved_changes.h"

#include "ui/platform.h"

namespace kalmoris {

bool mayGiveUpChanges(QWidget* parent, bool modified, const QString& question,
                      const std::function<bool()>& save) {
  if (!modified) return true;
  switch (platform().askYesNoCancel(parent, question)) {
    case Platform::Answer::Yes:
      return save();
    case Platform::Answer::No:
      return true;
    case Platform::Answer::Cancel:
      break;
  }
  return false;
}

}  // namespace kalmoris
