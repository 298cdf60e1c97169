// Term-by-term evaluation of the IAPWS-IF97 basic equations as the formulation writes them: one
// std::pow per power and term, summed in the standard's row order. It is the yardstick for the
// library's fast series.
#pragma once

namespace corvasine::steam::literal {

enum class Equation { kRegion1, kRegion2Ideal, kRegion2Residual, kRegion3 };

// Value of a sum and the sum of the magnitudes of its terms (leading term included); the latter
// times the unit roundoff bounds the rounding error of any evaluation of the sum.
struct Sum {
  double value = 0.0;
  double magnitude = 0.0;
};

// Derivative of order (orderPi, orderTau) of the dimensionless equation (gamma of regions 1 and 2
// by pi and tau, phi of region 3 by delta and tau) at (tau, pi or delta). The ideal-gas part of
// region 2 is taken by tau only.
Sum basic(Equation equation, int orderPi, int orderTau, double tau, double second);

// Region-2 enthalpy [kJ/kg] and entropy [kJ/(kg K)] at (T [K], p [bar]), IAPWS-IF97 Table 12.
double enthalpyReg2(double temperature, double pressure);
double entropyReg2(double temperature, double pressure);

// Region-3 pressure rho R T delta phiDelta [bar] at (T [K], rho [kg/m3]) and its slope dp/drho
// [bar m3/kg], IAPWS-IF97 Table 31.
double region3Pressure(double temperature, double density);
double region3PressureSlope(double temperature, double density);

}  // namespace corvasine::steam::literal
