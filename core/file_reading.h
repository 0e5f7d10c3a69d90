#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoris {

// What a file the program opens should be, for the messages that refuse another: its extension
// (".TEG") and what it is ("un dossier .TEG"), and the largest size it reads, far above what a
// real one holds, low enough that a wrong file cannot stall the program.
struct FileKind {
  QString extension;
  QString noun;
  qsizetype maxBytes = 1024 * 1024;
};

// The bytes of a file of that kind. A missing, unreadable or oversized file, a folder or a device
// raises a FileFailure with its message.
QByteArray readKindOfFile(const QString& path, const FileKind& kind);

}  // namespace kalmoris
