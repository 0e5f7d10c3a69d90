#pragma once

#include "testing/scripted_platform.h"
#include "ui/panel.h"
#include "ui/string_grid.h"

#include <QAction>
#include <QAnyStringView>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

namespace kalmoris::testing {

// Drives one screen through its controls, found by their names, as a user would: keys into
// fields and grid cells, mouse clicks, menu actions. A control that is not there, or not of
// the kind asked, ends the test program with its name.
class ScreenDriver {
 public:
  explicit ScreenDriver(QWidget* screen = nullptr) : screen_(screen) {}

  QWidget* screen() const { return screen_; }

  template <typename T = QWidget>
  T* find(QAnyStringView name) const {
    T* found = screen_->findChild<T*>(name.toString());
    if (!found) missing(T::staticMetaObject.className(), name);
    return found;
  }
  QLineEdit* field(QAnyStringView name) const;
  Panel* panel(QAnyStringView name) const;
  QPushButton* button(QAnyStringView name) const;
  QAction* action(QAnyStringView name) const;
  StringGrid* grid(QAnyStringView name = u"StringGrid1") const;

  // Replaces the field's text key after key; a character beyond ASCII comes as the text of
  // an unnamed key, as an input method sends it.
  void type(QAnyStringView name, const QString& text) const;
  void fill(std::initializer_list<std::pair<QAnyStringView, QString>> entries) const;
  // The key in the control, which takes the focus first.
  void pressKey(QAnyStringView name, Qt::Key key) const;
  void pressEnter(QAnyStringView name) const { pressKey(name, Qt::Key_Return); }
  // Chooses an item of a drop-down with the arrow keys, as a user may.
  void choose(QAnyStringView name, const QString& item) const;
  // A mouse click on a shown button: a disabled one does not react; a hidden one fails.
  void click(QAnyStringView name) const;
  void trigger(QAnyStringView name) const;  // a menu item

  QString cell(int col, int row, QAnyStringView grid = u"StringGrid1") const;
  // Types the cell's text in its in-place editor, then Enter.
  void typeCell(int col, int row, const QString& text, QAnyStringView grid = u"StringGrid1") const;
  // Types the cells of a row from column 1 on; nullptr leaves a cell as it is.
  void typeRow(int row, std::initializer_list<const char*> cells) const;
  void clickCell(int col, int row) const;

  // What a field, panel or label shows, a button's caption, a group box's title, a
  // drop-down's current item.
  QString text(QAnyStringView name) const;
  QColor background(QAnyStringView name) const;
  bool hasFocus(QAnyStringView name) const;
  bool shown(QAnyStringView name) const;  // on its screen, whether or not covered
  QPoint place(QAnyStringView name) const;

 private:
  void missing(const char* kind, QAnyStringView name) const;

  QWidget* screen_;
};

// The base of the screen tests. Each test function opens its screens on a fresh scripted
// platform; cleanup closes them, and fails if a dialog nobody scripted was asked or an error
// box nobody took was shown.
class ScreenFixture : public QObject {
  Q_OBJECT

 public:
  ScreenFixture();
  ~ScreenFixture() override;

  // Takes the screen (the one opened before in this test goes), shows it if the caller has
  // not, and makes it the active window.
  ScreenDriver open(QWidget* screen);
  // The seven screens as start-up creates them, the menu shown; returns the menu's driver.
  ScreenDriver openApplication();
  // One of the application's screens, by its name.
  ScreenDriver screen(QAnyStringView name) const;

  ScriptedPlatform& platform() { return *platform_; }
  QStringList takeErrors() { return platform().takeErrors(); }
  QWidget* menu() { return menu_.get(); }  // stands for the main menu of a screen opened alone

 protected slots:
  void cleanup();

 private:
  void freshPlatform();
  void closeScreens();

  std::unique_ptr<QWidget> menu_;
  std::unique_ptr<ScriptedPlatform> platform_;
  std::unique_ptr<ModalGuard> guard_;
  std::unique_ptr<QWidget> screen_;
  std::function<void()> closeApplication_;
};

}  // namespace kalmoris::testing
