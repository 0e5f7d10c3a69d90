#pragma once

#include "ui/qt_platform.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace kalmoris::testing {

// The real platform printing through the system's spooler to its PDF queue KALMORIS_PDF
// (scripts/setup-printing), with the print dialog confirmed as it stands and error boxes
// recorded instead of shown.
class SpoolerPlatform : public QtPlatform {
 public:
  static QString queueName() { return QStringLiteral("KALMORIS_PDF"); }
  static QString outputFolder() { return QStringLiteral("/var/spool/kalmoris-pdf"); }
  static bool queueInstalled();

  void showError(QWidget* parent, const QString& message) override;
  bool runPrintDialog(QWidget* parent) override;

  QStringList errors;
  int printDialogs = 0;
};

// Waits for the PDF file of the next job in the queue's output folder and reads its text as
// pdftotext -layout gives it, one string per page.
class PrintedPdf {
 public:
  PrintedPdf();  // notes the files already there
  bool waitForJob(int timeoutMs = 60000);
  QStringList pages() const { return pages_; }
  QString text() const { return pages_.join(QLatin1Char('\f')); }
  QString fileName() const { return file_; }

 private:
  QStringList before_;
  QString file_;
  QStringList pages_;
};

}  // namespace kalmoris::testing
