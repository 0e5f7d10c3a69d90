#pragma once

#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

namespace kalmoris {

// The longest line a dossier file may hold: the most an entry field keeps.
inline constexpr qsizetype kMaxDossierLineLength = 32767;

// The name a message gives a header field.
QString headerFieldName(HeaderField field);

// The ".TEG" file of the dossier on the view: the twelve header texts, then the cells of grid
// columns 2 to 5 of each of the `groupCount` groups, one text a line, in Windows-1252, each
// line ended by CR LF. A text the file cannot hold (a character outside the code page, a line
// end, the end-of-file byte) raises a FileFailure that names its field; nothing is written.
QByteArray encodeDossierFile(const DossierView& view, int groupCount);

// The lines of a dossier file: a line ends at CR, at LF, or at CR LF; the byte 1A ends the
// file wherever it stands; reading past the end gives empty lines.
class DossierLineReader {
 public:
  explicit DossierLineReader(QByteArrayView bytes);

  bool atEnd() const { return position_ >= bytes_.size(); }
  // Raises a FileFailure for a line longer than kMaxDossierLineLength.
  QString readLine();
  int linesRead() const { return linesRead_; }

 private:
  QByteArrayView bytes_;
  qsizetype position_ = 0;
  int linesRead_ = 0;
};

// The texts of a dossier file: the twelve header lines, in the order of kHeaderFields, then
// the four lines of grid columns 2 to 5 of each group.
struct DossierFileContents {
  std::array<QString, kHeaderFieldCount> header;
  std::vector<std::array<QString, 4>> groups;
};

// Reads a whole dossier file before anything of it is shown: twelve lines of header, the group
// count from the twelfth, then four lines per group; again while lines are left, so that the
// last of several dossiers is the one kept. A twelfth line that is not an integer raises its
// conversion failure; one that counts no group, a negative number or more than 360, and a file
// with no line at all, raise a FileFailure.
DossierFileContents readDossierContents(QByteArrayView bytes);

// Puts the texts back on the view: the header fields, the grid sized to the groups, their
// cells in columns 2 to 5 (the others are left as they are).
void showDossierContents(const DossierFileContents& contents, LoanDossier& dossier,
                         DossierView& view);

// Reads the file whole, then shows it; a refused file leaves the view and the dossier as they
// were.
void loadDossierFile(QByteArrayView bytes, LoanDossier& dossier, DossierView& view);

}  // namespace kalmoris
