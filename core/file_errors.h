#pragma once

#include <QString>

// The failures of file operations, raised as FileFailure with the runtime's French messages.

namespace kalmoris {

// The message of a failed file operation, from the system's error number: "Disque plein",
// "Accès au fichier refusé", "Fichier introuvable", "Trop de fichiers ouverts",
// "Nom de fichier incorrect", otherwise "Erreur E/S" and the number.
QString fileErrorMessage(int errorNumber);

// The error number a failed call left in errno, or EIO when the library refused without one;
// callers clear errno before the call.
int lastFileError();

[[noreturn]] void failFile(int errorNumber);

// A name no file can have (empty, or holding a NUL) is refused as "Nom de fichier incorrect".
void checkFileName(const QString& path);

}  // namespace kalmoris
