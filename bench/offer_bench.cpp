#include "core/rate_bracketing.h"
#include "offer/core/dated_rate.h"
#include "offer/core/offer_flows.h"
#include "offer/core/offer_results.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace kalmoris;

// Forty years of monthly instalments with an optional insurance, so that the TAEG and the TAEA
// take two rates: 300 000 drawn mid-January, fees then, the first instalment in early March.
Offer FortyYears() {
  Offer offer;
  offer.periodsPerYear = 12;
  offer.drawdowns = {{QDate(2026, 1, 15), 300000, {}}};
  offer.fees = {{QStringLiteral("Dossier"), 2000, std::nullopt, {}}};
  offer.firstInstalment = QDate(2026, 3, 5);
  offer.steps = {{480, 1650.25L, 62.5L, {}}};
  offer.insuranceRequired = false;
  return offer;
}

// Everything the results hold: the flows and their times, the TAEG, the TAEA and the cost.
void BM_OfferResults480(benchmark::State& state) {
  const Offer offer = FortyYears();
  for (auto _ : state) benchmark::DoNotOptimize(computeOfferResults(offer));
}
BENCHMARK(BM_OfferResults480)->Unit(benchmark::kMicrosecond);

// The two rates alone, on flows already timed.
void BM_TaegAndTaea480(benchmark::State& state) {
  const std::vector<OfferFlow> flows = offerFlows(FortyYears());
  const auto without = ratedAmounts(flows, InsuranceCounted::None);
  const auto with = ratedAmounts(flows, InsuranceCounted::All);
  int evaluations = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solveAnnualRate(without, &evaluations));
    benchmark::DoNotOptimize(solveAnnualRate(with, &evaluations));
  }
  state.counters["evaluations"] =
      benchmark::Counter(evaluations, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TaegAndTaea480)->Unit(benchmark::kMicrosecond);

// The same search, each point taken with one power per flow.
class OnePowerPerFlow : public DatedPresentValue {
 public:
  using DatedPresentValue::DatedPresentValue;
  CurvePoint at(Real x, Real rate, bool withSlopes) const override {
    return flowByFlow(x, rate, withSlopes);
  }
};

void BM_TaegAndTaea480OnePowerPerFlow(benchmark::State& state) {
  const std::vector<OfferFlow> flows = offerFlows(FortyYears());
  const auto without = ratedAmounts(flows, InsuranceCounted::None);
  const auto with = ratedAmounts(flows, InsuranceCounted::All);
  int evaluations = 0;
  for (auto _ : state) {
    for (const auto* amounts : {&without, &with}) {
      const OnePowerPerFlow curve(*amounts);
      benchmark::DoNotOptimize(SearchRate(curve, curve.shape(), 0, evaluations, 0x1p-10L));
    }
  }
  state.counters["evaluations"] =
      benchmark::Counter(evaluations, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TaegAndTaea480OnePowerPerFlow)->Unit(benchmark::kMicrosecond);

// The flows and their times, without a rate.
void BM_Flows480(benchmark::State& state) {
  const Offer offer = FortyYears();
  for (auto _ : state) benchmark::DoNotOptimize(offerFlows(offer));
}
BENCHMARK(BM_Flows480)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
