#include "dossier/core/windows1252.h"

#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

using testing::PrintTo;

TEST(Windows1252, EveryByteReadsBackToItself) {
  QByteArray all;
  for (int byte = 0; byte < 256; ++byte) all.append(static_cast<char>(byte));
  const QString text = windows1252::decode(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(windows1252::firstUnencodable(text), -1);
  EXPECT_EQ(windows1252::encode(text), all);
}

TEST(Windows1252, HighBytesAreTheTypographicCharacters) {
  EXPECT_EQ(windows1252::decode("\x80\x85\x92\x9c\xe9\xff"), QString::fromUtf8("€…’œéÿ"));
  EXPECT_EQ(windows1252::encode(QString::fromUtf8("Prêt à 5 € – « ok »")),
            QByteArray("Pr\xeat \xe0 5 \x80 \x96 \xab ok \xbb"));
  EXPECT_EQ(windows1252::decode("\x81\x8d\x8f\x90\x9d"),
            QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d"));
}

TEST(Windows1252, CharactersOutsideTheCodePageAreFound) {
  EXPECT_EQ(windows1252::firstUnencodable(QString::fromUtf8("abc")), -1);
  EXPECT_EQ(windows1252::firstUnencodable(QString::fromUtf8("ab\u0080c")), 2);  // € has 80
  EXPECT_EQ(windows1252::firstUnencodable(QString::fromUtf8("Łódź")), 0);
  EXPECT_EQ(windows1252::firstUnencodable(QString::fromUtf8("ok 😀")), 3);
  EXPECT_EQ(windows1252::encode(QString::fromUtf8("a✓b")), QByteArray("a?b"));
}

}  // namespace
}  // namespace kalmoris
