#pragma once

// The steam turbine evaluation: flow balance, shaft power, isentropic stage
// ends, stage and overall efficiencies and, with an induction stream, the
// search of the temperature at the induction point. It works on the stream
// record and talks to the window only through SteamEvaluationWindow, so the
// tests run it without a window.

#include <string>

#include "steam_turbine/isentropic_search.h"
#include "steam_turbine/stream_state.h"

namespace corvasine::steam_turbine {

// What the evaluation keeps between runs (one per window).
struct EvaluationState {
  double turbinePower = 0.0;       // hp, 2 decimals
  double turbineEfficiency = 0.0;  // %
  double isenQuality = 0.0;        // vapour quality of the last isentropic end; 1 when superheated
  double searchStep = 0.0;         // K, step of the induction-point search
  short firstPassDone = kFalse;
};

enum class FlowBox { Inlet, Induction, Extraction, Exhaust };

// The window as the evaluation sees it. Reads raise runtime::RuntimeError when
// the box does not hold a number.
class SteamEvaluationWindow {
 public:
  virtual ~SteamEvaluationWindow() = default;
  // A flow box's number in kpph, converted from the unit its list shows.
  virtual double readFlow(FlowBox box) = 0;
  // The exhaust enthalpy box's number in Btu/lb, converted from its list's unit.
  virtual double readExhaustEnthalpy() = 0;
  // Writes the exhaust flow box (in the unit its list shows); runs its change handler.
  virtual void writeExhaustFlow(double kpph) = 0;
  // The case without extra streams: the exhaust flow box shows the inlet flow
  // (the inlet box's text itself when both lists show the same unit).
  virtual void copyInletFlowToExhaust() = 0;
  // Progress of the induction-point search, shown in the result box at once.
  virtual void showProgress(const std::string& text) = 0;
  // While the isentropic search runs the evaluate button is disabled and says so.
  virtual void setSearching(bool searching) = 0;
};

enum class SteamOutcome {
  Done,             // resultText holds the result
  CheckValues,      // "Check your values": also a result that no turbine gives
  NegativeExhaust,  // "Exhaust flow must be positive value"
  SearchAborted,    // "Recheck your values... Calculation aborted.", then "Calculation terminated"
  WrongValues,      // "Wrong values" from the isentropic search; the evaluation ends there
};

inline constexpr const char* kCheckValuesMessage = "Check your values";
inline constexpr const char* kNegativeExhaustMessage = "Exhaust flow must be positive value";
inline constexpr const char* kSearchAbortedMessage = "Recheck your values... Calculation aborted.";
inline constexpr const char* kSearchTerminatedText = "Calculation terminated";
inline constexpr const char* kWrongValuesMessage = "Wrong values";

struct SteamResult {
  SteamOutcome outcome = SteamOutcome::Done;
  std::string resultText;  // lines joined by CR LF
};

// Passes of the induction-point search after which it ends like its abort:
// far beyond any search that converges (a few hundred passes).
inline constexpr long kMaxInductionSearchPasses = 100000;

// Runs the evaluation of the case that the stream flags choose. The caller
// has checked the shown values (CheckValues) and shows the outcome's message.
SteamResult evaluateSteamTurbine(const StreamState& state, EvaluationState& evaluation,
                                 SteamEvaluationWindow& window);

// The same with a given isentropic search (every search gives the same
// answers; the tests compare the fast one with stepping one step at a time).
SteamResult evaluateSteamTurbine(const StreamState& state, EvaluationState& evaluation,
                                 SteamEvaluationWindow& window, IsentropicSearch& search);

}  // namespace corvasine::steam_turbine
