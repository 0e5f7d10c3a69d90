#include "testing/scripted_platform.h"

#include "ui/qt_platform.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kalmoris::testing {

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::showError(QWidget*, const QString& message) {
  errors.append(message);
}

bool ScriptedPlatform::askYesNo(QWidget*, const QString& question) {
  questions.append(question);
  if (yesNoAnswers.empty()) {
    unexpected.append(QStringLiteral("question: ") + question);
    return false;
  }
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

Platform::Answer ScriptedPlatform::askYesNoCancel(QWidget*, const QString& question) {
  questions.append(question);
  if (yesNoCancelAnswers.empty()) {
    unexpected.append(QStringLiteral("question: ") + question);
    return Answer::Cancel;
  }
  const Answer answer = yesNoCancelAnswers.front();
  yesNoCancelAnswers.pop_front();
  return answer;
}

QString ScriptedPlatform::askOpenFileName(QWidget*, const QString& directory,
                                          const QString& filter) {
  lastOpenDirectory = directory;
  lastOpenFilter = filter;
  if (openAnswers.empty()) {
    unexpected.append(QStringLiteral("open dialog"));
    return {};
  }
  QString answer = openAnswers.front();
  openAnswers.pop_front();
  return answer;
}

QString ScriptedPlatform::askSaveFileName(QWidget*, const QString&, const QString& filter) {
  lastSaveFilter = filter;
  if (saveAnswers.empty()) {
    unexpected.append(QStringLiteral("save dialog"));
    return {};
  }
  QString answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

bool ScriptedPlatform::runPrintDialog(QWidget*) {
  ++printDialogs;
  if (printDialogAnswers.empty()) {
    unexpected.append(QStringLiteral("print dialog"));
    return false;
  }
  const bool answer = printDialogAnswers.front();
  printDialogAnswers.pop_front();
  return answer;
}

PrintableArea ScriptedPlatform::printableArea() {
  const auto found = areas.find(current);
  return found == areas.end() ? RecordingDocument::defaultArea() : found->second;
}

std::unique_ptr<ReportDocument> ScriptedPlatform::beginDocument(QWidget*) {
  printed.push_back(std::make_shared<DocumentRecord>());
  return std::make_unique<RecordingDocument>(printed.back(), printableArea());
}

void ScriptedPlatform::quitApplication() {
  ++quitRequests;
  if (endsEventLoop) QtPlatform::endEventLoop();
}

QStringList ScriptedPlatform::takeErrors() {
  QStringList taken;
  taken.swap(errors);
  return taken;
}

const DocumentRecord& ScriptedPlatform::lastPrinted() const {
  static const DocumentRecord none;
  return printed.empty() ? none : *printed.back();
}

ModalGuard::ModalGuard(ScriptedPlatform& platform) : platform_(platform), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &ModalGuard::check);
  timer_->start(50);
}

void ModalGuard::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && !platform_.expectedDialogs.contains(modal->windowTitle())) {
    platform_.unexpected.append(QStringLiteral("modal window: ") + modal->windowTitle());
    modal->close();
  }
}

}  // namespace kalmoris::testing
