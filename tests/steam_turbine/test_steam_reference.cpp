// Complete evaluations against the figures of the independent reference
// script: message, exhaust flow box and result text, character by character.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "steam_turbine/literal_isentropic_search.h"
#include "steam_turbine/reference_cases.h"
#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine {
namespace {

using testing::FakeSteamWindow;
using testing::SteamReferenceCase;

const std::vector<SteamReferenceCase>& referenceCases() {
  static const std::vector<SteamReferenceCase> cases =
      testing::readSteamReference(CORVASINE_STEAM_REFERENCE_DIR "/steam_reference.txt");
  return cases;
}

struct Shown {
  std::string message;
  std::string text24;
  std::string results;
};

// What the window shows after Evaluate: its own check first, then the
// evaluation (with the given search, or the fast one).
Shown evaluateLikeTheWindow(const SteamReferenceCase& c, IsentropicSearch* search) {
  FakeSteamWindow window;
  testing::loadBoxes(c, window);
  if (!testing::windowCheckPasses(c)) return {kCheckValuesMessage, "", "-"};
  EvaluationState evaluation;
  const SteamResult result = search == nullptr
                                 ? evaluateSteamTurbine(c.state, evaluation, window)
                                 : evaluateSteamTurbine(c.state, evaluation, window, *search);
  window.finish(result);
  return {testing::messageOf(result.outcome), window.exhaustWrites > 0 ? window.Text24 : "-",
          window.resultsText.empty() ? "-" : window.resultsText};
}

}  // namespace

namespace testing {
void PrintTo(const SteamReferenceCase& c, std::ostream* os) { *os << c.name; }
}  // namespace testing

namespace {

class SteamReference : public ::testing::TestWithParam<SteamReferenceCase> {};

TEST_P(SteamReference, ShowsTheReferenceFigures) {
  const SteamReferenceCase& c = GetParam();
  const Shown shown = evaluateLikeTheWindow(c, nullptr);
  EXPECT_EQ(shown.message, c.message);
  EXPECT_EQ(shown.results, c.results);
  // Before a failed check the exhaust box shows what typing left there.
  if (!(shown.message == kCheckValuesMessage && shown.text24.empty())) {
    EXPECT_EQ(shown.text24, c.text24);
  }
}

TEST_P(SteamReference, LiteralStepsShowTheSame) {
  const SteamReferenceCase& c = GetParam();
  testing::LiteralIsentropicSearch literal;
  const Shown fast = evaluateLikeTheWindow(c, nullptr);
  const Shown slow = evaluateLikeTheWindow(c, &literal);
  EXPECT_EQ(fast.message, slow.message);
  EXPECT_EQ(fast.text24, slow.text24);
  EXPECT_EQ(fast.results, slow.results);
}

TEST(SteamReferenceFile, HasTheCases) { EXPECT_GE(referenceCases().size(), 6u); }

INSTANTIATE_TEST_SUITE_P(Cases, SteamReference, ::testing::ValuesIn(referenceCases()),
                         [](const ::testing::TestParamInfo<SteamReferenceCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace corvasine::steam_turbine
