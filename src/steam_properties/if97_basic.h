// The dimensionless basic equations of IAPWS-IF97: the Gibbs energy of regions 1 and 2 and the
// Helmholtz energy of region 3, with their first and second derivatives. Callers reduce the
// state first: region 1 tau = 1386 K / T, pi = p / 16.53 MPa; region 2 tau = 540 K / T,
// pi = p / 1 MPa; region 3 tau = 647.096 K / T, delta = rho / 322 kg/m3. The reduced inverse
// temperature always comes first. These functions test no range: the callers choose the region
// (pi > 0 in region 2, delta > 0 in region 3). Where an argument lies outside the equation's
// domain and the result would not be finite, they return -1.
#pragma once

namespace corvasine::steam {

// Region 1, IAPWS-IF97 equation 7 and Table 4.
double gammaReg1(double tau, double pi);
double gammaPiReg1(double tau, double pi);
double gammaPiPiReg1(double tau, double pi);
double gammaTauReg1(double tau, double pi);
double gammaTauTauReg1(double tau, double pi);
double gammaPiTauReg1(double tau, double pi);

// Region 2, ideal-gas part, IAPWS-IF97 equation 16 and Table 13.
double gamma0Reg2(double tau, double pi);
double gamma0PiReg2(double tau, double pi);
double gamma0PiPiReg2(double tau, double pi);
double gamma0TauReg2(double tau, double pi);
double gamma0TauTauReg2(double tau, double pi);
double gamma0PiTauReg2(double tau, double pi);

// Region 2, residual part, IAPWS-IF97 equation 17 and Table 14.
double gammaRReg2(double tau, double pi);
double gammaRPiReg2(double tau, double pi);
double gammaRPiPiReg2(double tau, double pi);
double gammaRTauReg2(double tau, double pi);
double gammaRTauTauReg2(double tau, double pi);
double gammaRPiTauReg2(double tau, double pi);

// Region 3, IAPWS-IF97 equation 28 and Table 32.
double phiReg3(double tau, double delta);
double phiDeltaReg3(double tau, double delta);
double phiDeltaDeltaReg3(double tau, double delta);
double phiTauReg3(double tau, double delta);
double phiTauTauReg3(double tau, double delta);
double phiDeltaTauReg3(double tau, double delta);

}  // namespace corvasine::steam
