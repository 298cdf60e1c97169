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

using testing::SteamReferenceCase;

// Counts what the evaluation shows, as cheaply as a window would take it.
struct ProgressSink final : SearchProgress {
  long shown = 0;
  void setSearching(bool) override { ++shown; }
  void showProgress(const std::string&) override { ++shown; }
};

// One whole evaluation per iteration, from the figures the window read.
void evaluate(benchmark::State& bench, const SteamReferenceCase& c, bool literal) {
  const SteamEvaluationInput input = testing::evaluationInput(c);
  for (auto _ : bench) {
    ProgressSink progress;
    SteamResult result;
    if (literal) {
      testing::LiteralIsentropicSearch search;
      result = evaluateSteamTurbine(input, progress, search);
    } else {
      result = evaluateSteamTurbine(input, progress);
    }
    if (testing::messageOf(result.outcome) != c.message) bench.SkipWithError("wrong outcome");
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(progress.shown);
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
