#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoris {

// Writes the bytes to a temporary file beside `path`, then renames it over `path`, so that a
// failure leaves the previous file as it was; a failure raises a FileFailure with its message.
void saveFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace kalmoris
