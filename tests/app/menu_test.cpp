// The start-up and the main menu, driven through their controls without a display.
#include "app/screens.h"
#include "tests/support/screen_driver.h"
#include "ui/file_dialogs.h"
#include "ui/french_translations.h"
#include "ui/message_box.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace kalmoris::testing;

namespace {

// The system of a user who has not chosen French, as Qt reads it when the application starts.
void useANonFrenchSystemLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME", "LANGUAGE"})
    qunsetenv(name);
  qputenv("LANG", "C.UTF-8");
}
Q_CONSTRUCTOR_FUNCTION(useANonFrenchSystemLocale)

const QStringList kSmallPanels = {"Panel9",  "Panel18", "Panel19", "panel20",
                                  "Panel21", "Panel22", "Panel23", "Panel10"};

// The numbered button of the menu that opens each screen.
const QMap<QString, QString> kOpenButtons = {{"Form2", "ouvre_dossier"}, {"Form3", "calc_taux"},
                                             {"Form4", "calc_ech"},      {"Form5", "calc_capital"},
                                             {"Form6", "cumul_vers"},    {"Form7", "tab_amort"},
                                             {"Form8", "controle_offre"}};

}  // namespace

// Each test function starts the application afresh.
class MenuTest : public ScreenFixture {
  Q_OBJECT

  using Answer = kalmoris::Platform::Answer;

  ScreenDriver menu_;

  // Runs the user's action inside the application's event loop, which a quit ends as the
  // program's own does; true when it ended. A loop still running a moment later is ended here.
  bool runsToTheEnd(const std::function<void()>& act) {
    constexpr int kStillRunning = 1;
    platform().endsEventLoop = true;
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
    QTimer::singleShot(0, menu_.screen(), [&] {
      act();
      stillRunning.start(platform().quitRequests > 0 ? 1000 : 0);
    });
    return QApplication::exec() == 0;
  }

 private slots:
  void init() { menu_ = openApplication(); }

