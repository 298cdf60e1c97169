// Every reference evaluation of the steam turbine, with the fast isentropic
// search and with the literal one-step-at-a-time search beside it.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "steam_turbine/literal_isentropic_search.h"
#include "steam_turbine/reference_cases.h"
#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine {
namespace {

using testing::FakeSteamWindow;
using testing::SteamReferenceCase;

// One whole evaluation per iteration, from fresh boxes.
void evaluate(benchmark::State& bench, const SteamReferenceCase& c, bool literal) {
  FakeSteamWindow boxes;
  testing::loadBoxes(c, boxes);
  for (auto _ : bench) {
    FakeSteamWindow window = boxes;
    EvaluationState evaluation;
    SteamResult result;
    if (literal) {
      testing::LiteralIsentropicSearch search;
      result = evaluateSteamTurbine(c.state, evaluation, window, search);
    } else {
      result = evaluateSteamTurbine(c.state, evaluation, window);
    }
    if (testing::messageOf(result.outcome) != c.message) bench.SkipWithError("wrong outcome");
    benchmark::DoNotOptimize(result);
  }
}

bool registerReferenceCases() {
  static const std::vector<SteamReferenceCase> cases =
      testing::readSteamReference(CORVASINE_STEAM_REFERENCE_DIR "/steam_reference.txt");
  for (const SteamReferenceCase& c : cases) {
    // The window evaluates neither typing alone nor what its own check refuses.
    if (!c.evaluated || c.message == kCheckValuesMessage) continue;
    for (bool literal : {false, true}) {
      benchmark::RegisterBenchmark((c.name + (literal ? "/literal" : "/fast")).c_str(),
                                   [&c, literal](benchmark::State& s) { evaluate(s, c, literal); })
          ->Unit(benchmark::kMicrosecond);
    }
  }
  return true;
}

const bool registered = registerReferenceCases();

}  // namespace
}  // namespace corvasine::steam_turbine
