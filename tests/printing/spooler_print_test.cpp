// Reports printed through the system's spooler to its PDF queue, read back from the PDF file:
// the program's own print path from the button to the paper.
#include "amortization/amortization_screen.h"
#include "calculators/instalment_screen.h"
#include "dossier/dossier_screen.h"
#include "tests/printing/spooler.h"
#include "tests/support/screen_driver.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

using namespace kalmoris::testing;

namespace {

// The page's lines with their runs of spaces folded: the text extraction lays words out
// again from their positions, which may change the count of spaces between them.
QStringList linesOf(const QString& page) {
  QStringList lines;
  for (const QString& line : page.split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty()) lines.append(line.simplified());
  return lines;
}

bool printed(const QStringList& lines, const QString& expected) {
  return lines.contains(expected.simplified());
}

}  // namespace

class SpoolerPrintTest : public QObject {
  Q_OBJECT

  SpoolerPlatform platform_;

 private slots:
  void initTestCase() {
    if (!SpoolerPlatform::queueInstalled()) {
      if (qEnvironmentVariableIsSet("KALMORIS_REQUIRE_SPOOLER"))
        QFAIL("the PDF queue KALMORIS_PDF is not installed (scripts/setup-printing)");
      QSKIP("no PDF queue KALMORIS_PDF: run scripts/setup-printing");
    }
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is missing");
    kalmoris::installPlatform(&platform_);
  }
  void cleanupTestCase() { kalmoris::installPlatform(nullptr); }
  void cleanup() { QVERIFY2(platform_.errors.isEmpty(), qPrintable(platform_.errors.join("; "))); }

  void queueIsOfferedByThePrintDialog() {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QStringList offered;
    for (QComboBox* list : dialog.findChildren<QComboBox*>())
      for (int k = 0; k < list->count(); ++k) offered.append(list->itemText(k));
    dialog.reject();
    QVERIFY2(offered.contains(SpoolerPlatform::queueName()), qPrintable(offered.join(", ")));
  }

  void dossierReportComesOutOfTheSpoolerWithItsFeeColumn() {
    platform_.selectPrinter(SpoolerPlatform::queueName());
    kalmoris::TForm2 form;
    form.show();
    const ScreenDriver ui(&form);
    for (const char* step :
         {"VOIR_EXEMPLES", "BBt_VOIR_EX_1_", "Bt_VOIR_CALCUL_1_", "bt_valider", "BBt_CALCUL"})
      ui.click(step);
    PrintedPdf pdf;
    ui.trigger("Menu_IMPRESSIONTEXTE1_");
    QVERIFY2(pdf.waitForJob(), "no PDF came out of the queue");

    const QStringList lines = linesOf(pdf.text());
    QVERIFY2(printed(lines, "VERIFICATION DE PRET:"), qPrintable(lines.join('\n')));
    QVERIFY(printed(lines, "DOSSIER: G. RORAVOR_ORIDORER_EDARAZ"));
    QVERIFY(printed(lines, "Montant du Prêt: 200000,00 Um."));
    QVERIFY(printed(lines, "de PERIODE = 0,0093750052"));
    QVERIFY(printed(lines, "ANNUEL: PROPORTIONNEL = 12,8289 % ACTUARIEL = 13,6107 %"));
    // The fee amounts end in one column, as the fixed-pitch font lays them out.
    QList<qsizetype> ends;
    for (const QString& line : pdf.text().split('\n'))
      if (line.contains("frais") || line.contains("néant") || line.contains("TOTAL des FRAIS"))
        if (line.contains(" Um.")) ends.append(line.indexOf(" Um."));
    QCOMPARE(ends.size(), 4);
    QCOMPARE(ends.count(ends.front()), 4);
  }

  void instalmentReportComesOutOfTheSpooler() {
    platform_.selectPrinter(SpoolerPlatform::queueName());
    kalmoris::TForm4 form;
    form.show();
    const ScreenDriver ui(&form);
    ui.click("FRANCS");
    ui.click("tx_prop");
    ui.fill({{"ch_capital", "100000"},
             {"ch_le_taux", "6"},
             {"ch_ech_an", "12"},
             {"ch_tot_ech", "240"}});
    ui.click("calcul");
    PrintedPdf pdf;
    ui.click("IMPRIMER");
    QVERIFY2(pdf.waitForJob(), "no PDF came out of the queue");
    const QStringList lines = linesOf(pdf.text());
    QVERIFY2(printed(lines, "CALCUL D'UNE ECHEANCE."), qPrintable(lines.join('\n')));
    QVERIFY(printed(lines, "...Montant du Capital  : 100000,00 Francs ou 15244,90 Euros."));
    QVERIFY(printed(lines, ".....Le MONTANT D'UNE ECHEANCE est de: 716,43 Francs"));
    QVERIFY(printed(lines, "................................ou de: 109,22 Euros"));
    QVERIFY(printed(lines, "Z.Q. .....1 Euro = 6.55957 Francs."));
  }

  void amortizationTableFillsItsPagesThroughTheSpooler() {
    kalmoris::TForm7 form;
    form.show();
    const ScreenDriver ui(&form);
    auto* printers = ui.find<QComboBox>("PrinterCombo");
    const int queue = printers->findText(SpoolerPlatform::queueName());
    QVERIFY2(queue >= 0, "the queue is listed among the printers");
    printers->setCurrentIndex(queue);
    QCOMPARE(platform_.currentPrinterName(), SpoolerPlatform::queueName());

    ui.click("francs");
    ui.click("tx_prop");
    ui.fill({{"ch_capital", "100000"},
             {"ch_le_taux", "6"},
             {"ch_ech_an", "12"},
             {"ch_tot_ech", "240"},
             {"ch_mois", "3"},
             {"ch_annee", "2002"}});
    ui.click("AFFICHER");
    ui.click("IMPRIMER");
    PrintedPdf pdf;
    ui.click("imp_fr");
    QVERIFY2(pdf.waitForJob(), "no PDF came out of the queue");

    const QRegularExpression row(QStringLiteral("^\\d+ +\\d\\d/\\d{4} :"));
    QList<int> rowsPerPage;
    for (const QString& page : pdf.pages()) {
      int rows = 0;
      for (const QString& line : linesOf(page))
        if (row.match(line).hasMatch()) ++rows;
      rowsPerPage.append(rows);
    }
    QCOMPARE(rowsPerPage, (QList<int>{44, 61, 61, 61, 13}));
    const QStringList lines = linesOf(pdf.text());
    QVERIFY2(printed(lines, ":...Montant du CAPITAL  : 100000,00 Francs."),
             qPrintable(lines.join('\n')));
    QVERIFY(printed(lines, "=>.....Le MONTANT D'UNE ECHEANCE est de: 716,43"));
    QVERIFY(printed(lines, "1 03/2002 : 716,43 : 500,00 : 216,43 : 99783,57 :"));
    QVERIFY(printed(lines, "240 02/2022 : 716,43 : 3,56 : 712,87 : 0,00 :") ||
            printed(lines, "240 02/2022 : 716,43 : 3,56 : 712,87 : -0,00 :"));
    QVERIFY(printed(lines, "Z.Q. .....1 Euro = 6.55957 Francs."));
  }
};

QTEST_MAIN(SpoolerPrintTest)
#include "spooler_print_test.moc"
