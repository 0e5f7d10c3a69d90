#include "core/file_reading.h"

#include "core/errors.h"
#include "core/file_errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace kalmoris {

QByteArray readKindOfFile(const QString& path, const FileKind& kind) {
  checkFileName(path);
  const QFileInfo info(path);
  if (info.isDir()) {
    throw FileFailure(QStringLiteral("« %1 » est un répertoire : choisissez un fichier %2.")
                          .arg(path, kind.extension));
  }
  if (info.exists() && !info.isFile()) {
    throw FileFailure(QStringLiteral("« %1 » n'est pas un fichier ordinaire : ce n'est pas %2.")
                          .arg(path, kind.noun));
  }
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) failFile(lastFileError());
  errno = 0;
  const QByteArray bytes = file.read(kind.maxBytes + 1);
  if (file.error() != QFileDevice::NoError) failFile(lastFileError());
  if (bytes.size() > kind.maxBytes) {
    throw FileFailure(QStringLiteral("« %1 » dépasse %2 Ko : ce n'est pas %3.")
                          .arg(path)
                          .arg(kind.maxBytes / 1024)
                          .arg(kind.noun));
  }
  return bytes;
}

}  // namespace kalmoris
