#include "dossier/core/file_io.h"

#include "tests/core/failure_expectations.h"
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;

using DossierFiles = testing::ScratchFolder;

TEST_F(DossierFiles, WrittenBytesReadBack) {
  const QString name = path("pret.TEG");
  write(name, "G. RORAVOR\r\n200000\r\n");
  EXPECT_EQ(readDossierFile(name), "G. RORAVOR\r\n200000\r\n");
}

TEST_F(DossierFiles, ReadingRefusals) {
  EXPECT_TRUE(
      FailsWith<FileFailure>([&] { readDossierFile(path("absent.TEG")); }, "Fichier introuvable"));
  EXPECT_TRUE(
      FailsWith<FileFailure>([&] { readDossierFile(QString()); }, "Nom de fichier incorrect"));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { readDossierFile(folder_.path()); },
      QStringLiteral("« %1 » est un répertoire : choisissez un fichier .TEG.")
          .arg(folder_.path())));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { readDossierFile("/dev/zero"); },
      QStringLiteral(
          "« /dev/zero » n'est pas un fichier ordinaire : ce n'est pas un dossier .TEG.")));
}

TEST_F(DossierFiles, FileAboveTheLimitIsRefusedUnread) {
  const QString name = path("gros.TEG");
  write(name, QByteArray(kMaxDossierFileBytes + 1, 'x'));
  EXPECT_TRUE(FailsWith<FileFailure>(
      [&] { readDossierFile(name); },
      QStringLiteral("« %1 » dépasse 1024 Ko : ce n'est pas un dossier .TEG.").arg(name)));
  write(name, QByteArray(kMaxDossierFileBytes, 'x'));
  EXPECT_EQ(readDossierFile(name).size(), kMaxDossierFileBytes);
}

TEST_F(DossierFiles, UnreadableFileIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
  const QString name = path("pret.TEG");
  write(name, "ancien\r\n");
  QFile::setPermissions(name, QFileDevice::Permissions());
  EXPECT_TRUE(FailsWith<FileFailure>([&] { readDossierFile(name); }, "Accès au fichier refusé"));
}

}  // namespace
}  // namespace kalmoris
