#pragma once

// The unit catalogue: one table per quantity that a unit list shows. An
// entry holds the text the list shows and its conversion of a figure to and
// from the quantity's base unit (entry 0): a factor where the conversion is
// that plain scaling, else functions that keep the order of operations, and
// the rounding, its figures have always had. An entry with neither takes the
// figure as it stands (the base unit, and units of the same ratio). A list position is its entry's
// index; a position that names no entry takes the last one. The conversions raise
// runtime::RuntimeError on an arithmetic fault.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/unit_factors.h"

namespace corvasine::shell {

struct UnitEntry {
  std::string_view text;
  double factor = 0.0;  // base units per unit: x × factor to the base, base / factor back
  double (*toBase)(double x) = nullptr;
  double (*fromBase)(double base) = nullptr;
};

struct UnitList {
  std::span<const UnitEntry> entries;

  std::size_t size() const { return entries.size(); }
  // Whether a list position names an entry.
  bool has(int unit) const { return unit >= 0 && unit < static_cast<int>(entries.size()); }
  // The entry at a list position; past either end, the last.
  const UnitEntry& at(int unit) const;
  // The entries' texts, as a list shows them.
  std::vector<std::string> items() const;
  // x in the unit at list position `unit` to the base unit, and back.
  double toBase(double x, int unit) const;
  double fromBase(double base, int unit) const;
};

// Decimals of the conversions that round.
inline constexpr int kMolarFlowDecimals = 4;
inline constexpr int kEntropyDecimals = 4;
inline constexpr int kEnthalpyDecimals = 2;

extern const UnitList kTemperatureUnits;   // °F, °C
extern const UnitList kPressureUnits;      // psia, atm, bar, kg/cm2
extern const UnitList kLowPressureUnits;   // inWC, mmWC, inHg, mmHg, psia
extern const UnitList kHeightUnits;        // ft, m, km, miles
extern const UnitList kWaterContentUnits;  // lb/lb, g/g, kg/kg: one ratio
// kscfh, mmscfd, lbmol/h, kgmol/h; to kscfh rounded to kMolarFlowDecimals
// (kscfh itself as typed).
extern const UnitList kMolarFlowUnits;
// Btu/scf, Btu/lb, kJ/kg, kCal/kg. The figures convert from Btu/lb; Btu/scf
// has none, it goes through the fuel's molecular weight (the gas window).
extern const UnitList kHeatingValueUnits;
// kpph, lb/h, lb/s, kg/h, kg/s, tons/h: each divides by 1000 first, then
// scales (to kpph), or multiplies by 1000 first (from kpph).
extern const UnitList kMassFlowUnits;
// Btu/lb.F, KJ/kg.K, Kcal/kg.C; from the base rounded to kEntropyDecimals (1
// Btu/(lb °F) is 1 kcal/(kg °C)).
extern const UnitList kEntropyUnits;
// Btu/lb, KJ/kg, Kcal/kg; from the base rounded to kEnthalpyDecimals.
extern const UnitList kEnthalpyUnits;
// Only named: the default units dialog offers them, no window converts in them.
extern const UnitList kPowerUnits;     // hp, Watts, kW, MW, Btu/hr
extern const UnitList kHeatRateUnits;  // Btu/hp.hr, Btu/kWh, kJ/kWh

// The converters' targets take a conversion from the base as a function.
double temperatureFromF(double x, int unit);
double pressureFromPsia(double x, int unit);

// Until every window reads the tables above.
inline std::vector<std::string> temperatureUnitItems() { return kTemperatureUnits.items(); }
inline std::vector<std::string> pressureUnitItems() { return kPressureUnits.items(); }
inline double temperatureToF(double x, int unit) { return kTemperatureUnits.toBase(x, unit); }
inline double pressureToPsia(double x, int unit) { return kPressureUnits.toBase(x, unit); }

}  // namespace corvasine::shell
