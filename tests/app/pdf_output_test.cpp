// The real print path into a PDF file: what a report writes comes out as text in the file,
// in the fonts the reports name; an existing file is replaced only once confirmed, and whole.
#include "core/printer_text_stream.h"
#include "tests/support/file_bytes.h"
#include "ui/qt_platform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using kalmoris::testing::fileContents;
using kalmoris::testing::writeFile;

namespace {

// The real platform, with the file dialog's result, the question and the error box answered
// and recorded instead of shown.
class PdfPlatform : public kalmoris::QtPlatform {
 public:
  QString fileName;
  int asked = 0;
  bool replace = false;
  QStringList questions;
  QStringList errors;
  QString askSaveFileName(QWidget*, const QString&, const QString&) override {
    ++asked;
    return fileName;
  }
  bool askYesNo(QWidget*, const QString& question) override {
    questions.append(question);
    return replace;
  }
  void showError(QWidget*, const QString& message) override { errors.append(message); }
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

  std::unique_ptr<PdfPlatform> platform_;

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
  }
  void init() {
    platform_ = std::make_unique<PdfPlatform>();
    kalmoris::installPlatform(platform_.get());
  }
  void cleanup() {
    kalmoris::installPlatform(nullptr);
    platform_.reset();
  }

  void reportLinesReachThePdfFileInTheirFonts() {
    QTemporaryDir folder;
    PdfPlatform& platform = *platform_;
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
    PdfPlatform& platform = *platform_;
    platform.selectPrinter(kalmoris::QtPlatform::pdfOutputName());
    platform.fileName.clear();
    QVERIFY(!platform.beginDocument(nullptr));
    QCOMPARE(platform.asked, 1);
  }

  // "rapport" typed where "rapport.pdf" exists: the dialog saw no file of that name, so the
  // program asks before replacing it; the old file stays whole until the new report is done.
  void existingPdfIsReplacedOnlyOnceConfirmedAndWhole_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("replaced") << true;
    QTest::newRow("kept") << false;
  }
  void existingPdfIsReplacedOnlyOnceConfirmedAndWhole() {
    QFETCH(bool, replace);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("rapport.pdf");
    QVERIFY(writeFile(pdf, "ancien rapport"));
    PdfPlatform& platform = *platform_;
    platform.selectPrinter(kalmoris::QtPlatform::pdfOutputName());
    platform.fileName = folder.filePath("rapport");
    platform.replace = replace;
    std::unique_ptr<kalmoris::ReportDocument> document = platform.beginDocument(nullptr);
    QCOMPARE(platform.questions.size(), 1);
    QVERIFY(platform.questions[0].contains(pdf));
    QCOMPARE(bool(document), replace);
    if (document) {
      kalmoris::PrinterTextStream stream(*document, platform.pageFont());
      stream.writeLine("    VERIFICATION DE PRET");
      QCOMPARE(fileContents(pdf), QByteArray("ancien rapport"));
      stream.close();
    }
    QCOMPARE(fileContents(pdf).startsWith("%PDF"), replace);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"rapport.pdf"});
    QVERIFY(platform.errors.isEmpty());
  }

  // The report's file cannot be written: the error box says why.
  void pdfThatCannotBeWrittenSaysSo() {
    auto folder = std::make_unique<QTemporaryDir>();
    PdfPlatform& platform = *platform_;
    platform.selectPrinter(kalmoris::QtPlatform::pdfOutputName());
    platform.fileName = folder->filePath("rapport");
    std::unique_ptr<kalmoris::ReportDocument> document = platform.beginDocument(nullptr);
    QVERIFY(document);
    folder.reset();  // the folder disappears while the report is written
    document->finish();
    QCOMPARE(platform.errors, QStringList{"Fichier introuvable"});
  }
};

QTEST_MAIN(PdfOutputTest)
#include "pdf_output_test.moc"
