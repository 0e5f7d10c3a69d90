#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoris {

// The largest dossier file the program reads: far above what 360 groups need (about 50 KB
// even with long texts), low enough that a wrong file cannot stall the screen.
inline constexpr qsizetype kMaxDossierFileBytes = 1024 * 1024;

// The bytes of a dossier file. A missing, unreadable or oversized file, a folder or a
// device raises a FileFailure with its message.
QByteArray readDossierFile(const QString& path);

}  // namespace kalmoris
