#pragma once

// Unit factors that the converters and both calculators share.

namespace corvasine::shell {

inline constexpr double kFahrenheitPerCelsius = 1.8;      // °F per °C (difference)
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;  // °F
inline constexpr double kPsiPerAtm = 14.6959;             // psi per atm
inline constexpr double kPsiPerBar = 14.5038;             // psi per bar
inline constexpr double kPsiPerKgfPerCm2 = 14.2233;       // psi per kg(f)/cm2
inline constexpr double kBtuPerHourPerHp = 2544.43;       // Btu/h per hp
inline constexpr double kWattsPerHp = 746.0;              // W per hp
inline constexpr double kWattsPerMegawatt = 1000000.0;    // W per MW
inline constexpr double kPercent = 100.0;                 // per cent of the whole

}  // namespace corvasine::shell
