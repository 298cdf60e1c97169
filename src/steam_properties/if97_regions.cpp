#include "steam_properties/if97_regions.h"

#include <cmath>

#include "steam_properties/if97_basic.h"
#include "steam_properties/if97_constants.h"
#include "steam_properties/if97_tables.h"

namespace corvasine::steam {
namespace {

using namespace if97;

constexpr double kOutOfRange = -1.0;

// n_k of IAPWS-IF97 Table 34 and Table 1, numbered from 1 as in the standard.
constexpr double n4(int k) { return fieldsReg4[static_cast<unsigned>(k - 1)]; }
constexpr double nB(int k) { return fieldsBound[static_cast<unsigned>(k - 1)]; }

bool within(double x, double lo, double hi) { return x >= lo && x <= hi; }

double reg1Tau(double t) { return kReg1Temperature / t; }
double reg1Pi(double p) { return kMpaPerBar * p / kReg1PressureMpa; }
double reg2Tau(double t) { return kReg2Temperature / t; }
double reg2Pi(double p) { return kMpaPerBar * p; }

}  // namespace

double pSatW(double temperature) {
  const double t = temperature;
  if (!within(t, kTripleTemperature, kCriticalTemperature)) return kOutOfRange;
  const double theta = t + n4(9) / (t - n4(10));
  const double a = theta * theta + n4(1) * theta + n4(2);
  const double b = n4(3) * theta * theta + n4(4) * theta + n4(5);
  const double c = n4(6) * theta * theta + n4(7) * theta + n4(8);
  const double x = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
  return kBarPerMpa * (x * x) * (x * x);
}

double tSatW(double pressure) {
  const double p = pressure;
  if (!within(p, kLowestSatPressure, kCriticalPressure)) return kOutOfRange;
  const double beta = std::sqrt(std::sqrt(kMpaPerBar * p));
  const double e = beta * beta + n4(3) * beta + n4(6);
  const double f = n4(1) * beta * beta + n4(4) * beta + n4(7);
  const double g = n4(2) * beta * beta + n4(5) * beta + n4(8);
  const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
  const double s = n4(10) + d;
  return 0.5 * (s - std::sqrt(s * s - 4.0 * (n4(9) + n4(10) * d)));
}

double pBound23(double temperature) {
  const double t = temperature;
  if (!within(t, kBound13Temperature, kBound23TopTemperature)) return kOutOfRange;
  return kBarPerMpa * ((nB(1) + nB(2) * t) + nB(3) * t * t);
}

double tBound23(double pressure) {
  const double p = pressure;
  if (!within(p, kBound23LowPressure, kTopPressure)) return kOutOfRange;
  return nB(4) + std::sqrt((kMpaPerBar * p - nB(5)) / nB(3));
}

double volumeReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  return kGasConstant * temperature * pi * gammaPiReg1(tau, pi) / (kPaPerBar * pressure);
}

double energyReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  return kGasConstantKj * temperature * (tau * gammaTauReg1(tau, pi) - pi * gammaPiReg1(tau, pi));
}

double entropyReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  return kGasConstantKj * (tau * gammaTauReg1(tau, pi) - gammaReg1(tau, pi));
}

double enthalpyReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  return kGasConstantKj * temperature * tau * gammaTauReg1(tau, pi);
}

double cpReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  return -kGasConstantKj * tau * tau * gammaTauTauReg1(tau, pi);
}

double cvReg1(double temperature, double pressure) {
  const double tau = reg1Tau(temperature), pi = reg1Pi(pressure);
  const double x = gammaPiReg1(tau, pi) - tau * gammaPiTauReg1(tau, pi);
  return kGasConstantKj * (-tau * tau * gammaTauTauReg1(tau, pi) + x * x / gammaPiPiReg1(tau, pi));
}

double volumeReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  return kGasConstant * temperature * pi * (gamma0PiReg2(tau, pi) + gammaRPiReg2(tau, pi)) /
         (kPaPerBar * pressure);
}

double energyReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  return kGasConstantKj * temperature *
         (tau * (gamma0TauReg2(tau, pi) + gammaRTauReg2(tau, pi)) -
          pi * (gamma0PiReg2(tau, pi) + gammaRPiReg2(tau, pi)));
}

double entropyReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  return kGasConstantKj * (tau * (gamma0TauReg2(tau, pi) + gammaRTauReg2(tau, pi)) -
                           (gamma0Reg2(tau, pi) + gammaRReg2(tau, pi)));
}

double enthalpyReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  return kGasConstantKj * temperature * tau * (gamma0TauReg2(tau, pi) + gammaRTauReg2(tau, pi));
}

double cpReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  return -kGasConstantKj * tau * tau * (gamma0TauTauReg2(tau, pi) + gammaRTauTauReg2(tau, pi));
}

double cvReg2(double temperature, double pressure) {
  const double tau = reg2Tau(temperature), pi = reg2Pi(pressure);
  const double x = 1.0 + pi * gammaRPiReg2(tau, pi) - tau * pi * gammaRPiTauReg2(tau, pi);
  return kGasConstantKj * (-tau * tau * (gamma0TauTauReg2(tau, pi) + gammaRTauTauReg2(tau, pi)) -
                           x * x / (1.0 - pi * pi * gammaRPiPiReg2(tau, pi)));
}

namespace {
double reg3Tau(double t) { return kReg3Temperature / t; }
double reg3Delta(double rho) { return rho / kReg3Density; }
}  // namespace

double energyReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  return kGasConstantKj * temperature * tau * phiTauReg3(tau, delta);
}

double entropyReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  return kGasConstantKj * (tau * phiTauReg3(tau, delta) - phiReg3(tau, delta));
}

double enthalpyReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  return kGasConstantKj * temperature *
         (tau * phiTauReg3(tau, delta) + delta * phiDeltaReg3(tau, delta));
}

double cpReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  const double fd = phiDeltaReg3(tau, delta);
  const double x = delta * fd - delta * tau * phiDeltaTauReg3(tau, delta);
  return kGasConstantKj *
         (-tau * tau * phiTauTauReg3(tau, delta) +
          x * x / (2.0 * delta * fd + delta * delta * phiDeltaDeltaReg3(tau, delta)));
}

double cvReg3(double temperature, double density) {
  const double tau = reg3Tau(temperature), delta = reg3Delta(density);
  return -kGasConstantKj * tau * tau * phiTauTauReg3(tau, delta);
}

}  // namespace corvasine::steam
