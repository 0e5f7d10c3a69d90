#pragma once

#include "dossier/core/dossier_view.h"
#include "dossier/dossier_screen.h"

#include <array>

class QWidget;

namespace kalmoris {

class StringGrid;

// The dossier's core acting on the screen's controls, each found once by its name in one table
// per enum, each call applied at once, so that the fields' change handlers run at the moment
// the text changes.
class TForm2::ScreenView final : public DossierView {
 public:
  explicit ScreenView(TForm2& screen) : screen_(screen) {}

  // Finds the controls, once the screen's parts have made them.
  void bind();

  QString text(DossierText which) const override;
  void writeText(DossierText which, const QString& text) override;
  void setTone(DossierText which, Tone tone) override;
  void markText(DossierText which, bool failed) override;
  bool shown(DossierPanel panel) const override;
  void setShown(DossierPanel panel, bool shown) override;

  QString cellText(int col, int row) const override;
  void writeCell(int col, int row, const QString& text) override;
  void setGridRowCount(int rows) override;

  void placeWarning(bool tall) override;
  void enableValidate() override;
  void finishValidation() override;

 private:
  QWidget* control(DossierText which) const;
  QWidget* control(DossierPanel panel) const;

  TForm2& screen_;
  std::array<QWidget*, kDossierTextCount> texts_{};
  std::array<QWidget*, kDossierPanelCount> panels_{};
  StringGrid* grid_ = nullptr;
};

}  // namespace kalmoris
