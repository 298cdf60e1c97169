// The evaluation beyond the reference figures: refused flows, progress
// texts, the search's aborts and isentropic ends at the saturation line.

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <stdexcept>
#include <string>

#include "runtime/number.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/reference_cases.h"
#include "steam_turbine/steam_cases.h"
#include "steam_turbine/steam_evaluation.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using testing::RecordedProgress;

// The arrangements' outcomes are the reference figures' cases; these tests
// take the cases' inputs and look at what the window cannot show.
using Case = SteamEvaluationInput;

Case reference(const std::string& name) {
  static const std::vector<testing::SteamReferenceCase> cases =
      testing::readSteamReference(CORVASINE_STEAM_REFERENCE_DIR "/steam_reference.txt");
  for (const testing::SteamReferenceCase& c : cases)
    if (c.name == name) return testing::evaluationInput(c);
  throw std::logic_error("no reference case " + name);
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

// A flow that overflows the power balance, and no flow at all, where the
// overall efficiency is 0/0, end with "Check your values".
TEST(SteamEvaluation, OverflowingAndMissingFlowsAreRefused) {
  Case overflow = reference("back_pressure");
  overflow.inletFlow = overflow.exhaustFlow = 1e306;
  Case noFlow = reference("extraction");
  noFlow.inletFlow = noFlow.extractionFlow = noFlow.exhaustFlow = 0.0;
  for (const Case& c : {overflow, noFlow}) {
    const Evaluated e = evaluate(c);
    EXPECT_EQ(e.result.outcome, SteamOutcome::CheckValues);
    EXPECT_EQ(e.result.resultText, "");
    EXPECT_TRUE(e.shown.balanced());
  }
}

// The window writes the exhaust flow box before it evaluates: the inlet text
// itself without extra streams, blanks and all.
TEST_F(SteamWindowTest, ExhaustFlowBoxTakesTheInletTextUnchanged) {
  frmstm& f = window();
  type(f, "Text1=900 Text2=900 Text3=250 Text22=500 Text23=150");
  f.inlet.flow.setText(" 250");
  EXPECT_EQ(f.exhaust.flow.text(), "250");
  f.cmdresult.click();
  EXPECT_EQ(f.exhaust.flow.text(), " 250");
}

// ---- The induction-point search.

TEST(InductionSearch, ShowsWholePercentProgressAndSearchesOncePerPass) {
  for (const Case& c : {reference("induction"), reference("induction_extraction_units")}) {
    const bool both = c.streams.extractionOn != kFalse;
    const Evaluated e = evaluate(c);
    ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
    ASSERT_FALSE(e.shown.progress.empty());
    for (const std::string& text : e.shown.progress)
      EXPECT_TRUE(std::regex_match(text, std::regex("Evaluating: [0-9]+ %"))) << text;
    // Every pass but the last shows its progress; every pass ends stage 2, and
    // stage 1 (and stage 3 with extraction) end once.
    const std::size_t passes = e.shown.progress.size() + 1;
    EXPECT_EQ(e.shown.searching.size(), 2 * (passes + 1 + (both ? 1 : 0)));
    EXPECT_TRUE(e.shown.balanced());
    EXPECT_EQ(e.result.figures.firstPassDone, kTrue);
  }
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

// A growing gap aborts at the first negative figure; a gap that never closes
// aborts like it after the search's bound.
TEST(InductionSearch, AbortsWithItsLastProgressFigure) {
  const Evaluated e = evaluate(reference("recheck_aborted"));
  ASSERT_EQ(e.result.outcome, SteamOutcome::SearchAborted);
  ASSERT_FALSE(e.shown.progress.empty());
  const std::string& last = e.shown.progress.back();
  EXPECT_LT(runtime::ParseNumber(last.substr(12, last.size() - 14)), 0.0) << last;

  Case stuckCase = reference("induction");
  stuckCase.inductionFlow = 1.0;
  stuckCase.exhaustFlow = stuckCase.inletFlow + 1.0;
  StuckSearch stuck;
  RecordedProgress shown;
  const SteamResult result = evaluateSteamTurbine(stuckCase, shown, stuck);
  EXPECT_EQ(result.outcome, SteamOutcome::SearchAborted);
  EXPECT_EQ(shown.progress.size(), static_cast<std::size_t>(kMaxInductionSearchPasses));
  EXPECT_EQ(shown.progress.back(), "Evaluating: 0 %");
}

// ---- Isentropic ends at the saturation line: an entropy exactly at the
// saturated vapour's ends with quality 1, one below the saturated liquid's
// with quality 0; the efficiency follows from that end's enthalpy.

TEST(StageEnd, EntropyAtTheSaturationLineEndsOnIt) {
  const Case backPressure = reference("back_pressure");  // exhausting at 150 psia
  double bar = 150.0 / 14.5;
  const struct {
    double entropy, quality;
    double (*endEnthalpy)(double&);
  } ends[] = {{steam::entropySatVapPW(bar) * 0.238846, 1.0, steam::enthalpySatVapPW},
              {0.3, 0.0, steam::enthalpySatLiqPW}};  // the liquid at 150 psia: about 0.49
  for (const auto& end : ends) {
    SCOPED_TRACE(end.quality);
    Case c = backPressure;
    c.streams.streamEntropy[kInlet] = end.entropy;
    const Evaluated e = evaluate(c);
    ASSERT_EQ(e.result.outcome, SteamOutcome::Done);
    EXPECT_EQ(e.result.figures.isenQuality, end.quality);
    bar = 150.0 / 14.5;
    const double his = end.endEnthalpy(bar) * 0.429923;
    const double h1 = c.streams.streamEnthalpy[kInlet];
    EXPECT_NEAR(e.result.figures.turbineEfficiency, (c.exhaustEnthalpy - h1) / (his - h1) * 100.0,
                0.006);
  }
}

}  // namespace
}  // namespace corvasine::steam_turbine
