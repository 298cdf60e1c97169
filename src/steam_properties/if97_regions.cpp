#include "steam_properties/if97_regions.h"

#include <cmath>

#include "steam_properties/if97_basic.h"
#include "steam_properties/if97_boundaries.h"
#include "steam_properties/if97_constants.h"
#include "steam_properties/if97_equations.h"

namespace corvasine::steam {
namespace {

using namespace if97;
using namespace equations;

double reg1Tau(double t) { return kReg1Temperature / t; }
double reg1Pi(double p) { return kMpaPerBar * p / kReg1PressureMpa; }
double reg2Tau(double t) { return kReg2Temperature / t; }
double reg2Pi(double p) { return kMpaPerBar * p; }
double reg3Tau(double t) { return kReg3Temperature / t; }
double reg3Delta(double rho) { return rho / kReg3Density; }

// A state outside an equation's domain (T <= 0, p <= 0, a negative density, infinities) gives
// -1, the library's value for a state without properties, instead of NaN or infinity.
double finite(double value) { return std::isfinite(value) ? value : -1.0; }

}  // namespace

double pSatW(double temperature) { return boundaries::saturationPressure(temperature); }
double tSatW(double pressure) { return boundaries::saturationTemperature(pressure); }
double pBound23(double temperature) { return boundaries::boundary23Pressure(temperature); }
double tBound23(double pressure) { return boundaries::boundary23Temperature(pressure); }

double volumeReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const Gamma1 g = region1<kX>(tau, pi);
  return finite(kGasConstant * temperature * pi * g.gammaPi / (kPaPerBar * pressure));
}

double energyReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const Gamma1 g = region1<kX | kY>(tau, pi);
  return finite(kGasConstantKj * temperature * (tau * g.gammaTau - pi * g.gammaPi));
}

double entropyReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const Gamma1 g = region1<kValue | kY>(tau, pi);
  return finite(kGasConstantKj * (tau * g.gammaTau - g.gamma));
}

double enthalpyReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const Gamma1 g = region1<kY>(tau, pi);
  return finite(kGasConstantKj * temperature * tau * g.gammaTau);
}

double cpReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const Gamma1 g = region1<kYY>(tau, pi);
  return finite(-kGasConstantKj * tau * tau * g.gammaTauTau);
}

double cvReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const Gamma1 g = region1<kX | kXX | kYY | kXY>(tau, pi);
  const double x = g.gammaPi - tau * g.gammaPiTau;
  return finite(kGasConstantKj * (-tau * tau * g.gammaTauTau + x * x / g.gammaPiPi));
}

// gamma0Pi = 1 / pi and gamma0PiTau = 0 (gamma0PiReg2, gamma0PiTauReg2) need no series.
double volumeReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const GammaR r = region2Residual<kX>(tau, pi);
  return finite(kGasConstant * temperature * pi * (gamma0PiReg2(tau, pi) + r.gammaRPi) /
                (kPaPerBar * pressure));
}

double energyReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const Gamma0 i = region2Ideal<kY>(tau, pi);
  const GammaR r = region2Residual<kX | kY>(tau, pi);
  return finite(kGasConstantKj * temperature *
                (tau * (i.gamma0Tau + r.gammaRTau) - pi * (gamma0PiReg2(tau, pi) + r.gammaRPi)));
}

double entropyReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const Gamma0 i = region2Ideal<kValue | kY>(tau, pi);
  const GammaR r = region2Residual<kValue | kY>(tau, pi);
  return finite(kGasConstantKj * (tau * (i.gamma0Tau + r.gammaRTau) - (i.gamma0 + r.gammaR)));
}

double enthalpyReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const Gamma0 i = region2Ideal<kY>(tau, pi);
  const GammaR r = region2Residual<kY>(tau, pi);
  return finite(kGasConstantKj * temperature * tau * (i.gamma0Tau + r.gammaRTau));
}

double cpReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const Gamma0 i = region2Ideal<kYY>(tau, pi);
  const GammaR r = region2Residual<kYY>(tau, pi);
  return finite(-kGasConstantKj * tau * tau * (i.gamma0TauTau + r.gammaRTauTau));
}

double cvReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const Gamma0 i = region2Ideal<kYY>(tau, pi);
  const GammaR r = region2Residual<kX | kXX | kYY | kXY>(tau, pi);
  const double x = 1.0 + pi * r.gammaRPi - tau * pi * r.gammaRPiTau;
  return finite(kGasConstantKj * (-tau * tau * (i.gamma0TauTau + r.gammaRTauTau) -
                                  x * x / (1.0 - pi * pi * r.gammaRPiPi)));
}

double energyReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  const Phi f = region3<kY>(tau, delta);
  return finite(kGasConstantKj * temperature * tau * f.phiTau);
}

double entropyReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  const Phi f = region3<kValue | kY>(tau, delta);
  return finite(kGasConstantKj * (tau * f.phiTau - f.phi));
}

double enthalpyReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  const Phi f = region3<kX | kY>(tau, delta);
  return finite(kGasConstantKj * temperature * (tau * f.phiTau + delta * f.phiDelta));
}

double cpReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  const Phi f = region3<kX | kXX | kYY | kXY>(tau, delta);
  const double x = delta * f.phiDelta - delta * tau * f.phiDeltaTau;
  return finite(kGasConstantKj *
                (-tau * tau * f.phiTauTau +
                 x * x / (2.0 * delta * f.phiDelta + delta * delta * f.phiDeltaDelta)));
}

double cvReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  const Phi f = region3<kYY>(tau, delta);
  return finite(-kGasConstantKj * tau * tau * f.phiTauTau);
}

}  // namespace corvasine::steam
