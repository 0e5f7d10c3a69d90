#include "dossier/Unit2.h"

#include "app/ui/handler.h"

#include <QMenuBar>

namespace kalmoris {

TForm2* Form2 = nullptr;

TForm2::TForm2()
    : Screen("Form2", QStringLiteral("-2- VERIFICATION DE TAUX EFFECTIF GLOBAL."), QSize(740, 570)) {
  createMenus();
  FormCreate();
}

void TForm2::createMenus() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = MainMenu1->addMenu(QStringLiteral("FICHIER"));
  QAction* quit = file->addAction(QStringLiteral("QUITTER"));
  quit->setObjectName(QStringLiteral("QUITTER1"));
  onTriggered(quit, this, &TForm2::QUITTER1Click);
  QAction* back = MainMenu1->addAction(QStringLiteral("RETOUR MENU"));
  back->setObjectName(QStringLiteral("Men_RETOUR_MENU1_"));
  onTriggered(back, this, &TForm2::Men_RETOUR_MENU1_Click);
}

void TForm2::FormCreate() { resize(740, 570); }

void TForm2::Men_RETOUR_MENU1_Click() { showMenu(); }

void TForm2::QUITTER1Click() { quitApplication(); }

}  // namespace kalmoris
