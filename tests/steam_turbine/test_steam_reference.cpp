// Complete evaluations against the figures of the independent reference
// script: message, exhaust flow box and result text, character by character.

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
// evaluation. (The reference script steps its searches literally.)
Shown evaluateLikeTheWindow(const SteamReferenceCase& c) {
  FakeSteamWindow window;
  testing::loadBoxes(c, window);
  if (!testing::windowCheckPasses(c)) return {kCheckValuesMessage, "", "-"};
  EvaluationState evaluation;
  const SteamResult result = evaluateSteamTurbine(c.state, evaluation, window);
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
  const Shown shown = evaluateLikeTheWindow(c);
  EXPECT_EQ(shown.message, c.message);
  EXPECT_EQ(shown.results, c.results);
  // Before a failed check the exhaust box shows what typing left there.
  if (!(shown.message == kCheckValuesMessage && shown.text24.empty())) {
    EXPECT_EQ(shown.text24, c.text24);
  }
}

TEST(SteamReferenceFile, HasTheCases) { EXPECT_GE(referenceCases().size(), 6u); }

INSTANTIATE_TEST_SUITE_P(Cases, SteamReference, ::testing::ValuesIn(referenceCases()),
                         [](const ::testing::TestParamInfo<SteamReferenceCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace corvasine::steam_turbine
