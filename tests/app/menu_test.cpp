// The start-up and the main menu, driven through their controls without a display.
#include "app/main_menu.h"
#include "app/screens.h"
#include "ui/panel.h"
#include "testing/scripted_platform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using kalmoris::Panel;
using kalmoris::testing::ModalGuard;
using kalmoris::testing::ScriptedPlatform;

namespace {

QWidget* screen(const QString& name) {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == name) return top;
  return nullptr;
}

template <typename T = QWidget>
T* control(const QString& screenName, const QString& name) {
  QWidget* owner = screen(screenName);
  return owner ? owner->findChild<T*>(name) : nullptr;
}

Panel* menuPanel(const QString& name) {
  return control<Panel>(QStringLiteral("Form1"), name);
}

void click(const QString& screenName, const QString& button) {
  auto* target = control<QAbstractButton>(screenName, button);
  QVERIFY2(target, qPrintable(screenName + "." + button));
  target->click();
}

const QStringList kSmallPanels = {"Panel9",  "Panel18", "Panel19", "panel20",
                                  "Panel21", "Panel22", "Panel10"};

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT

  ScriptedPlatform platform_;
  ModalGuard* guard_ = nullptr;

 private slots:
  void initTestCase() {
    kalmoris::installPlatform(&platform_);
    guard_ = new ModalGuard(platform_);
    kalmoris::createScreens();
    kalmoris::Form1->show();
  }
  void cleanupTestCase() {
    kalmoris::destroyScreens();
    delete guard_;
    kalmoris::installPlatform(nullptr);
  }
  void cleanup() {
    QVERIFY2(platform_.unexpected.isEmpty(), qPrintable(platform_.unexpected.join("; ")));
    QVERIFY2(platform_.errors.isEmpty(), qPrintable(platform_.errors.join("; ")));
  }

  void startupCreatesTheSevenScreensWithOnlyTheMenuShown_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("menu") << "Form1"
                          << "MENU PRETS";
    QTest::newRow("dossier") << "Form2"
                             << "-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.";
    QTest::newRow("nominal rate") << "Form3"
                                  << "        CALCULER UN TAUX NOMINAL.";
    QTest::newRow("instalment") << "Form4"
                                << "     CALCUL D'UNE ECHEANCE (ou d'un versement)";
    QTest::newRow("capital") << "Form5"
                             << "CALCUL RAPIDE D'UN CAPITAL";
    QTest::newRow("accumulated value") << "Form6"
                                       << "LE CUMUL DES VERSEMENTS";
    QTest::newRow("amortization") << "Form7"
                                  << "-7- TABLEAU D'AMORTISSEMENT";
  }
  void startupCreatesTheSevenScreensWithOnlyTheMenuShown() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QWidget* found = screen(name);
    QVERIFY(found);
    QCOMPARE(found->windowTitle(), title);
    QCOMPARE(found->isVisible(), name == "Form1");
  }

  void menuIsPlacedAndCaptioned() {
    QWidget* menu = screen("Form1");
    QCOMPARE(menu->pos(), QPoint(0, 0));
    QCOMPARE(menu->size(), QSize(800, 570));
    QCOMPARE(menuPanel("Panel1")->geometry(), QRect(120, 40, 577, 465));
    QCOMPARE(menuPanel("Panel2")->text(), QString("LE CONTROLE DES CREDITS IMMOBILIERS"));
    QCOMPARE(control<QLabel>("Form1", "Label1")->text(),
             QString("KALMORIS.EXE, version 02 - 03/2002 - Windows 95/98"));
    QVERIFY(control<QLabel>("Form1", "Label42")->text().startsWith("Réalisation du logiciel:"));
    QVERIFY(control<QLabel>("Form1", "Label42")->text().contains("KALMORIS"));
    QCOMPARE(control<QLabel>("Form1", "Label69")->text(),
             QString("( séparateur décimal= virgule -automatique - )"));
    QCOMPARE(control<QLabel>("Form1", "Label53")->text(), QString("P1"));
    QCOMPARE(control<QLabel>("Form1", "Label54")->text(), QString("AIDE"));
    QCOMPARE(control<QPushButton>("Form1", "QUITTER")->text(), QString("&QUITTER"));
    for (const QString& name : kSmallPanels + QStringList{"Panel8", "Panel11"})
      QVERIFY2(!menuPanel(name)->isVisible(), qPrintable(name));
  }

  void numberedButtonsAreStackedInOrderWithTheirHelpColumn() {
    const QStringList buttons = {"avertiss1",    "ouvre_dossier", "calc_taux", "calc_ech",
                                 "calc_capital", "cumul_vers",    "tab_amort"};
    const QStringList captions = {" 1 AVERTISSEMENT",
                                  " 2 OUVRIR UN DOSSIER DE VERIFICATION",
                                  " 3 CALCUL RAPIDE D'UN TAUX",
                                  " 4 CALCUL RAPIDE D'UNE ECHEANCE",
                                  " 5 CALCUL RAPIDE D'UN CAPITAL",
                                  " 6 CALCUL D'UN CUMUL DE VERSEMENTS",
                                  " 7 TABLEAU D'AMORTISSEMENT"};
    const QStringList helps = {"Button1", "Button2", "Button5", "Button7",
                               "Button9", "Button8", "Button4"};
    int previousTop = -1;
    for (int k = 0; k < buttons.size(); ++k) {
      auto* button = control<QPushButton>("Form1", buttons[k]);
      auto* help = control<QPushButton>("Form1", helps[k]);
      QCOMPARE(button->text(), captions[k]);
      QVERIFY(button->font().bold());
      QCOMPARE(button->font().family(), QString("Arial"));
      QVERIFY(button->y() > previousTop);
      previousTop = button->y();
      QCOMPARE(help->text(), QString("?"));
      QCOMPARE(help->y(), button->y());
      QVERIFY(help->x() > button->x() + button->width() - 1);
    }
  }

  void eachNumberedButtonShowsItsScreenAtItsPlace_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("dossier") << "ouvre_dossier"
                             << "Form2" << QPoint(1, 1);
    QTest::newRow("nominal rate") << "calc_taux"
                                  << "Form3" << QPoint(150, 125);
    QTest::newRow("instalment") << "calc_ech"
                                << "Form4" << QPoint(150, 100);
    QTest::newRow("capital") << "calc_capital"
                             << "Form5" << QPoint(150, 125);
    QTest::newRow("accumulated value") << "cumul_vers"
                                       << "Form6" << QPoint(150, 125);
    QTest::newRow("amortization") << "tab_amort"
                                  << "Form7" << QPoint(120, 0);
  }
  void eachNumberedButtonShowsItsScreenAtItsPlace() {
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    click("Form1", button);
    QWidget* shown = screen(name);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->pos(), place);
    if (name == "Form2") QCOMPARE(shown->width(), 798);
    QVERIFY(screen("Form1")->isVisible());
  }

  void returnToMenuLeavesTheScreenOpenAsItWas_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("openButton");
    QTest::addColumn<QString>("returnControl");
    QTest::newRow("nominal rate") << "Form3"
                                  << "calc_taux"
                                  << "RETOUR_MENU";
    QTest::newRow("instalment") << "Form4"
                                << "calc_ech"
                                << "RETOUR_MENU";
    QTest::newRow("capital") << "Form5"
                             << "calc_capital"
                             << "retour_menu";
    QTest::newRow("accumulated value") << "Form6"
                                       << "cumul_vers"
                                       << "RETOUR_MENU";
    QTest::newRow("amortization") << "Form7"
                                  << "tab_amort"
                                  << "RETOUR_MENU";
  }
  void returnToMenuLeavesTheScreenOpenAsItWas() {
    QFETCH(QString, name);
    QFETCH(QString, openButton);
    QFETCH(QString, returnControl);
    click("Form1", openButton);
    QWidget* shown = screen(name);
    const QList<QLineEdit*> fields = shown->findChildren<QLineEdit*>();
    for (QLineEdit* field : fields) field->setText("123");
    shown->move(300, 200);  // the user moved it
    click(name, returnControl);
    QVERIFY(shown->isVisible());
    QVERIFY(screen("Form1")->isVisible());
    click("Form1", openButton);
    for (QLineEdit* field : fields) QCOMPARE(field->text(), QString("123"));
    for (QLineEdit* field : fields) field->clear();
  }

  void dossierReturnsToMenuFromItsMenuBar() {
    click("Form1", "ouvre_dossier");
    auto* back = control<QAction>("Form2", "Men_RETOUR_MENU1_");
    QVERIFY(back);
    QCOMPARE(back->text(), QString("RETOUR MENU"));
    back->trigger();
    QVERIFY(screen("Form2")->isVisible());
  }

  void everyQuitControlEndsTheApplication_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quitControl");
    QTest::newRow("menu") << "Form1"
                          << "QUITTER";
    QTest::newRow("nominal rate") << "Form3"
                                  << "QUITTER";
    QTest::newRow("instalment") << "Form4"
                                << "QUITTER";
    QTest::newRow("capital") << "Form5"
                             << "quitter";
    QTest::newRow("accumulated value") << "Form6"
                                       << "QUITTER";
    QTest::newRow("amortization") << "Form7"
                                  << "QUITTER";
  }
  void everyQuitControlEndsTheApplication() {
    QFETCH(QString, name);
    QFETCH(QString, quitControl);
    const int before = platform_.quitRequests;
    click(name, quitControl);
    QCOMPARE(platform_.quitRequests, before + 1);
    QVERIFY(platform_.questions.isEmpty());
  }

  void dossierQuitsFromItsFileMenu() {
    const int before = platform_.quitRequests;
    auto* quit = control<QAction>("Form2", "QUITTER1");
    QVERIFY(quit);
    quit->trigger();
    QCOMPARE(platform_.quitRequests, before + 1);
  }

  void altQQuitsFromTheMenu() {
    const int before = platform_.quitRequests;
    QWidget* menu = screen("Form1");
    QCOMPARE(control<QPushButton>("Form1", "QUITTER")->shortcut(), QKeySequence("Alt+Q"));
    QApplication::setActiveWindow(menu);
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE(platform_.quitRequests, before + 1);  // the button animates its click first
  }

  void fileNamedOnTheCommandLineOpensInTheDossierScreen() {
    QTemporaryDir folder;
    const QString file = folder.filePath("pret.TEG");
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(
        "BORROWER\r\n200000\r\n180\r\n12\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n2\r\n"
        "-200000\r\n1\r\n\r\n\r\n2304.69\r\n180\r\n89\r\n\r\n");
    written.close();
    kalmoris::openCommandLineDossier({"kalmoris", file});
    QWidget* dossier = screen("Form2");
    QVERIFY(dossier->isVisible());
    QCOMPARE(dossier->pos(), QPoint(1, 1));
    QCOMPARE(dossier->windowTitle(), file);
    QCOMPARE(control<QLineEdit>("Form2", "ch_capital")->text(), QString("200000"));

    kalmoris::openCommandLineDossier({"kalmoris", folder.filePath("absent.TEG")});
    QCOMPARE(platform_.takeErrors(), QStringList{"Fichier introuvable"});
    kalmoris::openCommandLineDossier({"kalmoris"});  // no file: nothing happens
    QCOMPARE(dossier->windowTitle(), folder.filePath("absent.TEG"));
  }

  void helpButtonsFollowTheirTable_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("closer");
    QTest::addColumn<bool>("hidesSmallPanels");
    QTest::newRow("1 warning") << "avertiss1"
                               << "Panel8" << QPoint(25, 20) << "VU1" << false;
    QTest::newRow("? 1 codes") << "Button1"
                               << "Panel10" << QPoint(360, 278) << "Vu_aid1" << false;
    QTest::newRow("? 2 dossier") << "Button2"
                                 << "Panel9" << QPoint(2, 0) << "VU2" << true;
    QTest::newRow("? 3 rate") << "Button5"
                              << "Panel19" << QPoint(8, 320) << "VU5" << true;
    QTest::newRow("? 4 instalment") << "Button7"
                                    << "Panel21" << QPoint(8, 320) << "VU7" << true;
    QTest::newRow("? 5 capital") << "Button9"
                                 << "panel20" << QPoint(8, 320) << "VU6" << true;
    QTest::newRow("? 6 deposits") << "Button8"
                                  << "Panel22" << QPoint(8, 320) << "VU8" << true;
    QTest::newRow("? 7 amortization") << "Button4"
                                      << "Panel18" << QPoint(8, 320) << "VU4" << true;
  }
  void helpButtonsFollowTheirTable() {
    QFETCH(QString, button);
    QFETCH(QString, panel);
    QFETCH(QPoint, place);
    QFETCH(QString, closer);
    QFETCH(bool, hidesSmallPanels);
    for (const QString& small : kSmallPanels) menuPanel(small)->show();
    menuPanel("Panel8")->show();

    click("Form1", button);
    Panel* shown = menuPanel(panel);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->pos(), place);
    if (panel == "Panel9") QCOMPARE(shown->width(), 570);
    QVERIFY2(menuPanel("Panel8")->isVisible(), "P8 is never hidden by another button");
    for (const QString& small : kSmallPanels) {
      if (small == panel) continue;
      QCOMPARE(menuPanel(small)->isVisible(), !hidesSmallPanels);
    }
    click("Form1", closer);
    QVERIFY(!shown->isVisible());
    for (const QString& small : kSmallPanels) menuPanel(small)->hide();
    menuPanel("Panel8")->hide();
  }

  void helpForDepositsReplacesHelpForRateAtTheSamePlace() {
    click("Form1", "Button5");
    QVERIFY(menuPanel("Panel19")->isVisible());
    click("Form1", "Button8");
    QVERIFY(!menuPanel("Panel19")->isVisible());
    QVERIFY(menuPanel("Panel22")->isVisible());
    QCOMPARE(menuPanel("Panel22")->pos(), menuPanel("Panel19")->pos());
    click("Form1", "avertiss1");
    QVERIFY(menuPanel("Panel22")->isVisible());
    QVERIFY(menuPanel("Panel8")->isVisible());
    click("Form1", "VU8");
    click("Form1", "VU1");
  }

  void helpPanelsCarryTheirCodeAndQuotedTexts_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("P8") << "Panel8"
                        << "P8"
                        << "Ce logiciel permet de vérifier le TAUX EFFECTIF GLOBAL (TEG) d'un prêt "
                           "immobilier (ou autre), simulations, tableau d'amortissement et divers "
                           "autres calculs..";
    QTest::newRow("P9 new dossier") << "Panel9"
                                    << "P9"
                                    << "C'est l'écran de constitution d'un nouveau dossier.";
    QTest::newRow("P9 negative capital") << "Panel9"
                                         << "P9"
                                         << "OBLIGATOIREMENT  EN NEGATIF";
    QTest::newRow("P9 alert") << "Panel9"
                              << "P9"
                              << "Un message d'alerte et des colorations signalent les saisies "
                                 "impératives manquantes.  ";
    QTest::newRow("P9 extension") << "Panel9"
                                  << "P9"
                                  << " .TEG ";
    QTest::newRow("P10") << "Panel10"
                         << "P10"
                         << "Les divers tableaux d'aide ou de travail affichent un code, par Ex. "
                            "P1, P10.";
    QTest::newRow("P11") << "Panel11"
                         << "P11"
                         << "REOUVRIR DOSSIER:";
    QTest::newRow("P18") << "Panel18"
                         << "P18"
                         << "Obligation de choisir la monnaie et le type de taux (proportionnel ou "
                            "actuariel) avant les calculs";
    QTest::newRow("P19") << "Panel19"
                         << "P19"
                         << "Pour rechercher rapidement un taux.";
    QTest::newRow("P20") << "panel20"
                         << "P20"
                         << "Pour la recherche rapide d'un capital.";
    QTest::newRow("P21") << "Panel21"
                         << "P21"
                         << "Permet aussi de connaître le coût d'un crédit.";
    QTest::newRow("P22") << "Panel22"
                         << "P22"
                         << "Permet de connaître la valeur cumulée de 'X' versements et des "
                            "intérêts acquis.";
  }
  void helpPanelsCarryTheirCodeAndQuotedTexts() {
    QFETCH(QString, panel);
    QFETCH(QString, code);
    QFETCH(QString, quoted);
    QString all;
    for (QLabel* label : menuPanel(panel)->findChildren<QLabel*>()) all += label->text() + "\n";
    QVERIFY2(all.contains(code + "\n"), qPrintable(all));
    QVERIFY2(all.contains(quoted), qPrintable(all));
  }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
