#pragma once

// The unit lists that only the steam window shows (mass flow, specific
// entropy and specific enthalpy) are tables of the unit catalogue; these are
// the window's conversions with them. A unit is its position in the list, 0
// being the base unit (kpph, Btu/(lb °F), Btu/lb).

#include "shell/unit_lists.h"

namespace corvasine::steam_turbine {

using shell::kEnthalpyDecimals;
using shell::kEntropyDecimals;

// kpph is thousand lb/h.
inline constexpr double kLbPerHourPerKpph = shell::kPoundsPerKilopound;

// Whether a flow list position names an entry.
inline bool isFlowUnit(int unit) { return shell::kMassFlowUnits.has(unit); }
// A flow v in the unit at `unit` to kpph (divide by 1000 first, then scale),
// and a flow in kpph in that unit (times 1000 first, then divide); a
// position outside the list is a run-time error.
double flowToKpph(double v, int unit);
double kpphToFlow(double kpph, int unit);

// Entropy s (Btu/(lb °F)) and enthalpy h (Btu/lb) as their lists show them.
inline double entropyShown(double s, int unit) { return shell::kEntropyUnits.fromBase(s, unit); }
inline double enthalpyShown(double h, int unit) { return shell::kEnthalpyUnits.fromBase(h, unit); }
// The shown enthalpy read back in Btu/lb.
inline double enthalpyFromShown(double shown, int unit) {
  return shell::kEnthalpyUnits.toBase(shown, unit);
}

}  // namespace corvasine::steam_turbine
