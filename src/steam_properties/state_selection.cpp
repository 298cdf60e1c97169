#include "steam_properties/state_selection.h"

#include "steam_properties/if97_constants.h"
#include "steam_properties/if97_regions.h"

namespace corvasine::steam {
namespace {

using namespace if97;

// Pressure shift of the near-critical saturated states [bar].
constexpr double kNearCriticalShift = 0.00001;

bool within(double x, double lo, double hi) { return x >= lo && x <= hi; }

// Saturation pressures at the ends of the low branch [bar]; pure functions of constants.
double lowBranchBottomPressure() {
  static const double p = pSatW(kTripleTemperature);
  return p;
}
double lowBranchTopPressure() {
  static const double p = pSatW(kBound13Temperature);
  return p;
}

}  // namespace

// The boundary values are pure functions of T or p, so each is computed only where a test needs
// it; a boundary function outside its range gives -1, which only makes its test fail.
Region singlePhaseRegion(double temperature, double pressure) {
  const double t = temperature;
  const double p = pressure;
  if (within(t, kTripleTemperature, kBound13Temperature)) {
    const double pSat = pSatW(t);
    if (within(p, pSat, kTopPressure)) return Region::kOne;
    if (p > 0.0 && p <= pSat) return Region::kTwo;
  }
  if (within(t, kBound13Temperature, kBound23TopTemperature)) {
    const double pBound = pBound23(t);
    if (p > 0.0 && p <= pBound) return Region::kTwo;
    if (within(t, kBound13Temperature, tBound23(p)) && within(p, pBound, kTopPressure)) {
      return Region::kThree;
    }
    return Region::kNone;
  }
  if (within(t, kBound23TopTemperature, kTopTemperature) && p > 0.0 && p <= kTopPressure) {
    return Region::kTwo;
  }
  return Region::kNone;
}

SaturatedState saturatedByTemperature(double temperature, SatSide side) {
  const double t = temperature;
  if (within(t, kTripleTemperature, kBound13Temperature)) {
    return {SaturatedState::Branch::kLow, t, pSatW(t)};
  }
  if (t > kBound13Temperature && t <= kCriticalTemperature) {
    const double shift = side == SatSide::kVapour ? kNearCriticalShift : 0.0;
    return {SaturatedState::Branch::kNearCritical, t, pSatW(t) - shift};
  }
  return {};
}

SaturatedState saturatedByPressure(double& pressure, SatSide side) {
  const double p = pressure;
  if (within(p, lowBranchBottomPressure(), lowBranchTopPressure())) {
    const double t = tSatW(p);
    // Just above pSatW(273.15 K) tSatW has no value yet.
    if (!(t > 0.0)) return {};
    return {SaturatedState::Branch::kLow, t, p};
  }
  if (p > lowBranchTopPressure() && p <= kCriticalPressure) {
    const double t = tSatW(p);
    pressure = side == SatSide::kLiquid ? p + kNearCriticalShift : p - kNearCriticalShift;
    return {SaturatedState::Branch::kNearCritical, t, pressure};
  }
  return {};
}

}  // namespace corvasine::steam
