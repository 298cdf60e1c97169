// Transport properties of water and steam: dynamic viscosity after the IAPS Formulation 1985 in
// its industrial form (no critical enhancement) and thermal conductivity after the IAPS
// Formulation 1985 with its critical enhancement, whose derivative terms come from the
// IAPWS-IF97 equation of the state's region. Temperature K, pressure bar, viscosity Pa s,
// thermal conductivity W/(m K); -1 outside the range, never NaN or infinity.
#pragma once

namespace corvasine::steam {

// Reduced viscosity at theta = 647.226 K / T and rhoR = rho / 317.763 kg/m3.
double viscReduced(double theta, double rhoR);
// Reduced thermal conductivity of the state (T, p) with reduced variables theta and rhoR; the
// critical enhancement takes its derivatives from the region of (T, p) (none outside every
// region). -1 where the enhancement has no real value (an unstable density, or the critical
// point itself).
double thconReduced(double temperature, double pressure, double theta, double rhoR);

// Single-phase state, 273.15 <= T <= 1073.15 K and 0 < p <= 1000 bar.
double viscW(double temperature, double pressure);
double thconW(double temperature, double pressure);

// Saturated liquid and vapour, with the ranges and the near-critical pressure shift of the
// other saturated functions (water_steam.h). thconSatVapPW also lowers the caller's pressure
// by 0.01 % in the low branch, where it evaluates the vapour just off the saturation line.
double viscSatLiqTW(double temperature);
double viscSatVapTW(double temperature);
double viscSatLiqPW(double& pressure);
double viscSatVapPW(double& pressure);

double thconSatLiqTW(double temperature);
double thconSatVapTW(double temperature);
double thconSatLiqPW(double& pressure);
double thconSatVapPW(double& pressure);

}  // namespace corvasine::steam
