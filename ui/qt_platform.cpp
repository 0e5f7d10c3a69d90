#include "ui/qt_platform.h"

#include "ui/file_dialogs.h"
#include "ui/message_box.h"
#include "ui/qt_report_document.h"
#include "ui/save_file_name.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace kalmoris {

namespace {
constexpr int kPdfResolution = 600;
}  // namespace

QtPlatform::QtPlatform() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull())
    usePdfOutput();
  else
    printer_->setPrinterName(defaultPrinter.printerName());
}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::pdfOutputName() {
  return QStringLiteral("Fichier PDF");
}

void QtPlatform::usePdfOutput() {
  // An empty file name puts the printer back to its native format: clear it first.
  printer_->setOutputFileName(QString());
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setResolution(kPdfResolution);
  pdfNameChosenByDialog_ = false;
}

void QtPlatform::showError(QWidget* parent, const QString& message) {
  makeMessageBox(parent, BoxKind::Error, message)->exec();
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& question) {
  const auto box = makeMessageBox(parent, BoxKind::YesNo, question);
  box->exec();
  return box->standardButton(box->clickedButton()) == QMessageBox::Yes;
}

Platform::Answer QtPlatform::askYesNoCancel(QWidget* parent, const QString& question) {
  const auto box = makeMessageBox(parent, BoxKind::YesNoCancel, question);
  box->exec();
  switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

QString QtPlatform::askOpenFileName(QWidget* parent, const QString& directory,
                                    const QString& filter) {
  const auto dialog = makeFileDialog(parent, QStringLiteral("Ouvrir"), directory, filter);
  dialog->setFileMode(QFileDialog::ExistingFile);
  if (dialog->exec() != QDialog::Accepted) return {};
  return dialog->selectedFiles().value(0);
}

// The dialog confirms replacing the name it returns.
QString QtPlatform::askSaveFileName(QWidget* parent, const QString& directory,
                                    const QString& filter) {
  const auto dialog = makeFileDialog(parent, QStringLiteral("Enregistrer sous"), directory, filter);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  if (dialog->exec() != QDialog::Accepted) return {};
  return dialog->selectedFiles().value(0);
}

bool QtPlatform::runPrintDialog(QWidget* parent) {
  QPrintDialog dialog(printer_.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  pdfNameChosenByDialog_ =
      printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty();
  return true;
}

QStringList QtPlatform::printerNames() {
  QStringList names = QPrinterInfo::availablePrinterNames();
  names.append(pdfOutputName());
  return names;
}

QString QtPlatform::currentPrinterName() {
  if (printer_->outputFormat() == QPrinter::PdfFormat) return pdfOutputName();
  return printer_->printerName();
}

void QtPlatform::selectPrinter(const QString& name) {
  if (name == pdfOutputName()) {
    usePdfOutput();
    return;
  }
  printer_->setOutputFormat(QPrinter::NativeFormat);
  printer_->setPrinterName(name);
  pdfNameChosenByDialog_ = false;
}

PrintableArea QtPlatform::printableArea() {
  return QtReportDocument::areaOf(*printer_);
}

// A PDF file is named in the print dialog, or asked now with the question the other files
// ask before replacing one, and written whole or not at all.
std::unique_ptr<ReportDocument> QtPlatform::beginDocument(QWidget* parent) {
  std::unique_ptr<QtReportDocument> document;
  if (printer_->outputFormat() == QPrinter::PdfFormat) {
    const QString target = pdfNameChosenByDialog_
                               ? printer_->outputFileName()
                               : askFileNameToWrite(parent, QStringLiteral("Document PDF (*.pdf)"),
                                                    QStringLiteral(".pdf"));
    pdfNameChosenByDialog_ = false;
    if (target.isEmpty()) return nullptr;
    document = std::make_unique<PdfFileDocument>(*printer_, target, parent);
  } else {
    document = std::make_unique<QtReportDocument>(*printer_);
  }
  if (!document->isActive()) {
    showError(parent, QStringLiteral("Impression impossible : l'imprimante \"%1\" n'est pas "
                                     "disponible.")
                          .arg(currentPrinterName()));
    return nullptr;
  }
  return document;
}

void QtPlatform::quitApplication() {
  endEventLoop();
}

void QtPlatform::endEventLoop() {
  QCoreApplication::exit(0);
}

}  // namespace kalmoris
