// The evaluation with the fast isentropic search against the same evaluation
// stepping literally: over random cases of every arrangement, every outcome,
// text, progress figure and figure left must be the same, and every search
// shown must end.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>

#include "steam_turbine/literal_isentropic_search.h"
#include "steam_turbine/steam_cases.h"
#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine {
namespace {

using testing::Arrangement;
using testing::EvaluationCase;
using testing::LiteralIsentropicSearch;
using testing::RecordedProgress;

struct Evaluated {
  SteamResult result;
  RecordedProgress shown;
};

Evaluated evaluate(const EvaluationCase& c, IsentropicSearch* search) {
  Evaluated run;
  run.result = search == nullptr ? evaluateSteamTurbine(c.input, run.shown)
                                 : evaluateSteamTurbine(c.input, run.shown, *search);
  return run;
}

// Everything an evaluation leaves that a user or a caller can see.
auto seen(const Evaluated& e) {
  const EvaluationFigures& f = e.result.figures;
  return std::tuple(e.result.outcome, e.result.resultText, e.shown.progress, e.shown.searching,
                    f.turbinePower, f.turbineEfficiency, f.isenQuality, f.searchStep,
                    f.firstPassDone);
}

struct Sample {
  std::string name;
  Arrangement arrangement;
  int cases;
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

class FastEvaluation : public ::testing::TestWithParam<Sample> {};

TEST_P(FastEvaluation, MatchesTheLiteralSteps) {
  std::mt19937_64 random(7 + static_cast<unsigned>(GetParam().arrangement));
  std::map<SteamOutcome, int> outcomes;
  const int cases = GetParam().cases * testing::sampleScale();
  for (int i = 0; i < cases; ++i) {
    const EvaluationCase c = testing::randomCase(random, GetParam().arrangement);
    LiteralIsentropicSearch literal;
    const Evaluated slow = evaluate(c, &literal);
    const Evaluated fast = evaluate(c, nullptr);
    EXPECT_EQ(seen(fast), seen(slow)) << c.label;
    EXPECT_TRUE(fast.shown.balanced()) << c.label;
    ++outcomes[fast.result.outcome];
  }
  // The sample reaches results, not only early exits.
  EXPECT_GT(outcomes[SteamOutcome::Done], cases / 2);
}

// Literal induction searches step the stage-2 end in every pass, some
// hundred thousand property calls a case: their samples are smaller to keep
// the suite fast under the sanitizers. With a sample scale of 500 (20000 and
// 1500 cases) every case has matched.
INSTANTIATE_TEST_SUITE_P(
    Arrangements, FastEvaluation,
    ::testing::Values(Sample{"NoExtraStream", Arrangement::NoExtraStream, 40},
                      Sample{"Extraction", Arrangement::Extraction, 40},
                      Sample{"Induction", Arrangement::Induction, 2},
                      Sample{"InductionAndExtraction", Arrangement::InductionAndExtraction, 2}),
    [](const ::testing::TestParamInfo<Sample>& info) { return info.param.name; });

}  // namespace
}  // namespace corvasine::steam_turbine
