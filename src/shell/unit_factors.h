#pragma once

// The unit figures that more than the unit catalogue (unit_lists.h) uses:
// the converters and the calculations take them from here. Each figure of
// the program stands once: a figure only one catalogue entry needs stands
// in that entry. Where a calculation has always used a different figure
// for the same relation, that figure has a name of its own that says where
// it is used.

namespace corvasine::shell {

// Temperature.
inline constexpr double kFahrenheitPerCelsius = 1.8;        // °F per °C (difference)
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;    // °F
inline constexpr double kKelvinAtZeroCelsius = 273.15;      // K
inline constexpr double kRankineAtZeroFahrenheit = 459.67;  // °R
// The round 460 °R that the temperature converter and the gas compression's
// polytropic exponent have always used in place of 459.67.
inline constexpr double kRoundRankineAtZeroFahrenheit = 460.0;

// Inches of water column per psi: a low-pressure unit, and the gas window's
// inlet pressure drop against the inlet pressure.
inline constexpr double kInWCPerPsi = 27.6799;

// Mass and flow.
inline constexpr double kPoundsPerKilogram = 2.20462;
inline constexpr double kPoundsPerKilopound = 1000.0;
inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kKscfPerMmscf = 1000.0;
// Standard volume of one lb-mole, thousand scf, as the heat balance uses it,
// and in scf, as the heating values per lb do.
inline constexpr double kKscfPerLbMole = 0.3794884;
inline constexpr double kScfPerLbMole = kKscfPerLbMole * 1000.0;
// The rounded volume of one lb-mole that the molar flow converter and the
// exhaust mass flow have always used in place of kKscfPerLbMole.
inline constexpr double kRoundKscfPerLbMole = 0.3795;

// Specific enthalpy against Btu/lb: the heating values and the steam enthalpy.
inline constexpr double kKJPerKgPerBtuPerLb = 2.326;
inline constexpr double kKcalPerKgPerBtuPerLb = 0.555556;

// Power.
inline constexpr double kBtuPerHourPerHp = 2544.43;     // Btu/h per hp
inline constexpr double kWattsPerHp = 746.0;            // W per hp
inline constexpr double kWattsPerMegawatt = 1000000.0;  // W per MW

inline constexpr double kPercent = 100.0;  // per cent of the whole

}  // namespace corvasine::shell
