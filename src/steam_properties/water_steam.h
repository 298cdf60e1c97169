// Public property functions of water and steam after IAPWS-IF97 (regions 1, 2 and 3 and the
// saturation line) with the IAPS 1985 transport properties. Units: temperature K, pressure bar
// absolute, density kg/m3, u and h kJ/kg, s, cp and cv kJ/(kg K), viscosity Pa s, thermal
// conductivity W/(m K).
//
// Every function returns -1 for arguments outside its range and never NaN or infinity. Density
// functions in region 3 return -2 if the density search fails.
//
// The saturated functions by pressure (...PW) take the caller's pressure by reference: between
// pSatW(623.15 K) and 220.64 bar they move it 0.00001 bar up (liquid) or down (vapour) and
// evaluate there, and successive calls with one variable add up. A caller that must keep its
// pressure passes a copy.
#pragma once

#include "steam_properties/if97_regions.h"  // pSatW, tSatW, pBound23, tBound23, densReg3
#include "steam_properties/transport.h"     // viscW, thconW and their saturated members

namespace corvasine::steam {

// Single-phase state at (T, p): region 1, 2 or 3 as IAPWS-IF97 bounds them, for
// 273.15 <= T <= 1073.15 K and 0 < p <= 1000 bar.
double densW(double temperature, double pressure);
double energyW(double temperature, double pressure);
double entropyW(double temperature, double pressure);
double enthalpyW(double temperature, double pressure);
double cpW(double temperature, double pressure);
double cvW(double temperature, double pressure);

// Saturated liquid and vapour by temperature (273.15 <= T <= 647.096 K) and by pressure
// (pSatW(273.15 K) <= p <= 220.64 bar).
double densSatLiqTW(double temperature);
double densSatVapTW(double temperature);
double densSatLiqPW(double& pressure);
double densSatVapPW(double& pressure);

double energySatLiqTW(double temperature);
double energySatVapTW(double temperature);
double energySatLiqPW(double& pressure);
double energySatVapPW(double& pressure);

double entropySatLiqTW(double temperature);
double entropySatVapTW(double temperature);
double entropySatLiqPW(double& pressure);
double entropySatVapPW(double& pressure);

double enthalpySatLiqTW(double temperature);
double enthalpySatVapTW(double temperature);
double enthalpySatLiqPW(double& pressure);
double enthalpySatVapPW(double& pressure);

double cpSatLiqTW(double temperature);
double cpSatVapTW(double temperature);
double cpSatLiqPW(double& pressure);
double cpSatVapPW(double& pressure);

double cvSatLiqTW(double temperature);
double cvSatVapTW(double temperature);
double cvSatLiqPW(double& pressure);
double cvSatVapPW(double& pressure);

}  // namespace corvasine::steam
