#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoris {

// The largest offer file the program reads: far above what 1 200 steps need (about 100 KB), low
// enough that a wrong file cannot stall the screen.
inline constexpr qsizetype kMaxOfferFileBytes = 1024 * 1024;

// The bytes of an offer file. A missing, unreadable or oversized file, a folder or a device
// raises a FileFailure with its French message.
QByteArray readOfferFileBytes(const QString& path);

}  // namespace kalmoris
