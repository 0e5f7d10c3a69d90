#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoris {

// What the refusal of a file that cannot be of the kind asked says after its name: the advice
// for a folder ("choisissez un fichier .TEG") and the verdict for a device or an oversized file
// ("ce n'est pas un dossier .TEG").
struct FileKind {
  QString forFolder;
  QString notOfKind;
};

// The whole bytes of a file of at most `maxBytes`. A missing or unreadable file raises a
// FileFailure with the runtime's message; a folder, a device or a larger file one in French
// that names it: "« /dev/zero » n'est pas un fichier ordinaire : ce n'est pas un dossier .TEG."
QByteArray readWholeFile(const QString& path, qsizetype maxBytes, const FileKind& kind);

}  // namespace kalmoris
