#include "core/errors.h"
#include "offer/core/offer_file.h"
#include "tests/core/failure_expectations.h"
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

using testing::FailsWith;
using OfferFileOpening = testing::ScratchFolder;

// The reading is the one the dossier files prove; its refusals here speak of offers.
TEST_F(OfferFileOpening, RefusesWhatCannotBeAnOfferByItsName) {
  const QString name = path("offre.offre");
  write(name, QByteArray(1024 * 1024 + 1, ' '));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { openOfferFile(name); },
      QStringLiteral("« %1 » dépasse 1024 Ko : ce n'est pas une offre .offre.").arg(name)));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { openOfferFile(folder_.path()); },
      QStringLiteral("« %1 » est un répertoire : choisissez un fichier .offre.")
          .arg(folder_.path())));
}

}  // namespace
}  // namespace kalmoris
