// Constants of IAPWS-IF97 as the library uses them. Pressures in bar unless stated.
#pragma once

namespace corvasine::steam::if97 {

// Specific gas constant of water [J/(kg K)], where pressures are formed in Pa.
inline constexpr double kGasConstant = 461.526;
// Specific gas constant of water [kJ/(kg K)] for u, s, h, cp and cv: the Double product
// 461.526 * 0.001, one unit in the last place above the Double nearest to 0.461526.
inline constexpr double kGasConstantKj = kGasConstant * 0.001;
static_assert(kGasConstantKj == 0.46152600000000005);

// Reducing values: region 1 [K], [MPa]; region 2 [K], [MPa]; region 3 [K], [kg/m3].
inline constexpr double kReg1Temperature = 1386.0;
inline constexpr double kReg1PressureMpa = 16.53;
inline constexpr double kReg2Temperature = 540.0;
inline constexpr double kReg3Temperature = 647.096;
inline constexpr double kReg3Density = 322.0;

// Unit factors.
inline constexpr double kMpaPerBar = 0.1;
inline constexpr double kBarPerMpa = 10.0;
inline constexpr double kPaPerBar = 100000.0;

// Bounds of the formulation [K] and [bar].
inline constexpr double kTripleTemperature = 273.15;      // lowest temperature
inline constexpr double kBound13Temperature = 623.15;     // regions 1 / 3 and 2 / 3 meet here
inline constexpr double kCriticalTemperature = 647.096;   // upper end of the saturation line
inline constexpr double kBound23TopTemperature = 863.15;  // B23 at 1000 bar
inline constexpr double kTopTemperature = 1073.15;        // upper end of region 2
inline constexpr double kLowestSatPressure = 0.00611213;  // lower end of tSatW
inline constexpr double kCriticalPressure = 220.64;       // upper end of tSatW
inline constexpr double kBound23LowPressure = 165.292;    // lower end of tBound23
inline constexpr double kTopPressure = 1000.0;            // upper end of regions 1 to 3

}  // namespace corvasine::steam::if97
