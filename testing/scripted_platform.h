#pragma once

#include "testing/recording_document.h"
#include "ui/platform.h"

#include <QObject>
#include <QStringList>

#include <deque>
#include <map>
#include <memory>
#include <vector>

class QTimer;

namespace kalmoris::testing {

// A platform whose dialogs answer from a script. Error boxes are recorded instead of shown;
// a question with no scripted answer is recorded as unexpected and answered "cancel", so a
// test never hangs on a dialog. Printed documents are recording documents kept in `printed`.
class ScriptedPlatform : public Platform {
 public:
  ScriptedPlatform();
  ~ScriptedPlatform() override;

  void showError(QWidget* parent, const QString& message) override;
  bool askYesNo(QWidget* parent, const QString& question) override;
  Answer askYesNoCancel(QWidget* parent, const QString& question) override;
  QString askOpenFileName(QWidget* parent, const QString& directory,
                          const QString& filter) override;
  QString askSaveFileName(QWidget* parent, const QString& directory,
                          const QString& filter) override;
  bool runPrintDialog(QWidget* parent) override;
  QStringList printerNames() override { return printers; }
  QString currentPrinterName() override { return current; }
  void selectPrinter(const QString& name) override { current = name; }
  PrintableArea printableArea() override;
  std::unique_ptr<ReportDocument> beginDocument(QWidget* parent) override;
  // Counted; with endsEventLoop, the application's event loop ends as the program's own does.
  void quitApplication() override;

  // The error boxes shown since the last call, which are then forgotten.
  QStringList takeErrors();
  const DocumentRecord& lastPrinted() const;

  // Script.
  std::deque<bool> yesNoAnswers;
  std::deque<Answer> yesNoCancelAnswers;
  std::deque<QString> openAnswers;  // an empty name cancels
  std::deque<QString> saveAnswers;
  std::deque<bool> printDialogAnswers;
  QStringList printers{QStringLiteral("Imprimante Bureau"), QStringLiteral("Imprimante Atelier")};
  QString current = QStringLiteral("Imprimante Bureau");
  std::map<QString, PrintableArea> areas;  // per printer; the default area otherwise
  QStringList expectedDialogs;  // titles of the program's own dialogs a test drives itself
  bool endsEventLoop = false;

  // Record.
  QStringList errors;
  QStringList questions;
  QStringList unexpected;
  QString lastOpenDirectory;
  QString lastOpenFilter;
  QString lastSaveFilter;
  int printDialogs = 0;
  int quitRequests = 0;
  std::vector<std::shared_ptr<DocumentRecord>> printed;
};

// Closes any modal window that appears while a test runs and records it: an unexpected
// modal dialog fails the test instead of hanging it. The dialogs a test expects stay open.
class ModalGuard : public QObject {
  Q_OBJECT

 public:
  explicit ModalGuard(ScriptedPlatform& platform);

 private:
  void check();

  ScriptedPlatform& platform_;
  QTimer* timer_;
};

}  // namespace kalmoris::testing
