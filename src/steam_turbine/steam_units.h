#pragma once

// The unit lists of the steam window that only this calculator has: mass
// flow, specific entropy and specific enthalpy. A unit is its position in
// the list, 0 being the base unit (kpph, Btu/(lb °F), Btu/lb).

#include <array>
#include <string>
#include <vector>

namespace corvasine::steam_turbine {

// Mass flow: kpph is thousand lb/h.
inline constexpr double kLbPerHourPerKpph = 1000.0;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kLbPerKg = 2.20462;
inline constexpr double kLbPerHourPerKgPerSecond = 7936.64;  // not 2.20462 × 3600
inline constexpr double kLbPerTon = 2240.0;

// Display factors from the base units.
inline constexpr double kKJPerKgKPerBtuPerLbF = 4.1868;
inline constexpr double kKJPerKgPerBtuPerLb = 2.326;
inline constexpr double kKcalPerKgPerBtuPerLb = 0.555556;
inline constexpr int kEntropyDecimals = 4;
inline constexpr int kEnthalpyDecimals = 2;

std::vector<std::string> flowUnitItems();      // "kpph", "lb/h", "lb/s", "kg/h", "kg/s", "tons/h"
std::vector<std::string> entropyUnitItems();   // "Btu/lb.F", "KJ/kg.K", "Kcal/kg.C"
std::vector<std::string> enthalpyUnitItems();  // "Btu/lb", "KJ/kg", "Kcal/kg"

// Whether a flow list position names an entry.
bool isFlowUnit(int unit);
// A flow v in the unit at `unit` to kpph (divide by 1000 first, then scale);
// a position outside the list is a run-time error.
double flowToKpph(double v, int unit);
// A flow in kpph shown in the unit at `unit` (times 1000 first, then divide).
double kpphToFlow(double kpph, int unit);

// Entropy s (Btu/(lb °F)) and enthalpy h (Btu/lb) as their lists show them.
double entropyShown(double s, int unit);
double enthalpyShown(double h, int unit);
// The shown enthalpy read back in Btu/lb.
double enthalpyFromShown(double shown, int unit);

}  // namespace corvasine::steam_turbine
