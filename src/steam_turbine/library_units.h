#pragma once

// The steam calculator's base units against those of the water and steam
// property library (K, bar, kJ/kg, kJ/(kg K)). Every conversion around a
// library call uses these figures exactly as written.

namespace corvasine::steam_turbine {

// psia / kLibraryPsiPerBar = the library's bar: the round 14.5 that the
// calculator has always handed the library, not the unit catalogue's 14.5038.
inline constexpr double kLibraryPsiPerBar = 14.5;
inline constexpr double kBtuPerLbFPerKJPerKgK = 0.238846;  // library entropy to Btu/(lb °F)
inline constexpr double kBtuPerLbPerKJPerKg = 0.429923;    // library enthalpy to Btu/lb
inline constexpr double kKelvinAtZeroCelsius = 273.15;     // K
inline constexpr double kFahrenheitPerKelvin = 1.8;        // °F per K of difference
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;   // °F

// The library's temperature range (K); outside it the single-phase
// functions give -1.
inline constexpr double kLibraryLowestTemperature = 273.15;
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
