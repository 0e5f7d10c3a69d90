#pragma once

#include "ui/panel.h"
#include "testing/scripted_platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace kalmoris::testing {

// Drives one screen through its controls, found by their names, as a user would.
class ScreenDriver {
 public:
  explicit ScreenDriver(QWidget* screen = nullptr) : screen_(screen) {}

  QLineEdit* field(const char* name) const;
  Panel* panel(const char* name) const;
  QPushButton* button(const char* name) const;
  QLabel* label(const char* name) const;

  // Replaces the field's text by typing it, one key after another.
  void type(const char* name, const QString& text) const;
  void fill(const std::vector<std::pair<const char*, QString>>& entries) const;
  // A mouse click: a disabled button does not react.
  void click(const char* name) const;
  void pressEnter(const char* name) const;

  // The text of a field, a panel or a label.
  QString text(const char* name) const;
  // The caption of a button, a label, a panel or a group box.
  QString caption(const char* name) const;
  QColor background(const char* name) const;
  bool hasFocus(const char* name) const;

 private:
  QWidget* control(const char* name) const;

  QWidget* screen_;
};

// A fresh screen per test on a scripted platform; an unexpected dialog or error box fails
// the test in cleanup.
class ScreenFixture {
 public:
  ScreenFixture();
  ~ScreenFixture();

  // Shows the screen on a fresh platform, makes it the active window and returns its driver.
  ScreenDriver open(QWidget* screen);
  void close();
  // The dialogs nobody expected and the error boxes nobody took.
  QStringList problems();

  ScriptedPlatform& platform() { return *platform_; }
  QWidget* menu() { return menu_.get(); }  // stands for the main menu

 private:
  std::unique_ptr<QWidget> menu_;
  std::unique_ptr<ScriptedPlatform> platform_;
  std::unique_ptr<ModalGuard> guard_;
  std::unique_ptr<QWidget> screen_;
};

}  // namespace kalmoris::testing
