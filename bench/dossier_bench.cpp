// A full dossier of 360 groups validated and calculated, both solves running to their
// iteration limits (every payment negative, every count its own): the core alone on a
// headless screen, then the real screen offscreen, from the typed grid to the painted results.
#include "core/solver.h"
#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "dossier/dossier_screen.h"
#include "testing/headless_dossier_view.h"
#include "testing/scripted_platform.h"
#include "ui/string_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace kalmoris;

constexpr int kGroups = kMaxGroups;

// The typed cells of group `row`: amount, count, insurance, fees. The capital, then 359 runs
// of payments, each with its own count so that no power is shared between groups, at a rate
// where both chord iterations run out and the search finds the rate: the slowest calculation.
std::array<QString, 4> typedRow(int row) {
  if (row == 1) return {QStringLiteral("-100000"), QStringLiteral("1"), {}, {}};
  const QString count = QString::number(1 + (row - 1) / 1024.0, 'f', 10).replace('.', ',');
  return {QString::number(8000 + ((row - 1) % 7) * 10), count, QStringLiteral("0,5"),
          QStringLiteral("0")};
}

HeadlessDossierView typedDossier() {
  HeadlessDossierView view;
  view.writeField(HeaderField::Capital, QStringLiteral("100000"));
  view.writeField(HeaderField::RepaymentCount, QStringLiteral("360"));
  view.writeField(HeaderField::RepaymentsPerYear, QStringLiteral("12"));
  view.writeField(HeaderField::BlockCount, QString::number(kGroups));
  for (int row = 1; row <= kGroups; ++row) {
    const auto cells = typedRow(row);
    for (int col = 0; col < 4; ++col) view.writeCell(col + 1, row, cells[col]);
  }
  return view;
}

// The iterations each solve ran on the dossier's groups.
void countIterations(benchmark::State& state, const LoanDossier& dossier) {
  for (const auto& [name, allIn, limit] :
       {std::tuple{"nominalIterations", false, 1000}, std::tuple{"tegIterations", true, 200}}) {
    std::vector<SchedulePoint> schedule;
    for (const RepaymentGroup& group : dossier.groups)
      schedule.push_back({allIn ? group.cumul : group.amount, group.count});
    PeriodRateSolver::Trace trace;
    PeriodRateSolver::solve(schedule, dossier.repaymentsPerYear, limit, StopOrder::UpdateFirst,
                            &trace);
    state.counters[name] = trace.iterations;
    if (!trace.searched) state.SkipWithError("a chord iteration converged: no search measured");
  }
}

void BM_DossierValidateAndCalculate(benchmark::State& state) {
  const HeadlessDossierView typed = typedDossier();
  LoanDossier dossier;
  for (auto _ : state) {
    state.PauseTiming();
    HeadlessDossierView view = typed;
    state.ResumeTiming();
    validateHeader(dossier, view);
    calculateDossier(dossier, view);
    benchmark::DoNotOptimize(view.texts);
  }
  countIterations(state, dossier);
}
BENCHMARK(BM_DossierValidateAndCalculate)->Unit(benchmark::kMillisecond);

// The screen as the user has it: header typed, grid filled, then VALIDER and CALCULER
// clicked and the grid painted.
class ShownDossier {
 public:
  ShownDossier() {
    form_.show();
    for (int tries = 0; tries < 100 && !form_.windowHandle()->isExposed(); ++tries)
      QCoreApplication::processEvents();
    field("ch_capital")->setText(QStringLiteral("36000"));
    field("ch_nb_remb")->setText(QStringLiteral("360"));
    field("ch_remb_an")->setText(QStringLiteral("12"));
    field("ch_grpv")->setText(QString::number(kGroups));
  }
  void fillGrid() {
    StringGrid* grid = form_.findChild<StringGrid*>(QStringLiteral("StringGrid1"));
    for (int row = 1; row <= kGroups; ++row) {
      const auto cells = typedRow(row);
      for (int col = 0; col < 4; ++col) grid->setCell(col + 1, row, cells[col]);
    }
  }
  void validateAndCalculate() {
    button("bt_valider")->click();
    button("BBt_CALCUL")->click();
    form_.findChild<StringGrid*>(QStringLiteral("StringGrid1"))->viewport()->repaint();
  }
  QString nominalRate() {
    return form_.findChild<QWidget*>(QStringLiteral("Panel83"))->property("text").toString();
  }

 private:
  QLineEdit* field(const char* name) {
    return form_.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QPushButton* button(const char* name) {
    return form_.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  TForm2 form_;
};

void BM_DossierScreenClicks(benchmark::State& state) {
  ShownDossier screen;
  for (auto _ : state) {
    state.PauseTiming();
    screen.fillGrid();
    state.ResumeTiming();
    screen.validateAndCalculate();
  }
  if (screen.nominalRate().isEmpty()) state.SkipWithError("no rate shown");
}
BENCHMARK(BM_DossierScreenClicks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kalmoris::testing::ScriptedPlatform platform;
  kalmoris::installPlatform(&platform);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kalmoris::installPlatform(nullptr);
  return platform.errors.isEmpty() ? 0 : 1;
}
