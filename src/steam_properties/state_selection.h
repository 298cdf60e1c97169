// Which IAPWS-IF97 equation describes a state: the region of a single-phase state at (T, p), and
// the branch of a saturated state given by its temperature or its pressure. Shared by the
// thermodynamic and the transport property functions, and inline, since every public call
// starts here.
#pragma once

#include "steam_properties/if97_boundaries.h"
#include "steam_properties/if97_constants.h"

namespace corvasine::steam {

enum class Region { kNone, kOne, kTwo, kThree };

// Region of (T [K], p [bar]); tests in the order region 1, region 2, region 3, bounds inclusive
// except p > 0 of region 2. A pressure equal to pSatW(T) is region 1, one equal to pBound23(T)
// is region 2. Each boundary value is computed only where a test needs it; outside its own
// range it is -1, which only makes the test fail.
inline Region singlePhaseRegion(double temperature, double pressure) {
  using namespace if97;
  using boundaries::within;
  const double t = temperature;
  const double p = pressure;
  if (within(t, kTripleTemperature, kBound13Temperature)) {
    const double pSat = boundaries::saturationPressure(t);
    if (within(p, pSat, kTopPressure)) return Region::kOne;
    if (p > 0.0 && p <= pSat) return Region::kTwo;
  }
  if (within(t, kBound13Temperature, kBound23TopTemperature)) {
    const double pBound = boundaries::boundary23Pressure(t);
    if (p > 0.0 && p <= pBound) return Region::kTwo;
    if (within(t, kBound13Temperature, boundaries::boundary23Temperature(p)) &&
        within(p, pBound, kTopPressure)) {
      return Region::kThree;
    }
  }
  // At 863.15 K the third range of region 2 applies as well.
  if (within(t, kBound23TopTemperature, kTopTemperature) && p > 0.0 && p <= kTopPressure) {
    return Region::kTwo;
  }
  return Region::kNone;
}

enum class SatSide { kLiquid, kVapour };

// A saturated state: in the low branch the equation of region 1 (liquid) or region 2 (vapour)
// at (T, p); in the near-critical branch region 3 at (T, densReg3(T, p)).
struct SaturatedState {
  enum class Branch { kNone, kLow, kNearCritical };
  Branch branch = Branch::kNone;
  double temperature = 0.0;  // [K]
  double pressure = 0.0;     // [bar], shifted by 0.00001 bar in the near-critical branch
};

// Pressure shift of the near-critical saturated states [bar].
inline constexpr double kNearCriticalShift = 0.00001;

// By temperature: low branch for 273.15 <= T <= 623.15 K, near-critical branch for
// 623.15 < T <= 647.096 K, where the vapour pressure lies 0.00001 bar below pSatW(T).
inline SaturatedState saturatedByTemperature(double temperature, SatSide side) {
  using namespace if97;
  const double t = temperature;
  if (boundaries::within(t, kTripleTemperature, kBound13Temperature)) {
    return {SaturatedState::Branch::kLow, t, boundaries::saturationPressure(t)};
  }
  if (t > kBound13Temperature && t <= kCriticalTemperature) {
    const double shift = side == SatSide::kVapour ? kNearCriticalShift : 0.0;
    return {SaturatedState::Branch::kNearCritical, t, boundaries::saturationPressure(t) - shift};
  }
  return {};
}

// Saturation pressures at the ends of the low branch [bar]; pure functions of constants.
inline double lowBranchBottomPressure() {
  static const double p = boundaries::saturationPressure(if97::kTripleTemperature);
  return p;
}
inline double lowBranchTopPressure() {
  static const double p = boundaries::saturationPressure(if97::kBound13Temperature);
  return p;
}

// By pressure: low branch for pSatW(273.15 K) <= p <= pSatW(623.15 K) (none where tSatW has no
// value, just above pSatW(273.15 K)), near-critical branch for pSatW(623.15 K) < p <= 220.64
// bar. The near-critical branch takes T from the pressure as passed and then moves the caller's
// `pressure` 0.00001 bar up (liquid) or down (vapour); otherwise `pressure` is left as it is.
inline SaturatedState saturatedByPressure(double& pressure, SatSide side) {
  const double p = pressure;
  if (boundaries::within(p, lowBranchBottomPressure(), lowBranchTopPressure())) {
    const double t = boundaries::saturationTemperature(p);
    if (!(t > 0.0)) return {};
    return {SaturatedState::Branch::kLow, t, p};
  }
  if (p > lowBranchTopPressure() && p <= if97::kCriticalPressure) {
    const double t = boundaries::saturationTemperature(p);
    pressure = side == SatSide::kLiquid ? p + kNearCriticalShift : p - kNearCriticalShift;
    return {SaturatedState::Branch::kNearCritical, t, pressure};
  }
  return {};
}

}  // namespace corvasine::steam
