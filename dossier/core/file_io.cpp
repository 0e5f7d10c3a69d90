#include "dossier/core/file_io.h"

#include "core/errors.h"
#include "core/file_errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace kalmoris {

QByteArray readDossierFile(const QString& path) {
  checkFileName(path);
  const QFileInfo info(path);
  if (info.isDir()) {
    throw FileFailure(
        QStringLiteral("« %1 » est un répertoire : choisissez un fichier .TEG.").arg(path));
  }
  if (info.exists() && !info.isFile()) {
    throw FileFailure(
        QStringLiteral("« %1 » n'est pas un fichier ordinaire : ce n'est pas un dossier .TEG.")
            .arg(path));
  }
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) failFile(lastFileError());
  errno = 0;
  const QByteArray bytes = file.read(kMaxDossierFileBytes + 1);
  if (file.error() != QFileDevice::NoError) failFile(lastFileError());
  if (bytes.size() > kMaxDossierFileBytes) {
    throw FileFailure(QStringLiteral("« %1 » dépasse %2 Ko : ce n'est pas un dossier .TEG.")
                          .arg(path)
                          .arg(kMaxDossierFileBytes / 1024));
  }
  return bytes;
}

}  // namespace kalmoris
