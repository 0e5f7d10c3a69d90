#include "core/file_errors.h"

#include "core/errors.h"

#include <cerrno>

namespace kalmoris {

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

int lastFileError() {
  return errno != 0 ? errno : EIO;
}

void failFile(int errorNumber) {
  throw FileFailure(fileErrorMessage(errorNumber));
}

void checkFileName(const QString& path) {
  if (path.isEmpty() || path.contains(QChar(u'\0'))) failFile(EINVAL);
}

}  // namespace kalmoris
