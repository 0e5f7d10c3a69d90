#pragma once

#include "dossier/core/dossier_checks.h"
#include "dossier/core/dossier_view.h"

#include <array>
#include <map>
#include <utility>

namespace kalmoris {

// A dossier screen without widgets: the texts and flags the validation, the calculation and
// the file reader leave, as they would stand on the screen, in arrays indexed by the view's
// enums. It does not run the screen's change handlers, so the validate caption is the one the
// validation itself wrote last. Benchmarks and tests run whole dossiers through it.
class HeadlessDossierView : public DossierView {
 public:
  HeadlessDossierView();

  QString text(DossierText which) const override { return texts[index(which)]; }
  void writeText(DossierText which, const QString& text) override { texts[index(which)] = text; }
  void setTone(DossierText which, Tone tone) override { tones[index(which)] = tone; }
  void markText(DossierText which, bool failed) override { marked[index(which)] = failed; }
  bool shown(DossierPanel panel) const override { return panels[index(panel)]; }
  void setShown(DossierPanel panel, bool shown) override { panels[index(panel)] = shown; }

  QString cellText(int col, int row) const override;
  void writeCell(int col, int row, const QString& text) override { cells[{col, row}] = text; }
  void setGridRowCount(int rows) override { gridRowCount = rows; }

  void placeWarning(bool tall) override;
  void enableValidate() override { validateEnabled = true; }
  void finishValidation() override;

  bool fieldFailed(HeaderField field) const { return marked[index(textOf(field))]; }
  // The twelve header fields' texts, in their order.
  std::array<QString, kHeaderFieldCount> fields() const;
  // What the discrepancy panel shows.
  Discrepancy discrepancy() const;

  static std::size_t index(DossierText which) { return static_cast<std::size_t>(which); }
  static std::size_t index(DossierPanel panel) { return static_cast<std::size_t>(panel); }

  std::array<QString, kDossierTextCount> texts;
  std::array<Tone, kDossierTextCount> tones{};
  std::array<bool, kDossierTextCount> marked{};
  std::array<bool, kDossierPanelCount> panels{};
  std::map<std::pair<int, int>, QString> cells;  // (col, row); kept whatever the row count
  int gridRowCount = 3;
  bool warningTall = false;
  bool validateEnabled = true;
  bool calculationEnabled = false;
};

}  // namespace kalmoris
