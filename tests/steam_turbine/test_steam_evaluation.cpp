// The evaluation's outcomes, messages, progress texts, exhaust flow box and
// isentropic ends, reasoned from what each arrangement computes.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <regex>
#include <string>

#include "runtime/number.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/fake_steam_window.h"
#include "steam_turbine/steam_cases.h"
#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine {
namespace {

using testing::FakeSteamWindow;
using testing::setStream;

// 900 psia and 900 °F expanding to 150 psia; induction at 150 psia, 600 °F;
// extraction at 300 psia, 650 °F; a superheated exhaust of 1233.72 Btu/lb.
struct Case {
  StreamState state;
  FakeSteamWindow window;
};

Case backPressure() {
  Case c;
  setStream(c.state, kInlet, 900.0, 900.0);
  c.state.streamPress[kExhaust] = 150.0;
  c.window.Text3 = "250";
  c.window.Text28 = "1274.31";
  return c;
}

Case withExtraction(const char* inlet, const char* extracted) {
  Case c;
  setStream(c.state, kInlet, 1250.0, 950.0);
  setStream(c.state, kExtraction, 300.0, 650.0);
  c.state.streamPress[kExhaust] = 100.0;
  c.state.extractionOn = kTrue;
  c.window.Text3 = inlet;
  c.window.Text19 = extracted;
  c.window.Text28 = "1258.99";
  return c;
}

Case withInduction(double inductionF) {
  Case c;
  setStream(c.state, kInlet, 900.0, 850.0);
  setStream(c.state, kInduction, 150.0, inductionF);
  c.state.streamPress[kExhaust] = 60.0;
  c.state.inductionOn = kTrue;
  c.window.Text3 = "200";
  c.window.Text10 = "60";
  c.window.Text28 = "1233.72";
  return c;
}

Case withBoth(const char* extracted) {
  Case c = withInduction(600.0);
  setStream(c.state, kExtraction, 40.0, 300.0);
  c.state.streamPress[kExhaust] = 10.0;
  c.state.extractionOn = kTrue;
  c.window.Text19 = extracted;
  c.window.Text28 = "1130";
  return c;
}

struct Evaluated {
  SteamResult result;
  EvaluationState evaluation;
  FakeSteamWindow window;
};

Evaluated evaluate(Case c) {
  Evaluated e{{}, {}, c.window};
  e.result = evaluateSteamTurbine(c.state, e.evaluation, e.window);
  e.window.finish(e.result);
  return e;
}

// ---- Outcomes: which message ends an evaluation, and what it leaves behind.

struct OutcomeCase {
  std::string name;
  std::function<Case()> make;
  SteamOutcome outcome;
  std::string text24;  // "-" when not written
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

class Outcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(Outcome, EndsWithItsMessageAndKeepsTheResultBox) {
  const OutcomeCase& p = GetParam();
  Case c = p.make();
  c.window.resultsText = "previous result";
  const Evaluated e = evaluate(c);
  EXPECT_EQ(e.result.outcome, p.outcome);
  EXPECT_EQ(e.window.exhaustWrites > 0 ? e.window.Text24 : "-", p.text24);
  EXPECT_TRUE(e.window.searchingBalanced());
  if (p.outcome == SteamOutcome::Done) {
    EXPECT_EQ(e.window.resultsText, e.result.resultText);
  } else if (p.outcome == SteamOutcome::SearchAborted) {
    EXPECT_EQ(e.window.resultsText, "Calculation terminated");
  } else if (e.window.progress.empty()) {
    EXPECT_EQ(e.window.resultsText, "previous result");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Evaluation, Outcome,
    ::testing::Values(
        OutcomeCase{"EmptyInletFlow",
                    [] {
                      Case c = backPressure();
                      c.window.Text3 = "";
                      return c;
                    },
                    SteamOutcome::CheckValues, ""},
        OutcomeCase{"ExhaustEnthalpyNotANumber",
                    [] {
                      Case c = backPressure();
                      c.window.Text28 = "12x";
                      return c;
                    },
                    SteamOutcome::CheckValues, "250"},
        OutcomeCase{"FlowOverflowsInThePowerBalance",
                    [] {
                      Case c = backPressure();
                      c.window.Text3 = "1e306";
                      return c;
                    },
                    SteamOutcome::CheckValues, "1e306"},
        OutcomeCase{"ExtractionAboveInlet", [] { return withExtraction("100", "120"); },
                    SteamOutcome::NegativeExhaust, "-20"},
        OutcomeCase{"ExtractionEqualToInletPasses", [] { return withExtraction("120", "120"); },
                    SteamOutcome::Done, "0"},
        OutcomeCase{"NoFlowAtAllLeavesNoOverallEfficiency", [] { return withExtraction("0", "0"); },
                    SteamOutcome::CheckValues, "0"},
        OutcomeCase{"InductionAndExtractionAboveBoth", [] { return withBoth("290"); },
                    SteamOutcome::NegativeExhaust, "-30"},
        OutcomeCase{"InductionAndExtraction", [] { return withBoth("100"); }, SteamOutcome::Done,
                    "160"},
        OutcomeCase{"StageEndBeyondTheLibraryRange",
                    [] {
                      // From 100 psia and 1000 °F up to 1500 psia: the isentropic end
                      // lies far above 1073.15 K.
                      Case c = backPressure();
                      setStream(c.state, kInlet, 100.0, 1000.0);
                      c.state.streamPress[kExhaust] = 1500.0;
                      return c;
                    },
                    SteamOutcome::WrongValues, "250"},
        OutcomeCase{"InductionGapGrowsBeyondTheFirstPass",
                    [] {
                      Case c = withInduction(1000.0);
                      c.window.Text10 = "400";
                      c.window.Text28 = "1258.57";
                      c.state.streamPress[kExhaust] = 60.0;
                      return c;
                    },
                    SteamOutcome::SearchAborted, "600"}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return info.param.name; });

// The exhaust box copies the inlet text itself, blanks and all.
TEST(ExhaustFlowBox, WithoutExtraStreamsShowsTheInletTextUnchanged) {
  Case c = backPressure();
  c.window.Text3 = " 250";
  EXPECT_EQ(evaluate(c).window.Text24, " 250");
}

// ---- The induction-point search.

TEST(InductionSearch, ShowsWholePercentProgressAndSearchesOncePerPass) {
  for (Case c : {withInduction(600.0), withBoth("100")}) {
    const bool both = c.state.extractionOn != kFalse;
    const Evaluated e = evaluate(c);
    ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
    ASSERT_FALSE(e.window.progress.empty());
    for (const std::string& text : e.window.progress) {
      EXPECT_TRUE(std::regex_match(text, std::regex("Evaluating: [0-9]+ %"))) << text;
    }
    // Every pass but the last shows its progress; every pass ends stage 2, and
    // stage 1 (and stage 3 with extraction) end once.
    const std::size_t passes = e.window.progress.size() + 1;
    EXPECT_EQ(e.window.searching.size(), 2 * (passes + 1 + (both ? 1 : 0)));
    EXPECT_TRUE(e.window.searchingBalanced());
    EXPECT_EQ(e.evaluation.firstPassDone, kTrue);
  }
}

TEST(InductionSearch, AbortShowsTheNegativeFigureFirst) {
  Case c = withInduction(1000.0);
  c.window.Text10 = "400";
  c.window.Text28 = "1258.57";
  const Evaluated e = evaluate(c);
  ASSERT_EQ(e.result.outcome, SteamOutcome::SearchAborted);
  ASSERT_FALSE(e.window.progress.empty());
  const std::string& last = e.window.progress.back();
  EXPECT_LT(runtime::ParseNumber(last.substr(12, last.size() - 14)), 0.0) << last;
}

// Stage ends far above the library's range make both efficiencies constant:
// the gap never changes and the search would run for ever.
class StuckSearch final : public IsentropicSearch {
 public:
  std::optional<double> isen_cond(double s, double p) override {
    double pa = p / 14.5;
    const double sg = steam::entropySatVapPW(pa) * 0.238846;
    return s > sg ? 1200.0 : 0.5;  // K beyond the range; a wet quality
  }
};

TEST(InductionSearch, EndsLikeTheAbortAfterItsBound) {
  Case c = withInduction(600.0);
  c.window.Text10 = "1";
  StuckSearch stuck;
  EvaluationState evaluation;
  const SteamResult result = evaluateSteamTurbine(c.state, evaluation, c.window, stuck);
  EXPECT_EQ(result.outcome, SteamOutcome::SearchAborted);
  EXPECT_EQ(c.window.progress.size(), static_cast<std::size_t>(kMaxInductionSearchPasses));
  EXPECT_EQ(c.window.progress.back(), "Evaluating: 0 %");
}

// ---- Isentropic ends at the saturation line.

double btuEnthalpyAt(double (*f)(double&), double bar) { return f(bar) * 0.429923; }

TEST(StageEnd, EntropyOfSaturatedVapourEndsSaturatedWithQualityOne) {
  Case c = backPressure();
  double bar = 150.0 / 14.5;
  c.state.streamEntropy[kInlet] = steam::entropySatVapPW(bar) * 0.238846;
  const Evaluated e = evaluate(c);
  ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
  EXPECT_EQ(e.evaluation.isenQuality, 1.0);
  // The isentropic end is the saturated vapour's enthalpy.
  const double hg = btuEnthalpyAt(steam::enthalpySatVapPW, 150.0 / 14.5);
  const double h1 = c.state.streamEnthalpy[kInlet];
  EXPECT_NEAR(e.evaluation.turbineEfficiency, (1274.31 - h1) / (hg - h1) * 100.0, 0.006);
}

TEST(StageEnd, EntropyBelowSaturatedLiquidEndsAsSaturatedLiquid) {
  Case c = backPressure();
  c.state.streamEntropy[kInlet] = 0.3;  // below the liquid at 150 psia (about 0.49)
  const Evaluated e = evaluate(c);
  ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
  EXPECT_EQ(e.evaluation.isenQuality, 0.0);
  const double hf = btuEnthalpyAt(steam::enthalpySatLiqPW, 150.0 / 14.5);
  const double h1 = c.state.streamEnthalpy[kInlet];
  EXPECT_NEAR(e.evaluation.turbineEfficiency, (1274.31 - h1) / (hf - h1) * 100.0, 0.006);
}

}  // namespace
}  // namespace corvasine::steam_turbine
