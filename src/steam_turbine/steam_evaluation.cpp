#include "steam_turbine/steam_evaluation.h"

#include <cmath>
#include <functional>
#include <initializer_list>
#include <optional>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/unit_factors.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/library_units.h"
#include "steam_turbine/steam_units.h"

namespace corvasine::steam_turbine {

using shell::kBtuPerHourPerHp;
using shell::kPercent;

namespace {

using runtime::NumberText;
using runtime::RoundHalfEven;

constexpr int kFigureDecimals = 2;  // power, efficiencies, temperature

// Induction-point search: temperature steps (K) chosen by the efficiency gap
// (percentage points), and the gap at which it has converged.
constexpr double kCoarseStep = 0.5;
constexpr double kMediumStep = 0.1;
constexpr double kFineStep = 0.01;
constexpr double kCoarseGap = 5.0;
constexpr double kMediumGap = 0.5;
constexpr double kConvergedGap = 0.05;
constexpr double kFirstStep = kMediumStep;

constexpr const char* kCrLf = "\r\n";

// Every arithmetic result that is infinite or not a number is a run-time error.
double add(double a, double b) { return runtime::checked(a + b); }
double sub(double a, double b) { return runtime::checked(a - b); }
double mul(double a, double b) { return runtime::checked(a * b); }
double div(double a, double b) { return runtime::checkedDiv(a, b); }

// A fault inside a conversion carries to its result, which is checked.
double fahrenheitOf(double k) { return runtime::checked(fahrenheitFromKelvin(k)); }
double kelvinOf(double f) { return runtime::checked(kelvinFromFahrenheit(f)); }
double btuEntropy(double kJPerKgK) { return mul(kJPerKgK, kBtuPerLbFPerKJPerKgK); }
double btuEnthalpy(double kJPerKg) { return mul(kJPerKg, kBtuPerLbPerKJPerKg); }

// (h - hStart) / (hEnd - hStart) × 100: the share of the isentropic drop that
// a stage achieves, in percent.
double efficiency(double h, double hStart, double hEnd) {
  return mul(div(sub(h, hStart), sub(hEnd, hStart)), kPercent);
}

// The stage after the induction point: (hmix - hOut) / (hmix - hIsentropic) × 100.
double dropShare(double hmix, double hOut, double hIsentropic) {
  return mul(div(sub(hmix, hOut), sub(hmix, hIsentropic)), kPercent);
}

// The isentropic search reported no end in the library's range.
struct WrongValuesExit {};

// The isentropic end of one stage: its enthalpy (Btu/lb), temperature (K) and
// the stage's bar pressure as the library calls left it.
struct StageEnd {
  double h;
  double t;
  double p;
};

enum class SearchEnd { Stopped, Aborted };

class Evaluation {
 public:
  Evaluation(const SteamEvaluationInput& input, SearchProgress& progress, IsentropicSearch& search)
      : in_(input), state_(input.streams), progress_(progress), search_(search) {}

  SteamResult run() {
    SteamResult result = outcome();
    result.figures = ev_;
    return result;
  }

 private:
  SteamResult outcome() {
    try {
      ev_.firstPassDone = kFalse;
      const bool induction = state_.inductionOn != kFalse;
      const bool extraction = state_.extractionOn != kFalse;
      if (induction && extraction) return inductionAndExtraction();
      if (induction) return inductionOnly();
      if (extraction) return extractionOnly();
      return noExtraStream();
    } catch (const WrongValuesExit&) {
      return {SteamOutcome::WrongValues, {}, {}};
    } catch (const runtime::RuntimeError&) {
      return {SteamOutcome::CheckValues, {}, {}};
    }
  }

  double F3() const { return in_.inletFlow; }
  double F10() const { return in_.inductionFlow; }
  double F19() const { return in_.extractionFlow; }
  double F24() const { return in_.exhaustFlow; }
  double h28() const { return in_.exhaustEnthalpy; }
  double H(int group) const { return state_.streamEnthalpy[group]; }
  double S(int group) const { return state_.streamEntropy[group]; }

