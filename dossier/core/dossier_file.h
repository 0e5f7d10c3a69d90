#pragma once

#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

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

// Puts a dossier file's texts back on the view: twelve lines into the header fields, the
// group count from the twelfth, the grid sized to it, then four lines per group into grid
// columns 2 to 5; again while lines are left, so that the last of several dossiers stays.
// A twelfth line that is not an integer raises its conversion failure; one that counts no
// group, a negative number or more than 360 raises a FileFailure; what was read before
// stays on the view.
void loadDossierFile(QByteArrayView bytes, LoanDossier& dossier, DossierView& view);

}  // namespace kalmoris
