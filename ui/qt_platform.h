#pragma once

#include "ui/platform.h"

#include <memory>

class QPrinter;

namespace kalmoris {

// The desktop's own services: Qt's message box, file dialogs and print dialog, and the
// application's current printer. Where no printer is installed, or when the user picks
// "Fichier PDF", the current printer writes a 600 dpi PDF file whose name is asked at print time.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void showError(QWidget* parent, const QString& message) override;
  bool askYesNo(QWidget* parent, const QString& question) override;
  Answer askYesNoCancel(QWidget* parent, const QString& question) override;
  QString askOpenFileName(QWidget* parent, const QString& directory,
                          const QString& filter) override;
  QString askSaveFileName(QWidget* parent, const QString& directory,
                          const QString& filter) override;
  bool runPrintDialog(QWidget* parent) override;
  QStringList printerNames() override;
  QString currentPrinterName() override;
  void selectPrinter(const QString& name) override;
  PrintableArea printableArea() override;
  std::unique_ptr<ReportDocument> beginDocument(QWidget* parent) override;
  void quitApplication() override;

  static QString pdfOutputName();  // the list entry of the PDF file output

  // Ends the application's event loop at once. Not QApplication::quit(), which closes every
  // window first: the menu's close would then ask the screens a second time what they have
  // already agreed to.
  static void endEventLoop();

 private:
  void usePdfOutput();

  std::unique_ptr<QPrinter> printer_;
  bool pdfNameChosenByDialog_ = false;
};

}  // namespace kalmoris
