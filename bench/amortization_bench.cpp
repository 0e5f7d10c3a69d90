// The amortization table's display: the schedule pass alone, the pass with the grid views
// filled and their visible cells written, the real AFFICHER click on an offscreen screen,
// and scrolling through a long table.
#include "amortization/amortization_screen.h"
#include "amortization/schedule_grid.h"
#include "core/rates.h"
#include "ui/qt_platform.h"
#include "ui/string_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace kalmoris;

ScheduleInputs FrancsLoan(std::int32_t total) {
  ScheduleInputs inputs;
  inputs.unit = MoneyUnit::Francs;
  inputs.kind = RateKind::Proportional;
  inputs.capital = 100000;
  inputs.otherCapital = OtherCurrencyValue(inputs.capital, inputs.unit).value();
  inputs.annualRate = 6;
  inputs.perYear = 12;
  inputs.total = total;
  inputs.firstMonth = 3;
  inputs.firstYear = 2002;
  inputs.periodRate = PeriodRateFromAnnual(inputs.kind, inputs.annualRate, inputs.perYear);
  inputs.instalment = InstalmentOf(inputs.capital, inputs.periodRate, total);
  inputs.otherInstalment = InstalmentOf(inputs.otherCapital, inputs.periodRate, total);
  return inputs;
}

void BM_SchedulePass(benchmark::State& state) {
  const ScheduleInputs inputs = FrancsLoan(std::int32_t(state.range(0)));
  for (auto _ : state) {
    DatedSchedule schedule;
    ComputeSchedule(inputs, schedule);
    benchmark::DoNotOptimize(schedule.typed.totalInterest);
  }
}
BENCHMARK(BM_SchedulePass)->Arg(240)->Arg(100000)->Unit(benchmark::kMillisecond);

// The pass, both grid models given the schedule, and the cells of one screenful written.
void BM_GridModelFill(benchmark::State& state) {
  const ScheduleInputs inputs = FrancsLoan(std::int32_t(state.range(0)));
  ScheduleCells typed(ScheduleCells::Side::Typed);
  ScheduleCells other(ScheduleCells::Side::Other);
  for (auto _ : state) {
    auto schedule = std::make_shared<DatedSchedule>();
    ComputeSchedule(inputs, *schedule);
    typed.show(schedule);
    other.show(schedule);
    for (ScheduleCells* cells : {&typed, &other})
      for (int row = 1; row <= 16; ++row)
        for (int col = 0; col < ScheduleCells::kColumns; ++col)
          benchmark::DoNotOptimize(cells->cell(col, row));
    typed.clearBelowHeader();
    other.clearBelowHeader();
  }
}
BENCHMARK(BM_GridModelFill)->Arg(240)->Arg(100000)->Unit(benchmark::kMillisecond);

// The screen as the user has it: the fields typed, AFFICHER clicked, both grids painted.
class ShownScreen {
 public:
  explicit ShownScreen(int total) {
    form_.show();
    // Painting starts once the window is exposed.
    for (int tries = 0; tries < 100 && !form_.windowHandle()->isExposed(); ++tries)
      QCoreApplication::processEvents();
    field("ch_le_taux")->setText(QStringLiteral("6"));
    field("ch_ech_an")->setText(QStringLiteral("12"));
    field("ch_tot_ech")->setText(QString::number(total));
    field("ch_mois")->setText(QStringLiteral("3"));
    field("ch_annee")->setText(QStringLiteral("2002"));
    form_.findChild<QPushButton*>(QStringLiteral("francs"))->click();
    form_.findChild<QPushButton*>(QStringLiteral("tx_prop"))->click();
  }
  QLineEdit* field(const char* name) {
    return form_.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  StringGrid* grid(int number) {
    return form_.findChild<StringGrid*>(QStringLiteral("StringGrid%1").arg(number));
  }
  // The capital typed anew, so that the change rule and every rewrite run as on a real click.
  void display() {
    field("ch_capital")->setText(QStringLiteral("100000"));
    form_.findChild<QPushButton*>(QStringLiteral("AFFICHER"))->click();
    paint();
  }
  void paint() {
    for (int number : {1, 2}) grid(number)->viewport()->repaint();
  }

 private:
  TForm7 form_;
};

void BM_AfficherClick(benchmark::State& state) {
  ShownScreen screen(int(state.range(0)));
  for (auto _ : state) screen.display();
}
BENCHMARK(BM_AfficherClick)->Arg(240)->Arg(100000)->Unit(benchmark::kMillisecond);

// One scroll step through a 100 000-row table: a page further down, then painted.
void BM_ScrollLongTable(benchmark::State& state) {
  ShownScreen screen(100000);
  screen.display();
  int row = 0;
  for (auto _ : state) {
    row = (row + 997) % 100000;
    for (int number : {1, 2}) {
      StringGrid* grid = screen.grid(number);
      grid->scrollTo(grid->model()->index(row, 0), QAbstractItemView::PositionAtTop);
    }
    screen.paint();
  }
}
BENCHMARK(BM_ScrollLongTable)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kalmoris::QtPlatform platform;
  kalmoris::installPlatform(&platform);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kalmoris::installPlatform(nullptr);
  return 0;
}
