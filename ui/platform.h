#pragma once

#include "core/page_font.h"
#include "core/report_document.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace kalmoris {

// The services of the desktop the screens use: the error box, the file dialogs, the print
// dialog, the printers and the end of the application. The program runs on Qt's; the tests
// install a scripted one.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual void showError(QWidget* parent, const QString& message) = 0;
  virtual bool askYesNo(QWidget* parent, const QString& question) = 0;
  enum class Answer { Yes, No, Cancel };
  // Oui, Non or Annuler; Oui by default.
  virtual Answer askYesNoCancel(QWidget* parent, const QString& question) = 0;

  // An empty name means the user cancelled.
  virtual QString askOpenFileName(QWidget* parent, const QString& directory,
                                  const QString& filter) = 0;
  virtual QString askSaveFileName(QWidget* parent, const QString& directory,
                                  const QString& filter) = 0;

  // The standard print dialog on the current printer; what the user confirms becomes current.
  virtual bool runPrintDialog(QWidget* parent) = 0;
  virtual QStringList printerNames() = 0;
  virtual QString currentPrinterName() = 0;
  virtual void selectPrinter(const QString& name) = 0;
  virtual PrintableArea printableArea() = 0;
  // A document on the current printer, or none when it cannot be printed (the reason has
  // been shown) or the user cancelled the choice of an output file.
  virtual std::unique_ptr<ReportDocument> beginDocument(QWidget* parent) = 0;

  virtual void quitApplication() = 0;

  // The page font of the current printer, kept from one report to the next.
  PageFont& pageFont() { return pageFont_; }

 private:
  PageFont pageFont_;
};

// The application's platform; installPlatform does not take ownership.
Platform& platform();
void installPlatform(Platform* platform);

}  // namespace kalmoris
