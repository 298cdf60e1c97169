#pragma once

// The steam calculator's base units against those of the water and steam
// property library (K, bar, kJ/kg, kJ/(kg K)). Every conversion around a
// library call uses these figures exactly as written.

#include "shell/unit_factors.h"

namespace corvasine::steam_turbine {

// psia / kLibraryPsiPerBar = the library's bar: the round 14.5 that the
// calculator has always handed the library, not the unit catalogue's 14.5038.
inline constexpr double kLibraryPsiPerBar = 14.5;
inline constexpr double kBtuPerLbFPerKJPerKgK = 0.238846;  // library entropy to Btu/(lb °F)
inline constexpr double kBtuPerLbPerKJPerKg = 0.429923;    // library enthalpy to Btu/lb
using shell::kFahrenheitAtZeroCelsius;
using shell::kKelvinAtZeroCelsius;
inline constexpr double kFahrenheitPerKelvin = shell::kFahrenheitPerCelsius;

// The library's temperature range (K); outside it the single-phase
// functions give -1.
inline constexpr double kLibraryLowestTemperature = kKelvinAtZeroCelsius;
inline constexpr double kLibraryHighestTemperature = 1073.15;

// The operations in the order the calculator has always done them.
constexpr double kelvinFromFahrenheit(double f) {
  return (f - kFahrenheitAtZeroCelsius) / kFahrenheitPerKelvin + kKelvinAtZeroCelsius;
}
constexpr double fahrenheitFromKelvin(double k) {
  return (k - kKelvinAtZeroCelsius) * kFahrenheitPerKelvin + kFahrenheitAtZeroCelsius;
}
constexpr double celsiusFromFahrenheit(double f) {
  return (f - kFahrenheitAtZeroCelsius) / kFahrenheitPerKelvin;
}

}  // namespace corvasine::steam_turbine
