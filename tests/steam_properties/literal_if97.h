// Term-by-term evaluation of the IAPWS-IF97 basic equations as the formulation writes them: one
// std::pow per power and term, summed in the standard's row order. It is the yardstick for the
// library's fast series.
#pragma once

namespace corvasine::steam::literal {

// Value of a sum and the sum of the magnitudes of its terms (leading term included); the latter
// times the unit roundoff bounds the rounding error of any evaluation of the sum.
struct Sum {
  double value = 0.0;
  double magnitude = 0.0;
};

Sum gammaReg1(double tau, double pi);
Sum gammaPiReg1(double tau, double pi);
Sum gammaPiPiReg1(double tau, double pi);
Sum gammaTauReg1(double tau, double pi);
Sum gammaTauTauReg1(double tau, double pi);
Sum gammaPiTauReg1(double tau, double pi);

Sum gamma0Reg2(double tau, double pi);
Sum gamma0TauReg2(double tau, double pi);
Sum gamma0TauTauReg2(double tau, double pi);

Sum gammaRReg2(double tau, double pi);
Sum gammaRPiReg2(double tau, double pi);
Sum gammaRPiPiReg2(double tau, double pi);
Sum gammaRTauReg2(double tau, double pi);
Sum gammaRTauTauReg2(double tau, double pi);
Sum gammaRPiTauReg2(double tau, double pi);

Sum phiReg3(double tau, double delta);
Sum phiDeltaReg3(double tau, double delta);
Sum phiDeltaDeltaReg3(double tau, double delta);
Sum phiTauReg3(double tau, double delta);
Sum phiTauTauReg3(double tau, double delta);
Sum phiDeltaTauReg3(double tau, double delta);

// Region-2 enthalpy [kJ/kg] and entropy [kJ/(kg K)] at (T [K], p [bar]) from the literal sums,
// IAPWS-IF97 Table 12.
double enthalpyReg2(double temperature, double pressure);
double entropyReg2(double temperature, double pressure);

// Region-3 pressure p = rho R T delta phiDelta [bar] at (T [K], rho [kg/m3]), and its slope
// dp/drho [bar m3/kg], IAPWS-IF97 Table 31.
double region3Pressure(double temperature, double density);
double region3PressureSlope(double temperature, double density);

}  // namespace corvasine::steam::literal
