#include "dossier/core/header_validation.h"

#include "core/numbers.h"
#include "dossier/core/dossier_captions.h"
#include "dossier/core/spaced_number.h"

#include <vector>

namespace kalmoris {

namespace {

// Steps 4 and 5: a count that must be at least 1. One outside its width counts as 0.
std::int32_t validateCount(DossierView& view, HeaderField field, std::int32_t largest) {
  std::int32_t count = readHeaderInteger(view.fieldText(field));
  if (count < 0 || count > largest) count = 0;
  const bool failed = count == 0;
  view.markField(field, failed);
  view.setShown(DossierPanel::Warning, failed);
  view.writeField(field, failed ? QString() : spaced(QString::number(count)));
  return count;
}

Fixed4 validateAmount(DossierView& view, HeaderField field, int significantDigits) {
  const Fixed4 amount = Fixed4::fromReal(readHeaderReal(view.fieldText(field)));
  view.writeField(field, spaced(FormatFixed(amount.toReal(), significantDigits, 2)));
  return amount;
}

}  // namespace

void numberGroups(DossierView& view, int groupCount) {
  for (int row = 1; row <= groupCount; ++row)
    view.writeCell(kNumberColumn, row, QString::number(row));
}

QString headerNumberText(const QString& text) {
  const bool blank = text.size() <= 4 && text.count(QLatin1Char(' ')) == text.size();
  return blank ? QStringLiteral("0") : PointToComma(text);
}

Real readHeaderReal(const QString& text) {
  return StrToFloat(headerNumberText(text));
}

std::int32_t readHeaderInteger(const QString& text) {
  return StrToInt(headerNumberText(text));
}

QString upperCaseAscii(const QString& text) {
  QString upper = text;
  for (QChar& c : upper)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
  return upper;
}

bool validateHeader(LoanDossier& dossier, DossierView& view) {
  view.setShown(DossierPanel::ValidationHelp, false);
  view.writeField(HeaderField::BorrowerName,
                  upperCaseAscii(view.fieldText(HeaderField::BorrowerName)));

  dossier.capital = readHeaderReal(view.fieldText(HeaderField::Capital));
  const bool capitalFailed = dossier.capital < 1;
  view.markField(HeaderField::Capital, capitalFailed);
  view.setShown(DossierPanel::Warning, capitalFailed);
  view.writeText(DossierText::ValidateCaption,
                 capitalFailed ? captions::kNotValidated : captions::kValidated);
  if (!capitalFailed) view.setShown(DossierPanel::GridPrompt, true);
  view.writeField(HeaderField::Capital,
                  capitalFailed ? QString() : spaced(FormatFixed(dossier.capital, 10, 2)));

  dossier.repaymentCount =
      static_cast<std::uint16_t>(validateCount(view, HeaderField::RepaymentCount, 65535));
  dossier.repaymentsPerYear =
      static_cast<std::uint8_t>(validateCount(view, HeaderField::RepaymentsPerYear, 255));

  dossier.announcedTeg = validateAmount(view, HeaderField::AnnouncedTeg, 4);
  for (HeaderField label : kFeeLabels)
    if (view.fieldText(label).isEmpty()) view.writeField(label, captions::kNoFee);
  for (std::size_t k = 0; k < kFeeAmounts.size(); ++k)
    dossier.fees[k] = validateAmount(view, kFeeAmounts[k], 10);
  dossier.feeTotal = dossier.fees[0] + dossier.fees[1] + dossier.fees[2];

  std::int32_t blocks = readHeaderInteger(view.fieldText(HeaderField::BlockCount));
  const bool blocksFailed = blocks < 0 || blocks > kMaxGroups;
  if (blocksFailed) blocks = 0;
  dossier.blockCount = static_cast<std::uint16_t>(blocks);
  view.markField(HeaderField::BlockCount, blocks < 2);
  view.setShown(DossierPanel::Warning, blocks < 2);
  view.writeField(HeaderField::BlockCount,
                  blocksFailed ? QString() : spaced(QString::number(blocks)));

  view.writeText(DossierText::FeeTotal, FormatFixed(dossier.feeTotal.toReal(), 10, 2));
  view.setGridRowCount(dossier.blockCount + 1);
  view.setShown(DossierPanel::Mask, false);

  std::vector<HeaderField> failures;
  if (capitalFailed) failures.push_back(HeaderField::Capital);
  if (dossier.repaymentCount == 0) failures.push_back(HeaderField::RepaymentCount);
  if (dossier.repaymentsPerYear == 0) failures.push_back(HeaderField::RepaymentsPerYear);
  if (blocksFailed) failures.push_back(HeaderField::BlockCount);
  for (HeaderField failed : failures) {
    view.placeWarning(failed == HeaderField::Capital);
    view.enableValidate();
    view.writeText(DossierText::ValidateCaption, captions::kNotValidated);
  }

  numberGroups(view, dossier.blockCount);
  if (view.cellText(kAmountColumn, 1).isEmpty() && dossier.lastSolvedCount > 0) {
    for (int row = 1; row <= dossier.lastSolvedCount; ++row) {
      view.writeCell(kAmountColumn, row, row == 1 ? QStringLiteral("-1") : QStringLiteral("1"));
      view.writeCell(kCountColumn, row, QStringLiteral("1"));
      view.writeCell(kInsuranceColumn, row, QStringLiteral("0"));
      view.writeCell(kFeesColumn, row, QStringLiteral("0"));
    }
  }

  view.finishValidation();
  return failures.empty();
}

}  // namespace kalmoris
