#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace kalmoris::testing {

// A test in a folder of its own, removed afterwards, with its files written and read whole.
class ScratchFolder : public ::testing::Test {
 protected:
  QString path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }
  void write(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray contents(const QString& name) {
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  QTemporaryDir folder_;
};

}  // namespace kalmoris::testing
