#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoris {

// The largest dossier file the program reads: far above what 360 groups need (about 50 KB
// even with long texts), low enough that a wrong file cannot stall the screen.
inline constexpr qsizetype kMaxDossierFileBytes = 1024 * 1024;

// The message of a failed file operation, from the system's error number: "Disque plein",
// "Accès au fichier refusé", "Fichier introuvable", "Trop de fichiers ouverts",
// "Nom de fichier incorrect", otherwise "Erreur E/S" and the number.
QString fileErrorMessage(int errorNumber);

// The bytes of a dossier file. A missing, unreadable or oversized file, a folder or a
// device raises a FileFailure with its message.
QByteArray readDossierFile(const QString& path);

// Writes the bytes to a temporary file beside `path`, then renames it over `path`, so that a
// failure leaves the previous file as it was; a failure raises a FileFailure with its message.
void saveDossierFile(const QString& path, const QByteArray& bytes);

}  // namespace kalmoris