  // A flow in kpph times its enthalpy, in Btu/h.
  static double heatFlow(double kpph, double h) { return mul(mul(kpph, kLbPerHourPerKpph), h); }
  static double power(double btuPerHour) {
    return RoundHalfEven(div(btuPerHour, kBtuPerHourPerHp), kFigureDecimals);
  }

  double isenCond(double s, double p) {
    progress_.setSearching(true);
    std::optional<double> end;
    try {
      end = search_.isen_cond(s, p);
    } catch (const runtime::RuntimeError&) {
      progress_.setSearching(false);
      throw WrongValuesExit{};
    }
    progress_.setSearching(false);
    if (!end) throw WrongValuesExit{};
    return *end;
  }

  // The isentropic end of a stage from entropy s to the pressure of a group.
  // At the saturated-vapour entropy the end is the saturated vapour, taken
  // down the wet road with quality 1.
  StageEnd stageEnd(double s, int group) {
    const double p = state_.streamPress[group];
    double pk = div(p, kLibraryPsiPerBar);
    const double sgk = btuEntropy(steam::entropySatVapPW(pk));
    if (s > sgk) {
      const double t = isenCond(s, p);
      ev_.isenQuality = 1.0;
      return {btuEnthalpy(steam::enthalpyW(t, pk)), t, pk};
    }
    ev_.isenQuality = isenCond(s, p);
    const double t = steam::tSatW(pk);
    const double hf = btuEnthalpy(steam::enthalpySatLiqPW(pk));
    const double hg = btuEnthalpy(steam::enthalpySatVapPW(pk));
    const double x = ev_.isenQuality;
    return {add(mul(sub(1.0, x), hf), mul(hg, x)), t, pk};
  }

  SteamResult noExtraStream() {
    ev_.turbinePower = 0.0;
    ev_.turbineEfficiency = 0.0;
    ev_.turbinePower = power(sub(heatFlow(F3(), H(kInlet)), heatFlow(F24(), h28())));
    const double his = stageEnd(S(kInlet), kExhaust).h;
    ev_.turbineEfficiency = RoundHalfEven(efficiency(h28(), H(kInlet), his), kFigureDecimals);
    return done("Power: " + NumberText(ev_.turbinePower) + " hp" + kCrLf +
                    "Efficiency: " + NumberText(ev_.turbineEfficiency) + " %",
                {ev_.turbineEfficiency});
  }

  SteamResult extractionOnly() {
    ev_.turbinePower = 0.0;
    ev_.turbineEfficiency = 0.0;
    if (F24() < 0.0) return {SteamOutcome::NegativeExhaust, {}, {}};
    ev_.turbinePower = power(sub(sub(heatFlow(F3(), H(kInlet)), heatFlow(F19(), H(kExtraction))),
                                 heatFlow(F24(), h28())));
    const double his1 = stageEnd(S(kInlet), kExtraction).h;
    const double e1 = RoundHalfEven(efficiency(H(kExtraction), H(kInlet), his1), kFigureDecimals);
    const double his2 = stageEnd(S(kExtraction), kExhaust).h;
    ev_.turbineEfficiency = RoundHalfEven(efficiency(h28(), H(kExtraction), his2), kFigureDecimals);
    const double e2 = ev_.turbineEfficiency;
    // Overall: the actual drops over the isentropic ones, each weighted by its flow.
    const double f3 = F3();
    const double f24 = F24();
    const double hExhaust = h28();
    const double actual =
        add(mul(f3, sub(H(kInlet), H(kExtraction))), mul(f24, sub(H(kExtraction), hExhaust)));
    const double isentropic =
        add(mul(f3, sub(H(kInlet), his1)), mul(f24, sub(H(kExtraction), his2)));
    const double eo = RoundHalfEven(mul(div(actual, isentropic), kPercent), kFigureDecimals);
    return done("Power: " + NumberText(ev_.turbinePower) + " hp" + kCrLf +
                    "Efficiency (1st/2nd Stage): " + NumberText(e1) + " & " + NumberText(e2) +
                    " %" + kCrLf + "Overall Efficiency: " + NumberText(eo) + " %",
                {e1, e2, eo});
  }

