// The evaluation's outcomes, messages, progress texts and isentropic ends,
// reasoned from what each arrangement computes.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <regex>
#include <string>

#include "runtime/number.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/steam_cases.h"
#include "steam_turbine/steam_evaluation.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using testing::RecordedProgress;
using testing::setStream;

// 900 psia and 900 °F expanding to 150 psia; induction at 150 psia, 600 °F;
// extraction at 300 psia, 650 °F; a superheated exhaust of 1233.72 Btu/lb.
// Flows in kpph; the exhaust flow as the window writes it from the balance.
using Case = SteamEvaluationInput;

Case backPressure() {
  Case c;
  setStream(c.streams, kInlet, 900.0, 900.0);
  c.streams.streamPress[kExhaust] = 150.0;
  c.inletFlow = c.exhaustFlow = 250.0;
  c.exhaustEnthalpy = 1274.31;
  return c;
}

Case withExtraction(double inlet, double extracted) {
  Case c;
  setStream(c.streams, kInlet, 1250.0, 950.0);
  setStream(c.streams, kExtraction, 300.0, 650.0);
  c.streams.streamPress[kExhaust] = 100.0;
  c.streams.extractionOn = kTrue;
  c.inletFlow = inlet;
  c.extractionFlow = extracted;
  c.exhaustFlow = inlet - extracted;
  c.exhaustEnthalpy = 1258.99;
  return c;
}

Case withInduction(double inductionF, double inducted = 60.0) {
  Case c;
  setStream(c.streams, kInlet, 900.0, 850.0);
  setStream(c.streams, kInduction, 150.0, inductionF);
  c.streams.streamPress[kExhaust] = 60.0;
  c.streams.inductionOn = kTrue;
  c.inletFlow = 200.0;
  c.inductionFlow = inducted;
  c.exhaustFlow = 200.0 + inducted;
  c.exhaustEnthalpy = 1233.72;
  return c;
}

Case withBoth(double extracted) {
  Case c = withInduction(600.0);
  setStream(c.streams, kExtraction, 40.0, 300.0);
  c.streams.streamPress[kExhaust] = 10.0;
  c.streams.extractionOn = kTrue;
  c.extractionFlow = extracted;
  c.exhaustFlow = 260.0 - extracted;
  c.exhaustEnthalpy = 1130.0;
  return c;
}

// An induction stream far hotter than the stage-1 end: the gap grows.
Case gapGrows() {
  Case c = withInduction(1000.0, 400.0);
  c.exhaustEnthalpy = 1258.57;
  return c;
}

struct Evaluated {
  SteamResult result;
  RecordedProgress shown;
};

Evaluated evaluate(const Case& c) {
  Evaluated e;
  e.result = evaluateSteamTurbine(c, e.shown);
  return e;
}

// Whether every "searching" was followed by its end.
bool searchingBalanced(const RecordedProgress& shown) {
  for (std::size_t i = 0; i < shown.searching.size(); ++i)
    if (shown.searching[i] != (i % 2 == 0)) return false;
  return shown.searching.size() % 2 == 0;
}

// ---- Outcomes: which message ends an evaluation.

