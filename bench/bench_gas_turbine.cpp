#include <benchmark/benchmark.h>

#include <string>

#include "gas_turbine/gas_evaluation.h"

namespace corvasine::gas {
namespace {

struct BenchCase {
  GasInputState state;
  GasEvaluationBoxes boxes;
  GasMixture mix;
};

BenchCase methaneAt15PercentO2() {
  BenchCase c;
  c.mix.fuelComp[kMethane] = 100.0;
  c.state.finalInletPress = 14.34;
  c.state.fuelTemp = 80.0;
  c.state.fuelFlow = 1000.0;
  c.state.exhaustTemp = 1050.0;
  c.state.compDischTemp = 720.0;
  c.state.compDischPress = 220.0;
  c.boxes = GasEvaluationBoxes{.Text1 = "59",
                               .cmbtempAtFirst = true,
                               .Text15 = "15",
                               .Text5 = "0.0064",
                               .Text26 = "1.5",
                               .Text25 = "",
                               .Text25Enabled = false};
  return c;
}

BenchCase naturalGasByExhaustFlow() {
  BenchCase c;
  c.mix.fuelComp[kMethane] = 85.0;
  c.mix.fuelComp[kEthane] = 6.0;
  c.mix.fuelComp[kPropane] = 2.0;
  c.mix.fuelComp[kCO2] = 2.0;
  c.mix.fuelComp[kN2] = 4.5;
  c.mix.fuelComp[kH2S] = 0.5;
  c.state.finalInletPress = 14.12;
  c.state.fuelTemp = 120.0;
  c.state.fuelFlow = 1200.0;
  c.state.exhaustTemp = 1010.0;
  c.state.exhaustFlow = 38000.0;
  c.state.compDischTemp = 780.0;
  c.state.compDischPress = 235.5;
  c.state.balanceMode = kBalanceExhaustFlow;
  c.boxes = GasEvaluationBoxes{.Text1 = "95",
                               .cmbtempAtFirst = true,
                               .Text15 = "38000",
                               .Text5 = "0.0213",
                               .Text26 = "2",
                               .Text25 = "98.3",
                               .Text25Enabled = true};
  return c;
}

BenchCase sixteenComponentsInMetricUnits() {
  BenchCase c;
  const double shares[] = {87.9, 4,   0.5, 1.5, 0.3, 0.3, 0.4, 0.1,
                           0.1,  0.1, 0.1, 0.1, 1.5, 2.5, 0.2, 0.4};
  for (std::size_t i = 0; i < 16; ++i) c.mix.fuelComp[i + 1] = shares[i];
  c.state.finalInletPress = 13.93;
  c.state.fuelTemp = 86.0;
  c.state.fuelFlow = 1081.5419;
  c.state.exhaustTemp = 1040.0;
  c.state.compDischTemp = 743.0;
  c.state.compDischPress = 13.2 * 14.5038;
  c.boxes = GasEvaluationBoxes{.Text1 = "12.5",
                               .cmbtempAtFirst = false,
                               .Text15 = "14.2",
                               .Text5 = "0.0061",
                               .Text26 = "1.2",
                               .Text25 = "97.8",
                               .Text25Enabled = true};
  return c;
}

BenchCase o2TargetUnreachable() {
  BenchCase c = methaneAt15PercentO2();
  c.boxes.Text15 = "21";
  return c;
}

BenchCase zeroAir() {
  BenchCase c = methaneAt15PercentO2();
  c.mix.fuelComp = {};
  c.mix.fuelComp[kN2] = 100.0;
  return c;
}

void evaluate(benchmark::State& bench, BenchCase (*make)(), GasEvaluationOutcome expected) {
  const BenchCase input = make();
  for (auto _ : bench) {
    BenchCase c = input;
    GasEvaluation record;
    std::string result;
    const GasEvaluationOutcome outcome =
        evaluateGasTurbine(c.state, c.boxes, c.mix, record, result);
    // A zero exhaust total would mean the evaluation failed before the air-flow search.
    if (outcome != expected || record.exhaustTotal == 0.0) bench.SkipWithError("wrong path");
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK_CAPTURE(evaluate, MethaneAt15PercentO2, methaneAt15PercentO2, GasEvaluationOutcome::Done)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluate, NaturalGasByExhaustFlow, naturalGasByExhaustFlow,
                  GasEvaluationOutcome::Done)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluate, SixteenComponentsInMetricUnits, sixteenComponentsInMetricUnits,
                  GasEvaluationOutcome::Done)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluate, O2TargetUnreachable, o2TargetUnreachable,
                  GasEvaluationOutcome::CheckValues)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(evaluate, ZeroAir, zeroAir, GasEvaluationOutcome::CheckValues)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvasine::gas
