#include "ui/save_file_name.h"

#include "core/errors.h"
#include "ui/platform.h"

#include <QFileInfo>

namespace kalmoris {

QString askFileNameToWrite(QWidget* parent, const QString& filter, const QString& extension) {
  QString target = platform().askSaveFileName(parent, QString(), filter);
  if (target.isEmpty()) return {};
  const bool appended = !target.endsWith(extension, Qt::CaseInsensitive);
  if (appended) target += extension;
  if (QFileInfo(target).isDir()) {
    throw FileFailure(
        QStringLiteral("« %1 » est un dossier : choisissez un autre nom de fichier.").arg(target));
  }
  const QString question =
      QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?").arg(target);
  if (appended && QFileInfo::exists(target) && !platform().askYesNo(parent, question)) return {};
  return target;
}

}  // namespace kalmoris
