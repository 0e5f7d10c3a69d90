#include "dossier/core/dossier_file.h"

#include "core/errors.h"
#include "core/numbers.h"
#include "dossier/core/dossier_captions.h"
#include "dossier/core/windows1252.h"

namespace kalmoris {

namespace {

constexpr char kEndOfFile = 0x1A;
constexpr int kTypedColumns[] = {kAmountColumn, kCountColumn, kInsuranceColumn, kFeesColumn};

bool breaksTheLayout(QChar c) {
  return c == u'\r' || c == u'\n' || c == QChar(char16_t(kEndOfFile));
}

qsizetype firstUnstorable(const QString& text) {
  for (qsizetype k = 0; k < text.size(); ++k)
    if (breaksTheLayout(text[k])) return k;
  return windows1252::firstUnencodable(text);
}

QString characterAt(const QString& text, qsizetype at) {
  const char32_t code = text.at(at).isHighSurrogate() && at + 1 < text.size()
                            ? QChar::surrogateToUcs4(text[at], text[at + 1])
                            : text[at].unicode();
  if (code < 0x20 || (code >= 0x7F && code < 0xA0))
    return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
  return QString::fromUcs4(&code, 1);
}

void appendLine(QByteArray& file, const QString& text, const QString& place) {
  const qsizetype bad = firstUnstorable(text);
  if (bad >= 0) {
    throw FileFailure(QStringLiteral("Le dossier ne peut pas être enregistré : %1 contient le "
                                     "caractère « %2 », qu'un fichier .TEG ne peut pas contenir. "
                                     "Corrigez ce texte puis enregistrez à nouveau.")
                          .arg(place, characterAt(text, bad)));
  }
  file += windows1252::encode(text);
  file += "\r\n";
}

int groupCountOf(const QString& text, int lineNumber) {
  const std::int32_t count = StrToInt(text);
  if (count < 1 || count > kMaxGroups) {
    throw FileFailure(QStringLiteral("Ce fichier ne peut pas être ouvert : sa ligne %1 annonce "
                                     "%2 blocs de saisie, alors qu'un dossier en compte de 1 à %3.")
                          .arg(lineNumber)
                          .arg(count)
                          .arg(kMaxGroups));
  }
  return count;
}

}  // namespace

QString headerFieldName(HeaderField field) {
  switch (field) {
    case HeaderField::BorrowerName:
      return QStringLiteral("EMPRUNTEUR");
    case HeaderField::Capital:
      return QStringLiteral("MONTANT PRET");
    case HeaderField::RepaymentCount:
      return QStringLiteral("Nb. Tot. REMBOURS.");
    case HeaderField::RepaymentsPerYear:
      return QStringLiteral("Nb. REMBOURS. / AN");
    case HeaderField::AnnouncedTeg:
      return QStringLiteral("TEG. ANNONCE");
    case HeaderField::FeeLabel1:
      return QStringLiteral("FRAIS 1 (libellé)");
    case HeaderField::FeeLabel2:
      return QStringLiteral("FRAIS 2 (libellé)");
    case HeaderField::FeeLabel3:
      return QStringLiteral("FRAIS 3 (libellé)");
    case HeaderField::Fee1:
      return QStringLiteral("FRAIS 1 (montant)");
    case HeaderField::Fee2:
      return QStringLiteral("FRAIS 2 (montant)");
    case HeaderField::Fee3:
      return QStringLiteral("FRAIS 3 (montant)");
    case HeaderField::BlockCount:
      return QStringLiteral("COMBIEN DE BLOCS de SAISIE ?");
  }
  return QString();
}

QByteArray encodeDossierFile(const DossierView& view, int groupCount) {
  QByteArray file;
  for (HeaderField field : kHeaderFields) {
    appendLine(file, view.fieldText(field),
               QStringLiteral("la zone « %1 »").arg(headerFieldName(field)));
  }
  for (int row = 1; row <= groupCount; ++row) {
    for (int col : kTypedColumns) {
      appendLine(file, view.cellText(col, row),
                 QStringLiteral("la cellule de la ligne %1, colonne « %2 », de la grille")
                     .arg(row)
                     .arg(captions::kGridHeaders[col]));
    }
  }
  return file;
}

DossierLineReader::DossierLineReader(QByteArrayView bytes) : bytes_(bytes) {
  const qsizetype end = bytes.indexOf(kEndOfFile);
  if (end >= 0) bytes_ = bytes.first(end);
}

QString DossierLineReader::readLine() {
  ++linesRead_;
  const qsizetype start = position_;
  while (position_ < bytes_.size() && bytes_[position_] != '\r' && bytes_[position_] != '\n')
    ++position_;
  const QByteArrayView line = bytes_.sliced(start, position_ - start);
  if (position_ < bytes_.size()) {
    if (bytes_[position_] == '\r' && position_ + 1 < bytes_.size() && bytes_[position_ + 1] == '\n')
      ++position_;
    ++position_;
  }
  if (line.size() > kMaxDossierLineLength) {
    throw FileFailure(QStringLiteral("Ce fichier n'est pas un dossier .TEG : sa ligne %1 "
                                     "dépasse %2 caractères.")
                          .arg(linesRead_)
                          .arg(kMaxDossierLineLength));
  }
  return windows1252::decode(line);
}

DossierFileContents readDossierContents(QByteArrayView bytes) {
  DossierLineReader reader(bytes);
  if (reader.atEnd()) {
    throw FileFailure(
        QStringLiteral("Ce fichier est vide : il ne contient aucun dossier .TEG à ouvrir."));
  }
  DossierFileContents contents;
  while (!reader.atEnd()) {
    for (QString& line : contents.header) line = reader.readLine();
    const int groupCount = groupCountOf(contents.header.back(), reader.linesRead());
    contents.groups.assign(groupCount, {});
    for (auto& group : contents.groups)
      for (QString& line : group) line = reader.readLine();
  }
  return contents;
}

void showDossierContents(const DossierFileContents& contents, LoanDossier& dossier,
                         DossierView& view) {
  for (std::size_t k = 0; k < kHeaderFields.size(); ++k)
    view.writeField(kHeaderFields[k], contents.header[k]);
  const int groupCount = static_cast<int>(contents.groups.size());
  dossier.blockCount = static_cast<std::uint16_t>(groupCount);
  view.setGridRowCount(groupCount + 1);
  for (int row = 1; row <= groupCount; ++row)
    for (std::size_t k = 0; k < std::size(kTypedColumns); ++k)
      view.writeCell(kTypedColumns[k], row, contents.groups[row - 1][k]);
}

void loadDossierFile(QByteArrayView bytes, LoanDossier& dossier, DossierView& view) {
  showDossierContents(readDossierContents(bytes), dossier, view);
}

}  // namespace kalmoris
