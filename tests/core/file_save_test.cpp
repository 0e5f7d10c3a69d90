#include "core/file_save.h"

#include "core/file_errors.h"
#include "tests/core/failure_expectations.h"
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;

struct ErrorCase {
  const char* name;
  int errorNumber;
  const char* message;
};

class FileErrorMessage : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FileErrorMessage, IsTheRuntimeMessage) {
  EXPECT_EQ(fileErrorMessage(GetParam().errorNumber), QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FileErrorMessage,
    ::testing::Values(ErrorCase{"DiskFull", ENOSPC, "Disque plein"},
                      ErrorCase{"QuotaExceeded", EDQUOT, "Disque plein"},
                      ErrorCase{"AccessRefused", EACCES, "Accès au fichier refusé"},
                      ErrorCase{"NotPermitted", EPERM, "Accès au fichier refusé"},
                      ErrorCase{"ReadOnlyFileSystem", EROFS, "Accès au fichier refusé"},
                      ErrorCase{"Folder", EISDIR, "Accès au fichier refusé"},
                      ErrorCase{"Missing", ENOENT, "Fichier introuvable"},
                      ErrorCase{"MissingFolder", ENOTDIR, "Fichier introuvable"},
                      ErrorCase{"ProcessFilesExhausted", EMFILE, "Trop de fichiers ouverts"},
                      ErrorCase{"SystemFilesExhausted", ENFILE, "Trop de fichiers ouverts"},
                      ErrorCase{"NameTooLong", ENAMETOOLONG, "Nom de fichier incorrect"},
                      ErrorCase{"InvalidName", EINVAL, "Nom de fichier incorrect"},
                      ErrorCase{"InputOutput", EIO, "Erreur E/S 5"},
                      ErrorCase{"FileTooLarge", EFBIG, "Erreur E/S 27"}),
    [](const auto& info) { return std::string(info.param.name); });

using FileSave = testing::ScratchFolder;

TEST_F(FileSave, SavedBytesReplaceThePreviousFile) {
  const QString name = path("pret.TEG");
  saveFileAtomically(name, "ancien\r\n");
  saveFileAtomically(name, "nouveau\r\n");
  EXPECT_EQ(contents(name), "nouveau\r\n");
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"pret.TEG"});
}

TEST_F(FileSave, SavingIntoAMissingFolderFails) {
  EXPECT_TRUE(FailsWith<FileFailure>([&] { saveFileAtomically(path("absent/pret.TEG"), "x"); },
                                     "Fichier introuvable"));
  EXPECT_TRUE(FailsWith<FileFailure>([&] { saveFileAtomically(folder_.path(), "x"); },
                                     "Accès au fichier refusé"));
  EXPECT_TRUE(
      FailsWith<FileFailure>([&] { saveFileAtomically(path(std::string(300, 'n').c_str()), "x"); },
                             "Nom de fichier incorrect"));
  EXPECT_TRUE(FailsWith<FileFailure>([&] { saveFileAtomically(QString(), "x"); },
                                     "Nom de fichier incorrect"));
}

TEST_F(FileSave, RefusedAccessLeavesThePreviousFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  const QString name = path("pret.TEG");
  write(name, "ancien\r\n");
  QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_TRUE(FailsWith<FileFailure>([&] { saveFileAtomically(name, "nouveau\r\n"); },
                                     "Accès au fichier refusé"));
  QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(contents(name), "ancien\r\n");
}

TEST_F(FileSave, FailedWriteLeavesThePreviousFileWhole) {
  const QString name = path("pret.TEG");
  write(name, "ancien\r\n");
  // A file size limit makes the write itself fail, half way through the file.
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit small = previous;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool failed = FailsWith<FileFailure>(
      [&] { saveFileAtomically(name, QByteArray(100, 'n')); }, "Erreur E/S 27");
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(contents(name), "ancien\r\n");
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"pret.TEG"});
}

}  // namespace
}  // namespace kalmoris
