#include <benchmark/benchmark.h>

#include <string>

#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/reference/gas_reference_cases.h"

namespace corvasine::gas {
namespace {

using reference::GasCaseInput;

GasCaseInput o2TargetUnreachable() {
  GasCaseInput c = reference::methaneAt15PercentO2();
  c.input.o2Target = 21.0;
  return c;
}

GasCaseInput zeroAir() {
  GasCaseInput c = reference::methaneAt15PercentO2();
  c.mix.fuelComp = {};
  c.mix.fuelComp[kN2] = 100.0;
  return c;
}

// One whole evaluation per iteration, from a fresh record.
void evaluate(benchmark::State& bench, GasCaseInput (*make)(), GasEvaluationOutcome expected) {
  const GasCaseInput input = make();
  for (auto _ : bench) {
    const GasEvaluationResult result = evaluateGasTurbine(input.input, input.mix, GasEvaluation{});
    // A zero exhaust total would mean the evaluation failed before the air-flow search.
    if (result.outcome != expected || result.record.exhaustTotal == 0.0)
      bench.SkipWithError("wrong path");
    std::string text;
    if (result.outcome == GasEvaluationOutcome::Done)
      text = gasResultText(input.input, result.record);
    benchmark::DoNotOptimize(text);
  }
}

BENCHMARK_CAPTURE(evaluate, MethaneAt15PercentO2, reference::methaneAt15PercentO2,
                  GasEvaluationOutcome::Done)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluate, NaturalGasByExhaustFlow, reference::naturalGasByExhaustFlow,
                  GasEvaluationOutcome::Done)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluate, SixteenComponentsInMetricUnits,
                  reference::sixteenComponentsInMetricUnits, GasEvaluationOutcome::Done)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluate, O2TargetUnreachable, o2TargetUnreachable,
                  GasEvaluationOutcome::CheckValues)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(evaluate, ZeroAir, zeroAir, GasEvaluationOutcome::CheckValues)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvasine::gas
