// Starts the application: the eight screens are created once, the menu is shown, and the
// event loop runs until a QUITTER ends it. `kalmoris FILE.TEG` also opens the dossier screen
// with that file loaded, as its menu "OUVRIR " would. `kalmoris --offre FILE.offre [--json]`
// writes the check of that offer to standard output instead, before any window or display.
#include "app/main_menu.h"
#include "app/offer_command.h"
#include "app/picture.h"
#include "app/screens.h"
#include "ui/french_translations.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int k = 0; k < argc; ++k) arguments << QString::fromLocal8Bit(argv[k]);
  if (kalmoris::isOfferCommand(arguments)) return kalmoris::runOfferCommand(arguments);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("KALMORIS"));
  QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
  QApplication::setWindowIcon(QIcon(kalmoris::kalmorisPicture(64)));
  QApplication::setQuitOnLastWindowClosed(false);
  kalmoris::installFrenchTranslations();

  kalmoris::QtPlatform platform;
  kalmoris::installPlatform(&platform);
  kalmoris::createScreens();
  kalmoris::Form1->show();
  kalmoris::openCommandLineDossier(QApplication::arguments());
  const int status = QApplication::exec();
  kalmoris::destroyScreens();
  kalmoris::installPlatform(nullptr);
  return status;
}