  SteamResult inductionOnly() {
    ev_.firstPassDone = kFalse;
    ev_.turbinePower = 0.0;
    ev_.turbineEfficiency = 0.0;
    ev_.turbinePower = power(sub(add(heatFlow(F10(), H(kInduction)), heatFlow(F3(), H(kInlet))),
                                 heatFlow(F24(), h28())));
    const StageEnd stage1 = stageEnd(S(kInlet), kInduction);
    const InductionStage2 stage2{
        kExhaust, [this](double hmix, double his2) { return dropShare(hmix, h28(), his2); },
        [this] { return F24(); }};
    const std::optional<InductionPoint> point = searchInductionPoint(stage1, stage2);
    if (!point) return {SteamOutcome::SearchAborted, {}, {}};
    const double overall = RoundHalfEven(ev_.turbineEfficiency, kFigureDecimals);
    return done("Power: " + NumberText(ev_.turbinePower) + " hp" + kCrLf + "Overall Efficiency: " +
                    NumberText(overall) + " % " + kCrLf + inductionTemperatureLine(point->t),
                {overall});
  }

  SteamResult inductionAndExtraction() {
    const double f3 = F3();
    const double f10 = F10();
    const double f19 = F19();
    const double inflow = flowBalance(f3, f10, std::nullopt);
    const double exhaustFlow = flowBalance(f3, f10, f19);
    ev_.firstPassDone = kFalse;
    ev_.turbinePower = 0.0;
    ev_.turbineEfficiency = 0.0;
    if (F24() < 0.0) return {SteamOutcome::NegativeExhaust, {}, {}};
    ev_.turbinePower = power(sub(sub(add(heatFlow(F10(), H(kInduction)), heatFlow(F3(), H(kInlet))),
                                     heatFlow(F19(), H(kExtraction))),
                                 heatFlow(F24(), h28())));
    const StageEnd stage1 = stageEnd(S(kInlet), kInduction);
    const InductionStage2 stage2{
        kExtraction,
        [this](double hmix, double his2) { return dropShare(hmix, H(kExtraction), his2); },
        [inflow] { return inflow; }};
    const std::optional<InductionPoint> point = searchInductionPoint(stage1, stage2);
    if (!point) return {SteamOutcome::SearchAborted, {}, {}};
    const double his3 = stageEnd(S(kExtraction), kExhaust).h;
    const double hExhaust = h28();
    // Overall: actual over isentropic drops of the three stages, each with its
    // flow; the first two stages meet at the induction steam's enthalpy.
    const double actual = add(add(mul(sub(H(kExtraction), hExhaust), exhaustFlow),
                                  mul(sub(H(kInduction), H(kExtraction)), inflow)),
                              mul(sub(H(kInlet), H(kInduction)), f3));
    const double isentropic =
        add(add(mul(sub(H(kInduction), point->his2), inflow), mul(sub(H(kInlet), stage1.h), f3)),
            mul(exhaustFlow, sub(H(kExtraction), his3)));
    const double eo = RoundHalfEven(mul(div(actual, isentropic), kPercent), kFigureDecimals);
    return done("Power: " + NumberText(ev_.turbinePower) + " hp" + kCrLf + "Efficiency: " +
                    NumberText(eo) + " % " + kCrLf + inductionTemperatureLine(point->t),
                {eo});
  }

  // What differs between the induction cases after the mixing point.
  struct InductionStage2 {
    int endGroup;
    std::function<double(double hmix, double his2)> efficiency;
    std::function<double()> mixingDivisor;  // kpph
  };
  struct InductionPoint {
    double t;     // K, stage-1 end temperature of the last pass
    double his2;  // Btu/lb, stage-2 isentropic end of the last pass
  };

