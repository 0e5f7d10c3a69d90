#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The Windows-1252 code page of the dossier files, both ways. Bytes 00-7F and A0-FF are the
// same code points; 80-9F hold the typographic characters (the euro sign at 80), and the five
// bytes the code page leaves undefined read as the control characters of the same number.
namespace kalmoris::windows1252 {

QString decode(QByteArrayView bytes);

// The position of the first character (a whole surrogate pair counts as one) that has no
// byte in the code page, or -1 when the text can be written.
qsizetype firstUnencodable(const QString& text);

// The text's bytes; a character without a byte is written as "?" (check firstUnencodable
// first).
QByteArray encode(const QString& text);

}  // namespace kalmoris::windows1252
