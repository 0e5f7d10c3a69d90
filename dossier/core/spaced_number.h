#pragma once

#include <QString>

namespace kalmoris {

// The dossier writes every number it has read back into its field or cell after one space
// (" 200000,00", " 180").
inline QString spaced(const QString& number) {
  return QLatin1Char(' ') + number;
}

}  // namespace kalmoris
