#pragma once

// The steam turbine evaluation: flow balance, shaft power, isentropic stage
// ends, stage and overall efficiencies and, with an induction stream, the
// search of the temperature at the induction point. It computes with the
// figures the window has read and checked, and reports the search's progress
// to an observer, so the tests run it without a window.

#include <optional>
#include <string>

#include "steam_turbine/isentropic_search.h"
#include "steam_turbine/stream_state.h"

namespace corvasine::steam_turbine {

// Inlet plus induction less extraction, kpph; a stream that is off counts
// nothing. The exhaust flow box shows it while flows are typed and Evaluate
// writes it there again; the evaluation weighs the stages with it.
double flowBalance(double inlet, std::optional<double> induction, std::optional<double> extraction);

// What the evaluation computes with. Flows in kpph and the exhaust enthalpy
// in Btu/lb, each converted from the number its box shows.
struct SteamEvaluationInput {
  StreamState streams;
  double inletFlow = 0.0;
  double inductionFlow = 0.0;   // read while induction is on
  double extractionFlow = 0.0;  // read while extraction is on
  double exhaustFlow = 0.0;     // as the exhaust flow box shows it once Evaluate has written it
  double exhaustEnthalpy = 0.0;
};

// Sees the isentropic searches run: while one runs the evaluate button is
// disabled and says so; the induction-point search shows its progress in the
// result box at once.
class SearchProgress {
 public:
  virtual ~SearchProgress() = default;
  virtual void setSearching(bool searching) = 0;
  virtual void showProgress(const std::string& text) = 0;
};

// The figures of a run as it left them, also when it ended early.
struct EvaluationFigures {
  double turbinePower = 0.0;       // hp, 2 decimals
  double turbineEfficiency = 0.0;  // %
  double isenQuality = 0.0;        // vapour quality of the last isentropic end; 1 when superheated
  double searchStep = 0.0;         // K, step of the induction-point search
  short firstPassDone = kFalse;
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
  std::string resultText;  // lines joined by CR LF, when Done
  EvaluationFigures figures;
};

// Passes of the induction-point search after which it ends like its abort:
// far beyond any search that converges (a few hundred passes).
inline constexpr long kMaxInductionSearchPasses = 100000;

// Runs the evaluation of the case that the stream flags choose. The caller
// has checked the shown values (CheckValues) and shows the outcome's message.
SteamResult evaluateSteamTurbine(const SteamEvaluationInput& input, SearchProgress& progress);

// The same with a given isentropic search (every search gives the same
// answers; the tests compare the fast one with stepping one step at a time).
SteamResult evaluateSteamTurbine(const SteamEvaluationInput& input, SearchProgress& progress,
                                 IsentropicSearch& search);

}  // namespace corvasine::steam_turbine
