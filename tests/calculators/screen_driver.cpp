#include "tests/calculators/screen_driver.h"

#include "ui/colors.h"
#include "ui/platform.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QtTest>

namespace kalmoris::testing {

QWidget* ScreenDriver::control(const char* name) const {
  QWidget* found = screen_->findChild<QWidget*>(QString::fromLatin1(name));
  if (!found) qFatal("no control %s on %s", name, qPrintable(screen_->objectName()));
  return found;
}

template <typename T>
T* as(QWidget* widget, const char* name) {
  T* typed = qobject_cast<T*>(widget);
  if (!typed) qFatal("control %s is not of the kind expected", name);
  return typed;
}

QLineEdit* ScreenDriver::field(const char* name) const {
  return as<QLineEdit>(control(name), name);
}
Panel* ScreenDriver::panel(const char* name) const {
  return as<Panel>(control(name), name);
}
QPushButton* ScreenDriver::button(const char* name) const {
  return as<QPushButton>(control(name), name);
}
QLabel* ScreenDriver::label(const char* name) const {
  return as<QLabel>(control(name), name);
}

void ScreenDriver::type(const char* name, const QString& text) const {
  QLineEdit* edit = field(name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

void ScreenDriver::fill(const std::vector<std::pair<const char*, QString>>& entries) const {
  for (const auto& [name, text] : entries) type(name, text);
}

void ScreenDriver::click(const char* name) const {
  QTest::mouseClick(button(name), Qt::LeftButton);
}

void ScreenDriver::pressEnter(const char* name) const {
  QLineEdit* edit = field(name);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
}

QString ScreenDriver::text(const char* name) const {
  QWidget* widget = control(name);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* shown = qobject_cast<Panel*>(widget)) return shown->text();
  return as<QLabel>(widget, name)->text();
}

QString ScreenDriver::caption(const char* name) const {
  QWidget* widget = control(name);
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
  if (auto* pressable = qobject_cast<QAbstractButton*>(widget)) return pressable->text();
  return text(name);
}

QColor ScreenDriver::background(const char* name) const {
  return colors::background(control(name));
}

bool ScreenDriver::hasFocus(const char* name) const {
  return QApplication::focusWidget() == control(name);
}

ScreenFixture::ScreenFixture() : menu_(std::make_unique<QWidget>()) {
  menu_->setObjectName(QStringLiteral("Form1"));
  setMenuWindow(menu_.get());
}

ScreenFixture::~ScreenFixture() {
  close();
  setMenuWindow(nullptr);
}

ScreenDriver ScreenFixture::open(QWidget* screen) {
  close();
  platform_ = std::make_unique<ScriptedPlatform>();
  guard_ = std::make_unique<ModalGuard>(*platform_);
  installPlatform(platform_.get());
  screen_.reset(screen);
  screen->show();
  QApplication::setActiveWindow(screen);
  if (!QTest::qWaitForWindowActive(screen)) qWarning("the screen did not become active");
  return ScreenDriver(screen);
}

void ScreenFixture::close() {
  screen_.reset();
  guard_.reset();
  installPlatform(nullptr);
  platform_.reset();
}

QStringList ScreenFixture::problems() {
  if (!platform_) return {};
  QStringList found = platform_->unexpected;
  for (const QString& error : platform_->takeErrors())
    found.append(QStringLiteral("error box: ") + error);
  return found;
}

}  // namespace kalmoris::testing
