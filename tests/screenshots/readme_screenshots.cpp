// Drives the real screens the way a user would and saves what they show, for the README:
// readme_screenshots OUTPUT_FOLDER. Run under a display (scripts/screenshots uses Xvfb).
#include "app/Unit1.h"
#include "app/screens.h"
#include "app/ui/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {

void click(QWidget* screen, const char* name) {
  if (auto* button = screen->findChild<QAbstractButton*>(QString::fromLatin1(name))) button->click();
}

void save(QWidget* window, const QDir& folder, const QString& name) {
  QApplication::processEvents();
  window->grab().save(folder.filePath(name));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  kalmoris::QtPlatform platform;
  kalmoris::installPlatform(&platform);
  kalmoris::createScreens();
  kalmoris::Form1->show();

  QTimer::singleShot(200, [&] {
    save(kalmoris::Form1, folder, QStringLiteral("menu.png"));
    click(kalmoris::Form1, "avertiss1");
    save(kalmoris::Form1, folder, QStringLiteral("menu-warning.png"));
    click(kalmoris::Form1, "VU1");
    click(kalmoris::Form1, "Button2");
    save(kalmoris::Form1, folder, QStringLiteral("menu-dossier-help.png"));
    QApplication::quit();
  });
  const int status = QApplication::exec();
  kalmoris::destroyScreens();
  return status;
}
