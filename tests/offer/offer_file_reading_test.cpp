#include "offer/core/offer_file_reading.h"
#include "core/errors.h"
#include "tests/core/failure_expectations.h"
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

using testing::FailsWith;
using OfferFileReading = testing::ScratchFolder;

// The reading is the one the dossier files prove; its refusals here speak of offers.
TEST_F(OfferFileReading, RefusesWhatCannotBeAnOfferByItsName) {
  const QString name = path("offre.offre");
  write(name, QByteArray(kMaxOfferFileBytes, ' '));
  EXPECT_EQ(readOfferFileBytes(name).size(), kMaxOfferFileBytes);
  write(name, QByteArray(kMaxOfferFileBytes + 1, ' '));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { readOfferFileBytes(name); },
      QStringLiteral("« %1 » dépasse 1024 Ko : ce n'est pas une offre.").arg(name)));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { readOfferFileBytes(folder_.path()); },
      QStringLiteral("« %1 » est un répertoire : choisissez un fichier .offre.")
          .arg(folder_.path())));
}

}  // namespace
}  // namespace kalmoris
