#include "dossier/core/file_io.h"

#include "core/file_reading.h"

namespace kalmoris {

QByteArray readDossierFile(const QString& path) {
  return readKindOfFile(
      path, {QStringLiteral(".TEG"), QStringLiteral("un dossier .TEG"), kMaxDossierFileBytes});
}

}  // namespace kalmoris
