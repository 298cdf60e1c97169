// Region-3 density at (T, p). The search first runs the Newton iteration on
// p(rho) = rho R T delta phiDelta from the start density of its phase. Where that iteration ends
// off the physical branch (a negative density, a root where p falls with rho, the other phase's
// root, or a root of the equation beyond the densest region-3 state), a bracketed search on the
// rising branch of the asked phase takes over.
#include <cmath>

#include "steam_properties/if97_constants.h"
#include "steam_properties/if97_equations.h"
#include "steam_properties/if97_regions.h"

namespace corvasine::steam {
namespace {

using namespace if97;

// Start densities of the Newton iteration [kg/m3].
constexpr double kVapourStartDensity = 100.0;
constexpr double kLiquidStartDensity = 600.0;
// Convergence: the last density step is below this [kg/m3].
constexpr double kDensityTolerance = 5e-6;
constexpr int kMaxNewtonSteps = 1000;
constexpr int kMaxBracketSteps = 200;

// Below the critical temperature p(rho) has a loop whose falling part contains the critical
// density: vapour roots lie below it, liquid roots above it, and above the critical temperature
// p rises with rho up to beyond kDensestState. Every region-3 state (T <= 863.15 K,
// p <= 1000 bar) has its density below kDensestState, where p exceeds 1400 bar throughout
// 623.15 K to 863.15 K, and above kThinnestState, where p is a few mbar.
constexpr double kCriticalDensity = kReg3Density;  // [kg/m3]
constexpr double kDensestState = 800.0;            // [kg/m3]
constexpr double kThinnestState = 1e-3;            // [kg/m3]

// The pressure of a density [Pa] and its slope dp/drho, at one temperature.
struct Isotherm {
  double temperature;
  double pressurePa;  // the asked pressure
  double tau;

  Isotherm(double t, double p)
      : temperature(t), pressurePa(kPaPerBar * p), tau(kReg3Temperature / t) {}

  struct Point {
    double pressure;  // p(rho) [Pa]
    double slope;     // dp/drho [Pa m3/kg]
    double excess;    // p(rho) - asked pressure [Pa]
  };

