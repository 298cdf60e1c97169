#pragma once

// The figures the independent reference script printed
// (reference/steam_reference.txt): what was typed, the derived boxes and
// stream record after it, and for evaluations what the window showed.

#include <map>
#include <string>
#include <vector>

#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine::testing {

struct SteamReferenceCase {
  std::string name;
  bool evaluated = false;  // a "# case" block, not only typing
  std::string typed;       // "Text1=500 Combo2=1 ...", in typing order
  StreamState state;
  std::map<std::string, std::string> shown;  // derived boxes after typing
  std::map<std::string, std::string> boxes;  // flow and exhaust-enthalpy boxes, list positions
  std::string message;                       // the message shown, "-" for none
  std::string text24;                        // "-" when never written
  std::string results;                       // CR LF as such; "-" when nothing was written
};

// The "# field" and "# case" blocks of a reference file; a missing file gives none.
std::vector<SteamReferenceCase> readSteamReference(const std::string& path);

// What the window reads to evaluate a case: its flow and exhaust-enthalpy
// boxes in their lists' units, the exhaust flow as the window writes it
// before evaluating and then shows it.
SteamEvaluationInput evaluationInput(const SteamReferenceCase& c);

// The message the window shows for an outcome, "-" for none.
std::string messageOf(SteamOutcome outcome);

}  // namespace corvasine::steam_turbine::testing
