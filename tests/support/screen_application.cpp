#include "tests/support/screen_driver.h"

#include "app/main_menu.h"
#include "app/screens.h"

#include <QtTest>

namespace kalmoris::testing {

// Apart from the rest of the fixture, so that only the tests of the whole application link
// every screen.
ScreenDriver ScreenFixture::openApplication() {
  closeScreens();
  createScreens();
  closeApplication_ = destroyScreens;
  Form1->show();
  Form1->activateWindow();
  if (!QTest::qWaitForWindowActive(Form1))
    QTest::qFail("the menu did not become active", __FILE__, __LINE__);
  return ScreenDriver(Form1);
}

}  // namespace kalmoris::testing
