#pragma once

// The evaluation's view of the steam window, without a window: the flow and
// exhaust-enthalpy boxes as texts with their unit lists, and a record of what
// the evaluation wrote and showed.

#include <string>
#include <vector>

#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine::testing {

class FakeSteamWindow final : public SteamEvaluationWindow {
 public:
  // Box texts and list positions, as the window shows them.
  std::string Text3, Text10, Text19, Text24, Text28;
  int Combo4 = 0, Combo9 = 0, Combo14 = 0, Combo19 = 0, Combo17 = 0;

  // What the evaluation did.
  int exhaustWrites = 0;
  std::vector<std::string> progress;
  std::vector<bool> searching;  // every setSearching call in order
  std::string resultsText;      // the result box: the last progress text, or the result

  double readFlow(FlowBox box) override;
  double readExhaustEnthalpy() override;
  void writeExhaustFlow(double kpph) override;
  void copyInletFlowToExhaust() override;
  void showProgress(const std::string& text) override;
  void setSearching(bool on) override;

  // What the window does with an outcome: "Calculation terminated" after an
  // abort, the result text when done.
  void finish(const SteamResult& result);
  // Whether every "searching" was followed by its end.
  bool searchingBalanced() const;
};

// The message the window shows for an outcome, "-" for none.
std::string messageOf(SteamOutcome outcome);

}  // namespace corvasine::steam_turbine::testing