  Point at(double rho) const {
    const double delta = rho / kReg3Density;
    const equations::Phi phi = equations::region3<equations::kX | equations::kXX>(tau, delta);
    const double phiDelta = phi.phiDelta;
    const double phiDeltaDelta = phi.phiDeltaDelta;
    const double rho2 = rho * rho;
    const double pRho = phiDelta * rho2 * kGasConstant * temperature / kReg3Density;
    const double slope = (kGasConstant * temperature / kReg3Density) *
                         (2.0 * rho * phiDelta + rho2 * phiDeltaDelta / kReg3Density);
    return {pRho, slope, pRho - pressurePa};
  }
};

enum class Phase { kVapour, kLiquid, kSupercritical };

Phase phaseOf(double t, double p) {
  if (t >= kCriticalTemperature) return Phase::kSupercritical;
  return p < pSatW(t) ? Phase::kVapour : Phase::kLiquid;
}

// The Newton iteration from the phase's start density. Returns kDensityNotConverged after
// kMaxNewtonSteps; `lastSlope` is the slope at the last density the step started from.
double newtonDensity(const Isotherm& iso, Phase phase, double& lastSlope) {
  double rho = phase == Phase::kVapour ? kVapourStartDensity : kLiquidStartDensity;
  for (int step = 0; step < kMaxNewtonSteps; ++step) {
    const Isotherm::Point pt = iso.at(rho);
    lastSlope = pt.slope;
    const double next = rho + (iso.pressurePa - pt.pressure) / pt.slope;
    if (std::abs(next - rho) < kDensityTolerance) return next;
    if (!std::isfinite(next)) break;  // no later step can converge
    rho = next;
  }
  return kDensityNotConverged;
}

bool onPhysicalBranch(double rho, double slope, Phase phase) {
  if (!(rho > 0.0 && rho < kDensestState && slope > 0.0)) return false;
  switch (phase) {
    case Phase::kVapour:
      return rho < kCriticalDensity;
    case Phase::kLiquid:
      return rho > kCriticalDensity;
    case Phase::kSupercritical:
      return true;
  }
  return false;
}

// An interval of densities with p below the asked pressure at `low` and not below it at `high`,
// holding exactly one crossing on the rising branch of the phase. Without one, `edge` is the
// result instead: the density of the branch's extreme where the asked pressure lies just
// beyond it (possible only within rounding of the critical point), else kDensityNotConverged.
struct Bracket {
  double low = 0.0;
  double high = 0.0;
  bool found = false;
  double edge = kDensityNotConverged;
};

// Liquid: the rising branch runs from the loop's minimum (above the critical density) up.
Bracket liquidBracket(const Isotherm& iso) {
  Bracket b{kCriticalDensity, kDensestState};
  if (iso.at(b.high).excess < 0.0) return b;  // denser than any region-3 state
  if (iso.at(b.low).excess < 0.0) {
    b.found = true;  // p falls from here to the loop's minimum, then crosses once
    return b;
  }
  double falling = kCriticalDensity;  // slope < 0
  double rising = kDensestState;      // slope > 0, p at or above the asked pressure
  for (int step = 0; step < kMaxBracketSteps && rising - falling > kDensityTolerance; ++step) {
    const double mid = 0.5 * (falling + rising);
    const Isotherm::Point pt = iso.at(mid);
    if (pt.slope <= 0.0) {
      falling = mid;
    } else if (pt.excess < 0.0) {
      return Bracket{mid, rising, true};
    } else {
      rising = mid;
    }
  }
  b.edge = rising;
  return b;
}

// Vapour: the rising branch runs from zero density up to the loop's maximum (below the critical
// density).
Bracket vapourBracket(const Isotherm& iso) {
  Bracket b{kThinnestState, kCriticalDensity};
  if (iso.at(b.low).excess >= 0.0) return b;  // thinner than any region-3 state
  if (iso.at(b.high).excess >= 0.0) {
    b.found = true;  // p rises to the loop's maximum, crossing once, and stays above
    return b;
  }
  double rising = kThinnestState;     // slope > 0, p below the asked pressure
  double falling = kCriticalDensity;  // slope < 0
  for (int step = 0; step < kMaxBracketSteps && falling - rising > kDensityTolerance; ++step) {
    const double mid = 0.5 * (rising + falling);
    const Isotherm::Point pt = iso.at(mid);
    if (pt.slope <= 0.0) {
      falling = mid;
    } else if (pt.excess >= 0.0) {
      return Bracket{b.low, mid, true};
    } else {
      rising = mid;
    }
  }
  b.edge = rising;
  return b;
}

Bracket supercriticalBracket(const Isotherm& iso) {
  Bracket b{kThinnestState, kDensestState};
  b.found = iso.at(b.low).excess < 0.0 && iso.at(b.high).excess >= 0.0;
  return b;
}

// Newton steps kept inside the bracket, halving it where a step would leave it. The search ends
// on a Newton step below the tolerance, or when the bracket has shrunk to neighbouring doubles.
double solveInBracket(const Isotherm& iso, double low, double high) {
  double rho = 0.5 * (low + high);
  for (int step = 0; step < kMaxBracketSteps; ++step) {
    const Isotherm::Point pt = iso.at(rho);
    if (pt.excess == 0.0) return rho;
    if (pt.excess < 0.0) {
      low = rho;
    } else {
      high = rho;
    }
    const double newton = rho - pt.excess / pt.slope;
    if (pt.slope > 0.0 && newton > low && newton < high) {
      if (std::abs(newton - rho) < kDensityTolerance) return newton;
      rho = newton;
    } else {
      const double mid = 0.5 * (low + high);
      if (!(mid > low && mid < high)) return rho;
      rho = mid;
    }
  }
  return kDensityNotConverged;
}

double bracketedDensity(const Isotherm& iso, Phase phase) {
  const Bracket b = phase == Phase::kLiquid   ? liquidBracket(iso)
                    : phase == Phase::kVapour ? vapourBracket(iso)
                                              : supercriticalBracket(iso);
  if (!b.found) return b.edge;
  return solveInBracket(iso, b.low, b.high);
}

}  // namespace

double densReg3(double temperature, double pressure) {
  if (!(std::isfinite(temperature) && temperature > 0.0 && std::isfinite(pressure))) {
    return kDensityNotConverged;
  }
  const Isotherm iso(temperature, pressure);
  const Phase phase = phaseOf(temperature, pressure);
  double slope = 0.0;
  const double rho = newtonDensity(iso, phase, slope);
  if (onPhysicalBranch(rho, slope, phase)) return rho;
  return bracketedDensity(iso, phase);
}

}  // namespace corvasine::steam
