#pragma once

#include "ui/panel.h"
#include "dossier/dossier_screen.h"
#include "testing/scripted_platform.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <utility>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalmoris {
class StringGrid;
}

namespace kalmoris::testing {

// A fresh dossier screen on a scripted platform, shown as the menu shows it and driven
// through its controls as a user would: typing, clicking, the menu bar and the grid.
class DossierDriver {
 public:
  DossierDriver();
  ~DossierDriver();
  DossierDriver(const DossierDriver&) = delete;
  DossierDriver& operator=(const DossierDriver&) = delete;

  TForm2& screen() { return *screen_; }
  ScriptedPlatform& platform() { return *platform_; }

  QLineEdit* field(const char* name) const;
  Panel* panel(const char* name) const;
  QPushButton* button(const char* name) const;
  QLabel* label(const char* name) const;
  QAction* action(const char* name) const;
  StringGrid* grid() const;

  // Replaces the field's text, key after key.
  void type(const char* name, const QString& text) const;
  void typeAll(std::initializer_list<std::pair<const char*, const char*>> entries) const;
  void pressEnter(const char* name) const;
  // A mouse click on a visible button; a disabled one does not react.
  void click(const char* name) const;
  void trigger(const char* name) const;

  QString cell(int col, int row) const;
  // Types a cell's text in its in-place editor, then Enter.
  void typeCell(int col, int row, const QString& text) const;
  void typeRow(int row, std::initializer_list<const char*> cells) const;
  void clickCell(int col, int row) const;

  // The text of a field, panel, label or button.
  QString text(const char* name) const;
  bool shown(const char* name) const;  // not hidden, whether or not covered
  QPoint place(const char* name) const;
  QColor background(const char* name) const;

  // The header of the first worked example's loan, typed in.
  void typeFreshLoanHeader() const;
  // The loan of the first worked example, header and grid typed, the header validated.
  void typeValidatedLoan() const;

  // "Voir EXEMPLES", then the OK of an example (1 to 3), which shows its notice.
  void openExampleNotice(int example) const;
  // "VOIR CALCUL" on the notice of an example.
  void seeExampleCalculation(int example) const;

  bool calculationEnabled() const;  // CALCULER and ICI
  bool waitingLook() const;         // the bars of a header waiting for its validation
  bool validatedLook() const;

  // Error boxes shown since the last call.
  QStringList takeErrors() { return platform_->takeErrors(); }
  // The dialogs nobody scripted and the error boxes nobody took.
  QStringList problems() const;

 private:
  QWidget* control(const char* name) const;

  std::unique_ptr<ScriptedPlatform> platform_;
  std::unique_ptr<ModalGuard> guard_;
  std::unique_ptr<TForm2> screen_;
};

}  // namespace kalmoris::testing
