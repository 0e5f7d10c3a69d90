#include "core/errors.h"
#include "core/rate_search.h"
#include "core/solver.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using kalmoris::NoRateFailure;
using kalmoris::PeriodRateSolver;
using kalmoris::Real;
using kalmoris::SchedulePoint;
using kalmoris::SearchPeriodRate;
using kalmoris::StopOrder;

// The nominal-rate calculator: the capital, then 240 monthly instalments.
void BM_CalculatorLoan(benchmark::State& state) {
  const std::vector<SchedulePoint> schedule = {{-100000, 1}, {716.43L, 240}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(PeriodRateSolver::solve(schedule, 12, 200, StopOrder::TestFirst));
  }
}
BENCHMARK(BM_CalculatorLoan)->Unit(benchmark::kMicrosecond);

// A full dossier of 360 groups: the capital, then 359 runs of payments at some 8 % a period (12 %
// with counts of one period), where the chord iteration creeps so slowly that it reaches its 1000
// iterations and the search finds the rate. `distinctCounts` gives every group its own count, so
// that no power is shared between groups (the slowest case); otherwise every group has one
// period. `extra` is added to every payment (the insurance of the all-in schedule).
std::vector<SchedulePoint> fullDossier(bool distinctCounts, Real extra = 0) {
  std::vector<SchedulePoint> schedule = {{-100000, 1}};
  for (int g = 1; g < 360; ++g) {
    const Real payment = (distinctCounts ? 8000 : 12000) + (g % 7) * 10 + extra;
    schedule.push_back({payment, distinctCounts ? 1 + g / 1024.0L : 1});
  }
  return schedule;
}

void reportTrace(benchmark::State& state, const PeriodRateSolver::Trace& trace) {
  state.counters["iterations"] = trace.iterations;
  state.counters["evaluations"] = trace.evaluations;
  state.counters["searchEvaluations"] = trace.searchEvaluations;
}

void RunFullDossier(benchmark::State& state, bool distinctCounts) {
  const std::vector<SchedulePoint> schedule = fullDossier(distinctCounts);
  PeriodRateSolver::Trace trace;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PeriodRateSolver::solve(schedule, 12, 1000, StopOrder::UpdateFirst, &trace));
  }
  reportTrace(state, trace);
  if (!trace.searched) state.SkipWithError("the iteration converged: no search measured");
}

void BM_FullDossierEqualCounts(benchmark::State& state) {
  RunFullDossier(state, false);
}
BENCHMARK(BM_FullDossierEqualCounts)->Unit(benchmark::kMillisecond);

void BM_FullDossierDistinctCounts(benchmark::State& state) {
  RunFullDossier(state, true);
}
BENCHMARK(BM_FullDossierDistinctCounts)->Unit(benchmark::kMillisecond);

// The search alone, from where the iteration ended on it.
void BM_FullDossierSearchAlone(benchmark::State& state) {
  const std::vector<SchedulePoint> schedule = fullDossier(true);
  PeriodRateSolver::Trace trace;
  PeriodRateSolver::solve(schedule, 12, 1000, StopOrder::UpdateFirst, &trace);
  int evaluations = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SearchPeriodRate(schedule, trace.iterationRate, evaluations));
  }
  state.counters["searchEvaluations"] =
      benchmark::Counter(evaluations, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullDossierSearchAlone)->Unit(benchmark::kMillisecond);

// The dossier's two solves on it: nominal rate (limit 1000), then TEG (limit 200).
void BM_FullDossierBothSolves(benchmark::State& state) {
  const std::vector<SchedulePoint> payments = fullDossier(true);
  const std::vector<SchedulePoint> allIn = fullDossier(true, 0.5L);
  for (auto _ : state) {
    benchmark::DoNotOptimize(PeriodRateSolver::solve(payments, 12, 1000, StopOrder::UpdateFirst));
    benchmark::DoNotOptimize(PeriodRateSolver::solve(allIn, 12, 200, StopOrder::UpdateFirst));
  }
}
BENCHMARK(BM_FullDossierBothSolves)->Unit(benchmark::kMillisecond);

// 360 groups without a rate, every count its own, all 1000 iterations run first. All deposits:
// the signs of the payments alone prove it. Alternating small repayments and larger deposits
// after the capital: the payments change sign at every group, so the search walks all rates and
// proves every cell free of a change of sign.
void RunNoRate(benchmark::State& state, const std::vector<SchedulePoint>& schedule) {
  PeriodRateSolver::Trace trace;
  for (auto _ : state) {
    try {
      PeriodRateSolver::solve(schedule, 12, 1000, StopOrder::UpdateFirst, &trace);
      state.SkipWithError("a rate was found");
    } catch (const NoRateFailure&) {
    }
  }
  reportTrace(state, trace);
}

std::vector<SchedulePoint> alternatingNoRate() {
  std::vector<SchedulePoint> schedule;
  for (int g = 0; g < 360; ++g) {
    schedule.push_back({g == 0 ? -100000 : g % 2 ? -10.5L : 10, 1 + g / 1024.0L});
  }
  return schedule;
}

void BM_NoRateAllDeposits(benchmark::State& state) {
  std::vector<SchedulePoint> schedule;
  for (int g = 0; g < 360; ++g) schedule.push_back({-100.0L - g, 1 + g / 1024.0L});
  RunNoRate(state, schedule);
}
BENCHMARK(BM_NoRateAllDeposits)->Unit(benchmark::kMillisecond);

void BM_NoRateAlternating(benchmark::State& state) {
  RunNoRate(state, alternatingNoRate());
}
BENCHMARK(BM_NoRateAlternating)->Unit(benchmark::kMillisecond);

void BM_NoRateAlternatingSearchAlone(benchmark::State& state) {
  const std::vector<SchedulePoint> schedule = alternatingNoRate();
  PeriodRateSolver::Trace trace;
  try {
    PeriodRateSolver::solve(schedule, 12, 1000, StopOrder::UpdateFirst, &trace);
  } catch (const NoRateFailure&) {
  }
  int evaluations = 0;
  for (auto _ : state) {
    try {
      SearchPeriodRate(schedule, trace.iterationRate, evaluations);
    } catch (const NoRateFailure&) {
    }
  }
  state.counters["searchEvaluations"] =
      benchmark::Counter(evaluations, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_NoRateAlternatingSearchAlone)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
