#pragma once

// The complete evaluations that the independent reference script printed
// (reference/steam_reference.txt): per case the stream record, the flow and
// exhaust-enthalpy boxes, and what the window showed afterwards.

#include <map>
#include <string>
#include <vector>

#include "steam_turbine/fake_steam_window.h"
#include "steam_turbine/stream_state.h"

namespace corvasine::steam_turbine::testing {

struct SteamReferenceCase {
  std::string name;
  StreamState state;
  std::map<std::string, std::string> shown;  // derived boxes after typing
  std::map<std::string, std::string> boxes;  // flow and exhaust-enthalpy boxes, list positions
  std::string message;                       // the message shown, "-" for none
  std::string text24;                        // "-" when never written
  std::string results;                       // CR LF as such; "-" when nothing was written
};

// The "# case" blocks of a reference file; a missing file gives none.
std::vector<SteamReferenceCase> readSteamReference(const std::string& path);

// The boxes and lists of a case in the fake window.
void loadBoxes(const SteamReferenceCase& c, FakeSteamWindow& window);

// The window's check before an evaluation: every typed flow box of an
// enabled group holds a number, and the derived boxes pass the plausibility
// tests (positive superheat, entropy and enthalpy; exhaust superheat >= 0).
bool windowCheckPasses(const SteamReferenceCase& c);

}  // namespace corvasine::steam_turbine::testing
