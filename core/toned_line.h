#pragma once

#include <QString>

namespace kalmoris {

// How a checked line is coloured: green when right, red against the borrower, orange when
// wrong in the borrower's favour, none when merely informative.
enum class Tone { None, Green, Red, Orange };

// A line of the offer's control, with its colour.
struct TonedLine {
  QString text;
  Tone tone = Tone::None;
  bool operator==(const TonedLine&) const = default;
};

}  // namespace kalmoris