  // Steps the stage-1 end temperature until the efficiencies before and after
  // the induction point agree; nullopt when the gap grows beyond the first
  // pass's, or when no pass settles it within a bound no real case reaches.
  std::optional<InductionPoint> searchInductionPoint(const StageEnd& stage1,
                                                     const InductionStage2& stage2) {
    ev_.searchStep = kFirstStep;
    double t = stage1.t;
    double e1 = 0.0;
    double e2 = 0.0;
    for (long pass = 0; pass < kMaxInductionSearchPasses; ++pass) {
      t = add(t, ev_.searchStep);
      const double h1 = btuEnthalpy(steam::enthalpyW(t, stage1.p));
      const double eff1 = efficiency(h1, H(kInlet), stage1.h);
      const double tf = fahrenheitOf(t);
      const double mixed = add(mul(F3(), tf), mul(F10(), state_.streamTemp[kInduction]));
      const double tmixK = kelvinOf(div(mixed, stage2.mixingDivisor()));
      const double hmix = btuEnthalpy(steam::enthalpyW(tmixK, stage1.p));
      const double smix = btuEntropy(steam::entropyW(tmixK, stage1.p));
      const double his2 = stageEnd(smix, stage2.endGroup).h;
      ev_.turbineEfficiency = stage2.efficiency(hmix, his2);
      const double d = sub(ev_.turbineEfficiency, eff1);
      ev_.searchStep = nextStep(d);
      if (ev_.firstPassDone == kFalse) {
        e1 = eff1;
        e2 = ev_.turbineEfficiency;
        ev_.firstPassDone = kTrue;
      }
      const double g0 = sub(e2, e1);
      if ((g0 > 0.0 && d < 0.0) || (g0 <= 0.0 && d > 0.0)) return InductionPoint{t, his2};
      if (std::abs(d) <= kConvergedGap) return InductionPoint{t, his2};
      const double progress = RoundHalfEven(sub(kPercent, mul(div(d, g0), kPercent)), 0);
      progress_.showProgress("Evaluating: " + NumberText(progress) + " %");
      if (progress < 0.0) return std::nullopt;
    }
    return std::nullopt;
  }

  static double nextStep(double gap) {
    if (std::abs(gap) > kCoarseGap) return kCoarseStep;
    if (std::abs(gap) > kMediumGap) return kMediumStep;
    return kFineStep;
  }

  static std::string inductionTemperatureLine(double t) {
    return "Temperature at Induction point: " +
           NumberText(RoundHalfEven(fahrenheitOf(t), kFigureDecimals)) + " °F";
  }

  // A result that no turbine gives (no power, or an efficiency as shown not
  // above 0 or above 100) is refused like values that cannot be evaluated.
  SteamResult done(std::string text, std::initializer_list<double> efficiencies) const {
    bool possible = ev_.turbinePower > 0.0;
    for (double e : efficiencies) possible = possible && e > 0.0 && e <= kPercent;
    if (!possible) return {SteamOutcome::CheckValues, {}, {}};
    return {SteamOutcome::Done, std::move(text), {}};
  }

  const SteamEvaluationInput& in_;
  const StreamState& state_;
  EvaluationFigures ev_;
  SearchProgress& progress_;
  IsentropicSearch& search_;
};

}  // namespace

SteamResult evaluateSteamTurbine(const SteamEvaluationInput& input, SearchProgress& progress,
                                 IsentropicSearch& search) {
  return Evaluation(input, progress, search).run();
}

SteamResult evaluateSteamTurbine(const SteamEvaluationInput& input, SearchProgress& progress) {
  const std::unique_ptr<IsentropicSearch> search = makeFastIsentropicSearch();
  return evaluateSteamTurbine(input, progress, *search);
}

}  // namespace corvasine::steam_turbine
