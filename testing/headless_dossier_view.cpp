#include "testing/headless_dossier_view.h"

#include "dossier/core/dossier_captions.h"

namespace kalmoris {

// As a fresh screen shows it: "2" blocks, the validate and fee total captions, the grid's
// instructions and the provisional mask.
HeadlessDossierView::HeadlessDossierView() {
  writeField(HeaderField::BlockCount, QStringLiteral("2"));
  writeText(DossierText::ValidateCaption, captions::kValidate);
  writeText(DossierText::FeeTotalCaption, captions::kFeeTotal);
  setShown(DossierPanel::GridHelp, true);
  setShown(DossierPanel::Mask, true);
}

QString HeadlessDossierView::cellText(int col, int row) const {
  const auto found = cells.find({col, row});
  return found == cells.end() ? QString() : found->second;
}

void HeadlessDossierView::placeWarning(bool tall) {
  setShown(DossierPanel::Warning, true);
  warningTall = warningTall || tall;
}

void HeadlessDossierView::finishValidation() {
  calculationEnabled = true;
  setShown(DossierPanel::GridPrompt, true);
}

std::array<QString, kHeaderFieldCount> HeadlessDossierView::fields() const {
  std::array<QString, kHeaderFieldCount> header;
  for (std::size_t k = 0; k < header.size(); ++k) header[k] = texts[k];
  return header;
}

Discrepancy HeadlessDossierView::discrepancy() const {
  return {text(DossierText::AnnouncedCaption), text(DossierText::AnnouncedValue),
          text(DossierText::GridCaption), text(DossierText::GridValue)};
}

}  // namespace kalmoris
