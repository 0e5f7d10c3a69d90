// The print panel of the amortization screen and its reports, printed on recording documents.
#include "amortization/amortization_screen.h"
#include "tests/amortization/amortization_steps.h"
#include "ui/qt_platform.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalmoris::testing;

namespace {
const QString kFrancsTitle = QStringLiteral(" Edition du TABLEAU d'AMORTISSEMENT en FRANCS.");

const DocumentEvent* drawnText(const DocumentRecord& record, const QString& text) {
  for (const DocumentEvent& event : record.events)
    if (event.kind == DocumentEvent::Kind::Draw && event.text == text) return &event;
  return nullptr;
}

QStringList rowNumbers(const DocumentRecord& record) {
  const QStringList lines = record.lines();
  QStringList numbers;
  for (const QString& line : lines) {
    const QString first = line.left(3).trimmed();
    bool isNumber = false;
    first.toInt(&isNumber);
    if (isNumber && line.size() > 3 && line[3] == u' ') numbers.append(first);
  }
  return numbers;
}
}  // namespace

class AmortizationPrintTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver s;

  QComboBox* printers() const { return s.find<QComboBox>("PrinterCombo"); }

 private slots:
  void init() {
    s = open(new kalmoris::TForm7);
    platform().areas[QStringLiteral("Imprimante Atelier")] = {2400, 3300, 203, 279};
  }

  void imprimerOpensThePanelOnTheWholeSchedule() {
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    kalmoris::Panel* panel = s.panel("panel6");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(296, 188));
    QCOMPARE(s.text("ch_ech_dep"), QString("1"));
    QCOMPARE(s.text("ch_Ech_but"), QString("240"));
    QStringList listed;
    for (int k = 0; k < printers()->count(); ++k) listed.append(printers()->itemText(k));
    QCOMPARE(listed, platform().printers + QStringList{"Fichier CSV (tableur)"});
    QCOMPARE(printers()->currentText(), QString("Imprimante Bureau"));
    QVERIFY(!s.shown("Panel7"));
    QVERIFY(platform().printed.empty());
  }

  void helpAndReturnButtonsShowAndHideThePanels() {
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    s.click("BitBtn1");
    kalmoris::Panel* help = s.panel("Panel7");
    QVERIFY(help->isVisible());
    QVERIFY(help->x() >= s.panel("panel6")->geometry().right());
    s.click("Button1");
    QVERIFY(!help->isVisible());
    QVERIFY(s.shown("panel6"));
    s.click("BitBtn1");
    s.click("Button5");
    QVERIFY(!help->isVisible());
    QVERIFY(!s.shown("panel6"));
    QVERIFY(s.button("IMPRIMER")->isEnabled());
  }

  void eachPrintButtonPrintsItsCurrency_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("capitalLine");
    QTest::addColumn<QString>("instalmentLine");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("francs") << "imp_fr" << kFrancsTitle
                            << ":...Montant du CAPITAL  : 100000,00 Francs."
                            << "=>.....Le MONTANT D'UNE ECHEANCE est de: 716,43"
                            << "  1 03/2002 :     716,43 :     500,00 :     216,43 :   99783,57 :";
    QTest::newRow("euros") << "imp_eu"
                           << " Edition du TABLEAU d'AMORTISSEMENT en EUROS."
                           << ":...Montant du CAPITAL  : 15244,90 Euros."
                           << "=>.....Le MONTANT D'UNE ECHEANCE est de: 109,22"
                           << "  1 03/2002 :     109,22 :      76,22 :      32,99 :   15211,91 :";
  }
  void eachPrintButtonPrintsItsCurrency() {
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, capitalLine);
    QFETCH(QString, instalmentLine);
    QFETCH(QString, firstRow);
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    s.click(button);
    QCOMPARE(int(platform().printed.size()), 1);
    const DocumentRecord& report = platform().lastPrinted();
    QVERIFY(report.finished);
    QCOMPARE(report.pageCount(), 5);
    const QStringList lines = report.lines();
    QCOMPARE(lines[0], title);
    QCOMPARE(lines[2], capitalLine);
    QCOMPARE(lines[4], QString(":...TAUX du PRET: 6,0000 %."));
    QCOMPARE(lines[5], QString(":...Nb. Echéances par an: 12"));
    QCOMPARE(lines[6], QString(":...Nb. Total Echéances : 240"));
    QCOMPARE(lines[7], QString("=>.....Le TAUX de Période est de          :   0,50000000 %"));
    QCOMPARE(lines[8], QString("=>.....(Le TAUX ANNUEL ACTUARIEL équivalent est de: 6,1678 %)"));
    QCOMPARE(lines[9], instalmentLine);
    QCOMPARE(lines[13], firstRow);
    // Printing closes the panel and leaves the display as it was, ready to print again.
    QVERIFY(!s.shown("panel6"));
    QVERIFY(s.button("IMPRIMER")->isEnabled());
    QCOMPARE(s.cell(3, 242), QString("71943,45"));
  }

  void typedRangePrintsOnlyItsRows() {
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    s.fill({{"ch_ech_dep", "25"}, {"ch_Ech_but", "30"}});
    s.click("imp_fr");
    QCOMPARE(rowNumbers(platform().lastPrinted()),
             (QStringList{"25", "26", "27", "28", "29", "30"}));
    // The next IMPRIMER proposes the whole schedule again.
    s.click("IMPRIMER");
    QCOMPARE(s.text("ch_ech_dep"), QString("1"));
    QCOMPARE(s.text("ch_Ech_but"), QString("240"));
  }

  void refusedRangeKeepsThePanelOpenAndPrintsNothing_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("message");
    QTest::newRow("fraction") << "1,5"
                              << "240"
                              << "'1,5' n'est pas une valeur entière correcte";
    QTest::newRow("empty start") << ""
                                 << "240"
                                 << "'' n'est pas une valeur entière correcte";
    QTest::newRow("letters at the end") << "1"
                                        << "fin"
                                        << "'fin' n'est pas une valeur entière correcte";
  }
  void refusedRangeKeepsThePanelOpenAndPrintsNothing() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, message);
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    s.fill({{"ch_ech_dep", first}, {"ch_Ech_but", last}});
    s.click("imp_eu");
    QCOMPARE(takeErrors(), QStringList{message});
    QVERIFY(platform().printed.empty());
    QVERIFY(s.shown("panel6"));
  }

  // The print panel closes with either RECTIFIER, so no report is printed without a currency.
  void rectifierClosesThePrintPanel_data() {
    QTest::addColumn<QString>("rectify");
    QTest::newRow("currency") << "rectifier";
    QTest::newRow("rate kind") << "rectifier_1";
  }
  void rectifierClosesThePrintPanel() {
    QFETCH(QString, rectify);
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    s.click("BitBtn1");
    s.click(rectify);
    QVERIFY(!s.shown("panel6"));
    QVERIFY(!s.shown("Panel7"));
    QVERIFY(!s.button("IMPRIMER")->isEnabled());
  }

  // After EFFACER the choice buttons are enabled again; a choice changed while the panel is
  // open does not relabel the schedule of the display.
  void reportFollowsTheChoicesOfTheDisplay() {
    displayFrancsLoan(s);
    s.click("EFFACER");
    fillLoan(s, "100000", "6", "12", "240", "3", "2002");
    s.click("AFFICHER");
    s.click("IMPRIMER");
    s.click("euros");
    s.click("tx_actu");
    s.click("imp_fr");
    const QStringList lines = platform().lastPrinted().lines();
    QCOMPARE(lines[2], QString(":...Montant du CAPITAL  : 100000,00 Francs."));
    QCOMPARE(lines[3], QString(":...TAUX ANNUEL exprimé en TAUX PROPORTIONNEL."));
    QCOMPARE(lines[9], QString("=>.....Le MONTANT D'UNE ECHEANCE est de: 716,43"));
  }

  void printerChoiceBecomesCurrentAndRemeasuresThePage() {
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    printers()->setCurrentIndex(1);
    QCOMPARE(platform().current, QString("Imprimante Atelier"));
    s.click("imp_fr");
    // 2400 dots over 20 cm and 3300 over 27 cm: 120 and 122 dots a centimetre.
    const DocumentEvent* title = drawnText(platform().lastPrinted(), kFrancsTitle);
    QVERIFY(title);
    QCOMPARE(QPoint(title->x, title->y), QPoint(10 * 12 + 240, 10 * 122 / 10 + 244));

    s.click("IMPRIMER");
    printers()->setCurrentIndex(0);
    QCOMPARE(platform().current, QString("Imprimante Bureau"));
    s.click("imp_fr");
    title = drawnText(platform().lastPrinted(), kFrancsTitle);
    QCOMPARE(QPoint(title->x, title->y), QPoint(10 * 24 + 480, 10 * 244 / 10 + 488));
  }

  // Another screen's print dialog may change the application's printer: the list and the page
  // follow it when the panel opens.
  void printerChangedElsewhereIsShownAndMeasured() {
    displayFrancsLoan(s);
    platform().current = QStringLiteral("Imprimante Atelier");
    s.click("IMPRIMER");
    QCOMPARE(printers()->currentText(), QString("Imprimante Atelier"));
    s.click("imp_fr");
    const DocumentEvent* title = drawnText(platform().lastPrinted(), kFrancsTitle);
    QCOMPARE(QPoint(title->x, title->y), QPoint(360, 366));
  }

  // The list's last entry writes the table into a file the user names, printing nothing; it is
  // no printer, and stays chosen until another entry is.
  void spreadsheetEntryWritesTheTableIntoANamedFile() {
    const QTemporaryDir folder;
    displayFrancsLoan(s);
    s.click("IMPRIMER");
    printers()->setCurrentIndex(printers()->count() - 1);
    QCOMPARE(platform().current, QString("Imprimante Bureau"));
    platform().saveAnswers.push_back(folder.filePath("tableau"));
    s.click("imp_eu");
    QCOMPARE(platform().lastSaveFilter, QString("Fichiers CSV (*.csv)"));
    QFile written(folder.filePath("tableau.csv"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("\r\n1;03 / 2002;109,22;76,22;32,99;15211,91\r\n"));
    QVERIFY(!s.shown("panel6"));

    s.click("IMPRIMER");
    QCOMPARE(printers()->currentText(), QString("Fichier CSV (tableur)"));
    platform().saveAnswers.push_back(folder.filePath("absent/tableau"));
    s.click("imp_fr");
    QCOMPARE(takeErrors(), QStringList{"Fichier introuvable"});
    QVERIFY(platform().printed.empty());
  }

  void realPlatformListsAndSelectsThePdfOutput() {
    kalmoris::QtPlatform real;
    kalmoris::installPlatform(&real);
    {
      kalmoris::TForm7 screen;
      QComboBox* list = ScreenDriver(&screen).find<QComboBox>("PrinterCombo");
      QVERIFY(list->findText(kalmoris::QtPlatform::pdfOutputName()) >= 0);
      QCOMPARE(list->currentText(), real.currentPrinterName());
      list->setCurrentIndex(list->findText(kalmoris::QtPlatform::pdfOutputName()));
      QCOMPARE(real.currentPrinterName(), kalmoris::QtPlatform::pdfOutputName());
    }
    kalmoris::installPlatform(&platform());
  }
};

QTEST_MAIN(AmortizationPrintTest)
#include "amortization_print_test.moc"
