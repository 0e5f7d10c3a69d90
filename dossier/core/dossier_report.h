#pragma once

#include "core/printer_text_stream.h"
#include "dossier/core/dossier_view.h"

#include <QString>

#include <array>

namespace kalmoris {

// A fee line of the report: the lead, the label cut to 50 characters, dashes up to 30
// characters, spaces up to `width` counted from the text as shown (cut to 50), the text's
// value with two decimals (floating conversion: an empty text or a point raises its failure)
// and " Um.". After a validation the four fee values end in column 48.
QString AmountLine(const QString& label, const QString& text, int width);

// A grid line of the report: the lead, then the six cells right-aligned in fields of 5, 16,
// 15, 11, 12 and 16 characters; a longer cell pushes the rest to the right.
QString gridLine(const std::array<QString, 6>& cells);

// The dossier report ("IMPRESSION TEXTE"), copied from what the screen shows: header, fees,
// the `groupCount` grid lines, the nominal rate (or "TAUX NOMINAL NON CALCULABLE..." while
// P216 shows), the TEG and the two costs, then the lines of the offer's control while the
// screen shows them. A fee text the conversion refuses stops it at that line with its failure.
void writeDossierReport(PrinterTextStream& out, const DossierView& view, int groupCount);

}  // namespace kalmoris
