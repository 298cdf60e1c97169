// Which IAPWS-IF97 equation describes a state: the region of a single-phase state at (T, p), and
// the branch of a saturated state given by its temperature or its pressure. Shared by the
// thermodynamic and the transport property functions.
#pragma once

namespace corvasine::steam {

enum class Region { kNone, kOne, kTwo, kThree };

// Region of (T [K], p [bar]); tests in the order region 1, region 2, region 3, bounds inclusive
// except p > 0 of region 2. A pressure equal to pSatW(T) is region 1, one equal to pBound23(T)
// is region 2.
Region singlePhaseRegion(double temperature, double pressure);

enum class SatSide { kLiquid, kVapour };

// A saturated state: in the low branch the equation of region 1 (liquid) or region 2 (vapour)
// at (T, p); in the near-critical branch region 3 at (T, densReg3(T, p)).
struct SaturatedState {
  enum class Branch { kNone, kLow, kNearCritical };
  Branch branch = Branch::kNone;
  double temperature = 0.0;  // [K]
  double pressure = 0.0;     // [bar], shifted by 0.00001 bar in the near-critical branch
};

// By temperature: low branch for 273.15 <= T <= 623.15 K, near-critical branch for
// 623.15 < T <= 647.096 K, where the vapour pressure lies 0.00001 bar below pSatW(T).
SaturatedState saturatedByTemperature(double temperature, SatSide side);

// By pressure: low branch for pSatW(273.15 K) <= p <= pSatW(623.15 K) (none where tSatW has no
// value), near-critical branch for pSatW(623.15 K) < p <= 220.64 bar. The near-critical branch
// moves the caller's `pressure` 0.00001 bar up (liquid) or down (vapour); otherwise `pressure`
// is left as it is.
SaturatedState saturatedByPressure(double& pressure, SatSide side);

}  // namespace corvasine::steam
