#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QMenuBar;

namespace kalmoris {

// A top-level screen of the application. Screens are created once at start-up and live until
// the application ends; leaving one for the menu keeps it open, as it was, behind the menu.
class Screen : public QWidget {
  Q_OBJECT

 public:
  Screen(const char* objectName, const QString& title, QSize size);

  // Shows the screen at (left, top) and brings it to the front.
  void showAt(int left, int top);

  // Whether the application may end now: a screen that holds work not yet saved asks the user
  // first; false keeps the application running.
  virtual bool mayQuit() { return true; }

 protected:
  // RETOUR MENU: the menu comes to the front; this screen stays open behind it.
  void showMenu();
  // QUITTER: the application ends once every screen agrees, each asked once; false when one
  // kept it running. The end asks nothing more (see QtPlatform::endEventLoop).
  bool quitApplication();
  // The screen below its menu bar, "ClientArea": positions on a screen with a menu bar are
  // taken from its top.
  QWidget* createClientArea(QMenuBar* menuBar);
};

// The menu window brought to the front by every screen's RETOUR MENU.
void setMenuWindow(QWidget* menu);

}  // namespace kalmoris
