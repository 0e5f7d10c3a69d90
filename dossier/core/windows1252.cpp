#include "dossier/core/windows1252.h"

#include <array>

namespace kalmoris::windows1252 {

namespace {

// Bytes 80 to 9F. The undefined bytes 81, 8D, 8F, 90 and 9D keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1.
int byteOf(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (std::size_t k = 0; k < kHighControls.size(); ++k)
    if (kHighControls[k] == c) return 0x80 + static_cast<int>(k);
  return -1;
}

}  // namespace

QString decode(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype k = 0; k < bytes.size(); ++k) {
    const auto byte = static_cast<unsigned char>(bytes[k]);
    text[k] = QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
  }
  return text;
}

qsizetype firstUnencodable(const QString& text) {
  for (qsizetype k = 0; k < text.size(); ++k)
    if (byteOf(text[k].unicode()) < 0) return k;
  return -1;
}

QByteArray encode(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    const int byte = byteOf(c.unicode());
    bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return bytes;
}

}  // namespace kalmoris::windows1252
