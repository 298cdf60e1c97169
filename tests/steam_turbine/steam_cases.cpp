#include "steam_turbine/steam_cases.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "runtime/number.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam_turbine::testing {
namespace {

using runtime::NumberText;
using runtime::RoundHalfEven;

double kelvin(double degF) { return (degF - 32.0) / 1.8 + 273.15; }

// Lower and upper ends of the near-critical band of the saturated calls, psia.
constexpr double kBandLow = 165.2917 * 14.5;
constexpr double kBandHigh = 220.64 * 14.5;

// The temperature (°F) at psia where a property (kJ/kg or kJ/(kg K), times
// its factor to Btu) reaches a target, by bisection between the saturation
// temperature and the top of the library's range; the saturation temperature
// where the property is already there.
double temperatureWhere(double (*property)(double, double), double factor, double target,
                        double psia) {
  const double bar = psia / 14.5;
  double lo = std::max(steam::tSatW(bar), 273.15) + 1e-6;
  double hi = 1073.15;
  if (property(lo, bar) * factor >= target) return (lo - 273.15) * 1.8 + 32.0;
  for (int i = 0; i < 60; ++i) {
    const double mid = 0.5 * (lo + hi);
    (property(mid, bar) * factor < target ? lo : hi) = mid;
  }
  return (lo - 273.15) * 1.8 + 32.0;
}

double isentropicF(double s, double psia) {
  return temperatureWhere(steam::entropyW, 0.238846, s, psia);
}
double temperatureF(double h, double psia) {
  return temperatureWhere(steam::enthalpyW, 0.429923, h, psia);
}

// A stream at psia and °F: pressure, temperature, entropy (4 decimals) and enthalpy (2 decimals).
void setStream(StreamState& state, int group, double psia, double degF) {
  const auto g = static_cast<std::size_t>(group);
  state.streamPress[g] = psia;
  state.streamTemp[g] = degF;
  state.streamEntropy[g] = RoundHalfEven(steam::entropyW(kelvin(degF), psia / 14.5) * 0.238846, 4);
  state.streamEnthalpy[g] =
      RoundHalfEven(steam::enthalpyW(kelvin(degF), psia / 14.5) * 0.429923, 2);
}

// The enthalpy (Btu/lb) of wet steam at psia with a vapour fraction in percent.
double wetEnthalpy(double psia, double percent) {
  double pl = psia / 14.5;
  double pv = psia / 14.5;
  const double hf = steam::enthalpySatLiqPW(pl) * 0.429923;
  const double hg = steam::enthalpySatVapPW(pv) * 0.429923;
  return RoundHalfEven((percent * hg + (100.0 - percent) * hf) / 100.0, 2);
}

double saturationF(double psia) { return (steam::tSatW(psia / 14.5) - 273.15) * 1.8 + 32.0; }

struct Point {
  double h;  // Btu/lb
  double s;  // Btu/(lb °F)
};

// The end of an expansion from `from` to psia with an isentropic efficiency,
// by the lever rule where the isentropic end is wet.
Point expand(Point from, double psia, double efficiency) {
  const double bar = psia / 14.5;
  double pl = bar;
  double pv = bar;
  const double sf = steam::entropySatLiqPW(pl) * 0.238846;
  const double sg = steam::entropySatVapPW(pv) * 0.238846;
  double his = 0.0;
  if (from.s >= sg || sg <= sf) {
    his = steam::enthalpyW(kelvin(isentropicF(from.s, psia)), bar) * 0.429923;
  } else {
    const double x = std::max(0.0, (from.s - sf) / (sg - sf));
    his = wetEnthalpy(psia, 100.0 * x);
  }
  const double h = from.h - efficiency * (from.h - his);
  return {h, from.s};
}

Point pointOf(const StreamState& s, int group) {
  const auto g = static_cast<std::size_t>(group);
  return {s.streamEnthalpy[g], s.streamEntropy[g]};
}

}  // namespace

int sampleScale() {
  const char* scale = std::getenv("CORVASINE_STEAM_SAMPLE_SCALE");
  if (scale == nullptr || !runtime::IsNumber(scale)) return 1;
  return std::max(1, static_cast<int>(runtime::ParseNumber(scale)));
}

