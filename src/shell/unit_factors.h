#pragma once

// The program's unit figures, each standing once: the unit catalogue
// (unit_lists.h), the converters and both calculators take them from here.
// Where a calculation has always used a different figure for the same
// relation, that figure has a name of its own that says where it is used.

namespace corvasine::shell {

// Temperature.
inline constexpr double kFahrenheitPerCelsius = 1.8;        // °F per °C (difference)
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;    // °F
inline constexpr double kKelvinAtZeroCelsius = 273.15;      // K
inline constexpr double kRankineAtZeroFahrenheit = 459.67;  // °R
// The round 460 °R that the temperature converter and the gas compression's
// polytropic exponent have always used in place of 459.67.
inline constexpr double kRoundRankineAtZeroFahrenheit = 460.0;

// Pressure.
inline constexpr double kPsiPerAtm = 14.6959;         // psi per atm
inline constexpr double kPsiPerBar = 14.5038;         // psi per bar
inline constexpr double kPsiPerKgfPerCm2 = 14.2233;   // psi per kg(f)/cm2
inline constexpr double kKilopascalPerPsi = 6.89476;  // kPa per psi
// Low pressures, in inches of water column.
inline constexpr double kInWCPerMmWC = 0.0393701;
inline constexpr double kInWCPerInHg = 13.5951;
inline constexpr double kInWCPerMmHg = 0.535239;
inline constexpr double kInWCPerPsi = 27.6799;

// Height.
inline constexpr double kFeetPerMeter = 3.28084;
inline constexpr double kMetersPerKilometer = 1000.0;
inline constexpr double kFeetPerKilometer = kFeetPerMeter * kMetersPerKilometer;
inline constexpr double kFeetPerMile = 5280.0;

// Mass and time.
inline constexpr double kPoundsPerKilogram = 2.20462;
inline constexpr double kKilogramsPerTonne = 1000.0;  // metric ton
inline constexpr double kPoundsPerTonne = kPoundsPerKilogram * kKilogramsPerTonne;
inline constexpr double kPoundsPerLongTon = 2240.0;
inline constexpr double kPoundsPerKilopound = 1000.0;
// lb/h of one kg/s: the figure the steam flow list has always used, not
// kPoundsPerKilogram × kSecondsPerHour.
inline constexpr double kLbPerHourPerKgPerSecond = 7936.64;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kHoursPerDay = 24.0;

// Molar flow, in thousand standard cubic feet per hour (KSCFH).
inline constexpr double kKscfPerMmscf = 1000.0;
// Standard volume of one lb-mole, thousand scf, as the heat balance uses it.
inline constexpr double kKscfPerLbMole = 0.3794884;
// The same in scf, as the heating values per lb use it.
inline constexpr double kScfPerKscf = 1000.0;
inline constexpr double kScfPerLbMole = kKscfPerLbMole * kScfPerKscf;
// The rounded volume of one lb-mole that the molar flow converter and the
// exhaust mass flow have always used in place of kKscfPerLbMole.
inline constexpr double kRoundKscfPerLbMole = 0.3795;
inline constexpr double kNm3PerKscf = 26.78964143;     // (Nm3/h) per KSCFH
inline constexpr double kKgMolePerKscf = 1.196310935;  // kg-mole per thousand scf

// Specific entropy and enthalpy against Btu/(lb °F) and Btu/lb.
inline constexpr double kKJPerKgKPerBtuPerLbF = 4.1868;
inline constexpr double kKJPerKgPerBtuPerLb = 2.326;
inline constexpr double kKcalPerKgPerBtuPerLb = 0.555556;

// Power.
inline constexpr double kBtuPerHourPerHp = 2544.43;     // Btu/h per hp
inline constexpr double kWattsPerHp = 746.0;            // W per hp
inline constexpr double kWattsPerMegawatt = 1000000.0;  // W per MW

inline constexpr double kPercent = 100.0;  // per cent of the whole

}  // namespace corvasine::shell
