#include "core/file_read.h"

#include "core/errors.h"
#include "core/file_errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace kalmoris {

QByteArray readWholeFile(const QString& path, qsizetype maxBytes, const FileKind& kind) {
  checkFileName(path);
  const QFileInfo info(path);
  if (info.isDir()) {
    throw FileFailure(QStringLiteral("« %1 » est un répertoire : %2.").arg(path, kind.forFolder));
  }
  if (info.exists() && !info.isFile()) {
    throw FileFailure(
        QStringLiteral("« %1 » n'est pas un fichier ordinaire : %2.").arg(path, kind.notOfKind));
  }
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) failFile(lastFileError());
  errno = 0;
  const QByteArray bytes = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) failFile(lastFileError());
  if (bytes.size() > maxBytes) {
    throw FileFailure(QStringLiteral("« %1 » dépasse %2 Ko : %3.")
                          .arg(path)
                          .arg(maxBytes / 1024)
                          .arg(kind.notOfKind));
  }
  return bytes;
}

}  // namespace kalmoris
