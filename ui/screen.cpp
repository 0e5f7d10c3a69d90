#include "ui/screen.h"

#include "ui/colors.h"
#include "ui/platform.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>

namespace kalmoris {

namespace {
QPointer<QWidget> menuWindow;
}

void setMenuWindow(QWidget* menu) {
  menuWindow = menu;
}

Screen::Screen(const char* objectName, const QString& title, QSize size) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(title);
  resize(size);
  colors::setBackground(this, colors::Light3D);
}

void Screen::showAt(int left, int top) {
  show();
  raise();
  activateWindow();
  move(left, top);
}

void Screen::showMenu() {
  if (!menuWindow) return;
  menuWindow->show();
  menuWindow->raise();
  menuWindow->activateWindow();
}

bool Screen::quitApplication() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* screen = qobject_cast<Screen*>(window);
    if (screen && !screen->mayQuit()) return false;
  }
  platform().quitApplication();
  return true;
}

QWidget* Screen::createClientArea(QMenuBar* menuBar) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar);
  auto* clientArea = new QWidget(this);
  clientArea->setObjectName(QStringLiteral("ClientArea"));
  layout->addWidget(clientArea);
  return clientArea;
}

}  // namespace kalmoris
