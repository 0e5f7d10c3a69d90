#include "offer/core/offer_file_reading.h"

#include "core/file_read.h"

namespace kalmoris {

QByteArray readOfferFileBytes(const QString& path) {
  return readWholeFile(
      path, kMaxOfferFileBytes,
      {QStringLiteral("choisissez un fichier .offre"), QStringLiteral("ce n'est pas une offre")});
}

}  // namespace kalmoris
