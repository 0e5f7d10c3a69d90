// What the four quick-calculator screens share, screen by screen: their titles and captions,
// RETOUR MENU and QUITTER, the entry error, the Enter chain, and how IMPRIMER prints.
#include "calculators/capital_screen.h"
#include "calculators/deposits_screen.h"
#include "calculators/instalment_screen.h"
#include "calculators/nominal_rate_screen.h"
#include "tests/calculators/printed_lines.h"
#include "tests/support/screen_driver.h"
#include "ui/colors.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

using kalmoris::PageFont;
using namespace kalmoris::testing;

Q_DECLARE_METATYPE(std::vector<const char*>)

namespace {

QWidget* makeScreen(int form) {
  switch (form) {
    case 3:
      return new kalmoris::TForm3;
    case 4:
      return new kalmoris::TForm4;
    case 5:
      return new kalmoris::TForm5;
    default:
      return new kalmoris::TForm6;
  }
}

// The choices a calculation needs on each screen, and its fields in Enter order.
std::vector<const char*> choicesOf(int form) {
  if (form == 4 || form == 5) return {"FRANCS", "tx_prop"};
  return {};
}

struct Captioned {
  const char* name;
  const char* caption;
};

void addCaptionRows(int form, std::initializer_list<Captioned> captions) {
  for (const Captioned& control : captions)
    QTest::addRow("Form%d %s", form, control.name)
        << form << QString::fromLatin1(control.name) << QString::fromUtf8(control.caption);
}

}  // namespace

class CalculatorScreensTest : public ScreenFixture {
  Q_OBJECT

  using ScreenFixture::open;
  ScreenDriver open(int form) {
    ScreenDriver ui = open(makeScreen(form));
    for (const char* choice : choicesOf(form)) ui.click(choice);
    return ui;
  }