EvaluationCase randomCase(std::mt19937_64& random, Arrangement arrangement) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto between = [&](double lo, double hi) { return lo + unit(random) * (hi - lo); };
  auto superheatedAbove = [&](double psia, double lo, double hi) {
    const double sat = std::max(saturationF(psia), 250.0);
    return std::min(sat + between(lo, hi), 1450.0);
  };
  const bool induction =
      arrangement == Arrangement::Induction || arrangement == Arrangement::InductionAndExtraction;
  const bool extraction =
      arrangement == Arrangement::Extraction || arrangement == Arrangement::InductionAndExtraction;
  const bool nearCritical = unit(random) < 0.2;
  const double efficiency = between(0.55, 0.92);
  auto stageEfficiency = [&] { return efficiency + between(-0.04, 0.04); };
  EvaluationCase c;
  StreamState& s = c.input.streams;
  s.inductionOn = induction ? kTrue : kFalse;
  s.extractionOn = extraction ? kTrue : kFalse;
  const double f3 = between(10.0, 500.0);
  const double f10 = between(5.0, 300.0);

  double p = nearCritical ? between(kBandHigh, 5000.0)
                          : std::exp(between(std::log(100.0), std::log(3600.0)));
  setStream(s, kInlet, p, nearCritical ? between(900.0, 1400.0) : superheatedAbove(p, 20.0, 700.0));
  // Each later pressure below the one before; a near-critical case puts the
  // next stage end into the band.
  auto nextPressure = [&](double from) {
    if (nearCritical && from > kBandHigh) return between(kBandLow, kBandHigh);
    return std::max(0.5, from * between(0.1, 0.8));
  };
  Point steam = pointOf(s, kInlet);
  if (induction) {
    p = nextPressure(p);
    const Point end1 = expand(steam, p, stageEfficiency());
    const double t1 = temperatureF(end1.h, p);
    // Mostly near the stage-1 end, as a real induction stream enters.
    const double t2 = unit(random) < 0.8
                          ? std::clamp(t1 + between(-20.0, 150.0), saturationF(p) + 3.0, 1450.0)
                          : superheatedAbove(p, 5.0, 400.0);
    setStream(s, kInduction, p, t2);
    const double tmix = (f3 * t1 + f10 * t2) / (f3 + f10);
    const double bar = p / 14.5;
    steam = {steam::enthalpyW(kelvin(tmix), bar) * 0.429923,
             steam::entropyW(kelvin(tmix), bar) * 0.238846};
  }
  if (extraction) {
    p = nextPressure(p);
    const Point end = expand(steam, p, stageEfficiency());
    setStream(s, kExtraction, p, std::max(temperatureF(end.h, p), superheatedAbove(p, 2.0, 10.0)));
    steam = pointOf(s, kExtraction);
  }
  p = nextPressure(p);
  s.streamPress[kExhaust] = p;
  double h28 = RoundHalfEven(expand(steam, p, stageEfficiency()).h, 2);
  const double odd = unit(random);
  if (odd < 0.04) s.streamPress[kExhaust] = s.streamPress[kInlet] * 1.5;  // expands upwards
  if (odd >= 0.04 && odd < 0.06) s.streamEntropy[kInlet] = 2.6;           // beyond 1073.15 K
  if (odd >= 0.06 && odd < 0.08) s.streamPress[kExhaust] = 0.0;
  if (odd >= 0.08 && odd < 0.1) h28 = wetEnthalpy(p, between(70.0, 100.0));

  // The flows and the exhaust enthalpy as the boxes show them, all in the
  // lists' first units; the exhaust flow box shows the inlet flow, or the balance.
  const auto shown = [](double x) { return runtime::ParseNumber(NumberText(x)); };
  SteamEvaluationInput& in = c.input;
  in.inletFlow = odd >= 0.1 && odd < 0.12 ? 0.0 : shown(RoundHalfEven(f3, 1));
  in.inductionFlow = shown(RoundHalfEven(f10, 1));
  in.extractionFlow = shown(RoundHalfEven(between(0.0, 1.1) * (f3 + (induction ? f10 : 0.0)), 1));
  in.exhaustEnthalpy = shown(h28);
  in.exhaustFlow =
      !induction && !extraction
          ? in.inletFlow
          : shown(flowBalance(in.inletFlow,
                              induction ? std::optional(in.inductionFlow) : std::nullopt,
                              extraction ? std::optional(in.extractionFlow) : std::nullopt));
  c.label = "p " + NumberText(s.streamPress[kInlet]) + "/" + NumberText(s.streamPress[kInduction]) +
            "/" + NumberText(s.streamPress[kExtraction]) + "/" +
            NumberText(s.streamPress[kExhaust]) + " F " + NumberText(in.inletFlow) + "/" +
            NumberText(in.inductionFlow) + "/" + NumberText(in.extractionFlow);
  return c;
}

}  // namespace corvasine::steam_turbine::testing
