// IAPWS-IF97 region properties in the library's units: the saturation line (region 4), the
// boundary between regions 2 and 3, regions 1 and 2 at (T, p), region 3 at (T, rho), and the
// region-3 density at (T, p). Temperatures in K, pressures in bar absolute, densities in kg/m3,
// specific volume in m3/kg, u and h in kJ/kg, s, cp and cv in kJ/(kg K).
//
// The boundary functions return -1 outside their range (bounds inclusive). The region functions
// test no range: choosing a region in which an equation is valid is the caller's task; where the
// equation has no finite value at the arguments (T <= 0, a negative density, ...) they return -1.
#pragma once

namespace corvasine::steam {

// Saturation pressure, IAPWS-IF97 equation 30; 273.15 K <= T <= 647.096 K.
double pSatW(double temperature);
// Saturation temperature, IAPWS-IF97 equation 31; 0.00611213 bar <= p <= 220.64 bar.
double tSatW(double pressure);
// Pressure on the boundary between regions 2 and 3, equation 5; 623.15 K <= T <= 863.15 K.
double pBound23(double temperature);
// Temperature on the boundary between regions 2 and 3, equation 6; 165.292 <= p <= 1000 bar.
double tBound23(double pressure);

// Region 1 at (T, p), IAPWS-IF97 Table 3.
double volumeReg1(double temperature, double pressure);
double energyReg1(double temperature, double pressure);
double entropyReg1(double temperature, double pressure);
double enthalpyReg1(double temperature, double pressure);
double cpReg1(double temperature, double pressure);
double cvReg1(double temperature, double pressure);

// Region 2 at (T, p), IAPWS-IF97 Table 12.
double volumeReg2(double temperature, double pressure);
double energyReg2(double temperature, double pressure);
double entropyReg2(double temperature, double pressure);
double enthalpyReg2(double temperature, double pressure);
double cpReg2(double temperature, double pressure);
double cvReg2(double temperature, double pressure);

// Region 3 at (T, rho), IAPWS-IF97 Table 31.
double energyReg3(double temperature, double density);
double entropyReg3(double temperature, double density);
double enthalpyReg3(double temperature, double density);
double cpReg3(double temperature, double density);
double cvReg3(double temperature, double density);

// Result of densReg3 when the density search does not converge.
inline constexpr double kDensityNotConverged = -2.0;

// Region-3 density at (T, p), in kg/m3, on the physical branch: the liquid side below the
// critical temperature when p >= pSatW(T) (and at or above it), the vapour side otherwise.
// kDensityNotConverged when no density is found.
double densReg3(double temperature, double pressure);

}  // namespace corvasine::steam