  void startupCreatesEveryScreenWithOnlyTheMenuShown_data() {
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
    QTest::newRow("offer") << "Form8"
                           << "-8- CONTROLE D'UNE OFFRE DE PRET";
  }
  void startupCreatesEveryScreenWithOnlyTheMenuShown() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QWidget* found = screen(name).screen();
    QCOMPARE(found->windowTitle(), title);
    QCOMPARE(found->isVisible(), name == "Form1");
  }

  void menuIsPlacedAndCaptioned() {
    QCOMPARE(menu_.screen()->pos(), QPoint(0, 0));
    QCOMPARE(menu_.screen()->size(), QSize(800, 570));
    QCOMPARE(menu_.panel("Panel1")->geometry(), QRect(120, 40, 577, 465));
    QCOMPARE(menu_.text("Panel2"), QString("LE CONTROLE DES CREDITS IMMOBILIERS"));
    QCOMPARE(menu_.text("Label1"), QString("KALMORIS.EXE, version 02 - 03/2002 - Windows 95/98"));
    QVERIFY(menu_.text("Label42").startsWith("Réalisation du logiciel:"));
    QVERIFY(menu_.text("Label42").contains("KALMORIS"));
    QCOMPARE(menu_.text("Label69"), QString("( séparateur décimal= virgule -automatique - )"));
    QCOMPARE(menu_.text("Label53"), QString("P1"));
    QCOMPARE(menu_.text("Label54"), QString("AIDE"));
    QCOMPARE(menu_.text("QUITTER"), QString("&QUITTER"));
    for (const QString& name : kSmallPanels + QStringList{"Panel8", "Panel11"})
      QVERIFY2(!menu_.shown(name), qPrintable(name));
  }

  void numberedButtonsAreStackedInOrderWithTheirHelpColumn() {
    const QStringList buttons = {"avertiss1",    "ouvre_dossier", "calc_taux", "calc_ech",
                                 "calc_capital", "cumul_vers",    "tab_amort", "controle_offre"};
    const QStringList captions = {" 1 AVERTISSEMENT",
                                  " 2 OUVRIR UN DOSSIER DE VERIFICATION",
                                  " 3 CALCUL RAPIDE D'UN TAUX",
                                  " 4 CALCUL RAPIDE D'UNE ECHEANCE",
                                  " 5 CALCUL RAPIDE D'UN CAPITAL",
                                  " 6 CALCUL D'UN CUMUL DE VERSEMENTS",
                                  " 7 TABLEAU D'AMORTISSEMENT",
                                  " 8 CONTROLE D'UNE OFFRE DE PRET"};
    const QStringList helps = {"Button1", "Button2", "Button5", "Button7",
                               "Button9", "Button8", "Button4", "Button10"};
    int previousTop = -1;
    for (int k = 0; k < buttons.size(); ++k) {
      QPushButton* button = menu_.button(buttons[k]);
      QPushButton* help = menu_.button(helps[k]);
      QCOMPARE(button->text(), captions[k]);
      QVERIFY(button->font().bold());
      QCOMPARE(button->font().family(), QString("Arial"));
      QVERIFY(button->y() > previousTop);
      previousTop = button->y();
      QCOMPARE(help->text(), QString("?"));
      QCOMPARE(help->y(), button->y());
      QVERIFY(help->x() > button->x() + button->width() - 1);
    }
    // QUITTER stands under the last numbered button, inside the menu's panel.
    const QRect quit = menu_.button("QUITTER")->geometry();
    QVERIFY(quit.top() > previousTop + menu_.button("controle_offre")->height());
    QVERIFY(menu_.panel("Panel1")->rect().contains(quit));
  }

  void eachNumberedButtonShowsItsScreenAtItsPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("dossier") << "Form2" << QPoint(1, 1);
    QTest::newRow("nominal rate") << "Form3" << QPoint(150, 125);
    QTest::newRow("instalment") << "Form4" << QPoint(150, 100);
    QTest::newRow("capital") << "Form5" << QPoint(150, 125);
    QTest::newRow("accumulated value") << "Form6" << QPoint(150, 125);
    QTest::newRow("amortization") << "Form7" << QPoint(120, 0);
    QTest::newRow("offer") << "Form8" << QPoint(40, 0);
  }
  void eachNumberedButtonShowsItsScreenAtItsPlace() {
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    menu_.click(kOpenButtons[name]);
    QWidget* shown = screen(name).screen();
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->pos(), place);
    if (name == "Form2") QCOMPARE(shown->width(), 798);
    QVERIFY(menu_.screen()->isVisible());
  }

  void returnToMenuLeavesTheScreenOpenAsItWas_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("returnControl");
    QTest::newRow("nominal rate") << "Form3"
                                  << "RETOUR_MENU";
    QTest::newRow("instalment") << "Form4"
                                << "RETOUR_MENU";
    QTest::newRow("capital") << "Form5"
                             << "retour_menu";
    QTest::newRow("accumulated value") << "Form6"
                                       << "RETOUR_MENU";
    QTest::newRow("amortization") << "Form7"
                                  << "RETOUR_MENU";
    QTest::newRow("offer") << "Form8"
                           << "RETOUR_MENU";
  }
  // The screen is in front when its RETOUR MENU is clicked: the menu must come back over it.
  void returnToMenuLeavesTheScreenOpenAsItWas() {
    QFETCH(QString, name);
    QFETCH(QString, returnControl);
    menu_.click(kOpenButtons[name]);
    const ScreenDriver shown = screen(name);
    QVERIFY(QTest::qWaitForWindowActive(shown.screen()));
    const QList<QLineEdit*> fields = shown.screen()->findChildren<QLineEdit*>();
    for (QLineEdit* field : fields) field->setText("123");
    shown.screen()->move(300, 200);  // the user moved it
    shown.click(returnControl);
    QVERIFY2(QTest::qWaitForWindowActive(menu_.screen()), "the menu is not in front");
    QVERIFY(shown.screen()->isVisible());
    menu_.click(kOpenButtons[name]);
    for (QLineEdit* field : fields) QCOMPARE(field->text(), QString("123"));
  }

  void dossierReturnsToMenuFromItsMenuBar() {
    menu_.click("ouvre_dossier");
    const ScreenDriver dossier = screen("Form2");
    QVERIFY(QTest::qWaitForWindowActive(dossier.screen()));
    QCOMPARE(dossier.action("Men_RETOUR_MENU1_")->text(), QString("RETOUR MENU"));
    dossier.trigger("Men_RETOUR_MENU1_");
    QVERIFY2(QTest::qWaitForWindowActive(menu_.screen()), "the menu is not in front");
    QVERIFY(dossier.screen()->isVisible());
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
    QTest::newRow("offer") << "Form8"
                           << "QUITTER";
  }
  void everyQuitControlEndsTheApplication() {
    QFETCH(QString, name);
    QFETCH(QString, quitControl);
    if (kOpenButtons.contains(name)) menu_.click(kOpenButtons[name]);
    screen(name).click(quitControl);
    QCOMPARE(platform().quitRequests, 1);
    QVERIFY(platform().questions.isEmpty());
  }

  // A dossier typed into and not saved is not lost by a stray quit, and one quit asks once,
  // whatever its path. The application runs its event loop and the quit ends it as the program
  // does; Qt closing the windows then must not ask again.
  void quitAsksOnceOnEveryPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savedAs");  // the save dialog's answer, empty cancels
    QTest::addColumn<bool>("quits");
    const int no = int(Answer::No);
    QTest::newRow("menu QUITTER, Non quits") << "menu QUITTER" << no << "" << true;
    QTest::newRow("Alt+Q, Non quits") << "Alt+Q" << no << "" << true;
    QTest::newRow("dossier QUITTER, Non quits") << "dossier QUITTER" << no << "" << true;
    QTest::newRow("calculator QUITTER, Non quits") << "calculator QUITTER" << no << "" << true;
    QTest::newRow("dossier closed first, Non quits") << "dossier closed" << no << "" << true;
    QTest::newRow("menu close box, Non quits") << "close box" << no << "" << true;
    QTest::newRow("Annuler stays") << "menu QUITTER" << int(Answer::Cancel) << "" << false;
    QTest::newRow("close box, Annuler stays") << "close box" << int(Answer::Cancel) << "" << false;
    QTest::newRow("Oui saves, then quits")
        << "dossier QUITTER" << int(Answer::Yes) << "pret" << true;
    QTest::newRow("Oui with the name cancelled stays")
        << "close box" << int(Answer::Yes) << "" << false;
  }
  void quitAsksOnceOnEveryPath() {
    QFETCH(QString, path);
    QFETCH(int, answer);
    QFETCH(QString, savedAs);
    QFETCH(bool, quits);
    QTemporaryDir folder;
    menu_.click("ouvre_dossier");
    const ScreenDriver dossier = screen("Form2");
    dossier.type("ch_nom_emp", "dupont");
    if (path == "calculator QUITTER") menu_.click("calc_taux");
    if (path == "dossier closed") QVERIFY(dossier.screen()->close());
    platform().yesNoCancelAnswers.push_back(Answer(answer));
    if (answer == int(Answer::Yes))
      platform().saveAnswers.push_back(savedAs.isEmpty() ? "" : folder.filePath(savedAs));
    const bool ended = runsToTheEnd([&] {
      if (path == "menu QUITTER" || path == "dossier closed") menu_.click("QUITTER");
      if (path == "Alt+Q") {
        QTest::keyClick(menu_.screen(), Qt::Key_Q, Qt::AltModifier);
        // The button animates its click first.
        QVERIFY(QTest::qWaitFor([&] { return platform().quitRequests > 0; }));
      }
      if (path == "dossier QUITTER") dossier.trigger("QUITTER1");
      if (path == "calculator QUITTER") screen("Form3").click("QUITTER");
      if (path == "close box") menu_.screen()->close();
    });
    QCOMPARE(ended, quits);
    QCOMPARE(platform().questions, QStringList{"Enregistrer les modifications du dossier ?"});
    QCOMPARE(QFile::exists(folder.filePath("pret.TEG")), !savedAs.isEmpty());
    if (!quits) {
      QVERIFY(menu_.screen()->isVisible());
      QVERIFY(dossier.screen()->isVisible());
    }
  }

  void untouchedSavedOrExampleDossierQuitsAtOnce() {
    menu_.click("ouvre_dossier");
    const ScreenDriver dossier = screen("Form2");
    dossier.click("VOIR_EXEMPLES");
    dossier.click("BBt_VOIR_EX_1_");
    dossier.click("Bt_VOIR_CALCUL_1_");
    menu_.click("QUITTER");
    QTemporaryDir folder;
    dossier.type("ch_nom_emp", "dupont");
    platform().saveAnswers.push_back(folder.filePath("pret"));
    dossier.trigger("ENREGISTRER1");
    dossier.trigger("QUITTER1");
    QCOMPARE(platform().quitRequests, 2);
    QVERIFY(platform().questions.isEmpty());
  }

  void dossierQuitsFromItsFileMenu() {
    screen("Form2").trigger("QUITTER1");
    QCOMPARE(platform().quitRequests, 1);
  }

  void altQQuitsFromTheMenu() {
    QCOMPARE(menu_.button("QUITTER")->shortcut(), QKeySequence("Alt+Q"));
    QTest::keyClick(menu_.screen(), Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE(platform().quitRequests, 1);  // the button animates its click first
  }

  // A screen reader names every control by its caption or a French description, never by
  // its code name.
  void everyControlHasAReadableName() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->objectName().startsWith("Form")) continue;
      for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool named =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control) ||
            qobject_cast<QGroupBox*>(control) || qobject_cast<kalmoris::Panel*>(control);
        if (!named || control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
          continue;
        const QString name =
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        const QString where = window->objectName() + "." + control->objectName() + ": " + name;
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const bool captionIsItsName = button && button->text().remove('&') == name;
        QVERIFY2(!name.isEmpty() && name != "?", qPrintable(where));
        QVERIFY2(captionIsItsName || name != control->objectName(), qPrintable(where));
      }
    }
  }

  // Every help and notice text can be read whole in the place it is drawn.
  void everyHelpTextFitsItsPanel() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->objectName().startsWith("Form")) continue;
      for (QLabel* text : window->findChildren<QLabel*>()) {
        if (!text->wordWrap() || !qobject_cast<kalmoris::Panel*>(text->parentWidget())) continue;
        const QString where = window->objectName() + "." + text->objectName();
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(where));
        QVERIFY2(text->parentWidget()->rect().contains(text->geometry()), qPrintable(where));
      }
    }
  }

  // Qt's dialogs speak French once its translations are loaded; the program's own boxes do
  // without them.
  void dialogsSpeakFrench() {
    const auto buttons = [](kalmoris::BoxKind kind) {
      QStringList captions;
      const auto box = kalmoris::makeMessageBox(nullptr, kind, "?");
      for (QAbstractButton* button : box->buttons()) captions.append(button->text());
      captions.sort();
      return captions;
    };
    QCOMPARE(buttons(kalmoris::BoxKind::Error), QStringList{"OK"});
    QCOMPARE(buttons(kalmoris::BoxKind::YesNo), (QStringList{"Non", "Oui"}));
    QCOMPARE(buttons(kalmoris::BoxKind::YesNoCancel), (QStringList{"Annuler", "Non", "Oui"}));
    QVERIFY(kalmoris::installFrenchTranslations());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuler"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("Voir dans :"));
  }

  // On a system whose locale is not French, Qt's file dialog lists sizes, dates and folders in
  // French all the same.
  void fileDialogListsInFrench() {
    QCOMPARE(QLocale::system().name(), QString("C"));
    QTemporaryDir folder;
    QFile file(folder.filePath("pret.TEG"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(65, 'x'));
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime(QDate(2024, 3, 1), QTime(10, 30)),
                             QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(QDir(folder.path()).mkdir("archives"));
    const auto dialog =
        kalmoris::makeFileDialog(nullptr, "Ouvrir", folder.path(), "Répertoire(*.REP) (*.TEG)");
    const QAbstractProxyModel* list = dialog->proxyModel();
    const auto* files = qobject_cast<const QFileSystemModel*>(list->sourceModel());
    QVERIFY(files);
    const QModelIndex root = list->mapFromSource(files->index(folder.path()));
    QTRY_COMPARE(list->rowCount(root), 2);
    QMap<QString, QStringList> shown;
    for (int row = 0; row < 2; ++row) {
      const auto text = [&](int col) { return list->index(row, col, root).data().toString(); };
      shown[text(0)] = QStringList{text(1), text(2), text(3)};
    }
    QCOMPARE(shown["pret.TEG"][0], QString("65 octets"));
    QCOMPARE(shown["pret.TEG"][2], QString("01/03/2024 10:30"));
    QCOMPARE(shown["archives"][0], QString());
    QCOMPARE(shown["archives"][1], QString("Dossier"));
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
    const ScreenDriver dossier = screen("Form2");
    QVERIFY(dossier.screen()->isVisible());
    QCOMPARE(dossier.screen()->pos(), QPoint(1, 1));
    QCOMPARE(dossier.screen()->windowTitle(), file);
    QCOMPARE(dossier.text("ch_capital"), QString("200000"));

    // A missing file is refused like any other: the dossier and its file stay.
    kalmoris::openCommandLineDossier({"kalmoris", folder.filePath("absent.TEG")});
    QCOMPARE(takeErrors(), QStringList{"Fichier introuvable"});
    kalmoris::openCommandLineDossier({"kalmoris"});  // no file: nothing happens
    QCOMPARE(dossier.screen()->windowTitle(), file);
    QCOMPARE(dossier.text("ch_capital"), QString("200000"));
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
    QTest::newRow("? 8 offer") << "Button10"
                               << "Panel23" << QPoint(8, 320) << "VU9" << true;
  }
  void helpButtonsFollowTheirTable() {
    QFETCH(QString, button);
    QFETCH(QString, panel);
    QFETCH(QPoint, place);
    QFETCH(QString, closer);
    QFETCH(bool, hidesSmallPanels);
    for (const QString& small : kSmallPanels + QStringList{"Panel8"}) menu_.panel(small)->show();
    menu_.click(button);
    QVERIFY(menu_.shown(panel));
    QCOMPARE(menu_.place(panel), place);
    if (panel == "Panel9") QCOMPARE(menu_.panel(panel)->width(), 570);
    QVERIFY2(menu_.shown("Panel8"), "P8 is never hidden by another button");
    for (const QString& small : kSmallPanels) {
      if (small == panel) continue;
      QCOMPARE(menu_.shown(small), !hidesSmallPanels);
    }
    menu_.click(closer);
    QVERIFY(!menu_.shown(panel));
  }

  void helpForDepositsReplacesHelpForRateAtTheSamePlace() {
    menu_.click("Button5");
    QVERIFY(menu_.shown("Panel19"));
    menu_.click("Button8");
    QVERIFY(!menu_.shown("Panel19"));
    QVERIFY(menu_.shown("Panel22"));
    QCOMPARE(menu_.place("Panel22"), menu_.place("Panel19"));
    menu_.click("avertiss1");
    QVERIFY(menu_.shown("Panel22"));
    QVERIFY(menu_.shown("Panel8"));
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
    QTest::newRow("P23") << "Panel23"
                         << "P23"
                         << " .offre ";
  }
  void helpPanelsCarryTheirCodeAndQuotedTexts() {
    QFETCH(QString, panel);
    QFETCH(QString, code);
    QFETCH(QString, quoted);
    QString all;
    for (QLabel* label : menu_.panel(panel)->findChildren<QLabel*>()) all += label->text() + "\n";
    QVERIFY2(all.contains(code + "\n"), qPrintable(all));
    QVERIFY2(all.contains(quoted), qPrintable(all));
  }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
