#include "dossier/core/file_io.h"

#include "core/file_read.h"

namespace kalmoris {

QByteArray readDossierFile(const QString& path) {
  return readWholeFile(path, kMaxDossierFileBytes,
                       {QStringLiteral("choisissez un fichier .TEG"),
                        QStringLiteral("ce n'est pas un dossier .TEG")});
}

}  // namespace kalmoris