struct OutcomeCase {
  std::string name;
  std::function<Case()> make;
  SteamOutcome outcome;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

class Outcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(Outcome, EndsWithItsMessage) {
  const Evaluated e = evaluate(GetParam().make());
  EXPECT_EQ(e.result.outcome, GetParam().outcome);
  EXPECT_EQ(e.result.resultText.empty(), GetParam().outcome != SteamOutcome::Done);
  EXPECT_TRUE(searchingBalanced(e.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Evaluation, Outcome,
    ::testing::Values(
        OutcomeCase{"FlowOverflowsInThePowerBalance",
                    [] {
                      Case c = backPressure();
                      c.inletFlow = c.exhaustFlow = 1e306;
                      return c;
                    },
                    SteamOutcome::CheckValues},
        OutcomeCase{"ExtractionAboveInlet", [] { return withExtraction(100, 120); },
                    SteamOutcome::NegativeExhaust},
        OutcomeCase{"ExtractionEqualToInletPasses", [] { return withExtraction(120, 120); },
                    SteamOutcome::Done},
        OutcomeCase{"NoFlowAtAllLeavesNoOverallEfficiency", [] { return withExtraction(0, 0); },
                    SteamOutcome::CheckValues},
        OutcomeCase{"InductionAndExtractionAboveBoth", [] { return withBoth(290); },
                    SteamOutcome::NegativeExhaust},
        OutcomeCase{"InductionAndExtraction", [] { return withBoth(100); }, SteamOutcome::Done},
        OutcomeCase{"StageEndBeyondTheLibraryRange",
                    [] {
                      // From 100 psia and 1000 °F up to 1500 psia: the isentropic end
                      // lies far above 1073.15 K.
                      Case c = backPressure();
                      setStream(c.streams, kInlet, 100.0, 1000.0);
                      c.streams.streamPress[kExhaust] = 1500.0;
                      return c;
                    },
                    SteamOutcome::WrongValues},
        OutcomeCase{"InductionGapGrowsBeyondTheFirstPass", gapGrows, SteamOutcome::SearchAborted}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return info.param.name; });

// The window writes the exhaust flow box before it evaluates: the inlet text
// itself without extra streams, blanks and all.
TEST_F(SteamWindowTest, ExhaustFlowBoxTakesTheInletTextUnchanged) {
  frmstm& f = window();
  type(f, "Text1=900 Text2=900 Text3=250 Text22=500 Text23=150");
  f.Text3.setText(" 250");
  EXPECT_EQ(f.Text24.text(), "250");
  f.cmdresult.click();
  EXPECT_EQ(f.Text24.text(), " 250");
}

// ---- The induction-point search.

TEST(InductionSearch, ShowsWholePercentProgressAndSearchesOncePerPass) {
  for (const Case& c : {withInduction(600.0), withBoth(100)}) {
    const bool both = c.streams.extractionOn != kFalse;
    const Evaluated e = evaluate(c);
    ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
    ASSERT_FALSE(e.shown.progress.empty());
    for (const std::string& text : e.shown.progress) {
      EXPECT_TRUE(std::regex_match(text, std::regex("Evaluating: [0-9]+ %"))) << text;
    }
    // Every pass but the last shows its progress; every pass ends stage 2, and
    // stage 1 (and stage 3 with extraction) end once.
    const std::size_t passes = e.shown.progress.size() + 1;
    EXPECT_EQ(e.shown.searching.size(), 2 * (passes + 1 + (both ? 1 : 0)));
    EXPECT_TRUE(searchingBalanced(e.shown));
    EXPECT_EQ(e.result.figures.firstPassDone, kTrue);
  }
}

TEST(InductionSearch, AbortShowsTheNegativeFigureFirst) {
  const Evaluated e = evaluate(gapGrows());
  ASSERT_EQ(e.result.outcome, SteamOutcome::SearchAborted);
  ASSERT_FALSE(e.shown.progress.empty());
  const std::string& last = e.shown.progress.back();
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
  StuckSearch stuck;
  RecordedProgress shown;
  const SteamResult result = evaluateSteamTurbine(withInduction(600.0, 1.0), shown, stuck);
  EXPECT_EQ(result.outcome, SteamOutcome::SearchAborted);
  EXPECT_EQ(shown.progress.size(), static_cast<std::size_t>(kMaxInductionSearchPasses));
  EXPECT_EQ(shown.progress.back(), "Evaluating: 0 %");
}

// ---- Isentropic ends at the saturation line.

double btuEnthalpyAt(double (*f)(double&), double bar) { return f(bar) * 0.429923; }

TEST(StageEnd, EntropyOfSaturatedVapourEndsSaturatedWithQualityOne) {
  Case c = backPressure();
  double bar = 150.0 / 14.5;
  c.streams.streamEntropy[kInlet] = steam::entropySatVapPW(bar) * 0.238846;
  const Evaluated e = evaluate(c);
  ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
  EXPECT_EQ(e.result.figures.isenQuality, 1.0);
  // The isentropic end is the saturated vapour's enthalpy.
  const double hg = btuEnthalpyAt(steam::enthalpySatVapPW, 150.0 / 14.5);
  const double h1 = c.streams.streamEnthalpy[kInlet];
  EXPECT_NEAR(e.result.figures.turbineEfficiency, (1274.31 - h1) / (hg - h1) * 100.0, 0.006);
}

TEST(StageEnd, EntropyBelowSaturatedLiquidEndsAsSaturatedLiquid) {
  Case c = backPressure();
  c.streams.streamEntropy[kInlet] = 0.3;  // below the liquid at 150 psia (about 0.49)
  const Evaluated e = evaluate(c);
  ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
  EXPECT_EQ(e.result.figures.isenQuality, 0.0);
  const double hf = btuEnthalpyAt(steam::enthalpySatLiqPW, 150.0 / 14.5);
  const double h1 = c.streams.streamEnthalpy[kInlet];
  EXPECT_NEAR(e.result.figures.turbineEfficiency, (1274.31 - h1) / (hf - h1) * 100.0, 0.006);
}

}  // namespace
}  // namespace corvasine::steam_turbine