 private slots:
  void windowTitlesKeepTheirLeadingSpaces_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("title");
    QTest::newRow("nominal rate") << 3 << "        CALCULER UN TAUX NOMINAL.";
    QTest::newRow("instalment") << 4 << "     CALCUL D'UNE ECHEANCE (ou d'un versement)";
    QTest::newRow("capital") << 5 << "CALCUL RAPIDE D'UN CAPITAL";
    QTest::newRow("accumulated value") << 6 << "LE CUMUL DES VERSEMENTS";
  }
  void windowTitlesKeepTheirLeadingSpaces() {
    QFETCH(int, form);
    QFETCH(QString, title);
    QWidget* screen = open(makeScreen(form)).screen();
    QCOMPARE(screen->windowTitle(), title);
    QCOMPARE(screen->objectName(), QStringLiteral("Form%1").arg(form));
    QCOMPARE(kalmoris::colors::background(screen), kalmoris::colors::Light3D);
  }

  // The captions that differ from screen to screen, where a slip is easy.
  void controlsCarryTheirCaptions_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    addCaptionRows(3, {{"GroupBox1", "COMMENT EST EXPRIME LE CAPITAL"},
                       {"Label2", "MONTANT UNE ECHEANCE:"},
                       {"Label8", "(Chaque saisie peut  être modifiée individuellement.)"},
                       {"GroupBox3", "TAUX NOMINAL OU CONVENTIONNEL"},
                       {"calcul", "CALCULER"},
                       {"RETOUR_MENU", "RETOUR_MENU"}});
    addCaptionRows(4, {{"Label9", "Sans les choix préalables, pas de calculs ...!"},
                       {"GroupBox4", "QUEL TYPE de TAUX ANNUEL:"},
                       {"RECTIFIER_1", "RECTIFIER"},
                       {"Label2", "TAUX ANNUEL ( type non défini)"},
                       {"GroupBox3", "VOICI LES ELEMENTS DE REPONSE:"},
                       {"Panel8", "{"},
                       {"RETOUR_MENU", "RETOUR_MENU"}});
    addCaptionRows(5, {{"GroupBox1", "FRANCS ou EUROS ?"},
                       {"GroupBox2", "TYPE de TAUX ANNUEL:"},
                       {"Label2", "MONTANT D'UNE ECHEANCE"},
                       {"Label10",
                        "Le résultat final dépend très étroitement de la précision de la saisie: "
                        "plus il y aura de décimales dans le montant d'une échéance et du taux "
                        "annuel, mieux le capital sera reconstitué. "},
                       {"GroupBox4", "VOICI LES ELEMENTS DE REPONSE"},
                       {"calcul", "CALCUL"},
                       {"retour_menu", "RETOUR MENU"}});
    addCaptionRows(6, {{"Label9", "en appliquant la formule des intérêts composés: "},
                       {"Label6", "U.M."},
                       {"Label2", "A QUEL TAUX ANNUEL PROPORTIONNEL:"},
                       {"Label5", "Montant des sommes versées:"},
                       {"RETOUR_MENU", "RETOUR MENU"}});
  }
  void controlsCarryTheirCaptions() {
    QFETCH(int, form);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const ScreenDriver ui = open(makeScreen(form));
    QCOMPARE(ui.text(name), caption);
  }

  void returnToMenuKeepsTheScreenAsItWas_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("returnButton");
    QTest::addColumn<QString>("field");
    QTest::newRow("nominal rate") << 3 << "RETOUR_MENU"
                                  << "ch_capital";
    QTest::newRow("instalment") << 4 << "RETOUR_MENU"
                                << "ch_le_taux";
    QTest::newRow("capital") << 5 << "retour_menu"
                             << "ch_une_ech";
    QTest::newRow("accumulated value") << 6 << "RETOUR_MENU"
                                       << "ch_nb_vers";
  }
  void returnToMenuKeepsTheScreenAsItWas() {
    QFETCH(int, form);
    QFETCH(QString, returnButton);
    QFETCH(QString, field);
    const ScreenDriver ui = open(form);
    ui.type(field, "12.5");
    menu()->hide();
    ui.click(returnButton);
    QVERIFY(menu()->isVisible());
    QVERIFY(ui.screen()->isVisible());
    QCOMPARE(ui.text(field), QString("12.5"));
    QCOMPARE(platform().quitRequests, 0);
  }

  void quitEndsTheApplicationAtOnce_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("quitButton");
    QTest::newRow("nominal rate") << 3 << "QUITTER";
    QTest::newRow("instalment") << 4 << "QUITTER";
    QTest::newRow("capital") << 5 << "quitter";
    QTest::newRow("accumulated value") << 6 << "QUITTER";
  }
  void quitEndsTheApplicationAtOnce() {
    QFETCH(int, form);
    QFETCH(QString, quitButton);
    const ScreenDriver ui = open(makeScreen(form));
    ui.click(quitButton);
    QCOMPARE(platform().quitRequests, 1);
    QVERIFY(platform().questions.isEmpty());
  }

  void emptyEntryIsRefused_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("errorText");
    QTest::addColumn<QStringList>("fields");  // in the order the calculation reads them
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("nominal rate") << 3 << "calcul"
                                  << "INFO"
                                  << "-Erreur Saisie-"
                                  << QStringList{"ch_capital", "ch_une_ech", "ch_ech_an",
                                                 "ch_tot_ech"}
                                  << QStringList{"100000", "716.43", "12", "240"};
    QTest::newRow("instalment") << 4 << "calcul"
                                << "INFO"
                                << "-ERREUR SAISIE-"
                                << QStringList{"ch_capital", "ch_le_taux", "ch_ech_an",
                                               "ch_tot_ech"}
                                << QStringList{"100000", "6", "12", "240"};
    QTest::newRow("capital") << 5 << "calcul"
                             << "info"
                             << "-ERREUR SAISIE-"
                             << QStringList{"ch_une_ech", "ch_le_taux", "ch_ech_an", "ch_tot_ech"}
                             << QStringList{"716.43", "6", "12", "240"};
    QTest::newRow("accumulated value")
        << 6 << "CALCULER"
        << "info"
        << "-ERREUR SAISIE-" << QStringList{"ch_le_vers", "ch_le_taux", "ch_vers_an", "ch_nb_vers"}
        << QStringList{"100", "5", "12", "120"};
  }
  // Each field in turn left empty: it turns yellow with the focus, the message panel aqua
  // with the screen's text; the fields before it are read (and turn white), the ones after
  // it are not.
  void emptyEntryIsRefused() {
    QFETCH(int, form);
    QFETCH(QString, calculate);
    QFETCH(QString, message);
    QFETCH(QString, errorText);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    for (qsizetype refused = 0; refused < fields.size(); ++refused) {
      const ScreenDriver ui = open(form);
      for (qsizetype k = 0; k < fields.size(); ++k) {
        ui.type(fields[k], k == refused ? QString() : texts[k]);
        kalmoris::colors::setBackground(ui.field(fields[k]), kalmoris::colors::Lime);
      }
      ui.click(calculate);
      QCOMPARE(ui.background(fields[refused]), kalmoris::colors::Yellow);
      QVERIFY2(ui.hasFocus(fields[refused]), qPrintable(fields[refused]));
      QCOMPARE(ui.background(message), kalmoris::colors::Aqua);
      QCOMPARE(ui.text(message), errorText);
      for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k == refused) continue;
        QCOMPARE(ui.background(fields[k]),
                 k < refused ? kalmoris::colors::White : kalmoris::colors::Lime);
      }
    }
  }

  void enterMovesAlongTheChain_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("nominal rate") << 3
                                  << QStringList{"ch_capital", "ch_une_ech", "ch_ech_an",
                                                 "ch_tot_ech", "calcul"};
    QTest::newRow("instalment") << 4
                                << QStringList{"ch_capital", "ch_le_taux", "ch_ech_an",
                                               "ch_tot_ech", "calcul"};
    QTest::newRow("capital") << 5
                             << QStringList{"ch_une_ech", "ch_ech_an", "ch_tot_ech", "ch_le_taux",
                                            "calcul"};
    QTest::newRow("accumulated value")
        << 6 << QStringList{"ch_le_vers", "ch_vers_an", "ch_le_taux", "ch_nb_vers", "CALCULER"};
  }
  void enterMovesAlongTheChain() {
    QFETCH(int, form);
    QFETCH(QStringList, chain);
    const ScreenDriver ui = open(form);
    for (qsizetype k = 0; k + 1 < chain.size(); ++k) {
      ui.pressEnter(chain[k]);
      QVERIFY2(ui.hasFocus(chain[k + 1]), qPrintable(chain[k]));
    }
    // There, Enter (the keypad's too) calculates, once per press: a held key does not repeat it.
    QPushButton* calculate = ui.button(chain.back());
    QSignalSpy clicks(calculate, &QPushButton::clicked);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) ui.pressKey(chain.back(), key);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(calculate, &repeated);
    QCOMPARE(clicks.count(), 2);
  }

  void cancelledPrintDialogPrintsNothing_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("print");
    QTest::newRow("nominal rate") << 3 << "IMPRIMER";
    QTest::newRow("instalment") << 4 << "IMPRIMER";
    QTest::newRow("capital") << 5 << "imprimer";
    QTest::newRow("accumulated value") << 6 << "IMPRIMER";
  }
  void cancelledPrintDialogPrintsNothing() {
    QFETCH(int, form);
    QFETCH(QString, print);
    const ScreenDriver ui = open(makeScreen(form));
    platform().printDialogAnswers = {false};
    ui.click(print);
    QCOMPARE(platform().printDialogs, 1);
    QVERIFY(platform().printed.empty());
  }

  void reportStartsInTheFontThePreviousReportLeft_data() {
    cancelledPrintDialogPrintsNothing_data();
  }
  // Nothing calculated: each report prints what the screen shows, empty texts included.
  void reportStartsInTheFontThePreviousReportLeft() {
    QFETCH(int, form);
    QFETCH(QString, print);
    const ScreenDriver ui = open(makeScreen(form));
    platform().pageFont() = unusualPageFont();
    platform().printDialogAnswers = {true, true};
    ui.click(print);
    ui.click(print);
    QCOMPARE(platform().printed.size(), std::size_t(2));
    const PageFont left = courierAfterUnusual(10, false);
    for (const PageFont& previous : {unusualPageFont(), left}) {
      const auto& record = *platform().printed[previous == left ? 1 : 0];
      QVERIFY(record.finished);
      const std::vector<PrintedLine> lines = printedLines(record);
      QVERIFY(lines.size() > 6);
      for (std::size_t k = 0; k < lines.size(); ++k)
        QCOMPARE(lines[k].font, quickReportLineFont(k, lines.size(), previous));
      QCOMPARE(lines[0].text, QString("    "));
      QCOMPARE(lines[1].text, QString("    "));
    }
    QCOMPARE(platform().pageFont(), left);
  }
};

QTEST_MAIN(CalculatorScreensTest)
#include "calculator_screens_test.moc"
