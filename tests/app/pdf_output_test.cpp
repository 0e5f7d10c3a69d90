// The real print path into a PDF file: what a report writes comes out as text in the file,
// in the fonts the reports name.
#include "core/printer_text_stream.h"
#include "ui/qt_platform.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real platform, with the PDF file name answered instead of asked in a dialog.
class PdfPlatform : public kalmoris::QtPlatform {
 public:
  QString fileName;
  int asked = 0;
  QString askSaveFileName(QWidget*, const QString&, const QString&) override {
    ++asked;
    return fileName;
  }
};

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PdfOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
  }

  void reportLinesReachThePdfFileInTheirFonts() {
    QTemporaryDir folder;
    PdfPlatform platform;
    platform.selectPrinter(kalmoris::QtPlatform::pdfOutputName());
    QCOMPARE(platform.currentPrinterName(), QString("Fichier PDF"));
    platform.fileName = folder.filePath("rapport");  // the extension is added

    {
      std::unique_ptr<kalmoris::ReportDocument> document = platform.beginDocument(nullptr);
      QVERIFY(document);
      const kalmoris::PrintableArea area = document->area();
      QVERIFY(area.widthDots > 3000);  // 600 dots per inch
      QVERIFY(area.widthMm > 150);
      kalmoris::PrinterTextStream stream(*document, platform.pageFont());
      platform.pageFont().name = "Courier New";
      platform.pageFont().setSizePoints(10);
      stream.writeLine("    VERIFICATION DE PRET: 200000,00 Um.");
      platform.pageFont().name = "Arial";
      platform.pageFont().setHeightDots(100);
      stream.writeLine("    Taux annuel: 11,2500 %");
    }
    QCOMPARE(platform.asked, 1);
    const QString pdf = folder.filePath("rapport.pdf");
    QVERIFY(QFile::exists(pdf));
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(text.contains("VERIFICATION DE PRET: 200000,00 Um."), qPrintable(text));
    QVERIFY2(text.contains("Taux annuel: 11,2500 %"), qPrintable(text));
    const QString fonts = run("pdffonts", {pdf});
    QVERIFY2(fonts.contains("LiberationMono"), qPrintable(fonts));
    QVERIFY2(fonts.contains("LiberationSans"), qPrintable(fonts));
  }

  void cancellingTheFileNamePrintsNothing() {
    PdfPlatform platform;
    platform.selectPrinter(kalmoris::QtPlatform::pdfOutputName());
    platform.fileName.clear();
    QVERIFY(!platform.beginDocument(nullptr));
    QCOMPARE(platform.asked, 1);
  }
};

QTEST_MAIN(PdfOutputTest)
#include "pdf_output_test.moc"
