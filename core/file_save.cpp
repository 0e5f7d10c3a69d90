#include "core/file_save.h"

#include "core/file_errors.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace kalmoris {

void saveFileAtomically(const QString& path, const QByteArray& bytes) {
  checkFileName(path);
  if (QFileInfo(path).isDir()) failFile(EISDIR);
  QSaveFile file(path);
  // Unbuffered, so that a failed write reports its own error number at once.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) failFile(lastFileError());
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int error = lastFileError();
    file.cancelWriting();
    failFile(error);
  }
  errno = 0;
  if (!file.commit()) failFile(lastFileError());
}

}  // namespace kalmoris
