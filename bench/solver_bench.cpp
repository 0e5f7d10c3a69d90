#include "core/solver.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using kalmoris::PeriodRateSolver;
using kalmoris::SchedulePoint;
using kalmoris::StopOrder;

// The nominal-rate calculator: the capital, then 240 monthly instalments.
void BM_CalculatorLoan(benchmark::State& state) {
  const std::vector<SchedulePoint> schedule = {{-100000, 1}, {716.43L, 240}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(PeriodRateSolver::solve(schedule, 12, 200, StopOrder::TestFirst));
  }
}
BENCHMARK(BM_CalculatorLoan)->Unit(benchmark::kMicrosecond);

// A full dossier of 360 groups whose payments keep the present value negative, so that all
// 1000 iterations run. `distinctCounts` gives every group its own count, so that no power is
// shared between groups (the slowest case); otherwise every group has one period.
void RunFullDossier(benchmark::State& state, bool distinctCounts) {
  std::vector<SchedulePoint> schedule;
  for (int g = 0; g < 360; ++g) {
    schedule.push_back({-100.0L - g, distinctCounts ? 1.0L + g * 0.001L : 1.0L});
  }
  PeriodRateSolver::Trace trace;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PeriodRateSolver::solve(schedule, 12, 1000, StopOrder::UpdateFirst, &trace));
  }
  state.counters["iterations"] = trace.iterations;
  state.counters["evaluations"] = trace.evaluations;
}

void BM_FullDossierEqualCounts(benchmark::State& state) {
  RunFullDossier(state, false);
}
BENCHMARK(BM_FullDossierEqualCounts)->Unit(benchmark::kMillisecond);

void BM_FullDossierDistinctCounts(benchmark::State& state) {
  RunFullDossier(state, true);
}
BENCHMARK(BM_FullDossierDistinctCounts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
