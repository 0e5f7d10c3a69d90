#include "tests/support/screen_driver.h"

#include "ui/colors.h"
#include "ui/panel.h"
#include "ui/screen.h"
#include "ui/string_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace kalmoris::testing {

void ScreenDriver::missing(const char* kind, QAnyStringView name) const {
  qFatal("no %s %s on %s", kind, qPrintable(name.toString()), qPrintable(screen_->objectName()));
}

QLineEdit* ScreenDriver::field(QAnyStringView name) const {
  return find<QLineEdit>(name);
}
Panel* ScreenDriver::panel(QAnyStringView name) const {
  return find<Panel>(name);
}
QPushButton* ScreenDriver::button(QAnyStringView name) const {
  return find<QPushButton>(name);
}
QAction* ScreenDriver::action(QAnyStringView name) const {
  return find<QAction>(name);
}
StringGrid* ScreenDriver::grid(QAnyStringView name) const {
  return find<StringGrid>(name);
}

namespace {
void typeKeys(QWidget* target, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(target, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void replaceText(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  typeKeys(edit, text);
}
}  // namespace

void ScreenDriver::type(QAnyStringView name, const QString& text) const {
  QLineEdit* edit = field(name);
  edit->setFocus();
  replaceText(edit, text);
}

void ScreenDriver::fill(std::initializer_list<std::pair<QAnyStringView, QString>> entries) const {
  for (const auto& [name, text] : entries) type(name, text);
}

void ScreenDriver::pressKey(QAnyStringView name, Qt::Key key) const {
  QWidget* target = find(name);
  target->setFocus();
  QTest::keyClick(target, key);
}

void ScreenDriver::choose(QAnyStringView name, const QString& item) const {
  auto* box = find<QComboBox>(name);
  const int wanted = box->findText(item);
  if (wanted < 0) {
    QTest::qFail(qPrintable(name.toString() + " has no item " + item), __FILE__, __LINE__);
    return;
  }
  box->setFocus();
  for (int step = 0; step < box->count() && box->currentIndex() != wanted; ++step)
    QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
}

void ScreenDriver::click(QAnyStringView name) const {
  auto* target = find<QAbstractButton>(name);
  if (!target->isVisible()) {
    QTest::qFail(qPrintable(name.toString() + " is not shown"), __FILE__, __LINE__);
    return;
  }
  QTest::mouseClick(target, Qt::LeftButton);
}

void ScreenDriver::trigger(QAnyStringView name) const {
  action(name)->trigger();
}

QString ScreenDriver::cell(int col, int row, QAnyStringView gridName) const {
  return grid(gridName)->cell(col, row);
}

void ScreenDriver::typeCell(int col, int row, const QString& text, QAnyStringView gridName) const {
  StringGrid* view = grid(gridName);
  const QModelIndex index = view->model()->index(row - 1, col);
  view->setCurrentIndex(index);
  view->edit(index);
  QLineEdit* editor = nullptr;
  for (QLineEdit* open : view->viewport()->findChildren<QLineEdit*>())
    if (open->isVisible()) editor = open;
  if (!editor) {
    QTest::qFail("no cell editor", __FILE__, __LINE__);
    return;
  }
  replaceText(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The editor closes and goes at once, as it would before the user's next action: the
  // view's queued closing first, then the deletion it asks for.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScreenDriver::typeRow(int row, std::initializer_list<const char*> cells) const {
  int col = 1;
  for (const char* text : cells) {
    if (text != nullptr) typeCell(col, row, QString::fromUtf8(text));
    ++col;
  }
}

void ScreenDriver::clickCell(int col, int row) const {
  StringGrid* view = grid();
  const QRect place = view->visualRect(view->model()->index(row - 1, col));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

QString ScreenDriver::text(QAnyStringView name) const {
  QWidget* widget = find(name);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* shownPanel = qobject_cast<Panel*>(widget)) return shownPanel->text();
  if (auto* shownLabel = qobject_cast<QLabel*>(widget)) return shownLabel->text();
  if (auto* pressable = qobject_cast<QAbstractButton*>(widget)) return pressable->text();
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
  if (auto* dropDown = qobject_cast<QComboBox*>(widget)) return dropDown->currentText();
  missing("control with a text", name);
  return {};
}

QColor ScreenDriver::background(QAnyStringView name) const {
  return colors::background(find(name));
}

bool ScreenDriver::hasFocus(QAnyStringView name) const {
  return QApplication::focusWidget() == find(name);
}

bool ScreenDriver::shown(QAnyStringView name) const {
  return find(name)->isVisibleTo(screen_);
}

QPoint ScreenDriver::place(QAnyStringView name) const {
  return find(name)->pos();
}

ScreenFixture::ScreenFixture() {
  freshPlatform();
}

ScreenFixture::~ScreenFixture() {
  closeScreens();
  installPlatform(nullptr);
}

// Screens read the platform as they are created: it is there before each test function.
void ScreenFixture::freshPlatform() {
  guard_.reset();
  platform_ = std::make_unique<ScriptedPlatform>();
  guard_ = std::make_unique<ModalGuard>(*platform_);
  installPlatform(platform_.get());
}

ScreenDriver ScreenFixture::open(QWidget* screen) {
  closeScreens();
  if (!menu_) {
    menu_ = std::make_unique<QWidget>();
    menu_->setObjectName(QStringLiteral("Form1"));
  }
  setMenuWindow(menu_.get());
  screen_.reset(screen);
  if (!screen->isVisible()) screen->show();
  screen->activateWindow();
  if (!QTest::qWaitForWindowActive(screen))
    QTest::qFail("the screen did not become active", __FILE__, __LINE__);
  return ScreenDriver(screen);
}

ScreenDriver ScreenFixture::screen(QAnyStringView name) const {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == name.toString()) return ScreenDriver(top);
  qFatal("no screen %s", qPrintable(name.toString()));
  return ScreenDriver();
}

void ScreenFixture::closeScreens() {
  screen_.reset();
  if (menu_) menu_->hide();
  if (closeApplication_) std::exchange(closeApplication_, nullptr)();
  setMenuWindow(nullptr);
}

void ScreenFixture::cleanup() {
  QStringList problems = platform_->unexpected;
  for (const QString& error : platform_->takeErrors())
    problems.append(QStringLiteral("error box: ") + error);
  closeScreens();
  freshPlatform();
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
}

}  // namespace kalmoris::testing
