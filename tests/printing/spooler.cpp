#include "tests/printing/spooler.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

namespace kalmoris::testing {

bool SpoolerPlatform::queueInstalled() {
  return QPrinterInfo::availablePrinterNames().contains(queueName());
}

void SpoolerPlatform::showError(QWidget*, const QString& message) {
  errors.append(message);
}

bool SpoolerPlatform::runPrintDialog(QWidget*) {
  ++printDialogs;
  return true;
}

namespace {
QStringList pdfFiles() {
  return QDir(SpoolerPlatform::outputFolder())
      .entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}
}  // namespace

PrintedPdf::PrintedPdf() : before_(pdfFiles()) {}

bool PrintedPdf::waitForJob(int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < timeoutMs) {
    for (const QString& name : pdfFiles()) {
      if (before_.contains(name)) continue;
      const QString path = QDir(SpoolerPlatform::outputFolder()).filePath(name);
      // The spooler writes the file in steps: wait until its size settles.
      qint64 size = -1;
      while (QFileInfo(path).size() != size && timer.elapsed() < timeoutMs) {
        size = QFileInfo(path).size();
        QThread::msleep(300);
      }
      QProcess pdftotext;
      pdftotext.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), path, QStringLiteral("-")});
      if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) continue;
      file_ = path;
      pages_ = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
      if (!pages_.isEmpty() && pages_.back().trimmed().isEmpty()) pages_.removeLast();
      return true;
    }
    QThread::msleep(200);
  }
  return false;
}

}  // namespace kalmoris::testing
