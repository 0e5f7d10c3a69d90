#pragma once

#include <QString>

namespace kalmoris {

// The page font of the current printer, shared by every report: an attribute a report does
// not set keeps the value the previous report left.
struct PageFont {
  enum class SizeUnit { Points, Dots };

  QString name = QStringLiteral("Arial");
  SizeUnit unit = SizeUnit::Points;
  int size = 10;  // points, or printer dots when unit is Dots
  bool bold = false;
  bool italic = false;
  unsigned color = 0x000000;  // RGB

  void setSizePoints(int points) {
    unit = SizeUnit::Points;
    size = points;
  }
  void setHeightDots(int dots) {
    unit = SizeUnit::Dots;
    size = dots;
  }
  void setStyle(bool isBold, bool isItalic = false) {
    bold = isBold;
    italic = isItalic;
  }
  bool operator==(const PageFont&) const = default;
};

}  // namespace kalmoris
