#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kalmoris::testing {

// A file's bytes, read whole; none for a file that cannot be read.
inline QByteArray fileContents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file whole, replacing it; false if it could not be.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace kalmoris::testing
