#include "dossier/core/file_io.h"

#include "core/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace kalmoris {

namespace {

[[noreturn]] void failWith(int errorNumber) {
  throw FileFailure(fileErrorMessage(errorNumber));
}

// The error number a failed call left, or EIO when the library refused without one.
int lastError() {
  return errno != 0 ? errno : EIO;
}

void checkName(const QString& path) {
  if (path.isEmpty() || path.contains(QChar(u'\0'))) failWith(EINVAL);
}

}  // namespace

QString fileErrorMessage(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return QString::fromUtf8(messages::kFileNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return QString::fromUtf8(messages::kAccessDenied);
    case EMFILE:
    case ENFILE:
      return QString::fromUtf8(messages::kTooManyOpenFiles);
    case ENOSPC:
    case EDQUOT:
      return QString::fromUtf8(messages::kDiskFull);
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return QString::fromUtf8(messages::kInvalidFileName);
    default:
      return messages::ioError(errorNumber);
  }
}

QByteArray readDossierFile(const QString& path) {
  checkName(path);
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
  if (!file.open(QIODevice::ReadOnly)) failWith(lastError());
  errno = 0;
  const QByteArray bytes = file.read(kMaxDossierFileBytes + 1);
  if (file.error() != QFileDevice::NoError) failWith(lastError());
  if (bytes.size() > kMaxDossierFileBytes) {
    throw FileFailure(QStringLiteral("« %1 » dépasse %2 Ko : ce n'est pas un dossier .TEG.")
                          .arg(path)
                          .arg(kMaxDossierFileBytes / 1024));
  }
  return bytes;
}

void saveDossierFile(const QString& path, const QByteArray& bytes) {
  checkName(path);
  if (QFileInfo(path).isDir()) failWith(EISDIR);
  QSaveFile file(path);
  // Unbuffered, so that a failed write reports its own error number at once.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) failWith(lastError());
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int error = lastError();
    file.cancelWriting();
    failWith(error);
  }
  errno = 0;
  if (!file.commit()) failWith(lastError());
}

}  // namespace kalmoris
